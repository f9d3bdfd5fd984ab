// Team statistics: each team's season totals, its own or those of its opponents, per game or in total.
#pragma once

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

struct TeamStatsView {
    bool allowed = false; // the opponents' figures against the team
    bool perGame = true;  // per game rather than season totals
};

// One row per team 1 to 29 (key: the team slot), in team order: games, points for and against and their
// difference, shooting made, attempted and percentages, rebounds, assists, steals, blocks, turnovers.
ReportTable TeamStatsTable(const League& league, TeamStatsView view);

} // namespace hv
