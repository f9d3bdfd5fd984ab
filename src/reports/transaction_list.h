// The transaction log as a table, oldest first.
#pragma once

#include <string>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// The log's lines for the team named `team` (every team when empty); row keys are the lines' numbers from 1.
ReportTable TransactionTable(const League& league, const std::string& team = {});

// The log's lines that name the player `playerName` as a whole name (a trade shows under both teams).
ReportTable PlayerTransactionTable(const League& league, const std::string& playerName);

} // namespace hv
