// The user's side of trading: his proposals to other teams, the computer teams' offers to him, and the
// search for what would make a refused proposal work. The trade screen, the trade offer screen and the
// command line share these, so all of them say the same.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "personnel/trade.h"

namespace hv {

// True while teams may trade: before the season, up to the trade deadline (day 100), at the rookie draft,
// in free agency and at the training camps.
bool TradingOpen(const SeasonState& state);

// The items of `ids` with their trade ratings as the league stands.
std::vector<TradeItem> RatedItems(const League& league, const std::vector<int>& ids);

enum class TradeOutcome {
    Invalid,  // refused by a rule (its message shown)
    Refused,  // the computer team wants more (its answer shown)
    Declined, // the user (or the other human team) said no
    Done,     // executed
};

// The user's proposal from human team `proposal.first.team` to `proposal.second.team`: the rules, then the
// agreement of both human teams or the other team's verdict, and the question to go ahead; executed on Yes
// with "Trade Accepted".
TradeOutcome ProposeTrade(League& league, const TradeProposal& proposal, Host& host);

// The smallest addition from the proposing side: among its players and picks not yet in the proposal, the one
// of the lowest trade rating with which the proposal keeps the rules and the other team accepts it. Nothing
// when no single item does (or the proposal has no room for one more). It only proposes; nothing changes.
std::optional<TradeItem> SuggestAddition(const League& league, const TradeProposal& proposal);
// What SuggestAddition found, as the user reads it.
std::string SuggestionText(const League& league, const TradeProposal& proposal,
                           const std::optional<TradeItem>& addition);

// An item as a computer offer shows it: "Ann Centre (C-74)" or "2006 Round 1 draft pick".
std::string OfferItemText(const League& league, int id);
// "Owls give:" and a line per item, for each side, the offering team first.
std::string OfferText(const League& league, const TradeProposal& offer);

// A front end that can show the trade offer screen: the user sees a computer team's offer and accepts (true)
// or declines it. A host without it is asked the offer as a Yes/No question.
class TradeOfferPresenter {
  public:
    virtual ~TradeOfferPresenter() = default;
    virtual bool PresentTradeOffer(const League& league, const TradeProposal& offer) = 0;
};

// A computer team's offer (`offer.first`) to a human team: shown to the user; executed when he accepts,
// remembered for the season when he declines. True when the trade was made.
bool PutOfferToUser(League& league, const TradeProposal& offer, Host& host);
// True when the user has declined this very offer this season.
bool OfferDeclined(const League& league, const TradeProposal& offer);

} // namespace hv
