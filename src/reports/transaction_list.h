// The transaction log as a table, newest first, by team and by kind of move.
#pragma once

#include <string>
#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// The kinds of move a line of the log records, as the filters name them: "Sign", "Re-sign", "Cut",
// "Activate", "IR", "Trade", "Draft", "Retire".
const std::vector<std::string>& TransactionTypes();
// The kind of the line with action text `action`, one of TransactionTypes; "" for a text of no known kind.
std::string TransactionTypeOf(const std::string& action);

// The season a line belongs to: a move after a season's playoffs and before the next season's first day
// (retirements, the draft, re-signing, free agency, camps) belongs to the coming season, whatever season
// number the league had when it was logged.
int16_t TransactionSeason(const Transaction& t);
// Where in its season a line falls, for ordering: the moves before the first day (the end of the season
// before, then the off-season, then day 0) below 1, the days of the season from 1.
int TransactionMoment(const Transaction& t);

// The log's lines for the team named `team` (every team when empty) of the kind `type` (every kind when
// empty), newest first; each line shows the season it belongs to and its day, "Pre-season" before the first
// day. Row keys are the lines' numbers in the log from 1.
ReportTable TransactionTable(const League& league, const std::string& team = {},
                             const std::string& type = {});

// The log's lines that name the player `playerName` as a whole name (a trade shows under both teams), newest
// first.
ReportTable PlayerTransactionTable(const League& league, const std::string& playerName);

} // namespace hv
