// The rating tables of the engine at their edges: bands closed at the top, the step of the interception
// curve, and the chances of a player rated 0.
#include <gtest/gtest.h>

#include "engine/game_bands.h"

namespace hv {
namespace {

using namespace bands;

TEST(EngineBands, AShooterRatedZeroStillMakesShots) {
    EXPECT_DOUBLE_EQ(Curve(kCloseShot, kCloseShotAbove, 0), 0.4);
    EXPECT_DOUBLE_EQ(Curve(kJumpShot, kJumpShotAbove, 0), 0.396);
    EXPECT_DOUBLE_EQ(Curve(kThreePointer, kThreePointerAbove, 0), 0.05);
}

TEST(EngineBands, CurvesRunStraightBetweenTheirPoints) {
    EXPECT_NEAR(Curve(kJumpShot, kJumpShotAbove, 17.5), 0.4, 1e-12);
    EXPECT_NEAR(Curve(kThreePointer, kThreePointerAbove, 42.5), 0.15, 1e-12);
    EXPECT_NEAR(Curve(kCloseShot, kCloseShotAbove, 95), 0.55, 1e-12);
    EXPECT_DOUBLE_EQ(Curve(kCloseShot, kCloseShotAbove, 95.5), 0.55);
    EXPECT_NEAR(Curve(kDriveSuccess, kDriveSuccessAbove, 20), 0.515, 1e-12);
    EXPECT_NEAR(Curve(kBlock, kBlockAbove, 5), 0.008, 1e-12);
    EXPECT_DOUBLE_EQ(Curve(kTrapLoss, kTrapLossAbove, 96), 0.001);
}

TEST(EngineBands, InterceptionStepsUpAboveSeventy) {
    EXPECT_NEAR(Curve(kInterception, kInterceptionAbove, 70), 0.04, 1e-12);
    EXPECT_NEAR(Curve(kInterception, kInterceptionAbove, 70.0001), 0.042, 1e-5);
    EXPECT_NEAR(Curve(kInterception, kInterceptionAbove, 72.5), 0.045, 1e-12);
    EXPECT_DOUBLE_EQ(Curve(kInterception, kInterceptionAbove, 99), 0.065);
    // A sure ball handler leaves 0.6 of the defender's chance.
    EXPECT_DOUBLE_EQ(Curve(kInterceptionFactor, kInterceptionFactorAbove, 96), 0.6);
    EXPECT_NEAR(Curve(kPassCompletion, kPassCompletionAbove, 65), 0.96125, 1e-12);
}

TEST(EngineBands, FatigueBands) {
    EXPECT_EQ(Fatigue(399), 0.75);
    EXPECT_EQ(Fatigue(400), 0.85);
    EXPECT_EQ(Fatigue(500), 0.85);
    EXPECT_EQ(Fatigue(501), 0.9);
    EXPECT_EQ(Fatigue(900), 0.98);
    EXPECT_EQ(Fatigue(901), 1.0);
}

TEST(EngineBands, DifferenceBandsAreClosedAtTheTop) {
    EXPECT_EQ(DifferenceBand(-20.5), 0);
    EXPECT_EQ(DifferenceBand(-20), 1);
    EXPECT_EQ(DifferenceBand(0), 4);
    EXPECT_EQ(DifferenceBand(0.1), 5);
    EXPECT_EQ(DifferenceBand(20), 8);
    EXPECT_EQ(DifferenceBand(20.1), 9);
    EXPECT_EQ(HeightBand(-7), 0);
    EXPECT_EQ(HeightBand(-6), 1);
    EXPECT_EQ(HeightBand(-3), 2);
    EXPECT_EQ(HeightBand(-1), 3);
    EXPECT_EQ(HeightBand(3), 7);
    EXPECT_EQ(HeightBand(7), 9);
    EXPECT_EQ(WeightBand(-51), 0);
    EXPECT_EQ(WeightBand(-40), 1);
    EXPECT_EQ(WeightBand(-39), 2);
    EXPECT_EQ(WeightBand(0), 4);
    EXPECT_EQ(WeightBand(1), 5);
    EXPECT_EQ(WeightBand(51), 9);
}

TEST(EngineBands, DefenderAdjustment) {
    EXPECT_DOUBLE_EQ(DefenderAdjustment(34.9), 0.04);
    EXPECT_DOUBLE_EQ(DefenderAdjustment(35), 0.034);
    EXPECT_DOUBLE_EQ(DefenderAdjustment(65), 0.004);
    EXPECT_DOUBLE_EQ(DefenderAdjustment(65.5), -0.004);
    EXPECT_DOUBLE_EQ(DefenderAdjustment(95), -0.034);
    EXPECT_DOUBLE_EQ(DefenderAdjustment(95.5), -0.04);
}

} // namespace
} // namespace hv
