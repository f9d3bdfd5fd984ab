// From the command line alone: a new league goes through its creation draft to day 0, then through a whole
// season and its playoffs to the champion and the rookie draft; the saved file reloads at every phase.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace hv {
namespace {

struct CliResult {
    int status;
    std::string out, err;
};

class CliSeasonRun : public ::testing::Test {
  protected:
    void SetUp() override { home.CopyInstalledData(); }

    CliResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string(), "--seed", "77"});
        std::ostringstream out, err;
        int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str(), err.str()};
    }

    // The saved league as a fresh load reads it.
    League Load() {
        League league;
        league.programFolder = home.path();
        ScriptedHost host;
        EXPECT_TRUE(LoadLeague(league, "Run.sav", host)) << host.LastMessage();
        return league;
    }

    // Runs a command that must succeed, and checks that the saved file then loads at `day`.
    std::string Step(std::vector<std::string> args, int day) {
        CliResult r = Run(args);
        EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
        EXPECT_EQ(Load().state.SeasonDay, day) << args[0];
        return r.out;
    }

    test::TempHome home;
};

TEST_F(CliSeasonRun, ANewLeagueReachesItsChampionAndTheRookieDraft) {
    Step({"new", "Run", "--type", "draft"}, Phase::CreationDraft);
    Step({"control", "Run", "--all", "computer", "--pbp", "Ospreys", "on"}, Phase::CreationDraft);
    Step({"draft", "Run", "--auto"}, Phase::BeforeSeason);
    EXPECT_EQ(Step({"begin-season", "Run"}, 1), "Season 2003 - Day 1\n");

    std::string out = Step({"sim", "Run", "--week"}, 6);
    EXPECT_EQ(out.rfind("Day 1:\n", 0), 0u);
    EXPECT_NE(out.find("Day 5:\n"), std::string::npos);
    EXPECT_NE(out.find("\nSeason 2003 - Day 6\n"), std::string::npos);

    // The single day stops at the All-Star break; the half season stops before it.
    Step({"sim", "Run", "--half"}, 60);
    CliResult pause = Run({"sim", "Run", "--day"});
    EXPECT_EQ(pause.status, 1);
    EXPECT_NE(pause.err.find("All-Star Break: Day 60 is the All-Star break."), std::string::npos);
    EXPECT_EQ(Load().state.SeasonDay, 60);

    // Past the deadline only with a Yes.
    Step({"sim", "Run", "--to-day", "95"}, 96);
    CliResult no = Run({"--no", "sim", "Run", "--week"});
    EXPECT_EQ(no.status, 1);
    EXPECT_EQ(no.err,
              std::string("Warning: Simming would put you past the trade deadline(Day 100). Would you "
                          "like to continue? [no]\n"));
    EXPECT_EQ(Load().state.SeasonDay, 96);
    Step({"sim", "Run", "--season"}, Phase::FirstPlayoffDay);

    // A played game's box score; its play-by-play was kept for the Ospreys' games only.
    League league = Load();
    int day = 0, game = 0, other = 0;
    for (int g = 1; g <= league.schedule[1].NumGames; ++g) {
        const ScheduledGame& e = league.schedule[1].Games[static_cast<size_t>(g)];
        (e.HomeTeam == "Ospreys" || e.AwayTeam == "Ospreys" ? game : other) = g;
    }
    day = 1;
    ASSERT_NE(game, 0);
    CliResult box = Run({"box", "Run", "--day", std::to_string(day), "--game", std::to_string(game)});
    ASSERT_EQ(box.status, 0) << box.err;
    const ScheduledGame& e = league.schedule[1].Games[static_cast<size_t>(game)];
    EXPECT_NE(box.out.find(e.HomeTeam), std::string::npos);
    EXPECT_NE(box.out.find("Player of the Game: "), std::string::npos);
    CliResult pbp = Run({"pbp", "Run", "--day", "1", "--game", std::to_string(game)});
    ASSERT_EQ(pbp.status, 0) << pbp.err;
    EXPECT_NE(pbp.out.find("Final Score - "), std::string::npos);
    CliResult none = Run({"pbp", "Run", "--day", "1", "--game", std::to_string(other)});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "Play-By-Play: Play-By-Play file not found\n");

    out = Step({"playoffs", "Run", "--day"}, 123);
    EXPECT_NE(out.find("Day 122:\n"), std::string::npos);
    CliResult bracket = Run({"bracket", "Run"});
    ASSERT_EQ(bracket.status, 0) << bracket.err;
    EXPECT_NE(bracket.out.find("First Round"), std::string::npos);
    EXPECT_NE(bracket.out.find("lead 1-0"), std::string::npos);

    out = Step({"playoffs", "Run", "--all"}, 168);
    EXPECT_NE(out.find("No games today."), std::string::npos);
    EXPECT_NE(out.find("Champion: "), std::string::npos);
    EXPECT_NE(out.find("Playoff MVP: "), std::string::npos);
    EXPECT_EQ(Run({"playoffs", "Run", "--day"}).status, 1); // nothing left to play

    out = Step({"end-season", "Run"}, Phase::RookieDraft);
    EXPECT_EQ(out, "Processing Injuries\nProcessing Records\nAging Players\nProcessing Career Records\n"
                   "Clearing Schedule\nVerifying Rookie Class\nDone\nSeason 2004 - Rookie Draft\n");
    CliResult champions = Run({"champions", "Run", "--csv"});
    ASSERT_EQ(champions.status, 0) << champions.err;
    EXPECT_EQ(champions.out.rfind("Season,Champion,Runner-Up,Final\n2003,", 0), 0u);
}

TEST_F(CliSeasonRun, CommandsRefuseWhatTheirPhaseDoesNotAllow) {
    Step({"new", "Run", "--type", "draft"}, Phase::CreationDraft);
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"sim", "Run", "--day"}, 1},
        {{"sim", "Run", "--day", "--week"}, 2},
        {{"playoffs", "Run", "--all"}, 1},
        {{"end-season", "Run"}, 1},
        {{"bracket", "Run"}, 1},
        {{"box", "Run", "--day", "1", "--game", "1"}, 1},
        {{"bench", "--season", "--games", "5"}, 2},
    };
    for (const Case& c : cases) {
        CliResult r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << ": " << r.err;
        EXPECT_FALSE(r.err.empty()) << c.args[0];
    }
    EXPECT_EQ(Load().state.SeasonDay, Phase::CreationDraft);
}

} // namespace
} // namespace hv
