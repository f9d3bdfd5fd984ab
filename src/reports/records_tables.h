// The record books and the team records as tables.
#pragma once

#include "league/league.h"
#include "league/record_books.h"
#include "reports/report_table.h"

namespace hv {

// A record book's category `category` (0-based; -1: every category, one after the other, with a Category
// column first), its first `count` filled positions: rank, player, value (per-game values as "#0.0",
// percentages as ".000"), the entry's texts and season. Each row's key is the player ID.
ReportTable PlayerRecordsTable(const League& league, RecordBookKind kind, int category, int count);

// A team's records (team 1 to 29): its best team games with their seasons, then its players' best games.
// Team 0: the league's best team games.
ReportTable TeamRecordsTable(const League& league, int team);

} // namespace hv
