// Trades between teams: the proposal of up to five players and draft picks a side, the league's rules, the
// computer's judgement of an offer and the execution of an agreed trade.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

constexpr int kMaxTradeItems = 5;    // items a side may put into one trade
constexpr int kFirstPickItem = 1000; // item IDs from here on are draft picks
constexpr int kTradeLockDays = 60;   // a player signed or traded this recently stays where he is
constexpr int kSeasonDayScale = 200; // days a season counts for on the season-day scale

inline bool IsPickItem(int id) {
    return id >= kFirstPickItem;
}

// A player (his slot, 1 to 680) or a draft pick (its ID, 1001 to 1174), with the trade rating it got when it
// was put into the trade.
struct TradeItem {
    int16_t id = 0;
    int16_t rating = 0;
    bool operator==(const TradeItem&) const = default;
};

struct TradeSide {
    int team = 0; // slot 1 to 29
    std::vector<TradeItem> items;
    bool operator==(const TradeSide&) const = default;
};

// `first` proposes: its items go to the `second` team, whose items come back.
struct TradeProposal {
    TradeSide first, second;
    bool operator==(const TradeProposal&) const = default;

    // The side of team `team` and the side facing it; `team` must be one of the two.
    const TradeSide& SideOf(int team) const { return first.team == team ? first : second; }
    const TradeSide& OtherSide(int team) const { return first.team == team ? second : first; }
};

// The days since the player's last signing or trade on the season-day scale: a season counts for 200 days,
// and the off-season days (170 on) still belong to the season that just ended.
int DaysSinceSigning(const League& league, const Player& p);

// Why the proposal cannot go ahead, or nothing when it can: first its shape (two different teams, at most
// five items a side, each item the side's own and only once, something traded), then the league's rules in
// their order: roster limit, recent signings, cap exceptions, first-round picks. The text is the message the
// user sees.
std::optional<std::string> TradeProblem(const League& league, const TradeProposal& proposal);
// The league's rules: false, with the problem shown in a box titled "Trade Error", when a rule fails.
bool ValidateTrade(const League& league, const TradeProposal& proposal, Host& host);

// Moves the players and picks of an agreed trade: each player joins the other team, his 60-day lock starts
// and his Bird rights end; each pick changes owner; both rosters, depth charts and payrolls are brought up to
// date and each team's transaction line is written. The proposal must have passed TradeProblem.
void ExecuteTrade(League& league, const TradeProposal& proposal);

// "C Ann Centre, PF Bob Forward and one draft pick": a side's items as the transaction line names them;
// "nothing" for a side without items.
std::string TradeItemsText(const League& league, const TradeSide& side);
// "Trade " + the side's items + " to the " + the other team + " for " + the other side's items.
std::string TradeTransactionText(const League& league, const TradeProposal& proposal, int team);

// Clears the season's trading memory; the season's end calls it.
void ClearTradingState(League& league);

} // namespace hv
