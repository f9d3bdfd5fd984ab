// The numbers where the calibrated engine departs from the rules as written. One engine plays both: a game
// takes the set of its league's choice when it starts, and "as specified" is the set whose every value is the
// written rule, so that it plays draw for draw as before. What each deviation moves and by how much:
// docs/calibrated_engine.md.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "league/season_state.h"

namespace hv {

struct EngineRules {
    // The seconds an action takes are multiplied by this: fewer possessions in the 48 minutes.
    double ActionTimeScale = 1.0;
    // The chance that a rebound goes to the team rather than to a player (a ball out of bounds, a rebound
    // nobody secures): the ball goes where it would have gone, but no player is credited.
    double TeamReboundShare = 0.0;
    // Each rebounder's weight is raised to this power before the draw (his rebounding skill counts for more).
    double ReboundWeightPower = 1.0;
    // The chance that a basket after a pass is an assist for the last passer, at Passing 50; it grows by
    // AssistPassingSlope for every point of Passing above 50 (and falls below), within 0 to 1.
    double AssistChance = 1.0;
    double AssistPassingSlope = 0.0;
    // The chance that a shot from a three-point zone is a three-pointer is multiplied by this.
    double ThreePointChanceScale = 1.0;
    // Added to the make chance of every shot, and of a three-pointer besides.
    double FieldGoalMakeAdjustment = 0.0;
    double ThreePointMakeAdjustment = 0.0;
    // The chance of a shooting foul is this times the shooter's shooting propensity.
    double ShootingFoulFactor = 0.3;
    // The foul chance of a dribble or a drive is this times the ball handler's shooting propensity.
    double ReachInFoulFactor = 1.0;
    // The travelling chance of a dribble and of a move or drive is multiplied by this.
    double TravelChanceScale = 1.0;
    // A starter is planned for a middle segment only while his planned minutes last, as every other player.
    bool StartersKeepToPlannedMinutes = false;

    // Added to every team-mate's pass-target value before the bonuses (a flatter choice of receiver), then
    // PointGuardTargetBonus more for the PG (the ball goes back to him), and the key players' bonuses of 15,
    // 10 and 5 multiplied by KeyPlayerBonusScale (rounded).
    int PassTargetBase = 0;
    int PointGuardTargetBonus = 0;
    double KeyPlayerBonusScale = 1.0;
    // Close games late: see clsGame::CloseGameEdge (0 seconds: never).
    int CloseGameSeconds = 0;
    int CloseGameMargin = 3;
    double CloseGameShotEdge = 0.0;

    // The rules as written.
    static EngineRules AsSpecified() { return {}; }
    // The deviations that give a real league's numbers, or the values a calibration run is trying instead.
    static EngineRules Calibrated();
    static EngineRules For(GameEngine engine) {
        return engine == GameEngine::Calibrated ? Calibrated() : AsSpecified();
    }

    // Every parameter by its name, in the order above, with its value as a number (a flag is 0 or 1).
    std::vector<std::pair<std::string, double>> Parameters() const;
    // Sets the parameter of that name; false for a name that is none.
    bool Set(const std::string& name, double value);
    // The calibrated set with some values changed, for the games that follow until it is cleared (bench
    // --try); a calibration run tries values with it without building the program again.
    static void TryCalibrated(const EngineRules& rules);
    static void ClearTried();
};

} // namespace hv
