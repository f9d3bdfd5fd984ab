// A team's roster, depth chart, key players and coaching settings as tables: for the Team Roster and Cut
// Players screens and the roster command; the player lines also serve Find Players.
#pragma once

#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// One line per player of `ids`, keyed by ID: position, name, (team,) age, height, experience, overall rating,
// letter grades of the composite ratings, potential grade, salary, roster status and injury.
ReportTable PlayerLinesTable(const League& league, const std::vector<int>& ids, bool withTeam);

// The players of team 1 to 29 in roster order; the title names the team and counts its players.
ReportTable TeamRosterTable(const League& league, int team);
// One row per position C .. PG (keyed 1 to 5) with the starter, second and third names.
ReportTable DepthChartTable(const League& league, int team);
// The three key players and the Pace, Press, Trap and Offense settings, one per row.
ReportTable LineupSettingsTable(const League& league, int team);

} // namespace hv
