// One player's card: his profile, ratings, contract, seasons and career, awards and transactions, one table
// each, for the player command and a player screen.
#pragma once

#include <string>
#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// The card of player 1 to 650, each table titled: the profile (team, position, body, college, experience,
// draft, championships, injury), the composite ratings with their grades, the skill attributes, the
// contract year by year, the career by season, the awards and the transactions that name him.
std::vector<ReportTable> PlayerCardTables(const League& league, int id);

// The heading of a card: team, position, age, height, weight, college, contract and injury as (label, text).
struct CardFact {
    std::string label, text;
};
std::vector<CardFact> PlayerCardFacts(const League& league, int id);

// "$1,200,000 a year through 2027", or "None" for a player under no contract.
std::string ContractText(const League& league, const Player& p);

// The card's tables one by one, as PlayerCardTables holds them. The ratings' names carry a tooltip saying
// what each measures.
ReportTable PlayerRatingsTable(const Player& p);
ReportTable PlayerAwardsTable(const Player& p);

} // namespace hv
