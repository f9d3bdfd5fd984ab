// Reaches into a game to set up one situation (a zone, the clock, the score) and play a single step of it.
#pragma once

#include "engine/game.h"

namespace hv {

class GameTestAccess {
  public:
    static constexpr int kHome = clsGame::kHome;
    static constexpr int kAway = clsGame::kAway;

    static void SetBall(clsGame& g, int side, int handlerSlot) {
        g.possession_ = side;
        g.ballHandler_ = static_cast<int16_t>(handlerSlot);
    }
    static void SetZone(clsGame& g, int side, int slot, int zone) {
        g.side_[side].zone[slot] = static_cast<int16_t>(zone);
    }
    static void SetAllZones(clsGame& g, int zone) {
        for (auto& s : g.side_)
            for (int slot = 1; slot <= 5; ++slot)
                s.zone[slot] = static_cast<int16_t>(zone);
    }
    static void SetClock(clsGame& g, int timeRemaining, int shotClockMark) {
        g.timeRemaining_ = static_cast<int16_t>(timeRemaining);
        g.shotClockMark_ = static_cast<int16_t>(shotClockMark);
    }
    static int16_t ShotClockMark(const clsGame& g) { return g.shotClockMark_; }
    static void SetQuarter(clsGame& g, int quarter) { g.quarter_ = static_cast<int16_t>(quarter); }
    static void SetRun(clsGame& g, int run) { g.run_ = static_cast<int16_t>(run); }
    static void SetTeamFouls(clsGame& g, int side, int fouls) {
        g.side_[side].fouls = static_cast<int16_t>(fouls);
    }
    static int16_t FreeThrowsPending(const clsGame& g) { return g.ftCount_; }
    static void AwardFreeThrows(clsGame& g, int count) { g.AwardFreeThrows(count); }
    static int16_t BallHandler(const clsGame& g) { return g.ballHandler_; }
    static double RestThreshold(const clsGame& g, const Player& p) { return g.RestThreshold(p); }

    static void ChooseAndPlay(clsGame& g) { g.ChooseAndPlay(); }
    static void Pass(clsGame& g) { g.Pass(); }
    static void Shot(clsGame& g) { g.Shot(g.ShootingPropensity(), clsGame::kJumpOrSet); }
    static void FreeThrows(clsGame& g) { g.FreeThrows(); }
    static void NonShootingFoul(clsGame& g, int defSlot) { g.NonShootingFoul(defSlot); }
    static bool InjuryCheck(clsGame& g) { return g.InjuryCheck(); }
    static void ClockStep(clsGame& g, int seconds) {
        g.ClockStep(seconds);
        g.FlushBenchRecovery();
    }
    // One step of the clock as the possession loop takes it: the bench gets its recovery later.
    static void ClockStepInPlay(clsGame& g, int seconds) { g.ClockStep(seconds); }
    static void AddScore(clsGame& g, int side, int points) { g.AddScore(side, points); }
    static int16_t NextZone(int slot, int zone, int style, double r) {
        return clsGame::NextZone(slot, zone, style, r);
    }
};

} // namespace hv
