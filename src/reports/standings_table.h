// The standings as a table: one row per team with its record, games behind, ranks and recent form.
#pragma once

#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

enum class StandingsView {
    Division,   // by conference, then division, then division rank
    Conference, // by conference, then conference rank
};

// Reads the ranks and games behind of the last ComputeStandings; each row's key is the team slot.
ReportTable StandingsTable(const League& league, StandingsView view);

// The standings as they read on a page: one table per division ("East - Atlantic"), in the order of the
// divisions, or per conference ("East Conference"), each in rank order, with readable headings (Team, W, L,
// Pct, GB, Conf GB, Last 10, Streak; GB is behind the division's leader in the division view and the
// conference's leader in the other) and the human teams highlighted. Row keys are the team slots.
std::vector<ReportTable> StandingsGroupTables(const League& league, StandingsView view);

} // namespace hv
