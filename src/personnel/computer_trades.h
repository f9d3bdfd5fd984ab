// The computer trade pass: computer teams look for the player who would most help their weakest position,
// trade among themselves and make offers to the user's teams.
#pragma once

#include <optional>
#include <vector>

#include "personnel/trade.h"

namespace hv {

class TradeRater;

// The trade computer team `team` would like to make now, or nothing: for the position where its best
// player is weakest, a better player of another team (a human team too when `withHumans`), paid with one or
// two of its own players and picks so that both teams accept it and it keeps the rules. `busy` marks the
// teams (index 1 to 29) that are not to be asked.
std::optional<TradeProposal> FindComputerTrade(League& league, const TradeRater& rater, int team,
                                               const std::vector<bool>& busy, bool withHumans);

// The number of trades the team has made in the current season (its transaction lines).
int TradesThisSeason(const League& league, int team);

// The pass ("Processing Trades..."), while teams may trade: each computer team in a random order may look
// for a trade once; a team trades at most once a pass and twice a season; at most one offer a pass goes to
// the user. Returns the number of trades made.
int RunComputerTrades(League& league, Host& host);

} // namespace hv
