// The ball handler's action: what he chooses to do (pass, dribble, move or shoot), dribbles and drives with
// the defence's steals, fouls and the travelling calls.
#include <string>

#include "engine/game.h"
#include "engine/game_bands.h"

namespace hv {

namespace {

constexpr const char* kDribbleText[8] = {"",
                                         " dribbles in backcourt.",
                                         " dribbles at the top of the key.",
                                         " dribbles inside.",
                                         " dribbles along the left baseline.",
                                         " dribbles along the right baseline.",
                                         " dribbles on the left wing",
                                         " dribbles on the right wing."};
constexpr const char* kDriveText[8] = {"",
                                       " brings the ball over the timeline.",
                                       " drives to the top of the key.",
                                       " drives to the inside.",
                                       " drives to the left baseline.",
                                       " drives to the right baseline.",
                                       " drives to the left wing.",
                                       " drives to the right wing."};
constexpr const char* kDriveFailText[8] = {
    "",
    " attempts to bring the ball up the court but is stopped in backcourt.",
    " attempts to drive to the top of the key but is unsuccessful.",
    " attempts to drive to the inside but is unsuccessful.",
    " attempts to drive to the left baseline but is unsuccessful.",
    " attempts to drive to the right baseline but is unsuccessful.",
    " attempts to drive to the left wing but is unsuccessful.",
    " attempts to drive to the right wing but is unsuccessful."};

enum Kind { kPass, kDribble, kMove, kShoot };

struct Weights {
    double P = 0, Dr = 0, M = 0, S = 0;
};

using bands::CloseZone;
using bands::ThreePointZone;

double InsideFactor(int inside) {
    if (inside <= 20) return 0.4;
    if (inside <= 30) return 0.45;
    if (inside <= 40) return 0.5;
    if (inside <= 50) return 0.55;
    if (inside <= 55) return 0.6;
    if (inside <= 60) return 0.8;
    if (inside <= 65) return 1.0;
    if (inside <= 70) return 1.05;
    if (inside <= 80) return 1.1;
    if (inside <= 90) return 1.15;
    return 1.2;
}

// The ball handler's scoring value at his zone.
int ScoringValue(const Player& p, int zone) {
    double v = 0;
    if (ThreePointZone(zone))
        v = NearestInt(p.RatingOutsideScoring * InsideFactor(p.InsideScoring));
    else if (zone == 3)
        v = p.InsideScoring;
    else if (zone == 4 || zone == 5)
        v = (p.Strength + p.InsideScoring + p.JumpShot) / 3.0;
    int value = NearestInt(0.1 * p.Scoring + 0.9 * v);
    if (p.PositionNumber == 5) value = NearestInt(0.95 * value);
    return value;
}

Weights BaseWeights(int slot, int zone, int v) {
    if (slot < 1 || slot > 5) return {};
    if (zone == 1) {
        if (slot <= 2) return {0.7, 0.1, 0.2, 0};
        if (slot <= 4) return {0.5, 0.1, 0.4, 0};
        return {0.3, 0.1, 0.6, 0};
    }
    if (CloseZone(zone)) {
        static constexpr int kTops[7] = {50, 55, 60, 65, 70, 80, 90};
        static constexpr double kP[8] = {0.62, 0.57, 0.52, 0.47, 0.42, 0.37, 0.32, 0.27};
        static constexpr double kS[8] = {0.08, 0.14, 0.2, 0.26, 0.32, 0.36, 0.4, 0.44};
        int band = 0;
        while (band < 7 && v > kTops[band])
            ++band;
        return {kP[band], 0.05, 0.2, kS[band]};
    }
    if (slot <= 2) {
        static constexpr int kTops[5] = {50, 60, 70, 80, 90};
        static constexpr double kP[6] = {0.55, 0.5, 0.5, 0.45, 0.4, 0.3};
        static constexpr double kS[6] = {0.1, 0.13, 0.16, 0.2, 0.25, 0.3};
        int band = 0;
        while (band < 5 && v > kTops[band])
            ++band;
        return {kP[band], 0.1, 0.15, kS[band]};
    }
    if (slot <= 4) {
        static constexpr int kTops[6] = {50, 55, 60, 65, 70, 80};
        static constexpr double kP[7] = {0.6, 0.58, 0.56, 0.54, 0.51, 0.48, 0.45};
        static constexpr double kS[7] = {0.2, 0.23, 0.26, 0.29, 0.32, 0.36, 0.4};
        int band = 0;
        while (band < 6 && v > kTops[band])
            ++band;
        return {kP[band], 0.1, 0.25, kS[band]};
    }
    static constexpr int kTops[4] = {50, 60, 70, 80};
    static constexpr double kP[5] = {0.63, 0.61, 0.59, 0.57, 0.55};
    static constexpr double kS[5] = {0.1, 0.12, 0.15, 0.18, 0.2};
    int band = 0;
    while (band < 4 && v > kTops[band])
        ++band;
    return {kP[band], 0.1, 0.2, kS[band]};
}

double PassingAmount(int passing) {
    if (passing <= 10) return -0.2;
    if (passing <= 20) return -0.15;
    if (passing <= 30) return -0.1;
    if (passing <= 40) return -0.05;
    if (passing <= 50) return 0;
    if (passing <= 60) return 0.05;
    if (passing <= 70) return 0.06;
    if (passing <= 80) return 0.07;
    if (passing <= 90) return 0.08;
    return 0.09;
}

// Both openness values come from random draws, so their bands are counted rather than branched on.
double DriveOpennessAmount(double d) {
    static constexpr double kUpTo[9] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
    static constexpr double kAmount[10] = {-0.1, -0.08, -0.06, -0.04, -0.02, 0, 0.02, 0.04, 0.06, 0.08};
    int band = 0;
    for (double upTo : kUpTo)
        band += int(d > upTo);
    return kAmount[band];
}

// The openness the last pass left: how the shot, the next pass and a move are weighed. Adding 0 or
// multiplying by 1 leaves a weight exactly as it was.
void ApplyPassOpenness(Weights& w, double o) {
    struct Change {
        double shoot, pass, move;
    };
    static constexpr double kUpTo[9] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
    static constexpr Change kChange[10] = {
        {0.2, 0.3, -0.05}, {0.4, 0.25, -0.04}, {0.6, 0.2, -0.03}, {0.8, 0.12, -0.02}, {0.9, 0.06, -0.01},
        {1.1, 0, 0},       {1.25, -0.04, 0},   {1.3, -0.08, 0},   {1.35, -0.12, 0},   {1.4, -0.16, 0}};
    if (o < 0) return;
    int band = 0;
    for (double upTo : kUpTo)
        band += int(o > upTo);
    const Change& c = kChange[band];
    w.S *= c.shoot;
    w.P += c.pass;
    w.M += c.move;
}

} // namespace

int clsGame::ScoringValueOf(int16_t id, int zone) {
    DressedValues* v = ValuesOf(id);
    if (v == nullptr) return ScoringValue(league_.players[id], zone);
    const unsigned bit = 1u << (8 + zone);
    if (!(v->known & bit)) {
        v->scoring[static_cast<size_t>(zone)] = static_cast<int16_t>(ScoringValue(league_.players[id], zone));
        v->known = static_cast<uint16_t>(v->known | bit);
    }
    return v->scoring[static_cast<size_t>(zone)];
}

// Shooting propensity of the ball handler: also the chance that the defence fouls him.
double clsGame::ShootingPropensity() {
    const Player& p = Handler();
    const int c = p.CurrentRating;
    double s = c <= 50 ? 0.05 : c <= 60 ? 0.07 : c <= 70 ? 0.09 : c <= 80 ? 0.1 : c <= 90 ? 0.11 : 0.13;
    if (possession_ == kHome) s += 0.02;
    if (league_.state.SeasonDay > 120) s -= 0.02;
    static constexpr double kZoneFactor[8] = {0, 0.5, 1, 5, 3, 3, 1, 1};
    return s * kZoneFactor[side_[possession_].zone[ballHandler_]];
}

void clsGame::ChooseAndPlay() {
    const Side& offence = side_[possession_];
    const Player& p = Handler();
    const int zone = offence.zone[ballHandler_];
    const double s = ShootingPropensity();

    Weights w =
        BaseWeights(ballHandler_, zone, zone == 1 ? 0 : ScoringValueOf(offence.lineUp[ballHandler_], zone));
    w.S += 0.07;
    w.P += PassingAmount(p.Passing);
    static constexpr double kPaceMS[5] = {-0.05, -0.025, 0, 0.025, 0.05};
    static constexpr double kPaceP[5] = {0.08, 0.04, 0, -0.04, -0.08};
    const int pace = bands::PaceIndex(offence.pace);
    w.M += kPaceMS[pace];
    w.S += kPaceMS[pace];
    w.P += kPaceP[pace];
    if (offence.score - side_[Def()].score >= 6 && quarter_ >= 4 && timeRemaining_ < 120) {
        w.M -= 0.1;
        w.S -= 0.1;
        w.P += 0.1;
    }
    w.S += DriveOpennessAmount(driveOpenness_);
    ApplyPassOpenness(w, passOpenness_);
    if (offence.offense == 0) {
        if (CloseZone(zone))
            w.S += 0.1, w.M += 0.05;
        else
            w.S -= 0.1;
    } else if (offence.offense == 100) {
        if (CloseZone(zone))
            w.S -= 0.1;
        else
            w.S += 0.1, w.M -= 0.05;
    }
    if (zone == 1) w.S = 0;

    const double x = Rand() * (w.P + w.Dr + w.M + w.S);
    passOpenness_ = 0;
    Kind kind = x <= w.P ? kPass : x <= w.P + w.Dr ? kDribble : x <= w.P + w.Dr + w.M ? kMove : kShoot;
    // Under the shot clock or at the end of the period he shoots, unless he is still in the Backcourt.
    if ((timeRemaining_ - shotClockMark_ < 6 || timeRemaining_ < 6) && zone != 1) kind = kShoot;

    switch (kind) {
    case kPass:
        Pass();
        break;
    case kDribble:
        Dribble(s);
        break;
    case kMove:
        MoveOrDrive(s);
        break;
    case kShoot:
        Shot(s, kJumpOrSet);
        break;
    }
}

void clsGame::Dribble(double s) {
    Player& handler = Handler();
    const int zone = side_[possession_].zone[ballHandler_];
    const int defSlot = DefSlot(ballHandler_);
    Player& defender = OnCourt(Def(), defSlot);
    if (bPBP_) AddPBP(handler.Name + kDribbleText[zone]);
    lastPasser_ = 0;
    if (trap_) {
        if (bPBP_) AddPBP("The " + side_[Def()].name + " attempt to trap him.");
        defender.STAMINA = static_cast<int16_t>(std::max(0, defender.STAMINA - 5));
    }

    using bands::RatedCurve;
    double cs =
        RatedCurve<bands::kDribbleSteal, bands::kDribbleStealAbove>(handler.Handling, handler.STAMINA);
    double ct = cs / 2 * rules_.TravelChanceScale;
    cs *= bands::kPaceStealFactor[bands::PaceIndex(side_[possession_].pace)] *
          RatedCurve<bands::kStealFactor, bands::kStealFactorAbove>(defender.Stealing, defender.STAMINA);
    double cf = rules_.ReachInFoulFactor * s;
    if (press_) {
        TireDefenders(5);
        cs *= 1.4;
        cf *= 1.2;
    }
    if (ballHandler_ == 5) {
        cs /= 1.3;
        ct /= 1.6;
    }
    const double r = Rand();
    if (r <= cs) {
        TellSteal(defender, handler);
        Steal(defSlot);
    } else if (r <= cs + cf) {
        NonShootingFoul(defSlot);
    } else if (r <= cs + cf + ct) {
        if (bPBP_) AddPBP(handler.Name + " is called for traveling.");
        Turnover();
        GiveBallAfterStoppage();
    }
}

void clsGame::MoveOrDrive(double s) {
    Player& handler = Handler();
    const int zone = side_[possession_].zone[ballHandler_];
    const double r = Rand();
    // Where a move from each zone goes: up to the first threshold, up to the second, beyond (0: he goes up).
    struct MoveTargets {
        double upTo[2];
        int8_t target[3];
    };
    static constexpr double kNever = 2.0;
    static constexpr MoveTargets kMoveTargets[8] = {
        {},
        {{0.33, 0.67}, {6, 2, 7}},
        {{0.25, 0.75}, {6, 3, 7}},
        {{0.5, 0.75}, {0, 4, 5}},
        {{0.5, kNever}, {3, 6, 6}},
        {{0.5, kNever}, {3, 7, 7}},
        {{0.33, 0.67}, {4, 3, 2}},
        {{0.33, 0.67}, {5, 3, 2}},
    };
    const MoveTargets& row = kMoveTargets[zone >= 1 && zone <= 7 ? zone : 7];
    const int target = row.target[int(r > row.upTo[0]) + int(r > row.upTo[1])];
    if (target == 0) {
        // He goes up from Inside: a dunk or a layup.
        const bool dunk = Rand() < (handler.Jumping + handler.Strength) / 400.0;
        if (dunk) handler.Game.Dunks = static_cast<int16_t>(handler.Game.Dunks + 1);
        if (bPBP_) AddPBP(handler.Name + (dunk ? " attempts a dunk." : " attempts a layup."));
        Shot(s, kGoingUp);
        return;
    }

    const int defSlot = DefSlot(ballHandler_);
    Player& defender = OnCourt(Def(), defSlot);
    using bands::RatedCurve;
    const double p =
        RatedCurve<bands::kDriveSuccess, bands::kDriveSuccessAbove>(handler.Handling, handler.STAMINA) +
        RatedCurve<bands::kDriveDefense, bands::kDriveDefenseAbove>(defender.DriveDefense, defender.STAMINA);
    const double b =
        RatedCurve<bands::kDribbleSteal, bands::kDribbleStealAbove>(handler.Handling, handler.STAMINA);
    double ct = b * rules_.TravelChanceScale;
    double x = b * bands::kPaceStealFactor[bands::PaceIndex(side_[possession_].pace)] *
               RatedCurve<bands::kStealFactor, bands::kStealFactorAbove>(defender.Stealing, defender.STAMINA);
    double cf = rules_.ReachInFoulFactor * s;
    if (zone == 1 && press_) {
        TireDefenders(5);
        x *= 1.2;
        cf *= 1.2;
    }
    if (ballHandler_ == 5) {
        ct /= 1.6;
        x /= 1.3;
    }
    const double r2 = Rand();
    if (r2 <= ct) {
        if (bPBP_) AddPBP(handler.Name + " is called for traveling.");
        driveOpenness_ = 0;
        Turnover();
        GiveBallAfterStoppage();
    } else if (r2 <= p) {
        driveOpenness_ = 0.3 + 0.7 * Rand();
        if (bPBP_) AddPBP(handler.Name + kDriveText[zone == 1 ? 1 : target]);
        side_[possession_].zone[ballHandler_] = static_cast<int16_t>(target);
    } else if (r2 <= 1 - x) {
        driveOpenness_ = 0.3 * Rand();
        if (bPBP_) AddPBP(handler.Name + kDriveFailText[zone == 1 ? 1 : target]);
    } else if (Rand() < 1 - 0.25 * cf) {
        if (bPBP_) AddPBP(handler.Name + " attempts to drive but " + defender.Name + " steals the ball.");
        Steal(defSlot);
    } else {
        NonShootingFoul(defSlot);
    }
}

} // namespace hv
