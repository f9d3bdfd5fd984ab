// The tables of the player generator: heights, weights, physical attributes and skills by position for
// college prospects and for professional players. docs/draft_classes.md explains them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace hv::generator {

// A value R(base + width x Rnd).
struct Span {
    int16_t base = 0, width = 0;
};

// One draw r: first span when r < p1, second when r < p2, third otherwise.
struct ThreeTier {
    double p1 = 0, p2 = 0;
    Span low, middle, high;
};

// Cumulative height thresholds: the first step whose `below` exceeds r gives the height; 0 inches means a
// height drawn as R(66 + 6 x Rnd).
struct HeightStep {
    double below;
    int16_t inches;
};

// Weight by height: up to `maxHeight` inches, r < p gives `light`, otherwise `heavy`. The last band has no
// upper height.
struct WeightBand {
    int16_t maxHeight;
    double p;
    Span light, heavy;
};

// The skills drawn per quality tier, in this order.
enum Skill {
    kJumpShot,
    kThreePointShot,
    kPassing,
    kPostDefense,
    kPerimeterDefense,
    kDriveDefense,
    kStealing,
    kShotBlocking,
    kOffenseRebound,
    kDefenseRebound,
    kTierSkills
};

struct ProspectTable {
    std::vector<HeightStep> heights;
    int16_t otherwiseHeight;
    std::array<WeightBand, 3> weights;
    ThreeTier quickness, jumping, strength, handling;
    std::array<Span, 2> insideAB; // InsideScoring in tiers A and B
    ThreeTier insideCD;           // InsideScoring in tiers C and D
    std::array<std::array<Span, kTierSkills>, 4> tiers;
};

// Professional players: every attribute centred on the position's typical value. A quality tier (the same
// four tiers as prospects) moves all skills together; the physical attributes have three tiers of their own.
struct Centre {
    int16_t centre, width;
};
enum ProAttribute {
    kProInsideScoring,
    kProJumpShot,
    kProThreePointShot,
    kProScoring,
    kProHandling,
    kProPassing,
    kProPostDefense,
    kProPerimeterDefense,
    kProDriveDefense,
    kProStealing,
    kProShotBlocking,
    kProOffenseRebound,
    kProDefenseRebound,
    kProAttributes
};
struct ProfessionalTable {
    std::array<Centre, kProAttributes> skills;
    Centre quickness, jumping, strength;
};

// Chances of the four quality tiers A to D (cumulative) and the professionals' offsets per tier, to which a
// professional's own form adds up to half of kProFormWidth either way.
inline constexpr std::array<double, 3> kTierBelow{0.3, 0.7, 0.85};
inline constexpr std::array<int, 4> kProSkillOffset{-8, -1, 6, 13};
inline constexpr double kProFormWidth = 16;
inline constexpr std::array<int, 3> kProPhysicalOffset{-5, 1, 8};

// Position 1 (C) to 5 (PG).
const ProspectTable& Prospects(int position);
const ProfessionalTable& Professionals(int position);

} // namespace hv::generator
