// The award history as tables: the season awards, the weekly and monthly honours and the All-Star weekend
// winners, from the season archive.
#pragma once

#include <cstdint>
#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// The seasons of the archive, latest first.
std::vector<int16_t> ArchivedSeasons(const League& league);

// The seasons whose archive holds season awards (with `weekly`, weekly or monthly honours), latest first.
// The archive of a new season opens with the draft's first pick, before any of these is named.
std::vector<int16_t> SeasonsWithAwards(const League& league, bool weekly);

// The season's awards: MVP, Rookie of the Year, Defensive Player of the Year, Sixth Man, Playoff MVP, then
// the All-League, All-Defensive and All-Rookie teams by position. Awards not given are left out; each row's
// key is the player ID.
ReportTable SeasonAwardsTable(const League& league, int16_t season);

// The season's players of the week, players of the month and rookies of the month with the days each
// covered.
ReportTable InSeasonAwardsTable(const League& league, int16_t season);

// One row per season: the rookie game and All-Star Game MVPs and the two contests' champions.
ReportTable AllStarWinnersTable(const League& league);

} // namespace hv
