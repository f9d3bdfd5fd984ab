#include "personnel/human_bid.h"

#include <algorithm>
#include <cstdio>

#include "league/team_control.h"
#include "personnel/free_agency.h"
#include "personnel/salary.h"

namespace hv {

namespace {

constexpr const char* kTitle = "Free Agency";

bool Refuse(Host& host, const std::string& text) {
    host.ShowMessage(text, kTitle, MessageIcon::Warning);
    return false;
}

// A bid that needs cap room the team lacks is covered by his Bird rights or an exception still unused.
bool OverCapCovered(const League& league, int id, int team, int32_t firstYear) {
    const Team& t = league.team(team);
    return HoldsBirdRights(league.player(id), t) ||
           (!t.UsedMidException && firstYear <= kMidLevelException) ||
           (!t.UsedLowException && firstYear <= kLowLevelException);
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
    const double limit = longTimeOwnPlayer ? 0.1251 : 0.1001;
    for (size_t y = 1; y < years; ++y) {
        const double raise = static_cast<double>(amounts[y] - amounts[y - 1]) / amounts[y - 1];
        if (raise > limit)
            return Refuse(host, PercentText(raise) + "% raise from year " + std::to_string(y) + " to year " +
                                    std::to_string(y + 1) + " is greater than the maximum raise of " +
                                    (longTimeOwnPlayer ? "12.5%" : "10%"));
    }
    if (amounts[0] > CapRoom(league, team) && !OverCapCovered(league, id, team, amounts[0])) {
        for (int32_t a : amounts)
            if (a != minimum)
                return Refuse(
                    host, "You may only sign players for two years at the minimum salary when over the cap.");
        if (years > 2) return Refuse(host, p.Name + " will only sign for two years at the minimum salary");
    }
    return true;
}

BidKind HumanBidKind(const League& league, int id, int team, int32_t firstYear) {
    const Team& t = league.team(team);
    if (league.player(id).LastTeam == t.Name) return BidKind::Resign;
    if (firstYear <= CapRoom(league, team)) return BidKind::New;
    if (!t.UsedMidException && firstYear <= kMidLevelException) return BidKind::Mid;
    if (!t.UsedLowException && firstYear <= kLowLevelException) return BidKind::Low;
    return BidKind::Min;
}

bool PlaceHumanBid(League& league, int team, int id, const std::vector<int32_t>& amounts, Host& host) {
    if (!FreeAgencyDayToRun(league.state))
        return Refuse(host, "Bids are made during the free agency period.");
    if (team < 1 || team > kLeagueTeams || !IsHuman(league.team(team)))
        return Refuse(host, "Only a human team's bids are made by hand.");
    const Player& p = league.player(id);
    if (p.IsEmpty() || p.Team != kFreeAgent) return Refuse(host, p.Name + " is not a free agent.");
    if (!ValidateHumanBid(league, id, team, amounts, host)) return false;
    FreeAgentBid bid;
    bid.PlayerID = static_cast<int16_t>(id);
    bid.TeamID = static_cast<int16_t>(team);
    bid.Kind = HumanBidKind(league, id, team, amounts[0]);
    bid.Years = static_cast<int16_t>(amounts.size());
    for (size_t y = 0; y < amounts.size(); ++y)
        bid.Amounts[y] = amounts[y];
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
