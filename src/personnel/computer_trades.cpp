#include "personnel/computer_trades.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "league/lineup.h"
#include "league/team_control.h"
#include "league/transactions.h"
#include "personnel/pick_values.h"
#include "personnel/trade_offer.h"
#include "personnel/trade_value.h"

namespace hv {

namespace {

constexpr double kLookChance = 0.3; // a computer team looks for a trade in one pass out of three or so
constexpr int kTradesPerSeason = 2; // and makes at most two a season
constexpr int kTargetsTried = 3;    // players it asks about in one look
constexpr int kUpgradeMargin = 3;   // a target must beat its best player there by more than this

// Whether a player may be moved by the computer now: no lock, no exception, fit to play.
bool Movable(const League& league, int id) {
    const Player& p = league.player(id);
    return DaysSinceSigning(league, p) >= kTradeLockDays && !p.Exception && p.TimeInjured == 0 && !p.IR;
}

// The position (1 C .. 5 PG) where the team's best player is weakest, the first of equals; and that rating.
std::pair<int, int> WeakestPosition(const League& league, int team) {
    int best[6] = {0, 0, 0, 0, 0, 0};
    for (int id : RosterOf(league, team)) {
        const Player& p = league.player(id);
        if (p.PositionNumber >= 1 && p.PositionNumber <= 5)
            best[p.PositionNumber] = std::max<int>(best[p.PositionNumber], p.CurrentRating);
    }
    int weakest = 1;
    for (int pos = 2; pos <= 5; ++pos)
        if (best[pos] < best[weakest]) weakest = pos;
    return {weakest, best[weakest]};
}

// The team slot of every league player (as TeamOfPlayer gives it: the first team of his team's name), 0 for
// those of no team; by player slot.
std::vector<int> TeamsOfPlayers(const League& league) {
    std::vector<int> teamOf(kLastLeaguePlayer + 1, 0);
    for (int team = 1; team <= kLeagueTeams; ++team)
        for (int id : RosterOf(league, team))
            if (teamOf[static_cast<size_t>(id)] == 0) teamOf[static_cast<size_t>(id)] = team;
    return teamOf;
}

// Draws `count` of `items` at random (all when there are fewer), in the order drawn.
std::vector<int> Draw(std::vector<int> items, int count, Random& rng) {
    std::vector<int> drawn;
    while (!items.empty() && static_cast<int>(drawn.size()) < count) {
        const size_t i = std::min(items.size() - 1, static_cast<size_t>(rng.Uniform() * items.size()));
        drawn.push_back(items[i]);
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return drawn;
}

} // namespace

std::optional<TradeProposal> FindComputerTrade(League& league, const TradeRater& rater, int team,
                                               const std::vector<bool>& busy, bool withHumans) {
    const auto [position, bestThere] = WeakestPosition(league, team);
    const std::vector<int> teamOf = TeamsOfPlayers(league);
    std::vector<int> targets;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const int other = teamOf[static_cast<size_t>(id)];
        if (other == 0 || other == team || busy[static_cast<size_t>(other)]) continue;
        if (!withHumans && IsHuman(league.team(other))) continue;
        const Player& p = league.player(id);
        if (p.PositionNumber == position && p.CurrentRating > bestThere + kUpgradeMargin &&
            Movable(league, id))
            targets.push_back(id);
    }
    if (targets.empty()) return std::nullopt;

    std::vector<TradeItem> assets;
    for (int id : RosterOf(league, team))
        if (Movable(league, id)) assets.push_back(rater.Item(id));
    for (int id = kFirstDraftPickID; id < kFirstDraftPickID + kDraftPickCount; ++id) {
        const DraftPick& d = league.tables.draftPick(id);
        if (d.OwnedBy == team && d.Selection == 0) assets.push_back(rater.Item(id));
    }
    // Every package of one or two assets.
    std::vector<std::vector<TradeItem>> packages;
    for (size_t i = 0; i < assets.size(); ++i) {
        packages.push_back({assets[i]});
        for (size_t j = i + 1; j < assets.size(); ++j)
            packages.push_back({assets[i], assets[j]});
    }

    for (int target : Draw(targets, kTargetsTried, league.rng)) {
        const int other = TeamOfPlayer(league, target);
        std::optional<TradeProposal> best;
        double bestGain = 0;
        for (const auto& package : packages) {
            TradeProposal deal{{team, package}, {other, {rater.Item(target)}}};
            if (EvaluateTrade(league, deal, other) > 0) continue;
            const double gain = TradeBalance(league, deal, team);
            if (NearestInt(-gain) > 0 || (best && gain <= bestGain)) continue;
            if (TradeProblem(league, deal) || (IsHuman(league.team(other)) && OfferDeclined(league, deal)))
                continue;
            best = deal;
            bestGain = gain;
        }
        if (best) return best;
    }
    return std::nullopt;
}

int TradesThisSeason(const League& league, int team) {
    const std::string& name = league.team(team).Name;
    const std::vector<Transaction>& log = league.tables.transactions;
    // The log is kept in the order of the moves, seasons never going back: the season's lines are its tail,
    // and the seasons before it are not read.
    int trades = 0;
    for (auto t = log.rbegin(); t != log.rend() && t->Season >= league.state.Season; ++t)
        if (t->Season == league.state.Season && t->Team == name && t->Action.rfind("Trade ", 0) == 0)
            ++trades;
    return trades;
}

int RunComputerTrades(League& league, Host& host) {
    if (!TradingOpen(league.state)) return 0;
    const char* caption = "Processing Trades...";
    host.SetProgress(caption, 0, kLeagueTeams);
    UpdatePickValues(league);
    // A trade moves players between teams but changes no one's rank: the ratings hold for the whole pass.
    const TradeRater rater(league);
    std::vector<int> order(kLeagueTeams);
    std::iota(order.begin(), order.end(), 1);
    order = Draw(order, kLeagueTeams, league.rng);

    // Teams that have traded in this pass, or as often as a computer team may in a season.
    std::vector<bool> busy(kLeagueTeams + 1, false);
    for (int t = 1; t <= kLeagueTeams; ++t)
        busy[static_cast<size_t>(t)] =
            !IsHuman(league.team(t)) && TradesThisSeason(league, t) >= kTradesPerSeason;
    bool offered = false;
    int made = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        host.SetProgress(caption, static_cast<int>(i), kLeagueTeams);
        host.PumpEvents();
        if (host.StopRequested()) break;
        const int team = order[i];
        if (IsHuman(league.team(team)) || busy[static_cast<size_t>(team)]) continue;
        if (league.rng.Uniform() >= kLookChance) continue;
        auto deal = FindComputerTrade(league, rater, team, busy, !offered);
        if (!deal) continue;
        const int other = deal->second.team;
        if (IsHuman(league.team(other))) {
            offered = true;
            if (!PutOfferToUser(league, *deal, host)) continue;
        } else {
            ExecuteTrade(league, *deal);
        }
        busy[static_cast<size_t>(team)] = busy[static_cast<size_t>(other)] = true;
        ++made;
    }
    host.SetProgress(caption, kLeagueTeams, kLeagueTeams);
    return made;
}

} // namespace hv
