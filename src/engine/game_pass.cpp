// Passing: choosing the receiver, completion, interceptions and bad passes, how open the pass leaves him, and
// the trap on the receiver.
#include <algorithm>
#include <string>

#include "engine/game.h"
#include "engine/game_bands.h"

namespace hv {

namespace {

constexpr const char* kPassZoneText[8] = {"",
                                          " (Backcourt)",
                                          " (Top of the key)",
                                          " (Inside)",
                                          " (Left baseline)",
                                          " (Right baseline)",
                                          " (Left wing)",
                                          " (Right wing)"};

// How much a team-mate standing in a zone is worth as a target, before the bonuses.
int TargetValue(const Player& p, int zone) {
    double w;
    switch (zone) {
    case 1:
        w = 0.3 * p.RatingOutsideScoring + 0.5 * p.RatingHandling;
        break;
    case 3:
        w = std::min(30.0 * (p.Strength - 30) / 70 + 50.0 * (p.RatingInsideScoring - 30) / 70, 67.07);
        break;
    case 4:
    case 5:
        w = std::min(25.0 * (p.Strength - 30) / 70 + 55.0 * (p.RatingInsideScoring - 30) / 70, 67.85);
        break;
    default:
        w = std::min(20.0 * (p.RatingOutsideScoring - 30) / 70 + 20.0 * (p.RatingInsideScoring - 10) / 90 +
                         30.0 * (p.Passing - 30) / 70 + 10.0 * (p.Quickness - 30) / 70,
                     56.07);
        break;
    }
    return NearestInt((w - 20) * 100 / 65);
}

// First value of the pass openness from the passer's Passing x fatigue and two draws.
struct OpennessRow {
    double top, first, second, a, b, c, e;
};
constexpr double kAlways = 2.0;
constexpr OpennessRow kOpenness[] = {
    {10, 0.8, kAlways, 0.3, 0.45, 0.15, 0}, {20, 0.8, kAlways, 0.35, 0.5, 0.15, 0},
    {30, 0.7, kAlways, 0.4, 0.5, 0.15, 0},  {35, 0.6, kAlways, 0.4, 0.5, 0.15, 0},
    {40, 0.45, kAlways, 0.4, 0.5, 0.15, 0}, {45, 0.35, kAlways, 0.5, 0.6, 0.25, 0},
    {50, 0.25, kAlways, 0.5, 0.6, 0.3, 0},  {55, 0.24, kAlways, 0.5, 0.65, 0.35, 0},
    {60, 0.23, 0.86, 0.5, 0.65, 0.4, 0.8},  {65, 0.22, 0.85, 0.5, 0.65, 0.45, 0.8},
    {70, 0.21, 0.84, 0.5, 0.7, 0.45, 0.8},  {75, 0.2, 0.83, 0.5, 0.75, 0.45, 0.8},
    {80, 0.19, 0.82, 0.5, 0.7, 0.5, 0.81},  {85, 0.18, 0.81, 0.51, 0.8, 0.5, 0.82},
    {90, 0.17, 0.8, 0.53, 0.9, 0.5, 0.83},  {95, 0.16, 0.79, 0.55, 1.0, 0.5, 0.84},
    {1e9, 0.15, 0.78, 0.6, 1.2, 0.5, 0.85},
};

double FirstOpenness(double passing, double r1, double r2) {
    const OpennessRow* row = kOpenness;
    while (passing > row->top)
        ++row;
    if (r1 <= row->first) return row->a * r2;
    if (r1 <= row->second) return row->b * r2 + row->c;
    return 0.2 * r2 + row->e;
}

// The passer's own scoring threat moves the openness: defenders who respect him leave others open.
double ThreatAmount(const Player& p) {
    double t;
    switch (p.PositionNumber) {
    case 1:
        t = 0.75 * p.RatingInsideScoring;
        break;
    case 2:
        t = 0.17 * p.RatingOutsideScoring + 0.61 * p.RatingInsideScoring;
        break;
    case 4:
        t = 0.4 * p.RatingOutsideScoring + 0.4 * p.RatingInsideScoring;
        break;
    default:
        t = 0.3 * p.RatingOutsideScoring + 0.5 * p.RatingInsideScoring;
        break;
    }
    const double v = t / 80;
    if (v < 0.5) return -0.1;
    if (v <= 0.6) return -0.05;
    if (v <= 0.7) return 0;
    if (v <= 0.8) return 0.1;
    if (v <= 0.9) return 0.15;
    if (v <= 1.0) return 0.25;
    return 0;
}

} // namespace

int clsGame::TargetValueOf(int16_t id, int zone) {
    DressedValues* v = ValuesOf(id);
    if (v == nullptr) return TargetValue(league_.players[id], zone);
    if (!(v->known & (1u << zone))) {
        v->target[static_cast<size_t>(zone)] = static_cast<int16_t>(TargetValue(league_.players[id], zone));
        v->known = static_cast<uint16_t>(v->known | (1u << zone));
    }
    return v->target[static_cast<size_t>(zone)];
}

double clsGame::Threat(const Player& p) {
    return ThreatAmount(p);
}

double clsGame::ThreatOf(int16_t id) {
    const DressedValues* v = ValuesOf(id);
    return v == nullptr ? ThreatAmount(league_.players[id]) : v->threat;
}

void clsGame::Pass() {
    const Side& offence = side_[possession_];
    const int passerSlot = ballHandler_;
    Player& passer = Handler();
    const int passerZone = offence.zone[passerSlot];

    std::array<int, 6> value{};
    int sum = 0;
    for (int slot = 1; slot <= 5; ++slot) {
        if (slot == passerSlot) continue;
        const int16_t id = offence.lineUp[slot];
        int v = TargetValueOf(id, offence.zone[slot]) + rules_.PassTargetBase;
        if (slot == 5) v += rules_.PointGuardTargetBonus;
        if ((slot <= 2 && offence.offense == 0) || (slot >= 4 && offence.offense == 100)) v += 5;
        const double key = rules_.KeyPlayerBonusScale;
        if (id != 0 && id == offence.key[1])
            v += NearestInt(15 * key);
        else if (id != 0 && id == offence.key[2])
            v += NearestInt(10 * key);
        else if (id != 0 && id == offence.key[3])
            v += NearestInt(5 * key);
        v = std::clamp(v, 5, 100);
        if (offence.zone[slot] == 1 && passerZone != 1) v = 0;
        value[slot] = v;
        sum += v;
    }
    if (sum == 0) {
        if (bPBP_) AddPBP(passer.Name + " is looking to pass but nobody is available.");
        return;
    }
    double x;
    do {
        x = Rand() * sum;
    } while (x == 0);
    // The receiver is the first slot whose running sum reaches x (x > 0, so his own value is above 0): one
    // more than the count of running sums below x, counted without a branch on the draw.
    int below = 0;
    double running = 0;
    for (int slot = 1; slot <= 5; ++slot) {
        running += value[slot];
        below += int(running < x);
    }
    int receiverSlot = below < 5 ? below + 1 : 0;
    if (receiverSlot == 0) receiverSlot = passerSlot == 5 ? 4 : 5; // rounding guard, never expected
    Player& receiver = OnCourt(possession_, receiverSlot);

    const double f = bands::Fatigue(passer.STAMINA);
    using bands::RatedCurve;
    double q =
        RatedCurve<bands::kPassCompletion, bands::kPassCompletionAbove>(passer.Handling, passer.STAMINA);
    const double b = RatedCurve<bands::kInterceptionFactor, bands::kInterceptionFactorAbove>(passer.Handling,
                                                                                             passer.STAMINA);
    const int defSlot = DefSlot(receiverSlot);
    Player& defender = OnCourt(Def(), defSlot);
    double i =
        b * RatedCurve<bands::kInterception, bands::kInterceptionAbove>(defender.Stealing, defender.STAMINA);

    const double r1 = Rand();
    const double r2 = Rand();
    double o = FirstOpenness(passer.Passing * f, r1, r2);
    o = std::min(o + ThreatOf(offence.lineUp[passerSlot]), 1.0);

    switch (bands::PaceIndex(offence.pace)) {
    case 0:
        q += 0.003, i *= 0.9, o *= 1.1;
        break;
    case 1:
        q += 0.001, i *= 0.95, o *= 1.05;
        break;
    case 3:
        q -= 0.003, i *= 1.05, o *= 0.95;
        break;
    case 4:
        q -= 0.005, i *= 1.1, o *= 0.9;
        break;
    default:
        break;
    }

    const double r = Rand();
    if (passerSlot == 5) {
        q += (1 - q) * 0.5;
        i /= 1.3;
    }
    const bool intercepted = r >= 1 - 0.98 * i;
    const bool badPass = !intercepted && r > q;
    // An intercepted pass is told as a pass first, then the steal.
    if (bPBP_ && !badPass)
        AddPBP(passer.Name + " passes the ball to " + receiver.Name +
               kPassZoneText[offence.zone[receiverSlot]] + ".");
    if (intercepted) {
        passOpenness_ = -1;
        const double text = Rand();
        if (bPBP_) {
            if (text <= 0.34)
                AddPBP("However, the ball is stolen by " + defender.Name + ".");
            else if (text <= 0.67)
                AddPBP(defender.Name + " steps in front of " + receiver.Name + " and steals the pass.");
            else
                AddPBP("The pass is deflected and stolen by " + defender.Name + ".");
        }
        Steal(defSlot);
        return;
    }
    if (badPass) {
        passOpenness_ = -1;
        const double text = Rand();
        if (bPBP_)
            AddPBP(passer.Name + (text <= 0.5 ? " throws the ball into the stands."
                                              : " makes a terrible pass and it sails out of bounds."));
        Turnover();
        GiveBallAfterStoppage();
        return;
    }

    lastPasser_ = static_cast<int16_t>(passerSlot);
    ballHandler_ = static_cast<int16_t>(receiverSlot);
    passOpenness_ = o;
    if (trap_) {
        if (bPBP_) AddPBP("The " + side_[Def()].name + " attempt to trap him.");
        const double loss =
            RatedCurve<bands::kTrapLoss, bands::kTrapLossAbove>(receiver.Handling, receiver.STAMINA) *
            RatedCurve<bands::kTrapper, bands::kTrapperAbove>(defender.Stealing, defender.STAMINA);
        if (Rand() < loss) {
            TellSteal(defender, receiver);
            Steal(defSlot);
        }
    }
}

} // namespace hv
