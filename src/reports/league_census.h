// A count of the league's people and money, read between seasons to see that a league run for decades stays
// healthy: no player slot lost, rosters within their bounds, ratings and payrolls steady.
#pragma once

#include <cstdint>

#include "league/league.h"

namespace hv {

struct LeagueCensus {
    int usedSlots = 0;  // league player slots 1 to 650 that hold a player
    int emptySlots = 0; // the slots free for new players
    int freeIDs = 0;    // entries of the league's list of free IDs
    // Empty slots missing from the free list (never reused again) plus free-list entries that are
    // duplicates or name a held slot (a new player would overwrite another): both are ID leaks.
    int leakedIDs = 0;
    int onTeams = 0, freeAgents = 0, prospects = 0;
    int unattached = 0; // held slots whose player belongs to no team, free agency or a draft class: lost
    int smallestRoster = 0, largestRoster = 0; // players counted per team 1 to 29
    double meanRating = 0;                     // mean CurrentRating of the players on teams
    int64_t medianPayroll = 0;                 // of teams 1 to 29, in dollars
};

LeagueCensus TakeCensus(const League& league);

} // namespace hv
