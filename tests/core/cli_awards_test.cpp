// The awards, records, history and allstar commands of hoopvale-cli on a bench league of real games.
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

class CliAwards : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        home = new test::TempHome;
        home->CopyInstalledData();
        CliResult bench = Run({"bench", "--games", "40", "--seed", "3", "--save", "Honours"});
        ASSERT_EQ(bench.status, 0) << bench.err;
    }
    static void TearDownTestSuite() {
        delete home;
        home = nullptr;
    }
    static CliResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home->path().string()});
        std::ostringstream out, err;
        int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str(), err.str()};
    }
    static size_t LineCount(const std::string& text) {
        return size_t(std::count(text.begin(), text.end(), '\n'));
    }

    static test::TempHome* home;
};

test::TempHome* CliAwards::home = nullptr;

TEST_F(CliAwards, EachCommandListsOrRefuses) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string expected; // in the output, or in the message of a refusal
        size_t lines = 0;     // of the output, when not 0
    };
    const Case cases[] = {
        {{"records", "Honours", "--game", "--category", "points", "--top", "3", "--csv"},
         0,
         "Rank,Player,Value,Team,Opponent,Season\n1,",
         4},
        {{"records", "Honours", "--team"}, 0, "League Team Records"},
        {{"records", "Honours", "--season", "--career"}, 2, "choose one of"},
        {{"records", "Honours", "--career", "--category", "nothing"}, 2, "unknown category"},
        {{"history", "Honours", "--csv"}, 0, "Team,W,L,Pct,Playoffs", 30},
        {{"history", "Honours", "--vs", "nobody"}, 1, "There is no team named \"nobody\""},
        {{"awards", "Honours", "--season", "1990"}, 1, "No awards have been given yet."},
        {{"allstar", "Honours"}, 1, "day 60 of the regular season; the league is at Season"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        CliResult r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE((c.status == 0 ? r.out : r.err).find(c.expected), std::string::npos) << r.out << r.err;
        if (c.lines) {
            EXPECT_EQ(LineCount(r.out), c.lines);
        }
    }
}

TEST_F(CliAwards, TheAllStarWeekendIsPlayedOnDay60AndSaved) {
    League league;
    league.programFolder = home->path();
    ScriptedHost host;
    ASSERT_TRUE(LoadLeague(league, "Honours.sav", host)) << host.LastMessage();
    league.state.SeasonDay = Phase::AllStarDay;
    ASSERT_TRUE(SaveLeague(league, "Break", host));

    CliResult squads = Run({"allstar", "Break", "--squads"});
    ASSERT_EQ(squads.status, 0) << squads.err;
    EXPECT_NE(squads.out.find("WestC1"), std::string::npos);
    EXPECT_EQ(ReadSaveHeader(home->path() / "save" / "Break.sav")->SeasonDay, Phase::AllStarDay);

    CliResult played = Run({"allstar", "Break"});
    ASSERT_EQ(played.status, 0) << played.err;
    EXPECT_NE(played.out.find("All-Star Game MVP: "), std::string::npos);
    EXPECT_EQ(ReadSaveHeader(home->path() / "save" / "Break.sav")->SeasonDay, Phase::AllStarDay + 1);

    CliResult winners = Run({"history", "Break", "--allstar", "--csv"});
    ASSERT_EQ(winners.status, 0) << winners.err;
    EXPECT_EQ(LineCount(winners.out), 2u);
    CliResult none = Run({"awards", "Break", "--weekly"});
    EXPECT_EQ(none.status, 0) << none.err;
}

} // namespace
} // namespace hv
