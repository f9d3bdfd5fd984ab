#include "personnel/free_agency_bids.h"

#include <algorithm>

#include "league/league_options.h"
#include "league/salary.h"
#include "league/team_control.h"
#include "league/transactions.h"

namespace hv {

namespace {

// Bonus for the playing time he can expect: by how many of the team's players at his position are better.
double PlayingTimeBonus(const League& league, const Player& p, const Team& team) {
    int better = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& q = league.player(id);
        if (!q.IsEmpty() && q.Team == team.Name && q.PositionNumber == p.PositionNumber &&
            q.CurrentRating > p.CurrentRating)
            ++better;
    }
    static const double bonus[] = {0.5, 0.35, 0.25, 0.2};
    return bonus[std::min(better, 3)];
}

// The bid's money against his maximum salaries over the same years, weighted by his greed.
double MoneyTerm(const League& league, const Player& p, const FreeAgentBid& bid) {
    double offered = 0, most = 0;
    for (int y = 0; y < bid.Years; ++y) {
        offered += bid.Amounts[static_cast<size_t>(y)];
        most += MaximumSalary(league.state, p.Experience + y);
    }
    return most > 0 ? (0.5 + p.Greed / 100.0) * offered / most : 0;
}

// A human team hears of its bid that a free agent no longer takes, and why.
void TellBidLost(const League& league, const FreeAgentBid& bid, const std::string& reason, Host& host) {
    if (bid.TeamID < 1 || bid.TeamID > kLeagueTeams || !IsHuman(league.team(bid.TeamID))) return;
    const std::string player = bid.PlayerID >= 1 && bid.PlayerID <= kLastLeaguePlayer
                                   ? league.player(bid.PlayerID).Name
                                   : "player " + std::to_string(bid.PlayerID);
    host.ShowMessage("The bid of the " + league.team(bid.TeamID).Name + " for " + player +
                         " no longer holds. " + reason,
                     "Free Agency", MessageIcon::Information);
}

} // namespace

const FreeAgentBid* FindBid(const League& league, int id, int team) {
    for (const FreeAgentBid& b : league.tables.bids)
        if (b.PlayerID == id && b.TeamID == team) return &b;
    return nullptr;
}

void PlaceBid(League& league, const FreeAgentBid& bid) {
    for (FreeAgentBid& b : league.tables.bids)
        if (b.PlayerID == bid.PlayerID && b.TeamID == bid.TeamID) {
            b = bid;
            return;
        }
    league.tables.bids.push_back(bid);
}

FreeAgentBid MakeBid(int id, int team, const ContractOffer& offer) {
    FreeAgentBid b;
    b.PlayerID = static_cast<int16_t>(id);
    b.TeamID = static_cast<int16_t>(team);
    b.Kind = offer.kind;
    b.Years = static_cast<int16_t>(offer.years);
    b.Amounts = offer.amounts;
    return b;
}

bool WithdrawBid(League& league, int id, int team) {
    auto& bids = league.tables.bids;
    auto it = std::find_if(bids.begin(), bids.end(),
                           [&](const FreeAgentBid& b) { return b.PlayerID == id && b.TeamID == team; });
    if (it == bids.end()) return false;
    bids.erase(it);
    return true;
}

void RemoveBidsFor(League& league, int id) {
    auto& bids = league.tables.bids;
    bids.erase(
        std::remove_if(bids.begin(), bids.end(), [&](const FreeAgentBid& b) { return b.PlayerID == id; }),
        bids.end());
}

std::vector<size_t> BidsFor(const League& league, int id) {
    std::vector<size_t> found;
    for (size_t i = 0; i < league.tables.bids.size(); ++i)
        if (league.tables.bids[i].PlayerID == id) found.push_back(i);
    return found;
}

OfferYears BidAmounts(const FreeAgentBid& bid) {
    OfferYears a{};
    for (int y = 0; y < bid.Years && y < 7; ++y)
        a[static_cast<size_t>(y)] = bid.Amounts[static_cast<size_t>(y)];
    return a;
}

CapPass HowBidFitsCap(const League& league, const FreeAgentBid& bid) {
    const Player& p = league.player(bid.PlayerID);
    const Team& t = league.team(bid.TeamID);
    const int32_t first = bid.Amounts[0];
    if (first <= CapRoom(league, bid.TeamID)) return CapPass::Room;
    if (HoldsBirdRights(p, t)) return CapPass::BirdRights;
    const OfferYears amounts = BidAmounts(bid);
    const bool minimum = bid.Years >= 1 && bid.Years <= 2 &&
                         std::all_of(amounts.begin(), amounts.begin() + bid.Years,
                                     [&](int32_t a) { return a == MinimumSalary(p.Experience); });
    if (minimum) return CapPass::Minimum;
    if (bid.Kind == BidKind::Mid && !t.UsedMidException && first <= kMidLevelException)
        return CapPass::MidException;
    if (bid.Kind == BidKind::Low && !t.UsedLowException && first <= kLowLevelException)
        return CapPass::LowException;
    return CapPass::None;
}

std::string BidFault(const League& league, const FreeAgentBid& bid) {
    if (bid.PlayerID < 1 || bid.PlayerID > kLastLeaguePlayer || bid.TeamID < 1 || bid.TeamID > kLeagueTeams)
        return "The bid names no player or no team of the league.";
    const Player& p = league.player(bid.PlayerID);
    const Team& t = league.team(bid.TeamID);
    if (p.IsEmpty() || p.Team != kFreeAgent) return p.Name + " is not a free agent.";
    if (bid.Years < 1 || bid.Years > 7) return "A contract runs for 1 to 7 years.";
    if (t.NumPlayers >= kMaxRoster) return "The " + t.Name + " have 15 players.";
    if (bid.Amounts[0] < MinimumSalary(p.Experience))
        return "Illegal Contract: Year 1 is lower than the minimum salary";
    if (HowBidFitsCap(league, bid) != CapPass::None) return "";
    if (bid.Kind == BidKind::Mid && t.UsedMidException)
        return "The " + t.Name + " have used their mid-level exception.";
    if (bid.Kind == BidKind::Low && t.UsedLowException)
        return "The " + t.Name + " have used their low-level exception.";
    return "The " + t.Name + " do not have the cap room for " + SalaryCapText(bid.Amounts[0]) + ".";
}

bool BidIsValid(const League& league, const FreeAgentBid& bid) {
    return BidFault(league, bid).empty();
}

double BidValue(const League& league, const FreeAgentBid& bid) {
    const Player& p = league.player(bid.PlayerID);
    const Team& t = league.team(bid.TeamID);
    double value = PlayingTimeBonus(league, p, t);
    if (p.LastTeam == t.Name) value += 0.3 * p.Loyalty / 100.0;
    value += 0.4 * WinningStrength(t) * p.Winner / 10000.0;
    return value + MoneyTerm(league, p, bid);
}

double BidScore(League& league, const FreeAgentBid& bid) {
    return BidValue(league, bid) * (1 + 0.1 * league.rng.Uniform());
}

int BestBid(League& league, int id, Host& host) {
    auto& bids = league.tables.bids;
    bids.erase(std::remove_if(bids.begin(), bids.end(),
                              [&](const FreeAgentBid& b) {
                                  if (b.PlayerID != id) return false;
                                  const std::string fault = BidFault(league, b);
                                  if (!fault.empty()) TellBidLost(league, b, fault, host);
                                  return !fault.empty();
                              }),
               bids.end());
    int best = -1;
    for (size_t i : BidsFor(league, id)) {
        bids[i].Score = BidScore(league, bids[i]);
        if (best < 0 || bids[i].Score > bids[static_cast<size_t>(best)].Score) best = static_cast<int>(i);
    }
    return best;
}

std::string SigningLine(const Player& p, int32_t firstYear, int years) {
    return "Sign " + p.DefaultPosition + " " + p.Name + " for " + SalaryCapText(firstYear) +
           (years == 1 ? std::string(" over one year.") : " over " + std::to_string(years) + " years.");
}

void SignBid(League& league, const FreeAgentBid& bid, Host& host) {
    const FreeAgentBid b = bid; // the bid itself is removed below
    Player& p = league.player(b.PlayerID);
    Team& t = league.team(b.TeamID);
    const CapPass pass = HowBidFitsCap(league, b);
    for (int year = 1; year <= 8; ++year)
        p.Contract(year) = year <= b.Years ? b.Amounts[static_cast<size_t>(year - 1)] : 0;
    const SeasonState& s = league.state;
    p.Team = t.Name;
    p.LastFASeason = s.Season;
    p.BirdYears = 0;
    p.Signday = s.SeasonDay;
    p.SignYear = SigningSeason(s);
    p.IR = false;
    p.ResignDemand = {};
    p.Exception = pass == CapPass::MidException || pass == CapPass::LowException;
    if (pass == CapPass::MidException) t.UsedMidException = true;
    if (pass == CapPass::LowException) t.UsedLowException = true;
    league.AddToRoster(b.PlayerID);
    t.TotalSalary += p.contract1;
    LogTransaction(league, t.Name, SigningLine(p, p.contract1, b.Years));
    for (size_t i : BidsFor(league, b.PlayerID))
        if (league.tables.bids[i].TeamID != b.TeamID)
            TellBidLost(league, league.tables.bids[i], p.Name + " signed with the " + t.Name + ".", host);
    RemoveBidsFor(league, b.PlayerID);
}

} // namespace hv
