// The schedule as a table: one row per scheduled game, with the score once it has been played.
#pragma once

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// Games of days 1 to 169, in day and game order; only those of team slot `team` (0: every team) and of
// `day` (0: every day). With a team, each row also shows its result and its record after the game. A row's
// key is day x 100 + game number.
ReportTable ScheduleTable(const League& league, int team = 0, int day = 0);

} // namespace hv
