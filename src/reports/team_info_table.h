// Team information: who a team is, how its season goes, what it pays and what it has won.
#pragma once

#include <cstdint>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// Two columns, Item and Value, one row per fact: city, name, owner, conference, division, record (home,
// road), streak, last 10, division and conference rank and games behind (of the last ComputeStandings),
// roster size, payroll, cap room, and the franchise's history counts.
ReportTable TeamInfoTable(const League& league, int team);

} // namespace hv
