// The league's history as tables: each franchise's record, season by season or all-time, its record
// against each opponent, and the Hall of Fame.
#pragma once

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// Team 0: every franchise's all-time record, playoff appearances and results, finals and titles (row key:
// team slot). Team 1 to 29: its seasons from the archive, latest first, with how each ended, and the season
// under way.
ReportTable TeamPerformanceTable(const League& league, int team);

// A team's record against each other team: this season's and the all-time wins and losses, the all-time
// percentage and the points margin. Row key: the opponent's slot.
ReportTable VsOpponentsTable(const League& league, int team);

// The retired players kept for the Hall of Fame, latest induction first.
ReportTable HallOfFameTable(const League& league);

} // namespace hv
