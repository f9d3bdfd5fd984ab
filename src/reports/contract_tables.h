// Contracts and the salary cap as tables: the Player Contracts, Team Salary Cap Room and Potential Free
// Agents screens and the contracts, cap-room and potential-fas commands.
#pragma once

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// The contracts of team 1 to 29 (every team's players when 0): each player's yearly salaries under the
// seasons they are for, their total, his Bird years and whether he was signed with an exception.
ReportTable ContractsTable(const League& league, int team);

// One row per team (keyed by slot): players, payroll, salary still owed to released players, what counts
// against the cap, the cap room, next season's commitments and the cap exceptions still unused.
ReportTable CapRoomTable(const League& league);

// The players of team 1 to 29 (every team when 0) whose contracts end with the current season, and in the
// off-season those whose re-signing still waits: salary, demand, its years and whether he is willing.
ReportTable PotentialFreeAgentsTable(const League& league, int team);

} // namespace hv
