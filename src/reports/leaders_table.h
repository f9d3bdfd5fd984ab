// League leaders: the season's per-game and shooting leaders among the players who qualify.
#pragma once

#include <string>
#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// A category's caption ("Points") and the title of its value column ("PPG").
struct LeaderCategoryInfo {
    std::string name;
    std::string valueTitle;
};
const std::vector<LeaderCategoryInfo>& LeaderCategories();

// Who qualifies, from the most regular-season games any team has played (`teamGames`): per-game
// categories need 70% of them; the shooting percentages need made shots in proportion to them.
struct LeaderMinimums {
    int teamGames = 0;
    int games = 0;
    int fieldGoals = 0, freeThrows = 0, threePointers = 0;
};
LeaderMinimums LeaderMinimumsOf(const League& league);

// The `count` best qualified players of category `category` (an index into LeaderCategories), or of every
// category one after the other when `category` is -1 (a Category column then comes first). Equal values
// share a rank. The title states the minimums; each row's key is the player ID.
ReportTable LeadersTable(const League& league, int category, int count = 10);

} // namespace hv
