// The All-Star weekend's squads and contests as tables, for the All-Star screen and its command.
#pragma once

#include <array>
#include <string>

#include "league/league.h"
#include "reports/report_table.h"
#include "season/all_star.h"

namespace hv {

// A squad member's slot as a reader names it: "WestPF2" is "Power Forward 2", "SophomoresC1" "Center 1"; a
// label of no known position is given back as it is.
std::string AllStarSlotName(const std::string& label);

// Both squads, one player a row: squad, slot (named by position), player, position, team, games, performance
// rating and the selection measure. Row key: player ID.
ReportTable SquadsTable(const League& league, const std::array<Squad, 2>& squads, const std::string& title);

// The entrants in seed order with their score in each round held so far. Row key: player ID.
ReportTable ContestTable(const Contest& contest);

} // namespace hv
