// The Injuries and Injured Reserve lists.
#pragma once

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// Every player of team `team` (all teams when 0) with injury days left, by team and then by ID; rows keyed
// by ID.
ReportTable InjuryListTable(const League& league, int team = 0);
// Every player of team `team` (all teams when 0) on injured reserve, whether hurt or not.
ReportTable InjuredReserveTable(const League& league, int team = 0);

} // namespace hv
