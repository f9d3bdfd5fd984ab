// Team Control: who runs each team, who coaches its games and whether they get play-by-play.
#pragma once

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// One row per team 1 to 29, keyed by slot: team, owner ("Human" or "Computer"), coached by the user,
// play-by-play.
ReportTable TeamControlTable(const League& league);

} // namespace hv
