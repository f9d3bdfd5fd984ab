// What a draft pick is worth: the FutureRating of the prospect it should bring.
#pragma once

#include <array>
#include <cstdint>

#include "league/league.h"

namespace hv {

using PickValueTable = std::array<int16_t, kDraftPickCount + 1>; // by pick ID - 1000; index 0 unused

// Each pick's value: the coming class ranked best first, read at the pick's expected place (its earner's
// place among the teams, worst first by winning percentage once ten games are played, else by roster
// strength). Picks of later drafts are placed between that and the middle of the round, read from the class
// after (when it exists) and lose 2 points a year.
PickValueTable PickValues(const League& league);

// Stores PickValues in every pick's `value`.
void UpdatePickValues(League& league);

} // namespace hv
