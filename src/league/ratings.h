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
// The player's rating at a position 1 (C) to 5 (PG); other positions throw std::out_of_range.
int16_t PositionRating(const Player& p, int position);
double ScoringCurve(int value);
// Letter grade of a 0 to 100 value.
std::string LetterGrade(int value);
// Grades the current draft class against the average of each position.
void CalculateAbsoluteRatings(League& league);

// Defense at a position 1 to 5 before any rounding or limit (may exceed 100 or fall below 0).
double PositionDefense(const Player& p, int position);
// Fit for a position 1 to 5 from the player's current composites (at least 1).
int16_t FitRating(const Player& p, int position);
// The stored fit and style label of a position 1 to 5.
int16_t FitAt(const Player& p, int position);
const std::string& StyleAt(const Player& p, int position);

} // namespace hv
