// The performance rating: one number per player from his statistics, behind the All-Star selection, every
// award and the Playoff MVP.
#pragma once

#include <cstdint>

#include "league/player.h"

namespace hv {

// points + rebounds + 1.75 assists + 2 steals + 1.5 blocks + 0.2 free throws attempted - missed field goals
// - missed free throws - 2 turnovers - 0.2 fouls - 5 disqualifications, to the nearest whole number (halves
// to even).
int16_t PerformanceRating(const SeasonTotals& totals);

// The same measure of one game-log line, unrounded; six fouls count as a disqualification.
double GameRating(const GameLogEntry& line);

} // namespace hv
