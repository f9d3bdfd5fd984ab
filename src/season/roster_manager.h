// The computer roster manager: moves a computer team's players between the active list and injured reserve,
// signs free agents for missing positions, releases surplus players and sets the line-up. Also the daily
// free-agent pickups, the playoff roster step and the computer camp cuts.
#pragma once

#include <string>
#include <vector>

#include "league/league.h"

namespace hv {

// The free agent of `position` (1 C .. 5 PG) with the highest CurrentRating, the lowest ID winning ties;
// 0 when there is none.
int BestFreeAgentAt(const League& league, int position);
// The free agent of any position who fits `position` best (the highest rating when `position` is 0);
// 0 when there is no free agent at all.
int BestFittingFreeAgent(const League& league, int position);

// The first position the manager must fill: the first of C, PF, SF, SG, PG with fewer than 2 active
// players, else the first with fewer than 3; 0 when every position has 3.
int FirstNeededPosition(const Team& team);

// Repairs computer team `team` (1 to 29) to exactly kActiveRoster active players and sets its line-up.
// Every loop is bounded: a position without a free agent is filled by the free agent who fits it best, and
// when no free agent is left at all the result is false, with the roster as far as it got.
bool ManageRoster(League& league, int team);

// The daily pickups: each computer team signs, for each position, the best free agent when he is better
// than its first-string player there and it has room, and then runs the manager.
void SignBetterFreeAgents(League& league);

// Before the playoffs each computer team brings back up to three good players from injured reserve who
// will be well within 20 days, runs the manager with them counted healthy, and sets its line-up.
void PreparePlayoffRosters(League& league);

// Every computer team through the manager, in team order; false when one of them could not be filled.
bool CampCuts(League& league);
// What the camp cuts of today did, one line per computer team that cut players, in team order: "Hawks cut
// PF Joe Smith, C Bob Jones."; empty when none cut anyone.
std::vector<std::string> CampCutLines(const League& league);

} // namespace hv
