// The roster commands of hoopvale-cli: one case per command, and refusals that save nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "league/lineup_edit.h"
#include "league/transactions.h"
#include "support/cli_test.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

class CliRoster : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        test::RosterLeague rl;
        for (int t = 1; t <= kLeagueTeams; ++t)
            rl.Fill(t, 12);
        rl.Add(1, 3, 70, 6, true);
        fa = rl.Add(0, 5, 50);
        rl.league.player(fa).Name = "Zed Free";
        rl.league.player(fa).Experience = 0;
        rl.league.player(1).Name = "Ann Centre";
        SetHuman(rl.league.team(1), true);
        Save(rl.league, "Test");
    }
    int fa = 0;
};

TEST_F(CliRoster, RefusalsExitOneWithTheirMessageAndSaveNothing) {
    ExpectRefusals("Test",
                   {{{"sign", "Test", "Owls", "Zed Free"},
                     1,
                     "Error: The Owls are run by the computer; make them a human team on the Team "
                     "Control screen to change their roster.\n"},
                    {{"--no", "cut", "Test", "Hawks", "1"},
                     1,
                     "Cut Players: Are you sure you want to release Ann Centre? [no]\n"},
                    {{"lineup", "Test", "Hawks", "--offense", "25"}, 1, "Roster Error: Offense must be"},
                    {{"lineup", "Test", "Hawks", "--depth", "C4=1"}, 2, ""}});
}

TEST_F(CliRoster, MovesPrintTheirTransactionAndSave) {
    EXPECT_EQ(Run({"sign", "Test", "hawks", "zed free"}).out,
              "Sign PG Zed Free for $332,817 over one year.\n");
    EXPECT_EQ(Run({"ir", "Test", "Hawks", "Ann Centre"}).out, "Place C Ann Centre on Injured Reserve.\n");
    ASSERT_EQ(Run({"cut", "Test", "Hawks", "2"}).status, 0);
    const auto league = Load("Test");
    EXPECT_EQ(std::make_tuple(league->player(fa).Team, league->player(1).IR, league->player(2).Team),
              std::make_tuple("Hawks", true, kFreeAgent));
    EXPECT_EQ(Run({"transactions", "Test", "--csv"}).out.rfind("Season,Day,Team,Transaction\n", 0), 0u);
    // Newest first; a kind in any case.
    const test::CliResult cuts = Run({"transactions", "Test", "--team", "hawks", "--type", "cut", "--csv"});
    EXPECT_EQ(cuts.status, 0) << cuts.err;
    EXPECT_EQ(std::count(cuts.out.begin(), cuts.out.end(), '\n'), 2) << cuts.out;
    EXPECT_TRUE(cuts.Says(",Hawks,Cut ")) << cuts.out;
    const std::string all = Run({"transactions", "Test"}).out;
    EXPECT_LT(all.find("Cut "), all.find("Sign PG Zed Free")) << all;
    const test::CliResult bad = Run({"transactions", "Test", "--type", "loan"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.find("unknown type \"loan\"") != std::string::npos) << bad.err;
}

TEST_F(CliRoster, RosterAndLineupShowAndChangeTheDepthChart) {
    const test::CliResult roster = Run({"roster", "Test", "Hawks"});
    for (const char* text : {"City1 Hawks (Human): 13 players, 12 active", "Depth chart", "Key player 1"})
        EXPECT_TRUE(roster.Says(text)) << text;
    ASSERT_EQ(Run({"lineup", "Test", "Hawks", "--depth", "pf3=Ann Centre", "--key", "3=11", "--pace", "100"})
                  .status,
              0);
    const auto league = Load("Test");
    EXPECT_EQ(std::make_tuple(league->team(1).PF3, league->team(1).keyplayer3, league->team(1).Pace),
              std::make_tuple(1, 11, 100));
}

TEST_F(CliRoster, InjuriesFindPositionAndControl) {
    EXPECT_TRUE(Run({"injuries", "Test"}).Says("Bruised Knee"));
    EXPECT_TRUE(Run({"find", "Test", "--name", "ZED", "--position", "pg", "--team", "FA", "--csv"})
                    .Says(",Zed Free,FA,"));
    ASSERT_EQ(Run({"position", "Test", "Ann Centre", "sf"}).status, 0);
    EXPECT_EQ(Load("Test")->player(1).DefaultPosition, "SF");
    ASSERT_EQ(Run({"control", "Test", "--all", "computer", "--human", "Owls", "--coach", "Owls", "--pbp",
                   "Owls", "on"})
                  .status,
              0);
    const auto league = Load("Test");
    EXPECT_EQ(std::make_tuple(league->team(1).Owner, league->team(2).Owner, league->team(2).CoachTeam,
                              league->team(2).pbp),
              std::make_tuple("Computer", "Human", true, true));
}

} // namespace
} // namespace hv
