// Player ratings: attribute limits, composite ratings, styles, fits and overall ratings.
#pragma once

#include <cstdint>
#include <string>

#include "league/league.h"

namespace hv {

// Recomputes every rating of one player from his attributes, height, weight, age and position.
void CalculatePlayerRatings(Player& p);
// Keeps the attributes inside their limits.
void ApplyAttributeLimits(Player& p);
// The player's rating at a position 1 (C) to 5 (PG).
int16_t PositionRating(const Player& p, int position);
double ScoringCurve(int value);
// Letter grade of a 0 to 100 value.
std::string LetterGrade(int value);
// Grades the current draft class against the average of each position.
void CalculateAbsoluteRatings(League& league);

} // namespace hv
