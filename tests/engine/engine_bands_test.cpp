// The rating tables of the engine at their edges: bands closed at the top, straight lines between the points
// of a curve, the step of the interception curve, and the chances of a player rated 0.
#include <gtest/gtest.h>

#include "engine/game_bands.h"

namespace hv {
namespace {

using namespace bands;

TEST(EngineBands, FatigueDifferenceHeightWeightAndDefenderBandsAreClosedAtTheTop) {
    const std::pair<int, double> energies[] = {
        {0, 0.75},    {399, 0.75}, {400, 0.85}, {500, 0.85}, {501, 0.9},  {600, 0.9}, {601, 0.925},
        {700, 0.925}, {701, 0.95}, {800, 0.95}, {801, 0.98}, {900, 0.98}, {901, 1.0}, {1000, 1.0}};
    for (auto [energy, factor] : energies)
        EXPECT_EQ(Fatigue(energy), factor) << energy;

    const std::pair<double, int> differences[] = {{-20.5, 0}, {-20, 1}, {-14.9, 2}, {-5, 3}, {-4.9, 4},
                                                  {0, 4},     {0.1, 5}, {10, 6},    {20, 8}, {20.1, 9}};
    for (auto [d, band] : differences)
        EXPECT_EQ(DifferenceBand(d), band) << d;
    const std::pair<int, int> heights[] = {{-7, 0}, {-6, 1}, {-4, 1}, {-3, 2}, {-2, 2}, {-1, 3}, {0, 4},
                                           {1, 5},  {2, 6},  {3, 7},  {4, 7},  {5, 8},  {6, 8},  {7, 9}};
    for (auto [h, band] : heights)
        EXPECT_EQ(HeightBand(h), band) << h;
    const std::pair<int, int> weights[] = {{-51, 0}, {-50, 1}, {-39, 2}, {-29, 3}, {-14, 4}, {0, 4},
                                           {1, 5},   {16, 6},  {31, 7},  {41, 8},  {50, 8},  {51, 9}};
    for (auto [w, band] : weights)
        EXPECT_EQ(WeightBand(w), band) << w;
    const std::pair<double, double> defenders[] = {{34.9, 0.04}, {35, 0.034},    {40, 0.034},  {40.5, 0.028},
                                                   {65, 0.004},  {65.5, -0.004}, {70, -0.004}, {90.5, -0.034},
                                                   {95, -0.034}, {95.5, -0.04}};
    for (auto [rating, amount] : defenders)
        EXPECT_DOUBLE_EQ(DefenderAdjustment(rating), amount) << rating;
}

// A shooter rated 0 still makes about 40 % of close shots and 5 % of three-pointers.
TEST(EngineBands, CurvesRunStraightBetweenTheirPoints) {
    const struct {
        const char* what;
        double value, expected;
    } cases[] = {
        {"close shot at 0", Curve(kCloseShot, kCloseShotAbove, 0), 0.4},
        {"three at 0", Curve(kThreePointer, kThreePointerAbove, 0), 0.05},
        {"jump shot at 17.5", Curve(kJumpShot, kJumpShotAbove, 17.5), 0.4},
        {"close shot at 67.5", Curve(kCloseShot, kCloseShotAbove, 67.5), 0.457},
        {"drive at 20", Curve(kDriveSuccess, kDriveSuccessAbove, 20), 0.515},
        {"drive defence at 72.5", Curve(kDriveDefense, kDriveDefenseAbove, 72.5), -0.02},
        {"block at 45", Curve(kBlock, kBlockAbove, 45), 0.0435},
        {"dribble steal at 87.5", Curve(kDribbleSteal, kDribbleStealAbove, 87.5), 0.0105},
        {"steal factor at 45", Curve(kStealFactor, kStealFactorAbove, 45), 0.505},
        {"trap loss above 95", Curve(kTrapLoss, kTrapLossAbove, 96), 0.001},
        {"trapper at 72.5", Curve(kTrapper, kTrapperAbove, 72.5), 1.06},
        {"interception at 72.5", Curve(kInterception, kInterceptionAbove, 72.5), 0.045},
        {"interception at the step's own 70", Curve(kInterception, kInterceptionAbove, 70), 0.04},
        {"interception at 20, a point of its own", Curve(kInterception, kInterceptionAbove, 20), 0.02},
        {"interception at its last point", Curve(kInterception, kInterceptionAbove, 95), 0.065},
        {"interception below its first point", Curve(kInterception, kInterceptionAbove, -10), 0.014},
        {"interception above 95", Curve(kInterception, kInterceptionAbove, 99), 0.065},
        {"interception factor above 95", Curve(kInterceptionFactor, kInterceptionFactorAbove, 96), 0.6},
        {"completion at 65", Curve(kPassCompletion, kPassCompletionAbove, 65), 0.96125}};
    for (const auto& c : cases)
        EXPECT_NEAR(c.value, c.expected, 1e-12) << c.what;
    EXPECT_NEAR(Curve(kInterception, kInterceptionAbove, 70.0001), 0.042, 1e-5) << "the step above 70";
}

// The tabled curves of a rating and an energy: 80 Stealing at 450 energy plays as 68 (fatigue 0.85).
TEST(EngineBands, RatedCurvesScaleTheRatingByFatigue) {
    const struct {
        const char* what;
        double value, expected;
    } cases[] = {
        {"rested 70, the lower side of the step", RatedCurve<kInterception, kInterceptionAbove>(70, 1000),
         0.04},
        {"80 at 450 energy", RatedCurve<kInterception, kInterceptionAbove>(80, 450), 0.0392},
        {"80 at 399 energy (0.75)", RatedCurve<kInterception, kInterceptionAbove>(80, 399), 0.036},
        {"80 at 900 energy (0.98)", RatedCurve<kInterception, kInterceptionAbove>(80, 900), 0.05208},
        {"a rating beyond the table", RatedCurve<kInterception, kInterceptionAbove>(150, 1000), 0.065},
        {"an energy beyond the table", RatedCurve<kInterception, kInterceptionAbove>(80, 1200), 0.054},
        {"a negative rating", RatedCurve<kInterception, kInterceptionAbove>(-30, 1000), 0.01},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(c.value, c.expected, 1e-12) << c.what;
}

} // namespace
} // namespace hv
