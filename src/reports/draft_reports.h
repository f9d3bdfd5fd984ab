// The draft's lists, for its screens and commands: the prospects, the draft order with the picks made,
// the best prospect at each position and the past first overall picks.
#pragma once

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// The prospects of the coming draft ("Draft"; the whole pool during a creation draft), best future rating
// first, of one position 1 to 5 or of all (0); each row's key is the player's ID.
ReportTable ProspectsTable(const League& league, int position = 0);

// The order of the draft under way or about to begin, one row per slot: round, pick, the team that picks
// (with " (From TEAM)" when it holds another team's pick), its record, and the player taken. Rows are keyed
// by slot index. A rookie draft's first 13 picks also show their lottery seed.
ReportTable DraftOrderTable(const League& league);

// The creation draft's order list before the draft begins: place 1 to 29 and team, keyed by team slot.
ReportTable CreationOrderTable(const League& league);

// "TEAM" or "OWNER (From TEAM)" for a slot of the rookie draft.
std::string PickHolderText(const League& league, const DraftSlot& slot);

// The best prospect at each position by future rating (RecommendPlayers), keyed by player ID.
ReportTable RecommendationsTable(const League& league);

// A human team's draft list ("Draft List: TEAM"), first choice first: place, ID, name, position, future
// rating and whether he is still to be had; keyed by player ID.
ReportTable DraftListTable(const League& league, int team);

// "Past #1 Overall Picks": season, player, position, team, from the season archive.
ReportTable FirstPicksTable(const League& league);

} // namespace hv
