#include "personnel/human_bid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "league/salary.h"
#include "league/team_control.h"
#include "personnel/free_agency.h"
#include "personnel/free_agency_bids.h"

namespace hv {

namespace {

constexpr const char* kTitle = "Free Agency";

bool Refuse(Host& host, const std::string& text) {
    host.ShowMessage(text, kTitle, MessageIcon::Warning);
    return false;
}

FreeAgentBid UserBid(int id, int team, const std::vector<int32_t>& amounts) {
    FreeAgentBid bid;
    bid.PlayerID = static_cast<int16_t>(id);
    bid.TeamID = static_cast<int16_t>(team);
    bid.Years = static_cast<int16_t>(std::min<size_t>(amounts.size(), bid.Amounts.size()));
    for (size_t y = 0; y < static_cast<size_t>(bid.Years); ++y)
        bid.Amounts[y] = amounts[y];
    return bid;
}

} // namespace

std::string PercentText(double share) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", share * 100);
    std::string s = text;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    return s;
}

bool ValidateHumanBid(const League& league, int id, int team, const std::vector<int32_t>& amounts,
                      Host& host) {
    const Player& p = league.player(id);
    const Team& t = league.team(team);
    const size_t years = amounts.size();
    if (years < 1 || years > 7) return Refuse(host, "A contract runs for 1 to 7 years.");
    for (int32_t a : amounts)
        if (a <= 0) return Refuse(host, "Contract value must be greater than 0.");
    const int32_t minimum = MinimumSalary(p.Experience);
    for (size_t y = 0; y < years; ++y)
        if (amounts[y] < minimum)
            return Refuse(host, "Illegal Contract: Year " + std::to_string(y + 1) +
                                    " is lower than the minimum salary");
    const int32_t maximum = MaximumSalary(league.state, p.Experience);
    for (size_t y = 0; y < years; ++y)
        if (amounts[y] > maximum)
            return Refuse(host, "Illegal Contract: Salary in year " + std::to_string(y + 1) +
                                    " exceeds maximum salary.");
    for (size_t y = 1; y < years; ++y)
        if (amounts[y] < amounts[y - 1])
            return Refuse(host, "Contract Value may not decrease from year to year");
    const bool longTimeOwnPlayer = p.LastTeam == t.Name && league.state.Season - p.LastFASeason >= 3;
    // Raises are compared in tenths of a percent, the figures the message shows.
    const long limit = longTimeOwnPlayer ? 125 : 100;
    for (size_t y = 1; y < years; ++y) {
        const long raise = std::lround(1000.0 * (amounts[y] - amounts[y - 1]) / amounts[y - 1]);
        if (raise > limit)
            return Refuse(host, PercentText(raise / 1000.0) + "% raise from year " + std::to_string(y) +
                                    " to year " + std::to_string(y + 1) +
                                    " is greater than the maximum raise of " + PercentText(limit / 1000.0) +
                                    "%");
    }
    if (HumanBidKind(league, UserBid(id, team, amounts)) == BidKind::None) {
        for (int32_t a : amounts)
            if (a != minimum)
                return Refuse(
                    host, "You may only sign players for two years at the minimum salary when over the cap.");
        if (years > 2) return Refuse(host, p.Name + " will only sign for two years at the minimum salary");
    }
    return true;
}

BidKind HumanBidKind(const League& league, const FreeAgentBid& bid) {
    FreeAgentBid b = bid;
    const bool formerTeam = league.player(bid.PlayerID).LastTeam == league.team(bid.TeamID).Name;
    b.Kind = formerTeam ? BidKind::Resign : BidKind::New;
    const CapPass pass = HowBidFitsCap(league, b);
    if (pass == CapPass::Room || pass == CapPass::BirdRights) return b.Kind;
    if (pass == CapPass::Minimum) return BidKind::Min;
    for (BidKind exception : {BidKind::Mid, BidKind::Low}) {
        b.Kind = exception;
        if (HowBidFitsCap(league, b) != CapPass::None) return exception;
    }
    return BidKind::None;
}

bool PlaceHumanBid(League& league, int team, int id, const std::vector<int32_t>& amounts, Host& host) {
    if (!FreeAgencyDayToRun(league.state))
        return Refuse(host, "Bids are made during the free agency period.");
    if (team < 1 || team > kLeagueTeams || !IsHuman(league.team(team)))
        return Refuse(host, "Only a human team's bids are made by hand.");
    const Player& p = league.player(id);
    if (p.IsEmpty() || p.Team != kFreeAgent) return Refuse(host, p.Name + " is not a free agent.");
    if (!ValidateHumanBid(league, id, team, amounts, host)) return false;
    FreeAgentBid bid = UserBid(id, team, amounts);
    bid.Kind = HumanBidKind(league, bid);
    // A bid he could not take (a full roster) is refused now rather than dropped when he decides.
    if (const std::string fault = BidFault(league, bid); !fault.empty()) return Refuse(host, fault);
    PlaceBid(league, bid);
    return true;
}

bool WithdrawHumanBid(League& league, int team, int id, Host& host) {
    if (!FreeAgencyDayToRun(league.state))
        return Refuse(host, "Bids are made during the free agency period.");
    if (team < 1 || team > kLeagueTeams || !WithdrawBid(league, id, team))
        return Refuse(host, "The " + league.team(std::clamp(team, 1, kLeagueTeams)).Name +
                                " have no bid for " + league.player(id).Name + ".");
    return true;
}

} // namespace hv
