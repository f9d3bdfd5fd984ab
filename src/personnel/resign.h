// Re-signing: the demand a player whose contract runs out sets during the season, the decision at the end of
// the season whether he stays with his team, and the user's answer for a human team's players.
#pragma once

#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// The contract-value pass of the last regular-season day: every player on a team whose contract ends with
// this season gets his re-signing demand (the computer's re-signing offer of his team) and decides whether
// he is willing to stay; every other player's demand is cleared.
void SetContractValues(League& league);

// The chance that a player whose contract runs out is willing to stay with team `team`.
double WillingnessToStay(const Player& p, const Team& team);

enum class ResignDecision { Stays, Leaves, AwaitsUser };

// The decision for player `id` of a team whose contract has just run out (contract1 is 0). A computer team
// keeps a willing player with a demand when he has 3 or more Bird years, his first-year demand is within
// 120 % of his last salary, or the team's cap room holds it; he then re-signs on his demand. A human team's
// willing player waits for the user's answer (the re-signing screen or command); an unwilling one leaves
// with a message (title "Re-signing").
ResignDecision DecideResign(League& league, int id, Host& host);

// True when the team may keep him on his demand under the cap rules above.
bool ResignFitsCap(const League& league, int id);

// A player of a team whose contract ran out and whose re-signing still waits for the user.
bool AwaitsResignDecision(const League& league, int id);
// Those players of team `team` (every team when 0), by ID.
std::vector<int> PlayersAwaitingResign(const League& league, int team = 0);

// The user's answer for a player of human team `team` who awaits it: accept re-signs him on his demand
// (refused with a message when the team lacks the cap room), decline makes him a free agent.
bool UserResign(League& league, int team, int id, bool accept, Host& host);

// Re-signs him on his demand: the transaction line, also added to the off-season's "resign.txt".
void ResignOnDemand(League& league, int id);
// He leaves his team as a free agent.
void LeaveAsFreeAgent(League& league, int id);

// "PF Joe Smith resigns for $1,250,000 over 3 years"
std::string ResignLine(const Player& p);
// Empties the off-season's "resign.txt" in the league's folder.
void StartResignFile(const League& league);

} // namespace hv
