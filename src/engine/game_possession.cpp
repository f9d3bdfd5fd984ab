// One possession: the action loop, the computer's timeouts and pace, changes of possession, the inbound and
// injuries during play.
#include <algorithm>
#include <string>

#include "engine/game.h"
#include "engine/game_bands.h"
#include "league/player_injury.h"

namespace hv {

void clsGame::RunPlay() {
    inRunPlay_ = true;
    MarkCourtSlots();
    trap_ = false;
    deadBall_ = possessionOver_ = possessionAfterScore_ = false;
    AddPossessionHeader();

    for (;;) {
        // Free throws awarded with the period's last action are still shot.
        if (timeRemaining_ <= 0 && ftCount_ == 0) {
            if (possessionOver_) GetSubs();
            break;
        }
        if (deadBall_) {
            GetSubs();
            break;
        }
        if (possessionOver_) break;

        // A side on a run of 6 that has the ball stops the game with a timeout.
        const int offence = possession_;
        const bool onRun = offence == kHome ? run_ >= 6 : run_ <= -6;
        if (onRun && !side_[offence].coach && side_[offence].timeouts > 0) {
            RunTimeOut(offence == kHome ? "Home" : "Away");
            run_ = 0;
            continue;
        }
        if (inboundPending_) Inbound();

        DecideTrap();
        ComputerPace(Def());

        const int pace = side_[possession_].pace;
        freeThrowAction_ = missedLastFreeThrow_ = false;
        Action();
        ClockStep(freeThrowAction_ ? (missedLastFreeThrow_ ? 1 : 0) : ActionSeconds(pace));
        trap_ = false;
    }
    if (possessionAfterScore_) MoveUpFromBackcourt();
    inRunPlay_ = false;
}

// Even a defence that never traps on purpose traps now and then.
void clsGame::DecideTrap() {
    static constexpr double kTrapChance[5] = {0.05, 0.15, 0.25, 0.35, 0.45};
    if (Rand() < kTrapChance[bands::PaceIndex(side_[Def()].trap)]) trap_ = true;
}

// Court slots of the ten on the court are renewed as soon as one of them has none.
void clsGame::MarkCourtSlots() {
    bool missing = false;
    for (const Side& s : side_)
        for (int slot = 1; slot <= 5; ++slot)
            if (s.lineUp[slot] != 0 && league_.players[s.lineUp[slot]].Game.CourtSlot == 0) missing = true;
    if (!missing) return;
    for (const Side& s : side_)
        for (int slot = 1; slot <= 5; ++slot)
            if (s.lineUp[slot] != 0)
                league_.players[s.lineUp[slot]].Game.CourtSlot = static_cast<int16_t>(slot);
}

// The computer's pace for a side without the ball: slow down with a big lead, speed up far behind.
void clsGame::ComputerPace(int side) {
    Side& s = side_[side];
    if (s.coach) return;
    const int margin = s.score - side_[1 - side].score;
    if (margin >= 21)
        s.pace = 0;
    else if (margin <= -21)
        s.pace = 100;
    else
        s.pace = s.basePace;
    if (quarter_ == 4 && s.score < 50) s.basePace = 100;
}

void clsGame::Action() {
    if (ftCount_ > 0) {
        freeThrowAction_ = true;
        FreeThrows();
        return;
    }
    if (timeRemaining_ > 0) {
        OffBallMovement();
        if (InjuryCheck()) return;
    }
    ChooseAndPlay();
}

// Injuries during play: a rare risk for each of the ten on the court, then a chance by age.
bool clsGame::InjuryCheck() {
    const int16_t day = league_.state.SeasonDay;
    if (!league_.state.LeagueInjuries || day == 60) return false;
    if (league_.rng.DrawnAllAtMost(10, 0.9999)) return false;
    bool hurt = false;
    for (int side : {kHome, kAway})
        for (int slot = 1; slot <= 5; ++slot) {
            if (Rand() <= 0.9999) continue;
            const int16_t id = side_[side].lineUp[slot];
            Player& p = league_.players[id];
            const bool playoffs = day >= 121;
            const double chance = p.Age <= 25   ? (playoffs ? 0.05 : 0.1)
                                  : p.Age <= 30 ? (playoffs ? 0.08 : 0.15)
                                  : p.Age <= 35 ? (playoffs ? 0.1 : 0.2)
                                                : (playoffs ? 0.15 : 0.3);
            if (Rand() >= chance) continue;
            if (bPBP_) AddPBP("Play is stopped due to an injury to " + p.Name);
            InjurePlayer(league_, id, InjurySeverityClass(Rand()));
            if (countsInjuries_) league_.dayInjuries.push_back({id, side_[side].teamID});
            hurt = true;
        }
    if (!hurt) return false;
    // The side with the ball inbounds after the stoppage; the hurt player is replaced by GetSubs.
    inboundPending_ = true;
    deadBall_ = true;
    return true;
}

void clsGame::ChangePossession(int16_t newHandler) {
    possession_ = 1 - possession_;
    ++side_[possession_].possessions;
    ballHandler_ = newHandler;
    shotClockMark_ = static_cast<int16_t>(std::max(0, timeRemaining_ - 24));
    press_ = false;
    lastPasser_ = 0;
    possessionOver_ = true;
}

// A travelling call or a ball thrown out of bounds: the other side inbounds.
void clsGame::GiveBallAfterStoppage() {
    ChangePossession(5);
    inboundPending_ = true;
    deadBall_ = true;
}

// After a made basket or a made last free throw the other side inbounds; the scorers may trap at once. The
// draw is made whether or not the flag is already set, so that the random numbers stay in step.
void clsGame::AfterScore(int scoringSide) {
    const int t = side_[scoringSide].trap;
    if (t >= 100) {
        trap_ = true;
    } else if (t == 25 || t == 50 || t == 75) {
        if (Rand() < t / 100.0) trap_ = true;
    }
    ChangePossession(5);
    inboundPending_ = true;
    deadBall_ = true;
    possessionAfterScore_ = true;
}

void clsGame::AddScore(int side, int points) {
    side_[side].score = static_cast<int16_t>(side_[side].score + points);
    if (side == kHome)
        run_ = static_cast<int16_t>(run_ >= 0 ? run_ + points : points);
    else
        run_ = static_cast<int16_t>(run_ <= 0 ? run_ - points : -points);
}

void clsGame::Inbound() {
    auto drawInbounder = [&] { return NearestInt(4 * Rand() + 1); };
    int inbounder = drawInbounder();
    const double r = Rand();
    // Bands of a random draw are counted rather than branched on (the branches would be mispredicted).
    const int receiver = 5 - int(r >= 0.4) - int(r >= 0.6) - int(r >= 0.8) - int(r >= 0.9);
    while (inbounder == receiver)
        inbounder = drawInbounder();

    for (int slot = 1; slot <= 5; ++slot) {
        const double z = Rand();
        const auto zone = static_cast<int16_t>(2 + int(z > 0.3) + int(z > 0.38) + int(z > 0.49) +
                                               int(z > 0.6) + int(z > 0.8));
        side_[kHome].zone[slot] = side_[kAway].zone[slot] = zone;
    }
    const int p = side_[Def()].press;
    press_ = p >= 100 || ((p == 25 || p == 50 || p == 75) && Rand() < p / 100.0);
    if (bPBP_) {
        AddPBP(OnCourt(possession_, inbounder).Name + " inbounds the ball to " +
               OnCourt(possession_, receiver).Name);
        if (press_) AddPBP("The " + side_[Def()].name + " put on a full court press.");
    }
    shotClockMark_ = static_cast<int16_t>(std::max(0, timeRemaining_ - 24));
    ballHandler_ = static_cast<int16_t>(receiver);
    inboundPending_ = false;
}

void clsGame::MoveUpFromBackcourt() {
    for (Side& s : side_)
        for (int slot = 1; slot <= 5; ++slot) {
            if (s.zone[slot] != 1) continue;
            const double r = Rand();
            s.zone[slot] = r < 0.33 ? 6 : r < 0.67 ? 7 : 2;
        }
}

// --- Turnovers, steals and fouls away from the shot ---

void clsGame::Turnover() {
    Player& handler = Handler();
    handler.Game.Turnovers = static_cast<int16_t>(handler.Game.Turnovers + 1);
}

void clsGame::TellSteal(const Player& stealer, const Player& loser) {
    const bool strips = Rand() < 0.5;
    if (!bPBP_) return;
    if (strips)
        AddPBP(stealer.Name + " strips " + loser.Name + " for the steal.");
    else
        AddPBP("The ball is stolen by " + stealer.Name + ".");
}

// The defender at court slot defSlot takes the ball from the ball handler and starts the other way.
void clsGame::Steal(int defSlot) {
    Player& stealer = OnCourt(Def(), defSlot);
    stealer.Game.Steals = static_cast<int16_t>(stealer.Game.Steals + 1);
    Turnover();
    ChangePossession(static_cast<int16_t>(defSlot));
}

void clsGame::NonShootingFoul(int defSlot) {
    Player& fouler = OnCourt(Def(), defSlot);
    Player& handler = Handler();
    if (bPBP_) AddPBP("He is fouled by " + fouler.Name + ".");
    fouler.Game.Fouls = static_cast<int16_t>(fouler.Game.Fouls + 1);
    Side& defence = side_[Def()];
    defence.fouls = static_cast<int16_t>(defence.fouls + 1);
    if (defence.fouls >= 5) {
        if (bPBP_) {
            AddPBP("The " + defence.name + " are in the penalty.");
            AddPBP(handler.Name + " will shoot two free throws.");
        }
        AwardFreeThrows(2);
    }
    deadBall_ = true;
}

void clsGame::AwardFreeThrows(int count) {
    ftShooter_ = side_[possession_].lineUp[ballHandler_];
    ftShooterSide_ = possession_;
    ftCount_ = static_cast<int16_t>(count);
    deadBall_ = true;
}

void clsGame::TireDefenders(int amount) {
    for (int slot = 1; slot <= 5; ++slot) {
        const int16_t id = side_[Def()].lineUp[slot];
        if (id == 0) continue;
        Player& p = league_.players[id];
        p.STAMINA = static_cast<int16_t>(std::max(0, p.STAMINA - amount));
    }
}

} // namespace hv
