// The trade tests' league: 29 teams of twelve players aged 27 and paid 1000000 (trade values stay plain), the
// Hawks (team 1) run by the user, the picks of 2006 to 2008, season 2005 on day 10.
#pragma once

#include <vector>

#include "league/draft_picks.h"
#include "league/salary.h"
#include "league/save_file.h"
#include "league/team_control.h"
#include "personnel/trade_offer.h"
#include "support/roster_league.h"

namespace hv::test {

// Team t's players are 12 (t - 1) + 1 to 12 t: positions C, PF, SF, SG, PG in turn, ratings 80 down.
inline int PlayerOf(int team, int index) {
    return 12 * (team - 1) + index;
}

class TradeLeague {
  public:
    TradeLeague() {
        for (int t = 1; t <= kLeagueTeams; ++t)
            rl.Fill(t, 12);
        for (int id = 1; id <= PlayerOf(kLeagueTeams, 12); ++id) {
            Player& p = league.player(id);
            p.FutureRating = p.CurrentRating;
            p.Age = 27;
            p.contract1 = 1000000;
        }
        for (int t = 1; t <= kLeagueTeams; ++t)
            league.team(t).TotalSalary = static_cast<int32_t>(TeamPayroll(league, t));
        SetHuman(league.team(1), true);
        CreatePickTable(league);
    }

    // A proposal from team `from` to team `to`, each item rated as the league stands.
    TradeProposal Proposal(int from, const std::vector<int>& give, int to,
                           const std::vector<int>& get) const {
        return {{from, RatedItems(league, give)}, {to, RatedItems(league, get)}};
    }
    // `count` more players for the team, rated 50.
    void AddPlayers(int team, int count) {
        for (int i = 0; i < count; ++i)
            rl.Add(team, i % 5 + 1, 50);
        league.team(team).TotalSalary = static_cast<int32_t>(TeamPayroll(league, team));
    }
    void Signed(int id, int season, int day) {
        league.player(id).SignYear = static_cast<int16_t>(season);
        league.player(id).Signday = static_cast<int16_t>(day);
    }
    // The saved form of the league, to tell whether anything changed.
    std::string Snapshot() const { return EncodeLeague(league, "Trades"); }

    RosterLeague rl;
    League& league = rl.league;
};

} // namespace hv::test
