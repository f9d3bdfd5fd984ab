// Defense and overall rating of a player at each of the five positions.
#include <algorithm>
#include <stdexcept>

#include "league/ratings.h"
#include "league/ratings_internal.h"

namespace hv {

using ratings_internal::RoundToInt16;

namespace {

void CheckPosition(int position) {
    if (position < 1 || position > 5) throw std::out_of_range("position");
}

struct Term {
    double divisor, weight;
};

// Post, perimeter, drive defense, stealing, shot blocking, quickness, strength.
const Term kDefenseTerms[5][7] = {
    {{80, 0.25}, {50, 0.05}, {75, 0.15}, {60, 0.05}, {80, 0.20}, {40, 0.12}, {80, 0.18}},
    {{75, 0.23}, {55, 0.10}, {75, 0.15}, {60, 0.05}, {80, 0.20}, {50, 0.12}, {70, 0.15}},
    {{60, 0.20}, {65, 0.15}, {65, 0.15}, {70, 0.15}, {65, 0.10}, {60, 0.15}, {60, 0.10}},
    {{50, 0.15}, {80, 0.20}, {75, 0.15}, {80, 0.20}, {50, 0.05}, {70, 0.20}, {50, 0.05}},
    {{40, 0.10}, {80, 0.25}, {70, 0.15}, {80, 0.20}, {30, 0.05}, {80, 0.20}, {40, 0.05}},
};

struct Measure {
    int offset, span;
    double weight;
};

// Height, weight, quickness, jumping, strength.
const Measure kPhysical[5][5] = {
    {{78, 10, 0.24}, {240, 100, 0.16}, {25, 30, 0.25}, {30, 35, 0.10}, {65, 35, 0.25}},
    {{78, 10, 0.23}, {225, 50, 0.15}, {40, 20, 0.30}, {40, 30, 0.12}, {40, 50, 0.20}},
    {{76, 8, 0.15}, {200, 50, 0.15}, {45, 30, 0.30}, {45, 50, 0.20}, {45, 40, 0.20}},
    {{72, 12, 0.10}, {170, 50, 0.05}, {55, 30, 0.45}, {55, 45, 0.25}, {35, 40, 0.15}},
    {{70, 8, 0.10}, {150, 50, 0.05}, {65, 35, 0.70}, {35, 50, 0.10}, {25, 40, 0.05}},
};

// Inside scoring, jump shot, three-point shot, handling, passing, post, perimeter and drive defense,
// stealing, shot blocking, offensive and defensive rebounding, then the weight of the physical score.
const double kSkillWeights[5][13] = {
    {0.15, 0.07, 0.01, 0.04, 0.03, 0.09, 0.02, 0.07, 0.02, 0.06, 0.06, 0.09, 0.28},
    {0.16, 0.07, 0.02, 0.045, 0.035, 0.09, 0.03, 0.08, 0.03, 0.07, 0.06, 0.08, 0.23},
    {0.14, 0.13, 0.10, 0.05, 0.06, 0.05, 0.07, 0.04, 0.04, 0.03, 0.04, 0.06, 0.20},
    {0.21, 0.12, 0.15, 0.04, 0.05, 0.05, 0.08, 0.05, 0.03, 0.01, 0.03, 0.03, 0.15},
    {0.09, 0.13, 0.11, 0.135, 0.145, 0.02, 0.10, 0.05, 0.07, 0.01, 0.01, 0.02, 0.12},
};

// Score 0 to 100 of a physical measure between offset and offset + span. The difference times 100 is
// whole-number arithmetic; it is done in 32 bits so that an extreme height or weight saturates
// instead of overflowing a 16-bit intermediate.
double PhysicalScore(int value, const Measure& m) {
    int32_t scaled = (static_cast<int32_t>(value) - m.offset) * 100;
    return std::clamp(static_cast<double>(scaled) / m.span, 0.0, 100.0);
}

} // namespace

double PositionDefense(const Player& p, int position) {
    CheckPosition(position);
    const int values[7] = {p.PostDefense,  p.PerimeterDefense, p.DriveDefense, p.Stealing,
                           p.ShotBlocking, p.Quickness,        p.Strength};
    double s = 0;
    for (int i = 0; i < 7; ++i) {
        const Term& t = kDefenseTerms[position - 1][i];
        s += std::min(values[i] / t.divisor, 1.05) * t.weight;
    }
    return (s - 0.3) / 0.7 * 100;
}

int16_t PositionRating(const Player& p, int position) {
    CheckPosition(position);
    const Measure* measures = kPhysical[position - 1];
    const int physicalValues[5] = {p.Height, p.Weight, p.Quickness, p.Jumping, p.Strength};
    double physical = 0;
    for (int i = 0; i < 5; ++i)
        physical += PhysicalScore(physicalValues[i], measures[i]) * measures[i].weight;

    const double* w = kSkillWeights[position - 1];
    // A point guard's inside scoring counts from 20 up, rescaled to 0..100 and not limited.
    double inside = position == 5
                        ? static_cast<double>((static_cast<int32_t>(p.InsideScoring) - 20) * 100) / 80
                        : p.InsideScoring;
    const int others[11] = {p.JumpShot,     p.ThreePointShot,   p.Handling,      p.Passing,
                            p.PostDefense,  p.PerimeterDefense, p.DriveDefense,  p.Stealing,
                            p.ShotBlocking, p.OffenseRebound,   p.DefenseRebound};
    double sum = inside * w[0];
    for (int i = 0; i < 11; ++i)
        sum += others[i] * w[i + 1];
    return RoundToInt16(sum + physical * w[12]);
}

} // namespace hv
