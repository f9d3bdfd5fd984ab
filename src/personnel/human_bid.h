// A human team's bids in free agency: the checks of the contract the user offers, with their messages, and
// placing or withdrawing the bid. The free-agency screen and the bid command share these.
#pragma once

#include <cstdint>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// The contract checks, in order; the first that fails is shown (title "Free Agency") and the result is
// false: every amount above 0; each at least his minimum salary; none above his maximum salary; no year
// below the one before; no raise above 10 % (12.5 % for his former team when his last free-agent signing
// was three or more seasons ago), in tenths of a percent as shown; and a team over the cap, without his
// Bird rights or an exception that covers the first year, offers only his minimum salary for at most two
// years.
bool ValidateHumanBid(const League& league, int id, int team, const std::vector<int32_t>& amounts,
                      Host& host);

// The kind a user's bid counts as, from the way it fits the cap: within the cap room (or his Bird rights)
// re-signing for his former team or a new contract; over the cap a minimum contract, which uses no
// exception, else the mid-level or low-level exception that covers the first year; None when nothing lets
// it fit.
BidKind HumanBidKind(const League& league, const FreeAgentBid& bid);

// Places (or replaces) human team `team`'s bid for free agent `id` during the free-agency days. Refused with
// a message, changing nothing, outside them, for a computer team, a player who is no free agent, a contract
// that fails the checks or a bid he could not take now (the team has 15 players).
bool PlaceHumanBid(League& league, int team, int id, const std::vector<int32_t>& amounts, Host& host);
// Withdraws it; refused with a message when the team has no bid for him.
bool WithdrawHumanBid(League& league, int team, int id, Host& host);

// "12.7" for 0.127: a share as a percentage with at most one decimal.
std::string PercentText(double share);

} // namespace hv
