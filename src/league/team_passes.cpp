#include "league/team_passes.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "league/team.h"

namespace hv {

namespace {

int16_t StrengthOf(const League& league, const std::string& team) {
    std::vector<int> ratings;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == team) ratings.push_back(p.CurrentRating);
    }
    if (ratings.empty()) return 0;
    std::sort(ratings.begin(), ratings.end(), std::greater<>());
    const size_t counted = std::min<size_t>(ratings.size(), kTeamRatingPlayers);
    double sum = 0;
    for (size_t i = 0; i < counted; ++i)
        sum += ratings[i];
    return static_cast<int16_t>(NearestInt(sum / static_cast<double>(counted)));
}

} // namespace

void RankTeams(League& league) {
    std::array<double, kLeagueTeams + 1> measure{};
    std::vector<int> order;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.TeamRating = StrengthOf(league, team.Name);
        measure[static_cast<size_t>(t)] = team.TeamRating / 2.0 + 50 * WinningPercentage(team);
        order.push_back(t);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return measure[static_cast<size_t>(a)] > measure[static_cast<size_t>(b)];
    });
    for (size_t i = 0; i < order.size(); ++i) {
        Team& team = league.team(order[i]);
        const int place = static_cast<int>(i) + 1;
        team.OldWinRating = team.WinRating;
        team.WinRating =
            static_cast<int16_t>(NearestInt(100.0 * (kLeagueTeams - place) / (kLeagueTeams - 1)));
    }
}

void RecountRosters(League& league) {
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.NumPlayers = team.ActivePlayers = 0;
        team.Cs = team.PFs = team.SFs = team.SGs = team.PGs = 0;
    }
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        const int t = p.IsEmpty() ? 0 : league.FindTeam(p.Team);
        if (t == 0) continue;
        Team& team = league.team(t);
        ++team.NumPlayers;
        if (p.IR) continue;
        ++team.ActivePlayers;
        if (p.PositionNumber >= 1 && p.PositionNumber <= 5) ++team.PositionCount(p.PositionNumber);
    }
}

} // namespace hv
