// The yearly development at the training camps: every player's hidden potential is revised, his skills grow
// or decline by a band of that potential, his position and his age, and his potential is scouted anew.
#pragma once

#include <cstdint>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Subtracts `days` from the injury days of every injured player (never below 0).
void HealInjuries(League& league, int days);

// The revised potential of a player of this age (not capped below; at most 100).
int16_t RevisedPotential(int potential, int age, Random& rng);

// The development band of a band value: 0 (0-20), 1 (21-40), 2 (41-60), 3 (61-80), 4 (81-90), 5 (91-100);
// -1 for a value outside 0 to 100.
int DevelopmentBand(int value);
// The band value of a revised potential: the potential nine times in ten, else potential + 20 up to 90.
int BandValue(int potential, Random& rng);

// The skills the bands change, in the order they are changed.
enum class Skill {
    InsideScoring,
    JumpShot,
    ThreePointShot,
    Handling,
    Passing,
    PostDefense,
    PerimeterDefense,
    DriveDefense,
    Stealing,
    ShotBlocking,
    OffenseRebound,
    DefenseRebound
};
constexpr int kDevelopedSkills = 12;

// One entry of the band tables: "+k" moves a skill by -5 to k - 5, "xb" multiplies it by b to b + 0.1.
struct SkillChange {
    bool multiply = false;
    double value = 0;
};
// The change of `skill` in band 0 to 5 for position 1 (C) to 5 (PG).
SkillChange BandChange(int band, Skill skill, int position);

// Steps of one player's development, each drawing from `rng`.
void ChangeBody(Player& p, Random& rng);             // Quickness, Strength, Jumping x 0.95 to 1.05
void ChangeSkills(Player& p, int band, Random& rng); // the band table for his OriginalPosition
void AgeBody(Player& p);                             // Quickness, Strength, Jumping from age 30 on
void Rescout(Player& p, Random& rng);                // KnownPotential and PotentialGrade

// Potential, band, body, skills, aging, limits and scouting of player `id`.
void DevelopPlayer(League& league, int id);

// The camps: injuries heal by 50 days; after the league's first season every player 1 to 650 develops and
// the ratings and payrolls are brought up to date. The league then moves to day 0 of the season and the
// computer trade pass runs. Returns true.
bool RunTrainingCamps(League& league, Host& host);

} // namespace hv
