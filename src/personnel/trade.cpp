#include "personnel/trade.h"

#include <algorithm>
#include <set>

#include "league/draft_picks.h"
#include "league/lineup.h"
#include "league/team_control.h"
#include "league/transactions.h"

namespace hv {

namespace {

constexpr int kLastPickItem = kFirstDraftPickID + kDraftPickCount - 1;

bool Holds(const TradeSide& side, int id) {
    return std::any_of(side.items.begin(), side.items.end(), [id](const TradeItem& i) { return i.id == id; });
}

int PlayersIn(const TradeSide& side) {
    return static_cast<int>(std::count_if(side.items.begin(), side.items.end(),
                                          [](const TradeItem& i) { return !IsPickItem(i.id); }));
}

// "the 2006 Round 1 draft pick of the Hawks"
std::string PickName(const League& league, int id) {
    const DraftPick& d = league.tables.draftPick(id);
    const std::string earner = d.Team >= 1 && d.Team <= kLeagueTeams ? league.team(d.Team).Name : "?";
    return "the " + std::to_string(d.year) + " Round " + std::to_string(d.Round) + " draft pick of the " +
           earner;
}

// The text with its first letter in capitals, to open a sentence.
std::string Opening(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

// Why one side's items cannot be part of the trade, if they cannot.
std::optional<std::string> SideProblem(const League& league, const TradeSide& side, std::set<int>& seen) {
    const Team& t = league.team(side.team);
    if (side.items.size() > static_cast<size_t>(kMaxTradeItems))
        return "The " + t.Name + " may put at most " + std::to_string(kMaxTradeItems) +
               " players or draft picks into one trade.";
    for (const TradeItem& item : side.items) {
        const int id = item.id;
        if (IsPickItem(id)) {
            if (id < kFirstDraftPickID || id > kLastPickItem)
                return "There is no draft pick " + std::to_string(id) + ".";
            const DraftPick& d = league.tables.draftPick(id);
            if (d.OwnedBy != side.team) return "The " + t.Name + " do not hold " + PickName(league, id) + ".";
            if (d.Selection != 0) return Opening(PickName(league, id)) + " has already been used.";
        } else {
            if (id < 1 || id > kLastLeaguePlayer || league.player(id).IsEmpty())
                return "There is no player " + std::to_string(id) + ".";
            if (TeamOfPlayer(league, id) != side.team)
                return league.player(id).Name + " is not on the " + t.Name + " roster.";
        }
        if (!seen.insert(id).second)
            return Opening(IsPickItem(id) ? PickName(league, id) : league.player(id).Name) +
                   " is in this trade twice.";
    }
    return std::nullopt;
}

// The team that holds pick `id` once the trade is done.
int OwnerAfter(const League& league, const TradeProposal& proposal, int id) {
    if (Holds(proposal.first, id)) return proposal.second.team;
    if (Holds(proposal.second, id)) return proposal.first.team;
    return league.tables.draftPick(id).OwnedBy;
}

// True when, after the trade, the team holds no first-round pick in two consecutive drafts of the table.
bool WithoutFirstRounders(const League& league, const TradeProposal& proposal, int team) {
    const int first = NextDraftYear(league);
    bool holds[3] = {false, false, false};
    for (int id = kFirstDraftPickID; id <= kLastPickItem; ++id) {
        const DraftPick& d = league.tables.draftPick(id);
        const int index = d.year - first;
        if (d.Round == 1 && index >= 0 && index < 3 && OwnerAfter(league, proposal, id) == team)
            holds[index] = true;
    }
    return (!holds[0] && !holds[1]) || (!holds[1] && !holds[2]);
}

bool GivesFirstRounder(const League& league, const TradeSide& side) {
    return std::any_of(side.items.begin(), side.items.end(), [&](const TradeItem& i) {
        return IsPickItem(i.id) && league.tables.draftPick(i.id).Round == 1;
    });
}

// The team's counts and payroll from its players, and its line-up: a computer team's is set anew, a human
// team keeps its own with the departed players' slots emptied.
void RefreshTeam(League& league, int team) {
    Team& t = league.team(team);
    t.NumPlayers = t.ActivePlayers = t.Cs = t.PFs = t.SFs = t.SGs = t.PGs = 0;
    t.TotalSalary = 0;
    for (int id : RosterOf(league, team)) {
        const Player& p = league.player(id);
        ++t.NumPlayers;
        t.TotalSalary += p.contract1;
        if (p.IR) continue;
        ++t.ActivePlayers;
        if (p.PositionNumber >= 1 && p.PositionNumber <= 5) ++t.PositionCount(p.PositionNumber);
    }
    auto gone = [&](int16_t id) { return id != 0 && TeamOfPlayer(league, id) != team; };
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            if (gone(t.Depth(pos, row))) t.Depth(pos, row) = 0;
    for (int16_t* key : {&t.keyplayer1, &t.keyplayer2, &t.keyplayer3})
        if (gone(*key)) *key = 0;
    if (!IsHuman(t)) SetLineup(league, team);
}

} // namespace

int DaysSinceSigning(const League& league, const Player& p) {
    const SeasonState& s = league.state;
    return (SigningSeason(s) - p.SignYear) * kSeasonDayScale + s.SeasonDay - p.Signday;
}

std::optional<std::string> TradeProblem(const League& league, const TradeProposal& proposal) {
    const int a = proposal.first.team, b = proposal.second.team;
    if (a < 1 || a > kLeagueTeams || b < 1 || b > kLeagueTeams || a == b)
        return std::string("A trade needs two different teams.");
    if (proposal.first.items.empty() && proposal.second.items.empty())
        return std::string("Choose the players or draft picks to trade.");
    std::set<int> seen;
    for (const TradeSide* side : {&proposal.first, &proposal.second})
        if (auto problem = SideProblem(league, *side, seen)) return problem;

    // 1. Roster limit.
    for (const TradeSide* side : {&proposal.first, &proposal.second}) {
        const int after = static_cast<int>(RosterOf(league, side->team).size()) - PlayersIn(*side) +
                          PlayersIn(proposal.OtherSide(side->team));
        if (after > kMaxRoster)
            return "This trade would result in the " + league.team(side->team).Name +
                   " having too many players.";
    }
    // 2. Recent signings and trades.
    for (const TradeSide* side : {&proposal.first, &proposal.second})
        for (const TradeItem& item : side->items)
            if (!IsPickItem(item.id) && DaysSinceSigning(league, league.player(item.id)) < kTradeLockDays)
                return league.player(item.id).Name +
                       " was signed/traded less than 60 days ago and may not be traded.";
    // 3. Cap exceptions.
    for (const TradeSide* side : {&proposal.first, &proposal.second})
        for (const TradeItem& item : side->items)
            if (!IsPickItem(item.id) && league.player(item.id).Exception)
                return std::string("Players signed to a salary cap exception may not be traded.");
    // 4. First-round picks: a team that gives one away must keep one in every second draft.
    for (const TradeSide* side : {&proposal.first, &proposal.second})
        if (GivesFirstRounder(league, *side) && WithoutFirstRounders(league, proposal, side->team))
            return "This trade would violate league rules by leaving the " + league.team(side->team).Name +
                   " without a first round pick for two consecutive years in the future.";
    return std::nullopt;
}

bool ValidateTrade(const League& league, const TradeProposal& proposal, Host& host) {
    auto problem = TradeProblem(league, proposal);
    if (problem) host.ShowMessage(*problem, "Trade Error", MessageIcon::Warning);
    return !problem;
}

void ExecuteTrade(League& league, const TradeProposal& proposal) {
    // The lines name the items as they were before the move.
    const std::string firstLine = TradeTransactionText(league, proposal, proposal.first.team);
    const std::string secondLine = TradeTransactionText(league, proposal, proposal.second.team);
    const SeasonState& s = league.state;
    for (const TradeSide* side : {&proposal.first, &proposal.second}) {
        const int to = proposal.OtherSide(side->team).team;
        for (const TradeItem& item : side->items) {
            if (IsPickItem(item.id)) {
                league.tables.draftPick(item.id).OwnedBy = static_cast<int16_t>(to);
                // A draft under way calls the pick's slot for its new holder.
                for (DraftSlot& slot : league.tables.draftOrder)
                    if (slot.PickID == item.id && slot.PlayerID == 0) slot.Team = static_cast<int16_t>(to);
                continue;
            }
            Player& p = league.player(item.id);
            p.Team = league.team(to).Name;
            p.Signday = s.SeasonDay;
            p.SignYear = SigningSeason(s);
            p.BirdYears = 0; // his seasons with the same team start again
        }
    }
    RefreshTeam(league, proposal.first.team);
    RefreshTeam(league, proposal.second.team);
    LogTransaction(league, league.team(proposal.first.team).Name, firstLine);
    LogTransaction(league, league.team(proposal.second.team).Name, secondLine);
}

std::string TradeItemsText(const League& league, const TradeSide& side) {
    std::vector<std::string> players;
    int picks = 0;
    for (const TradeItem& item : side.items) {
        if (IsPickItem(item.id)) {
            ++picks;
        } else {
            const Player& p = league.player(item.id);
            players.push_back(p.DefaultPosition + " " + p.Name);
        }
    }
    std::vector<std::string> parts = std::move(players);
    if (picks > 0)
        parts.push_back(picks == 1 ? std::string("one draft pick") : std::to_string(picks) + " draft picks");
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return text.empty() ? std::string("nothing") : text;
}

std::string TradeTransactionText(const League& league, const TradeProposal& proposal, int team) {
    const TradeSide& mine = proposal.SideOf(team);
    const TradeSide& theirs = proposal.OtherSide(team);
    return "Trade " + TradeItemsText(league, mine) + " to the " + league.team(theirs.team).Name + " for " +
           TradeItemsText(league, theirs);
}

void ClearTradingState(League& league) {
    league.trading = TradingState{};
}

} // namespace hv
