// The standings as a table: one row per team with its record, games behind, ranks and recent form.
#pragma once

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

enum class StandingsView {
    Division,   // by conference, then division, then division rank
    Conference, // by conference, then conference rank
};

// Reads the ranks and games behind of the last ComputeStandings; each row's key is the team slot.
ReportTable StandingsTable(const League& league, StandingsView view);

} // namespace hv
