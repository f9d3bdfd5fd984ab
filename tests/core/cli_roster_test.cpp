// The roster commands of hoopvale-cli, run in-process on a saved league: one case per command and its
// refusals, which exit 1 and leave the saved file as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_app.h"
#include "core/roster_test_support.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "season/lineup_edit.h"
#include "season/transactions.h"
#include "support/temp_home.h"

namespace hv {
namespace {

struct CliResult {
    int status;
    std::string out, err;
};

class CliRoster : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        test::RosterLeague rl;
        for (int t = 1; t <= kLeagueTeams; ++t)
            rl.Fill(t, 12);
        hurt = rl.Add(1, 3, 70, 6, true);
        fa = rl.Add(0, 5, 50);
        rl.league.player(fa).Name = "Zed Free";
        rl.league.player(fa).Experience = 0;
        rl.league.player(1).Name = "Ann Centre";
        SetHuman(rl.league.team(1), true);
        rl.league.programFolder = home.path();
        ScriptedHost host;
        ASSERT_TRUE(SaveLeague(rl.league, "Test", host)) << host.LastMessage();
    }

    CliResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string()});
        std::ostringstream out, err;
        int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str(), err.str()};
    }

    std::string Bytes() {
        std::ifstream in(home / "save/Test.sav", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    League Load() {
        League league;
        league.programFolder = home.path();
        ScriptedHost host;
        EXPECT_TRUE(LoadLeague(league, "Test.sav", host)) << host.LastMessage();
        return league;
    }

    test::TempHome home;
    int hurt = 0, fa = 0;
};

TEST_F(CliRoster, RefusalsExitOneWithTheirMessageAndSaveNothing) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"sign", "Test", "Owls", "Zed Free"},
         1,
         "Error: The Owls are run by the computer; make them a human team on the Team Control screen to "
         "change "
         "their roster.\n"},
        {{"--no", "cut", "Test", "Hawks", "1"},
         1,
         "Cut Players: Are you sure you want to release Ann Centre? [no]\n"},
        {{"lineup", "Test", "Hawks", "--depth", "C4=1"}, 2, ""},
        {{"lineup", "Test", "Hawks", "--offense", "25"}, 1, "Roster Error: Offense must be 0, 50 or 100.\n"},
        {{"position", "Test", "13", "PG"}, 1, "Error: Only players of human teams can change position.\n"},
        {{"control", "Test", "--human", "Owls", "--computer", "owls"}, 2, ""},
    };
    const std::string before = Bytes();
    for (const Case& c : cases) {
        CliResult r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args.back() << ": " << r.err;
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err) << c.args[0];
        }
        EXPECT_FALSE(r.err.empty()) << c.args[0] << " says why";
        EXPECT_EQ(Bytes(), before) << c.args[0];
    }
}

TEST_F(CliRoster, MovesPrintTheirTransactionAndSave) {
    CliResult sign = Run({"sign", "Test", "hawks", "zed free"});
    ASSERT_EQ(sign.status, 0) << sign.err;
    EXPECT_EQ(sign.out, "Sign PG Zed Free for $332,817 over one year.\n");
    CliResult ir = Run({"ir", "Test", "Hawks", "Ann Centre"});
    ASSERT_EQ(ir.status, 0) << ir.err;
    EXPECT_EQ(ir.out, "Place C Ann Centre on Injured Reserve.\n");
    CliResult cut = Run({"cut", "Test", "Hawks", "2"});
    ASSERT_EQ(cut.status, 0) << cut.err;
    League league = Load();
    EXPECT_EQ(league.player(fa).Team, "Hawks");
    EXPECT_TRUE(league.player(1).IR);
    EXPECT_EQ(league.player(2).Team, kFreeAgent);
    EXPECT_EQ(league.tables.transactions.size(), 3u);

    CliResult log = Run({"transactions", "Test", "--csv"});
    ASSERT_EQ(log.status, 0);
    std::istringstream lines(log.out);
    std::string header;
    std::getline(lines, header);
    EXPECT_EQ(header, "Season,Day,Team,Transaction");
    EXPECT_EQ(Run({"transactions", "Test", "--team", "Owls"}).out, "No transactions.\n");
}

TEST_F(CliRoster, RosterAndLineupShowAndChangeTheDepthChart) {
    CliResult roster = Run({"roster", "Test", "Hawks"});
    ASSERT_EQ(roster.status, 0) << roster.err;
    EXPECT_NE(roster.out.find("City1 Hawks (Human): 13 players, 12 active"), std::string::npos);
    EXPECT_NE(roster.out.find("Depth chart"), std::string::npos);
    EXPECT_NE(roster.out.find("Key player 1"), std::string::npos);

    CliResult lineup =
        Run({"lineup", "Test", "Hawks", "--depth", "pf3=Ann Centre", "--key", "3=11", "--pace", "100"});
    ASSERT_EQ(lineup.status, 0) << lineup.err;
    League league = Load();
    EXPECT_EQ(league.team(1).PF3, 1);
    EXPECT_EQ(league.team(1).keyplayer3, 11);
    EXPECT_EQ(league.team(1).Pace, 100);
    // --auto lets the computer choose, as it does for its own teams.
    SetLineup(league, 1);
    ASSERT_EQ(Run({"lineup", "Test", "Hawks", "--auto"}).status, 0);
    EXPECT_EQ(LineupOf(Load().team(1)), LineupOf(league.team(1)));
}

TEST_F(CliRoster, InjuriesFindPositionAndControl) {
    CliResult injuries = Run({"injuries", "Test"});
    ASSERT_EQ(injuries.status, 0);
    EXPECT_NE(injuries.out.find("Bruised Knee"), std::string::npos);
    EXPECT_EQ(Run({"injuries", "Test", "--team", "Owls", "--ir"}).out, "Nobody is on injured reserve.\n");

    CliResult find = Run({"find", "Test", "--name", "ZED", "--position", "pg", "--team", "FA", "--csv"});
    ASSERT_EQ(find.status, 0) << find.err;
    EXPECT_EQ(find.out.substr(0, find.out.find('\n')),
              "ID,Pos,Name,Team,Age,Height,Exp,Rating,Ins,Out,Hnd,Def,Reb,Pot,Salary,Status,Injury,Days");
    EXPECT_NE(find.out.find(",Zed Free,FA,"), std::string::npos);

    ASSERT_EQ(Run({"position", "Test", "Ann Centre", "sf"}).status, 0);
    EXPECT_EQ(Load().player(1).DefaultPosition, "SF");

    CliResult control = Run({"control", "Test", "--all", "computer", "--human", "Owls", "--coach", "Owls",
                             "--pbp", "Owls", "on", "--pbp", "Hawks", "off"});
    ASSERT_EQ(control.status, 0) << control.err;
    League league = Load();
    EXPECT_EQ(league.team(1).Owner, "Computer");
    EXPECT_EQ(league.team(2).Owner, "Human");
    EXPECT_TRUE(league.team(2).CoachTeam);
    EXPECT_TRUE(league.team(2).pbp);
    EXPECT_NE(control.out.find("City2 Owls"), std::string::npos);
}

} // namespace
} // namespace hv
