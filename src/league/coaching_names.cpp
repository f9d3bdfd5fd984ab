#include "league/coaching_names.h"

#include <algorithm>
#include <array>

namespace hv {

std::string CoachingSettingName(CoachingSetting setting, int value) {
    if (value < 0) return "";
    static constexpr std::array<const char*, 5> pace{"Very Slow", "Slow", "Normal", "Fast", "Very Fast"};
    static constexpr std::array<const char*, 4> pressure{"Never", "Sometimes", "Often", "Always"};
    const size_t step = static_cast<size_t>(value / 25);
    switch (setting) {
    case CoachingSetting::Pace:
        return pace[std::min(step, pace.size() - 1)];
    case CoachingSetting::Press:
    case CoachingSetting::Trap:
        return pressure[std::min(step, pressure.size() - 1)];
    case CoachingSetting::Offense:
        return value == 0 ? "Inside" : value >= 100 ? "Outside" : "Balanced";
    }
    return "";
}

std::vector<int> CoachingSettingValues(CoachingSetting setting) {
    switch (setting) {
    case CoachingSetting::Pace:
        return {0, 25, 50, 75, 100};
    case CoachingSetting::Press:
    case CoachingSetting::Trap:
        return {0, 25, 50, 75};
    case CoachingSetting::Offense:
        return {0, 50, 100};
    }
    return {};
}

} // namespace hv
