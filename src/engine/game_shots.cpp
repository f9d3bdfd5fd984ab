// Shots (kind, make chance, blocks, shooting fouls), baskets and assists, free throws and rebounds.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/game.h"
#include "engine/game_bands.h"

namespace hv {

namespace {

constexpr const char* kShotZoneText[8] = {"",
                                          "in backcourt.",
                                          "the top of the key.",
                                          "the inside.",
                                          "the left baseline.",
                                          "the right baseline.",
                                          "the left wing.",
                                          "the right wing."};
constexpr const char* kOrdinal[6] = {"", "", "second", "third", "fourth", "fifth"};
constexpr const char* kCountWord[6] = {"", "one", "two", "three", "four", "five"};
constexpr const char* kFreeThrowNumber[4] = {"", "first", "second", "third"};

using bands::CloseZone;
using bands::ThreePointZone;

double ThreePointChance(int t) {
    if (t < 16) return 0.001;
    if (t <= 30) return 0.1;
    if (t <= 40) return 0.15;
    if (t <= 50) return 0.3;
    if (t <= 60) return 0.32;
    if (t <= 70) return 0.34;
    if (t <= 80) return 0.37;
    return 0.4;
}

// Rebounding weight: size, quickness, strength and the rebounding skill of the side of the ball.
// The calibrated engine raises the weights to a power (before an attacker's share of 0.4), so that the better
// rebounders get more of the rebounds in their zone.
int SpreadWeight(int w, double power) {
    if (power == 1 || w <= 0) return w;
    return NearestInt(std::pow(double(w), power));
}

int ReboundWeight(const Player& p, int skill) {
    return NearestInt((p.Height - 50) + 0.05 * p.Quickness + 0.5 * p.Strength + 4 * skill);
}

} // namespace

void clsGame::Shot(double s, ShotStart start) {
    Player& shooter = Handler();
    const int zone = side_[possession_].zone[ballHandler_];
    const int defSlot = DefSlot(ballHandler_);
    Player& defender = OnCourt(Def(), defSlot);
    const bool close = CloseZone(zone);

    bool three = false;
    if (ThreePointZone(zone)) {
        double chance = ThreePointChance(shooter.ThreePointShot);
        if (ballHandler_ == 5) chance *= 0.8;
        chance *= rules_.ThreePointChanceScale;
        const int margin = side_[possession_].score - side_[Def()].score;
        if (quarter_ >= 4 && timeRemaining_ < 24 && margin == -3 && shooter.ThreePointShot >= 31)
            chance = timeRemaining_ >= 18   ? 0.6
                     : timeRemaining_ >= 12 ? 0.8
                     : timeRemaining_ >= 6  ? 0.9
                                            : 1.0;
        three = Rand() < chance;
    }
    if (bPBP_ && start == kJumpOrSet)
        AddPBP(shooter.Name + (three ? " shoots a three-pointer from " : " shoots from ") +
               kShotZoneText[zone]);

    const double f = bands::Fatigue(shooter.STAMINA);
    const double fd = bands::Fatigue(defender.STAMINA);
    double p;
    if (close) {
        p = bands::RatedCurve<bands::kCloseShot, bands::kCloseShotAbove>(shooter.InsideScoring,
                                                                         shooter.STAMINA);
        p += bands::DefenderAdjustment(defender.PostDefense * fd);
        const int strength = bands::DifferenceBand(shooter.Strength * f - defender.Strength * fd);
        if (start == kGoingUp) {
            p += bands::kGoingUpStrength[strength];
            p += bands::kSmallEdge[bands::DifferenceBand(shooter.Jumping * f - defender.Jumping * fd)];
        } else {
            p += zone == 3 ? bands::kInsideStrength[strength] : bands::kSmallEdge[strength];
        }
        p += bands::kSmallEdge[bands::WeightBand(shooter.Weight - defender.Weight)];
        p += bands::kSmallEdge[bands::HeightBand(shooter.Height - defender.Height)];
    } else {
        if (three)
            p = bands::Curve(bands::kThreePointer, bands::kThreePointerAbove,
                             (0.5 * shooter.JumpShot + 0.5 * shooter.ThreePointShot) * f);
        else
            p = bands::Curve(bands::kJumpShot, bands::kJumpShotAbove,
                             (0.4 * shooter.ThreePointShot + 0.6 * shooter.JumpShot) * f);
        p += bands::DefenderAdjustment(defender.PerimeterDefense * fd);
        p += bands::kSmallEdge[bands::DifferenceBand(shooter.Quickness * f - defender.Quickness * fd)];
    }
    p += rules_.FieldGoalMakeAdjustment;
    if (three) p += rules_.ThreePointMakeAdjustment;
    p += CloseGameEdge();
    p *= 0.95 + 0.1 * Rand();

    if (close) {
        const Side& defence = side_[Def()];
        for (int slot = 1; slot <= 5; ++slot) {
            if (defence.zone[slot] != zone || defence.lineUp[slot] == 0) continue;
            Player& blocker = OnCourt(Def(), slot);
            const double b =
                bands::RatedCurve<bands::kBlock, bands::kBlockAbove>(blocker.ShotBlocking, blocker.STAMINA) +
                bands::kBlockHeight[bands::HeightBand(shooter.Height - blocker.Height)];
            if (Rand() >= b) continue;
            shooter.Game.FGA = static_cast<int16_t>(shooter.Game.FGA + 1);
            blocker.Game.Blocks = static_cast<int16_t>(blocker.Game.Blocks + 1);
            if (bPBP_) AddPBP("The shot is blocked by " + blocker.Name + ".");
            lastPasser_ = 0;
            shotClockMark_ = static_cast<int16_t>(std::max(0, timeRemaining_ - 24));
            Rebound(zone);
            return;
        }
    }

    if (Rand() < rules_.ShootingFoulFactor * s) {
        if (bPBP_) AddPBP("He is fouled by " + defender.Name + ".");
        defender.Game.Fouls = static_cast<int16_t>(defender.Game.Fouls + 1);
        side_[Def()].fouls = static_cast<int16_t>(side_[Def()].fouls + 1);
        const double counts = zone == 3 ? p * 0.5 : (zone == 4 || zone == 5) ? p * 0.4 : p * 0.25;
        if (Rand() < counts) {
            if (bPBP_) AddPBP("The basket is good.");
            ScoreBasket(three ? 3 : 2, true);
            AwardFreeThrows(1);
        } else {
            lastPasser_ = 0;
            AwardFreeThrows(three ? 3 : 2);
        }
        return;
    }

    const bool made = Rand() < p;
    shooter.Game.FGA = static_cast<int16_t>(shooter.Game.FGA + 1);
    if (three) shooter.Game.ThreePA = static_cast<int16_t>(shooter.Game.ThreePA + 1);
    if (made) {
        if (three) {
            const double text = Rand();
            if (bPBP_)
                AddPBP(text < 1.0 / 3   ? "Nothing but net."
                       : text < 2.0 / 3 ? "The ball bounces on the rim and falls in."
                                        : "It's Good.");
        } else if (bPBP_) {
            AddPBP("It's Good.");
        }
        ScoreBasket(three ? 3 : 2, false);
        return;
    }
    if (bPBP_) AddPBP("Not good.");
    lastPasser_ = 0;
    shotClockMark_ = static_cast<int16_t>(std::max(0, timeRemaining_ - 24));
    Rebound(zone);
}

// A basket by the ball handler. A basket that counts through a foul is a field-goal attempt too, and the
// ball changes hands only after the free throw.
void clsGame::ScoreBasket(int points, bool andOne) {
    Player& shooter = Handler();
    PlayerGameState& g = shooter.Game;
    if (andOne) {
        g.FGA = static_cast<int16_t>(g.FGA + 1);
        if (points == 3) g.ThreePA = static_cast<int16_t>(g.ThreePA + 1);
    }
    g.FG = static_cast<int16_t>(g.FG + 1);
    if (points == 3) g.ThreeP = static_cast<int16_t>(g.ThreeP + 1);
    g.Points = static_cast<int16_t>(g.Points + points);
    AddScore(possession_, points);
    if (lastPasser_ != 0 && AssistEarned(OnCourt(possession_, lastPasser_))) {
        Player& passer = OnCourt(possession_, lastPasser_);
        passer.Game.Assists = static_cast<int16_t>(passer.Game.Assists + 1);
        if (bPBP_) AddPBP(passer.Name + " gets the assist.");
        if (Rand() < 0.15) TellCount(passer, passer.Game.Assists, false);
    }
    const bool tellPoints = Rand() < 0.075;
    if (bPBP_ && tellPoints)
        AddPBP(shooter.Name + " now has " + std::to_string(g.Points) + " points for the game.");
    lastPasser_ = 0;
    if (!andOne) AfterScore(possession_);
}

// Late in a close game the side behind presses and the side ahead tightens: in the 4th quarter and overtime,
// within the last CloseGameSeconds, a shot of a side trailing by 1 to CloseGameMargin points gains the edge
// and one of a side leading by as much loses it. Nothing by the written rules.
double clsGame::CloseGameEdge() const {
    if (rules_.CloseGameSeconds <= 0 || quarter_ < 4 || timeRemaining_ > rules_.CloseGameSeconds) return 0;
    const int margin = side_[possession_].score - side_[Def()].score;
    if (margin == 0 || std::abs(margin) > rules_.CloseGameMargin) return 0;
    return margin < 0 ? rules_.CloseGameShotEdge : -rules_.CloseGameShotEdge;
}

// Whether the last passer's pass made the basket: always by the written rules; in the calibrated engine by a
// chance that grows with his passing.
bool clsGame::AssistEarned(const Player& passer) {
    if (rules_.AssistChance >= 1 && rules_.AssistPassingSlope == 0) return true;
    const double chance = rules_.AssistChance + rules_.AssistPassingSlope * (passer.Passing - 50);
    return Rand() < chance;
}

void clsGame::FreeThrows() {
    const int side = ftShooterSide_;
    const int16_t id = ftShooter_;
    const int count = ftCount_;
    ftShooter_ = ftCount_ = 0;
    possession_ = side;
    Player& shooter = league_.players[id];

    for (Side& s : side_)
        s.zone = {0, 3, 3, 3, 6, 7};
    for (int slot = 1; slot <= 5; ++slot)
        if (side_[side].lineUp[slot] == id) {
            side_[side].zone[slot] = 2;
            ballHandler_ = static_cast<int16_t>(slot);
        }

    static constexpr const char* kShots[4] = {"", "one shot.", "two shots.", "three shots."};
    static constexpr const char* kThrows[4] = {"", "one free throw.", "two free throws.",
                                               "three free throws."};
    const bool lineForm = Rand() < 0.5;
    if (bPBP_)
        AddPBP(shooter.Name + (lineForm ? " goes to the free throw line for " + std::string(kShots[count])
                                        : " will shoot " + std::string(kThrows[count])));

    const int chance = NearestInt(shooter.JumpShot * 0.9 * 0.7 + 30);
    bool made = false;
    for (int shot = 1; shot <= count; ++shot) {
        shooter.Game.FTA = static_cast<int16_t>(shooter.Game.FTA + 1);
        made = 100 * Rand() < chance;
        if (made) {
            shooter.Game.FT = static_cast<int16_t>(shooter.Game.FT + 1);
            shooter.Game.Points = static_cast<int16_t>(shooter.Game.Points + 1);
            AddScore(side, 1);
        }
        if (bPBP_)
            AddPBP(std::string("The ") + kFreeThrowNumber[shot] + " free throw " +
                   (made ? "is good." : "is not good."));
    }
    if (made) {
        AfterScore(side);
        return;
    }
    missedLastFreeThrow_ = true;
    shotClockMark_ = static_cast<int16_t>(std::max(0, timeRemaining_ - 24));
    Rebound(2);
}

void clsGame::Rebound(int shotZone) {
    // Movement and landing are drawn again while nobody stands where the ball comes down.
    for (int attempt = 0;; ++attempt) {
        OffBallMovement();
        if (InjuryCheck()) return;
        const double r = Rand();
        // Where the ball comes down: the band of the draw, counted rather than branched on.
        struct Landings {
            double upTo[5];
            int8_t zone[6];
        };
        static constexpr double kNever = 2.0;
        static constexpr Landings kInside = {{0.7, 0.85, kNever, kNever, kNever}, {3, 4, 5, 5, 5, 5}};
        static constexpr Landings kBaseline = {{0.4, 0.7, kNever, kNever, kNever}, {3, 4, 5, 5, 5, 5}};
        static constexpr Landings kOutside = {{0.35, 0.6, 0.85, 0.9, 0.95}, {3, 4, 5, 7, 6, 2}};
        const Landings& from = shotZone == 3                    ? kInside
                               : shotZone == 4 || shotZone == 5 ? kBaseline
                                                                : kOutside;
        int band = 0;
        for (double upTo : from.upTo)
            band += int(r > upTo);
        const int landing = from.zone[band];

        // Candidates in court-slot order, the attacker of a slot before its defender.
        struct Candidate {
            int side, slot, weight;
        };
        std::array<Candidate, 10> candidates{};
        int n = 0, sum = 0;
        for (int slot = 1; slot <= 5; ++slot)
            for (int side : {possession_, Def()}) {
                const Side& s = side_[side];
                if (s.zone[slot] != landing || s.lineUp[slot] == 0) continue;
                const Player& p = league_.players[s.lineUp[slot]];
                const double power = rules_.ReboundWeightPower;
                const int w = side == possession_
                                  ? NearestInt(SpreadWeight(ReboundWeight(p, p.OffenseRebound), power) * 0.4)
                                  : SpreadWeight(ReboundWeight(p, p.DefenseRebound), power);
                candidates[n++] = {side, slot, w};
                sum += std::max(w, 0);
            }
        // Chance alone ends this loop; as a safety stop, after many empty landings the defence's C has it.
        if (n == 0 && attempt < 1000) continue;
        if (n == 0) candidates[n++] = {Def(), 1, 1};
        Candidate pick = candidates[0];
        if (sum > 0) {
            const double x = Rand() * sum;
            double running = 0;
            for (int k = 0; k < n; ++k) {
                running += std::max(candidates[k].weight, 0);
                if (candidates[k].weight > 0 && running > x) {
                    pick = candidates[k];
                    break;
                }
            }
        }
        const int slot = pick.slot;
        const bool offensive = pick.side == possession_;
        const int side = pick.side;
        Player& rebounder = OnCourt(side, slot);
        // A team rebound: the ball goes the same way, but no player is credited.
        const bool team = rules_.TeamReboundShare > 0 && Rand() < rules_.TeamReboundShare;
        if (team) {
            if (bPBP_) AddPBP("Team rebound, " + side_[side].name + ".");
        } else {
            rebounder.Game.Rebounds = static_cast<int16_t>(rebounder.Game.Rebounds + 1);
            if (bPBP_) AddPBP(side_[side].name + "(" + rebounder.Name + ") gets the rebound.");
        }
        if (offensive)
            ballHandler_ = static_cast<int16_t>(slot);
        else
            ChangePossession(static_cast<int16_t>(slot));
        if (!team && Rand() < 0.15) TellCount(rebounder, rebounder.Game.Rebounds, true);
        return;
    }
}

// "X now has two rebounds for the game." and its other forms, chosen by a draw.
void clsGame::TellCount(const Player& p, int count, bool rebounds) {
    const double r = Rand();
    if (!bPBP_) return;
    const std::string word = rebounds ? "rebound" : "assist";
    if (count >= 2 && count <= 5) {
        const std::string counted = std::string(kCountWord[count]) + " " + word + "s for the game.";
        if (r < 0.5)
            AddPBP(p.Name + " now has " + counted);
        else if (r < 0.75)
            AddPBP("He now has " + counted);
        else
            AddPBP("That's his " + std::string(kOrdinal[count]) + " " + word + " of the game.");
        return;
    }
    const std::string counted = count == 1 ? "one " + word + " for the game."
                                           : std::to_string(count) + " " + word + "s for the game.";
    if (r < 0.5)
        AddPBP(p.Name + " now has " + counted);
    else
        AddPBP("He now has " + counted);
}

} // namespace hv
