#include "personnel/free_agency.h"

#include <algorithm>

#include "league/ratings.h"
#include "league/salary.h"
#include "league/team_control.h"
#include "league/team_passes.h"
#include "league/transactions.h"
#include "personnel/resign.h"

namespace hv {

namespace {

constexpr int16_t kLastBiddingDay = 184; // the day whose run moves the league to 185 and ends the bidding
constexpr int16_t kFreeAgencyOver = 185;
// Computer teams fill their rosters to twelve players to play and two spares, the most the camp cuts keep.
constexpr int kComputerRosterTarget = kActiveRoster + 2;

// CurrentRating of the team's players at a position, best first.
std::vector<int16_t> RatingsAt(const League& league, const Team& team, int position) {
    std::vector<int16_t> ratings;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == team.Name && p.PositionNumber == position)
            ratings.push_back(p.CurrentRating);
    }
    std::sort(ratings.rbegin(), ratings.rend());
    return ratings;
}

int16_t LowestRating(const League& league, const Team& team) {
    int16_t lowest = 0;
    bool any = false;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty() || p.Team != team.Name) continue;
        if (!any || p.CurrentRating < lowest) lowest = p.CurrentRating;
        any = true;
    }
    return lowest;
}

// A computer team wants a free agent while it is short of twelve players, thin at his position, he would be
// one of its two best there, or it has room and he is better than its weakest player.
bool Wants(const League& league, const Team& team, const Player& p) {
    if (team.NumPlayers < kActiveRoster) return true;
    const auto mine = RatingsAt(league, team, p.PositionNumber);
    if (mine.size() < 2 || p.CurrentRating > mine[1]) return true;
    return team.NumPlayers < 13 && p.CurrentRating > LowestRating(league, team);
}

std::optional<FreeAgentBid> OfferBid(League& league, int team, int id, BidKind kind) {
    auto offer = ComputerOffer(league, id, team, kind);
    if (!offer) return std::nullopt;
    FreeAgentBid bid = MakeBid(id, team, *offer);
    if (HowBidFitsCap(league, bid) == CapPass::None) return std::nullopt;
    return bid;
}

// Free agents who hold a bid, the listed ones first in their order, then the others by ID.
std::vector<int> PlayersWithBids(const League& league, const std::vector<int>& listed) {
    std::vector<int> order;
    for (int id : listed)
        if (!BidsFor(league, id).empty()) order.push_back(id);
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (!BidsFor(league, id).empty() && std::find(order.begin(), order.end(), id) == order.end())
            order.push_back(id);
    return order;
}

// The free agent signs his best valid bid when `takeAny` or when its first year meets his asking value.
void Decide(League& league, int id, bool takeAny, Host& host) {
    const int best = BestBid(league, id, host);
    if (best < 0) return;
    const FreeAgentBid bid = league.tables.bids[static_cast<size_t>(best)];
    if (takeAny || bid.Amounts[0] >= AskingSalary(league, id)) SignBid(league, bid, host);
}

void OpenFreeAgency(League& league) {
    ReleaseUndecidedPlayers(league);
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (!league.player(id).IsEmpty()) CalculatePlayerRatings(league.player(id));
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty() || p.Team != kFreeAgent) continue;
        p.ResignDemand = {};
        p.ResignDemand[0] = OpeningAsk(league, id);
    }
}

} // namespace

bool FreeAgencyOpen(const SeasonState& s) {
    return s.SeasonDay >= Phase::FirstFreeAgency && s.SeasonDay <= Phase::LastFreeAgency;
}

bool FreeAgencyDayToRun(const SeasonState& s) {
    return s.SeasonDay >= Phase::FirstFreeAgency && s.SeasonDay <= kLastBiddingDay;
}

int FreeAgencyDayNumber(const SeasonState& s) {
    return s.SeasonDay - (Phase::FirstFreeAgency - 1);
}

std::vector<int> FreeAgentsByRating(const League& league, int limit) {
    std::vector<int> ids;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == kFreeAgent) ids.push_back(id);
    }
    std::stable_sort(ids.begin(), ids.end(), [&](int a, int b) {
        return league.player(a).CurrentRating > league.player(b).CurrentRating;
    });
    if (ids.size() > static_cast<size_t>(std::max(limit, 0)))
        ids.resize(static_cast<size_t>(std::max(limit, 0)));
    return ids;
}

int32_t OpeningAsk(const League& league, int id) {
    const Player& p = league.player(id);
    const int32_t minimum = MinimumSalary(p.Experience);
    const int32_t maximum = std::max(minimum, MaximumSalary(league.state, p.Experience));
    return std::clamp(static_cast<int32_t>(Nearest(maximum * PlayerWorth(league, id))), minimum, maximum);
}

int32_t AskingSalary(const League& league, int id) {
    const Player& p = league.player(id);
    // The first day of free agency keeps the opening asks; before it a demand he holds is the one his old
    // team was asked, so the ask is worked out afresh.
    const bool opened = league.state.SeasonDay > Phase::FirstFreeAgency && FreeAgencyOpen(league.state);
    const int32_t opening =
        opened && p.Team == kFreeAgent && p.ResignDemand[0] > 0 ? p.ResignDemand[0] : OpeningAsk(league, id);
    const int day = std::clamp(FreeAgencyDayNumber(league.state), 1, 5);
    const int32_t minimum = MinimumSalary(p.Experience);
    const int32_t maximum = std::max(minimum, MaximumSalary(league.state, p.Experience));
    return std::clamp(static_cast<int32_t>(Nearest(opening * (1.3 - 0.1 * day))), minimum, maximum);
}

std::optional<FreeAgentBid> ComputerBid(League& league, int team, int id) {
    const Team& t = league.team(team);
    const Player& p = league.player(id);
    if (IsHuman(t) || t.NumPlayers >= kComputerRosterTarget || p.IsEmpty() || p.Team != kFreeAgent)
        return std::nullopt;
    if (!Wants(league, t, p)) return std::nullopt;
    if (p.LastTeam == t.Name)
        if (auto bid = OfferBid(league, team, id, BidKind::Resign)) return bid;

    const int32_t minimum = MinimumSalary(p.Experience);
    const int32_t maximum = std::max(minimum, MaximumSalary(league.state, p.Experience));
    const int32_t value = std::clamp(
        static_cast<int32_t>(Nearest(maximum * TeamFactor(league, team, id) * PlayerWorth(league, id))),
        minimum, maximum);
    // A new contract when the cap room pays most of what he is worth, else an exception, else the minimum.
    if (CapRoom(league, team) >= minimum)
        if (auto bid = OfferBid(league, team, id, BidKind::New); bid && bid->Amounts[0] >= 0.75 * value)
            return bid;
    if (value > kLowLevelException)
        if (auto bid = OfferBid(league, team, id, BidKind::Mid)) return bid;
    if (value >= 0.8 * kLowLevelException)
        if (auto bid = OfferBid(league, team, id, BidKind::Low)) return bid;
    return OfferBid(league, team, id, BidKind::Min);
}

void ReviewBids(League& league, int team, const std::vector<int>& listed) {
    const Team& t = league.team(team);
    const int room = kComputerRosterTarget - t.NumPlayers;
    std::vector<FreeAgentBid> chosen, minimumOnly;
    for (int id : listed) {
        if (static_cast<int>(chosen.size()) >= room) break;
        auto bid = ComputerBid(league, team, id);
        if (!bid) continue;
        (bid->Kind == BidKind::Min ? minimumOnly : chosen).push_back(*bid);
    }
    for (const FreeAgentBid& b : minimumOnly)
        if (static_cast<int>(chosen.size()) < room) chosen.push_back(b);

    auto& bids = league.tables.bids;
    bids.erase(
        std::remove_if(bids.begin(), bids.end(), [&](const FreeAgentBid& b) { return b.TeamID == team; }),
        bids.end());
    for (const FreeAgentBid& b : chosen)
        PlaceBid(league, b);
}

int ReleaseUndecidedPlayers(League& league) {
    int released = 0;
    for (int id : PlayersAwaitingResign(league)) {
        LeaveAsFreeAgent(league, id);
        ++released;
    }
    return released;
}

bool RunFreeAgencyDay(League& league, Host& host) {
    SeasonState& s = league.state;
    if (!FreeAgencyDayToRun(s)) return false;
    host.SetProgress("Running Free Agency Day " + std::to_string(FreeAgencyDayNumber(s)), 0, kLeagueTeams);
    if (s.SeasonDay == Phase::FirstFreeAgency) OpenFreeAgency(league);
    const std::vector<int> listed = FreeAgentsByRating(league, kListedFreeAgents);

    if (s.SeasonDay < kLastBiddingDay) {
        for (int team = 1; team <= kLeagueTeams; ++team) {
            if (!IsHuman(league.team(team))) ReviewBids(league, team, listed);
            host.PumpEvents();
        }
        for (int id : PlayersWithBids(league, listed))
            Decide(league, id, false, host);
    } else {
        // The last day: each listed free agent hears the computer teams' final offers, then chooses.
        for (int id : listed) {
            for (int team = 1; team <= kLeagueTeams; ++team) {
                if (IsHuman(league.team(team))) continue;
                if (auto bid = ComputerBid(league, team, id))
                    PlaceBid(league, *bid);
                else
                    WithdrawBid(league, id, team);
            }
            Decide(league, id, true, host);
            host.PumpEvents();
        }
        for (int id : PlayersWithBids(league, {}))
            Decide(league, id, true, host);
    }
    RecountPayrolls(league);
    ++s.SeasonDay;
    return true;
}

bool EndFreeAgency(League& league, Host& host) {
    SeasonState& s = league.state;
    if (s.SeasonDay < kFreeAgencyOver || s.SeasonDay > Phase::LastFreeAgency) return false;
    host.SetProgress("Ending Free Agency", 0, 1);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == kFreeAgent) p.BirdYears = 0;
    }
    league.tables.bids.clear();
    RankTeams(league);
    s.SeasonDay = Phase::TrainingCamps;
    return true;
}

bool FreeAgencyStep(League& league, Host& host) {
    if (FreeAgencyDayToRun(league.state)) {
        RunFreeAgencyDay(league, host);
        if (league.state.SeasonDay == kFreeAgencyOver) EndFreeAgency(league, host);
        return true;
    }
    return EndFreeAgency(league, host);
}

} // namespace hv
