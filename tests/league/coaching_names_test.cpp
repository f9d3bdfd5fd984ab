// The names of the coaching settings, value by value.
#include <gtest/gtest.h>

#include <algorithm>

#include "league/coaching_names.h"

namespace hv {
namespace {

TEST(CoachingNames, EachValueHasItsName) {
    const struct {
        CoachingSetting setting;
        int value;
        const char* name;
    } cases[] = {
        {CoachingSetting::Pace, 0, "Very Slow"},    {CoachingSetting::Pace, 25, "Slow"},
        {CoachingSetting::Pace, 50, "Normal"},      {CoachingSetting::Pace, 75, "Fast"},
        {CoachingSetting::Pace, 100, "Very Fast"},  {CoachingSetting::Press, 0, "Never"},
        {CoachingSetting::Press, 25, "Sometimes"},  {CoachingSetting::Press, 50, "Often"},
        {CoachingSetting::Press, 75, "Always"},     {CoachingSetting::Press, 100, "Always"},
        {CoachingSetting::Trap, 0, "Never"},        {CoachingSetting::Trap, 60, "Often"},
        {CoachingSetting::Offense, 0, "Inside"},    {CoachingSetting::Offense, 50, "Balanced"},
        {CoachingSetting::Offense, 100, "Outside"}, {CoachingSetting::Pace, -1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CoachingSettingName(c.setting, c.value), c.name) << c.value;
}

TEST(CoachingNames, TheChoicesHaveOneNameEach) {
    EXPECT_EQ(CoachingSettingValues(CoachingSetting::Pace), (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(CoachingSettingValues(CoachingSetting::Trap), (std::vector<int>{0, 25, 50, 75}));
    EXPECT_EQ(CoachingSettingValues(CoachingSetting::Offense), (std::vector<int>{0, 50, 100}));
    for (CoachingSetting s :
         {CoachingSetting::Pace, CoachingSetting::Press, CoachingSetting::Trap, CoachingSetting::Offense}) {
        std::vector<std::string> names;
        for (int v : CoachingSettingValues(s))
            names.push_back(CoachingSettingName(s, v));
        std::sort(names.begin(), names.end());
        EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
    }
}

} // namespace
} // namespace hv
