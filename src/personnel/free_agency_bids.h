// The bids of a free agency: the list of offers, which of them still hold, how a free agent rates them, and
// the signing of the one he takes.
#pragma once

#include <string>
#include <vector>

#include "league/league.h"
#include "personnel/contract_offer.h"
#include "platform/host.h"

namespace hv {

// The bid of team `team` for player `id`; null when it has none.
const FreeAgentBid* FindBid(const League& league, int id, int team);
// Places a bid, replacing the same team's earlier bid for the same player.
void PlaceBid(League& league, const FreeAgentBid& bid);
FreeAgentBid MakeBid(int id, int team, const ContractOffer& offer);
// Withdraws team `team`'s bid for player `id`; false when it had none.
bool WithdrawBid(League& league, int id, int team);
void RemoveBidsFor(League& league, int id);
// Positions in league.tables.bids of the bids for player `id`, in the order they were placed.
std::vector<size_t> BidsFor(const League& league, int id);

// The bid's yearly amounts (its Years of them).
OfferYears BidAmounts(const FreeAgentBid& bid);

// Whether the bid needs cap room the team does not have, and then what lets the team go over the cap: his
// Bird rights, a contract at his minimum salary every year for at most two years (which needs no
// exception), or for a bid of that kind the mid-level or low-level exception the team still has for an
// amount within it.
enum class CapPass { Room, BirdRights, MidException, LowException, Minimum, None };
CapPass HowBidFitsCap(const League& league, const FreeAgentBid& bid);

// Why a bid does not hold, as a sentence for the user; empty while it holds: the player is a free agent,
// the team has fewer than 15 players, the first year is at least his minimum salary and it fits the cap.
std::string BidFault(const League& league, const FreeAgentBid& bid);
bool BidIsValid(const League& league, const FreeAgentBid& bid);

// The player's rating of a valid bid (see docs/free_agency.md), without and with its random part.
double BidValue(const League& league, const FreeAgentBid& bid);
double BidScore(League& league, const FreeAgentBid& bid);

// The free agent weighs the bids he holds: invalid ones are removed (a human team is told why), the others
// scored (Score). Returns the position of the best in league.tables.bids, or -1 when none holds.
int BestBid(League& league, int id, Host& host);

// He signs the bid: its amounts become his contract, he joins the team (an exception used is marked on the
// team and on him), the "Sign" line is logged and his bids are removed; a human team whose bid he passed
// over is told.
void SignBid(League& league, const FreeAgentBid& bid, Host& host);

// "Sign PF Joe Smith for $1,250,000 over 3 years." / "... over one year."
std::string SigningLine(const Player& p, int32_t firstYear, int years);

} // namespace hv
