// The roster tests' league, and a check that a team's counts agree with its players.
#pragma once

#include <gtest/gtest.h>

#include "support/roster_league.h"

namespace hv::test {

// The team's stored counts against its players: roster size, active players, active players by position.
inline void ExpectCountsAgree(const League& league, int team) {
    const Team& t = league.team(team);
    int players = 0, active = 0, byPosition[6] = {};
    for (int id : RosterOf(league, team)) {
        const Player& p = league.player(id);
        ++players;
        if (!p.IR) {
            ++active;
            ++byPosition[p.PositionNumber];
        }
    }
    EXPECT_EQ(t.NumPlayers, players) << t.Name;
    EXPECT_EQ(t.ActivePlayers, active) << t.Name;
    const int16_t stored[] = {t.Cs, t.PFs, t.SFs, t.SGs, t.PGs};
    for (int pos = 1; pos <= 5; ++pos)
        EXPECT_EQ(stored[pos - 1], byPosition[pos]) << t.Name << " position " << pos;
}

} // namespace hv::test
