#include "personnel/trade_offer.h"

#include <algorithm>

#include "league/hub_commands.h"
#include "league/lineup.h"
#include "league/lineup_repair.h"
#include "league/team_control.h"
#include "personnel/trade_value.h"

namespace hv {

namespace {

constexpr const char* kTradeTitle = "Trade";

bool Holds(const TradeSide& side, int id) {
    return std::any_of(side.items.begin(), side.items.end(), [id](const TradeItem& i) { return i.id == id; });
}

// An agreed trade with a human team: made, then the places its departed players held in a human team's
// line-up are filled, so that the next game does not stop for them.
void MakeTrade(League& league, const TradeProposal& proposal, Host& host, bool announce) {
    ExecuteTrade(league, proposal);
    if (announce) host.ShowMessage("Trade Accepted", kTradeTitle, MessageIcon::Information);
    RepairHumanLineup(league, proposal.first.team, host);
    RepairHumanLineup(league, proposal.second.team, host);
}

std::vector<int16_t> SortedIds(const TradeSide& side) {
    std::vector<int16_t> ids;
    for (const TradeItem& item : side.items)
        ids.push_back(item.id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

OfferKey KeyOf(const TradeProposal& offer) {
    return {static_cast<int16_t>(offer.first.team), static_cast<int16_t>(offer.second.team),
            SortedIds(offer.first), SortedIds(offer.second)};
}

} // namespace

bool TradingOpen(const SeasonState& state) {
    return CommandAvailability(state, true).at("mnuTrade");
}

std::vector<TradeItem> RatedItems(const League& league, const std::vector<int>& ids) {
    TradeRater rater(league);
    std::vector<TradeItem> items;
    for (int id : ids)
        items.push_back(rater.Item(id));
    return items;
}

TradeOutcome ProposeTrade(League& league, const TradeProposal& proposal, Host& host) {
    if (!TradingOpen(league.state)) {
        host.ShowMessage(
            "Trades can be made before the season, up to the trade deadline (day 100) and in the "
            "off-season.",
            "Trade Error", MessageIcon::Warning);
        return TradeOutcome::Invalid;
    }
    const int from = proposal.first.team, to = proposal.second.team;
    if (from >= 1 && from <= kLeagueTeams && !IsHuman(league.team(from))) {
        host.ShowMessage("The " + league.team(from).Name +
                             " are run by the computer; make them a human team on the Team Control screen to "
                             "propose their trades.",
                         "Trade Error", MessageIcon::Warning);
        return TradeOutcome::Invalid;
    }
    if (!ValidateTrade(league, proposal, host)) return TradeOutcome::Invalid;
    if (IsHuman(league.team(to))) {
        if (!host.AskYesNo("Do both human teams agree to this trade?", kTradeTitle))
            return TradeOutcome::Declined;
        MakeTrade(league, proposal, host, true);
        return TradeOutcome::Done;
    }
    const int shortfall = EvaluateTrade(league, proposal, to);
    if (shortfall > 0) {
        host.ShowMessage(VerdictText(league, proposal, to), "Trade Rejected", MessageIcon::Information);
        return TradeOutcome::Refused;
    }
    if (!host.AskYesNo(TradeAnswer(shortfall, league.team(to).Name), kTradeTitle))
        return TradeOutcome::Declined;
    MakeTrade(league, proposal, host, true);
    return TradeOutcome::Done;
}

std::optional<TradeItem> SuggestAddition(const League& league, const TradeProposal& proposal) {
    if (proposal.first.items.size() >= static_cast<size_t>(kMaxTradeItems)) return std::nullopt;
    const int from = proposal.first.team, to = proposal.second.team;
    if (from < 1 || from > kLeagueTeams || to < 1 || to > kLeagueTeams) return std::nullopt;
    std::vector<int> candidates = RosterOf(league, from);
    for (int id = kFirstDraftPickID; id < kFirstDraftPickID + kDraftPickCount; ++id) {
        const DraftPick& d = league.tables.draftPick(id);
        if (d.OwnedBy == from && d.Selection == 0) candidates.push_back(id);
    }
    TradeRater rater(league);
    std::optional<TradeItem> best;
    for (int id : candidates) {
        if (Holds(proposal.first, id)) continue;
        TradeItem item = rater.Item(id);
        if (best && item.rating >= best->rating) continue;
        TradeProposal more = proposal;
        more.first.items.push_back(item);
        if (!TradeProblem(league, more) && EvaluateTrade(league, more, to) <= 0) best = item;
    }
    return best;
}

std::string SuggestionText(const League& league, const TradeProposal& proposal,
                           const std::optional<TradeItem>& addition) {
    const std::string& to = league.team(proposal.second.team).Name;
    if (!addition)
        return "No single player or draft pick of the " + league.team(proposal.first.team).Name +
               " would make the " + to + " accept this trade.";
    return "Adding " + OfferItemText(league, addition->id) + " would make the " + to + " accept this trade.";
}

std::string OfferItemText(const League& league, int id) {
    if (IsPickItem(id)) {
        const DraftPick& d = league.tables.draftPick(id);
        return std::to_string(d.year) + " Round " + std::to_string(d.Round) + " draft pick";
    }
    const Player& p = league.player(id);
    return p.Name + " (" + p.DefaultPosition + "-" + std::to_string(p.CurrentRating) + ")";
}

std::string OfferText(const League& league, const TradeProposal& offer) {
    std::string text;
    for (const TradeSide* side : {&offer.first, &offer.second}) {
        text += (text.empty() ? "" : "\n") + league.team(side->team).Name + " give:";
        for (const TradeItem& item : side->items)
            text += "\n    " + OfferItemText(league, item.id);
    }
    return text;
}

bool PutOfferToUser(League& league, const TradeProposal& offer, Host& host) {
    bool accepted;
    if (auto* presenter = dynamic_cast<TradeOfferPresenter*>(&host))
        accepted = presenter->PresentTradeOffer(league, offer);
    else
        accepted = host.AskYesNo("The " + league.team(offer.first.team).Name + " offer you a trade.\n" +
                                     OfferText(league, offer) + "\nDo you accept this trade?",
                                 "Trade Offer");
    if (!accepted) {
        league.trading.declined.push_back(KeyOf(offer));
        return false;
    }
    MakeTrade(league, offer, host, false);
    return true;
}

bool OfferDeclined(const League& league, const TradeProposal& offer) {
    const OfferKey key = KeyOf(offer);
    const auto& declined = league.trading.declined;
    return std::find(declined.begin(), declined.end(), key) != declined.end();
}

} // namespace hv
