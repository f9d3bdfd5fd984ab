// The editor and import commands of hoopvale-cli: edit-player, edit-team, import-stats and a new league from
// statistics. Refusals exit 1 and leave the saved league's bytes as they were.
#include <gtest/gtest.h>

#include "league/league_options.h"
#include "league/ratings.h"
#include "platform/sqlite_db.h"
#include "support/cli_test.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

const std::string kStats =
    "Name,Position,Age,Height,Weight,Team,G,MIN,FG,FGA,3P,3PA,FT,FTA,ORB,DRB,AST,STL,BLK,TOV,PF,PTS\n"
    "Pat Guard,PG,27,75,190,Hawks,80,2600,500,1100,80,230,200,240,40,200,550,110,15,190,170,1280\n"
    "Cy Centre,C,24,85,265,FA,70,1800,330,600,0,3,150,260,210,420,90,40,130,110,230,810\n";

class CliEdit : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        test::RosterLeague rl;
        for (int t = 1; t <= kLeagueTeams; ++t)
            rl.Fill(t, 13);
        rl.league.player(1).Name = "Ann Centre";
        rl.league.RebuildFreeIDs();
        Save(rl.league, "Test");
    }
};

TEST_F(CliEdit, RefusalsExitOneAndSaveNothing) {
    ExpectRefusals("Test", {{{"edit-player", "Test", "Ann Centre", "--set", "Age=12"},
                             1,
                             "Edit League: Age 12 is outside 16 to 50. Nothing was changed.\n"},
                            {{"edit-player", "Test", "1", "--set", "Age"}, 2, "is not FIELD=VALUE"},
                            {{"edit-team", "Test", "Hawks", "--set", "Name=Owls"}, 1, "is taken by team 2"},
                            {{"edit-team", "Test", "Hawks", "--set", "Trap=33"}, 1, "Trap \"33\" is not"}});
    // A league with a password: only its commissioner edits it.
    auto league = Load("Test");
    league->state.Password = "pw";
    Save(*league, "Locked");
    ExpectRefusals(
        "Locked",
        {{{"edit-player", "Locked", "1", "--set", "Age=30"}, 1, kEditLeagueRefusal},
         {{"edit-team", "Locked", "Hawks", "--set", "City=X"}, 1, kEditLeagueRefusal},
         {{"--commish", "wrong", "edit-team", "Locked", "Hawks", "--set", "City=X"}, 1, kEditLeagueRefusal}});
    const test::CliResult ok = Run({"--commish", "pw", "edit-player", "Locked", "1", "--set", "Age=30"});
    EXPECT_EQ(ok.status, 0) << ok.err;
}

TEST_F(CliEdit, EditsPrintTheirLogLineAndSave) {
    const auto before = Load("Test");
    const std::string line = "Commissioner edited C Ann Centre: Age " +
                             std::to_string(before->player(1).Age) + " to 31, InsideScoring " +
                             std::to_string(before->player(1).InsideScoring) + " to 88.";
    const test::CliResult player =
        Run({"edit-player", "Test", "ann centre", "--set", "Age=31", "--set", "InsideScoring=88"});
    ASSERT_EQ(player.status, 0) << player.err;
    EXPECT_EQ(player.out.substr(0, player.out.find('\n')), line);
    auto league = Load("Test");
    EXPECT_EQ(league->player(1).Age, 31);
    EXPECT_EQ(league->player(1).InsideScoring, 88);
    EXPECT_EQ(league->tables.transactions.back().Action, line);

    const test::CliResult team =
        Run({"edit-team", "Test", "hawks", "--set", "City=Harbour Town", "--set", "DraftFocus=3"});
    ASSERT_EQ(team.status, 0) << team.err;
    EXPECT_TRUE(team.Says("City: Harbour Town\n")) << team.out;
    EXPECT_EQ(Load("Test")->team(1).City, "Harbour Town");
}

TEST_F(CliEdit, ImportStatsAddsRatedPlayersOrRefusesTheWholeFile) {
    home.Write("import/season.csv", kStats);
    home.Write("import/bad.csv",
               kStats + "Al Bad,G,27,75,190,Hawks,80,2600,500,1100,80,230,200,240,40,200,550,110,"
                        "15,190,170,1280\n");
    ExpectRefusals("Test",
                   {{{"import-stats", "Test", "bad.csv"},
                     1,
                     "Import Error: Invalid File Format Line 4: Position \"G\" is not C, PF, SF, SG or "
                     "PG.\n"},
                    {{"import-stats", "Test", "season.csv", "--to", "NextDraft"}, 1, "Import Error"},
                    {{"import-stats", "Test", "missing.csv"}, 1, "File Not Found"}});
    const test::CliResult r = Run({"import-stats", "Test", "season.csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.Says("Imported 2 players.")) << r.out;
    auto league = Load("Test");
    int guard = 0, centre = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        if (league->player(id).Name == "Pat Guard") guard = id;
        if (league->player(id).Name == "Cy Centre") centre = id;
    }
    ASSERT_NE(guard, 0);
    ASSERT_NE(centre, 0);
    EXPECT_EQ(league->player(guard).Team, "Hawks");
    EXPECT_GT(league->player(guard).contract1, 0);
    EXPECT_EQ(league->team(1).NumPlayers, 14);
    EXPECT_EQ(league->player(centre).Team, kFreeAgent);
    EXPECT_GT(league->player(guard).Passing, league->player(centre).Passing);
    // Everybody to the draft class.
    ASSERT_EQ(Run({"import-stats", "Test", "season.csv", "--to", "draft"}).status, 0);
}

TEST_F(CliEdit, ANewLeagueFromStatistics) {
    // The default league's first team, as the database names it.
    const test::CliResult teams = Run({"new", "Probe", "--source", "fictional"});
    ASSERT_EQ(teams.status, 0) << teams.err;
    const std::string firstTeam = Load("Probe")->team(1).Name;
    std::string stats = kStats;
    stats.replace(stats.find(",Hawks,"), 7, "," + firstTeam + ",");
    home.Write("import/season.csv", stats);
    const test::CliResult r = Run({"new", "Real", "--source", "stats:season.csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto league = Load("Real");
    EXPECT_EQ(league->player(1).Name, "Pat Guard");
    EXPECT_EQ(league->player(1).Team, firstTeam);
    EXPECT_GT(league->player(1).contract1, 0);
    EXPECT_EQ(league->player(2).Team, kFreeAgent);
    home.Write("import/bad.csv", "Name,Position\n");
    const test::CliResult bad = Run({"new", "Bad", "--source", "stats:bad.csv"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.Says("the header names no column Age")) << bad.err;
}

TEST_F(CliEdit, ASavedDefaultLeagueIsTheLeagueANewLeagueStartsFrom) {
    EXPECT_EQ(Run({"default-league", "--list"}).out, "default.lge\n");
    const std::string shipped = test::FileBytes(home / "default.lge");
    for (const char* name : {"default", "Default.lge", "current.lge", "../elsewhere"}) {
        const test::CliResult r = Run({"default-league", "--save-as", name});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_TRUE(r.Says("Default League: ")) << r.err;
    }
    const test::CliResult saved = Run({"default-league", "--save-as", "Mine"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(Run({"default-league", "--list"}).out, "default.lge\nMine.lge\n");
    // The saved league, changed, is what a new league from it holds; the shipped file is untouched.
    {
        SqliteDb mine(home / "Mine.lge");
        mine.Execute("UPDATE Team SET City = 'Harbour Town' WHERE ID = (SELECT MIN(ID) FROM Team)");
        mine.Execute("UPDATE Player SET Name = 'Mona Mine' WHERE ID = 1");
    }
    const test::CliResult made = Run({"new", "FromMine", "--source", "Mine.lge", "--randomization", "none"});
    ASSERT_EQ(made.status, 0) << made.err;
    auto league = Load("FromMine");
    EXPECT_EQ(league->team(1).City, "Harbour Town");
    EXPECT_EQ(league->player(1).Name, "Mona Mine");
    EXPECT_EQ(Run({"new", "Other", "--source", "Missing.lge"}).status, 1);
    EXPECT_TRUE(test::FileBytes(home / "default.lge") == shipped);
    // Replacing a saved one asks first; the safe answer keeps it.
    EXPECT_EQ(Run({"--no", "default-league", "--save-as", "Mine"}).status, 1);
}

} // namespace
} // namespace hv
