// The league's teams as a table: slot, city, name, conference, division, owner, roster size and payroll.
#pragma once

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// Teams 1 to 29 in slot order, each row keyed by its slot. Players counts the team's roster (injured reserve
// included); Payroll is the sum of their contract1 salaries.
ReportTable TeamsTable(const League& league);

} // namespace hv
