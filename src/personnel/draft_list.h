// A human team's ranked draft list: the prospects the computer takes for the team, in order, when it picks
// for it (End Draft, Auto Pick and the like). Kept with the team and written with the league.
#pragma once

#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// The most prospects a draft list holds.
constexpr size_t kDraftListLength = 29;

// Replaces the draft list of human team `team` with `ids` (player IDs, first choice first; empty clears it).
// Refused with a message, changing nothing, when the team is run by the computer, the list is too long,
// names a player twice or names a player who is not a prospect of the coming draft.
bool SetDraftList(League& league, Host& host, int team, const std::vector<int>& ids);

// The players of the team's list still to be had (the prospects), in its order: the list to edit further.
std::vector<int> AvailableOnDraftList(const League& league, int team);

// `list` with `id` moved by `step` places (negative: up), or removed when `step` is 0; unchanged when he is
// not on it or would move past an end.
std::vector<int> MovedInDraftList(std::vector<int> list, int id, int step);

// Every team's list emptied: a list belongs to one draft, and its player IDs may be reused afterwards.
void ClearDraftLists(League& league);

} // namespace hv
