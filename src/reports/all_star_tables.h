// The All-Star weekend's squads and contests as tables, for the All-Star screen and its command.
#pragma once

#include <array>

#include "league/league.h"
#include "reports/report_table.h"
#include "season/all_star.h"

namespace hv {

// Both squads, one player a row: squad, label, player, position, team, games, performance rating and the
// selection measure. Row key: player ID.
ReportTable SquadsTable(const League& league, const std::array<Squad, 2>& squads, const std::string& title);

// The entrants in seed order with their score in each round held so far. Row key: player ID.
ReportTable ContestTable(const Contest& contest);

} // namespace hv
