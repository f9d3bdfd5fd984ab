// One player's card: his profile, ratings, contract, seasons and career, awards and transactions, one table
// each, for the player command and a player screen.
#pragma once

#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// The card of player 1 to 650, each table titled: the profile (team, position, body, college, experience,
// draft, championships, injury), the composite ratings with their grades, the skill attributes, the
// contract year by year, the career by season, the awards and the transactions that name him.
std::vector<ReportTable> PlayerCardTables(const League& league, int id);

} // namespace hv
