// The players' statistics as tables: every player's line of a season or its playoffs, and one player's
// seasons with his career totals, for the stats and player commands and the screens that show them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// The season whose figures the players' season and playoff totals hold: the current one from its first day
// until it ends, the one before from the end of the season until the next begins and clears them.
int16_t TotalsSeason(const SeasonState& state);

// The seasons with players' statistics, latest first: those of the players' season histories and the one of
// the season totals when anybody has played in it.
std::vector<int16_t> StatsSeasons(const League& league);

// Every player's line of `season` (his regular-season totals, or with `playoffs` his playoff totals) with his
// per-game figures, most points first; only players of the team named `team` when it is not empty (the team
// he played for, as his season history files it), and only players with a game. A season that has ended
// comes from the players' histories; playoff totals are kept for the TotalsSeason alone. Keyed by player ID.
ReportTable PlayerStatsTable(const League& league, int16_t season, bool playoffs,
                             const std::string& team = {});

// The player's regular seasons, oldest first (the season in play too), then his career totals; keyed by
// season, the career row by 0.
ReportTable CareerStatsTable(const League& league, int id);

// The player's playoff line of the TotalsSeason, the only playoffs whose figures the league keeps; no row
// when he played in none. Keyed by season.
ReportTable PlayerPlayoffTable(const League& league, int id);

} // namespace hv
