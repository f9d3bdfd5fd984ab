// The league's players grouped by team: after every kind of move a look at a team's roster or at the free
// agents finds what a plain pass over every slot finds.
#include <gtest/gtest.h>

#include "league/lineup.h"
#include "league/transactions.h"
#include "personnel/retirement.h"
#include "platform/scripted_host.h"
#include "support/trade_league.h"

namespace hv {
namespace {

using test::PlayerOf;

// The players whose Team is `team`, found slot by slot.
std::vector<int> Scan(const League& league, const std::string& team) {
    std::vector<int> ids;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (!league.player(id).IsEmpty() && league.player(id).Team == team) ids.push_back(id);
    return ids;
}

void ExpectGroupsAgree(const League& league, const char* after) {
    for (int team = 1; team <= kLeagueTeams; ++team)
        EXPECT_EQ(RosterOf(league, team), Scan(league, league.team(team).Name)) << after << ", " << team;
    for (const char* pseudo : {kFreeAgent, kDraft, kNextDraft})
        EXPECT_EQ(league.PlayersWithTeam(pseudo), Scan(league, pseudo)) << after << ", " << pseudo;
}

TEST(PlayerGroups, AgreeWithAPassOverEverySlotAfterEveryMove) {
    test::TradeLeague t;
    League& league = t.league;
    ScriptedHost host;
    const int freeAgent = PlayerOf(kLeagueTeams, 12) + 1;
    league.player(freeAgent).Name = "Free Agent";
    league.player(freeAgent).Team = kFreeAgent;
    ExpectGroupsAgree(league, "at the start");
    ASSERT_EQ(RosterOf(league, 2).size(), 12u); // the Owls' twelve, found once

    ExecuteTrade(league, t.Proposal(1, {PlayerOf(1, 1), PlayerOf(1, 2)}, 2, {PlayerOf(2, 3)}));
    ExpectGroupsAgree(league, "a trade");
    EXPECT_EQ(RosterOf(league, 2).size(), 13u);

    ASSERT_TRUE(SignPlayer(league, freeAgent, league.team(3).Name));
    ExpectGroupsAgree(league, "a signing");
    EXPECT_EQ(RosterOf(league, 3).back(), freeAgent);

    ASSERT_TRUE(CutPlayer(league, PlayerOf(4, 5)));
    ExpectGroupsAgree(league, "a release");
    EXPECT_EQ(league.PlayersWithTeam(kFreeAgent), std::vector<int>{PlayerOf(4, 5)});

    RetirePlayer(league, PlayerOf(5, 1), host, 2005);
    ExpectGroupsAgree(league, "a retirement");

    // A slot emptied without a change of team is left out all the same.
    league.player(PlayerOf(6, 2)).Name = "N/A";
    ExpectGroupsAgree(league, "an emptied slot");
    EXPECT_EQ(RosterOf(league, 6).size(), 11u);

    // A team renamed: its players, who still name the old team, are no longer its roster.
    league.team(7).Name = "Renamed";
    ExpectGroupsAgree(league, "a renamed team");
    EXPECT_TRUE(RosterOf(league, 7).empty());

    // A copy of the league, changed, and moved back over the original.
    League copy = league;
    copy.player(PlayerOf(8, 1)).Team = copy.team(9).Name;
    ExpectGroupsAgree(copy, "a change in a copy");
    ExpectGroupsAgree(league, "the original beside the changed copy");
    league = std::move(copy);
    ExpectGroupsAgree(league, "the copy moved back");
    EXPECT_EQ(RosterOf(league, 9).size(), 13u);
}

TEST(PlayerGroups, AreFoundAgainOnlyAfterAChangeOfTeam) {
    test::TradeLeague t;
    League& league = t.league;
    RosterOf(league, 1);
    const uint64_t passes = league.groups.Passes();
    for (int team = 1; team <= kLeagueTeams; ++team)
        RosterOf(league, team);
    league.player(1).TimeInjured = 5; // an injury moves nobody
    AvailablePlayersOf(league, 1);
    EXPECT_EQ(league.groups.Passes(), passes);
    league.player(1).Team = league.team(2).Name;
    RosterOf(league, 1);
    EXPECT_EQ(league.groups.Passes(), passes + 1);
}

} // namespace
} // namespace hv
