#include "reports/league_census.h"

#include <algorithm>
#include <vector>

#include "league/salary.h"

namespace hv {

LeagueCensus TakeCensus(const League& league) {
    LeagueCensus c;
    std::vector<int> roster(kLeagueTeams + 1, 0);
    double ratings = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty()) {
            ++c.emptySlots;
            continue;
        }
        ++c.usedSlots;
        const int team = league.FindTeam(p.Team);
        if (team >= 1 && team <= kLeagueTeams) {
            ++c.onTeams;
            ++roster[static_cast<size_t>(team)];
            ratings += p.CurrentRating;
        } else if (p.Team == kFreeAgent) {
            ++c.freeAgents;
        } else if (p.Team == kDraft || p.Team == kNextDraft) {
            ++c.prospects;
        } else {
            ++c.unattached;
        }
    }
    std::vector<int> listed(kLastLeaguePlayer + 1, 0);
    for (int16_t id : league.freeIDs) {
        ++c.freeIDs;
        if (id < 1 || id > kLastLeaguePlayer || !league.player(id).IsEmpty() ||
            listed[static_cast<size_t>(id)]++)
            ++c.leakedIDs;
    }
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (league.player(id).IsEmpty() && !listed[static_cast<size_t>(id)]) ++c.leakedIDs;
    const auto [least, most] = std::minmax_element(roster.begin() + 1, roster.end());
    c.smallestRoster = *least;
    c.largestRoster = *most;
    c.meanRating = c.onTeams ? ratings / c.onTeams : 0.0;
    std::vector<int64_t> payrolls;
    for (int team = 1; team <= kLeagueTeams; ++team)
        payrolls.push_back(Payroll(league.team(team)));
    std::nth_element(payrolls.begin(), payrolls.begin() + kLeagueTeams / 2, payrolls.end());
    c.medianPayroll = payrolls[kLeagueTeams / 2];
    return c;
}

} // namespace hv
