// The season and honours commands of hoopvale-cli on a bench league of real games, and their refusals.
#include <gtest/gtest.h>

#include "support/cli_test.h"

namespace hv {
namespace {

size_t LineCount(const std::string& text) {
    return size_t(std::count(text.begin(), text.end(), '\n'));
}

class CliSeason : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        ASSERT_EQ(Run({"bench", "--games", "40", "--seed", "9", "--save", "Demo"}).status, 0);
    }
};

TEST_F(CliSeason, EachListShowsItsKeyLines) {
    ASSERT_EQ(LineCount(Run({"schedule", "Demo", "--generate", "--csv"}).out), 1190u);
    EXPECT_EQ(Load("Demo")->state.SeasonDay, Phase::FirstDay);
    const struct {
        std::vector<std::string> args;
        std::string start; // the output's first line, or its start
        size_t lines;      // 0: not counted
    } cases[] = {
        {{"standings", "Demo", "--csv"},
         "Conference,Division,Team,W,L,Pct,GB,Conf GB,Div Rank,Conf Rank,Last 10,Streak\nEast,Atlantic,",
         30},
        // Four division tables: a title and a header line each, 29 teams and three blank lines between.
        {{"standings", "Demo"}, "East - Atlantic\nTeam ", 40},
        {{"standings", "Demo", "--conference"}, "East Conference\nTeam ", 34},
        {{"leaders", "Demo", "--category", "ppg", "--top", "5", "--csv"}, "Rank,Player,Pos,Team,G,PPG\n", 6},
        {{"team-stats", "Demo", "--allowed", "--totals", "--csv"}, "", 30},
        {{"team-info", "Demo", "Ospreys"}, "Providence Ospreys\n", 0},
        {{"records", "Demo", "--game", "--category", "points", "--top", "3", "--csv"},
         "Rank,Player,Value,Team,Opponent,Season\n1,",
         4},
        {{"history", "Demo", "--csv"}, "Team,W,L,Pct,Playoffs", 30},
        {{"history", "Demo"}, "Historical Team Performance\nTeam ", 31},
        {{"stats", "Demo", "--team", "ospreys", "--csv"},
         "ID,Player,Pos,Team,G,GS,MIN,FG,FGA,3P,3PA,FT,FTA,REB,AST,STL,BLK,TO,PF,PTS,MPG,FG%,3P%,FT%,RPG,APG,"
         "SPG,BPG,TOPG,PPG\n",
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front());
        const test::CliResult r = Run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.rfind(c.start, 0), 0u) << r.out.substr(0, 200);
        EXPECT_TRUE(c.lines == 0 || LineCount(r.out) == c.lines) << LineCount(r.out);
    }
    EXPECT_TRUE(Run({"schedule", "Demo", "--team", "hartford lamplighters", "--day", "1"}).Says("Result"));
    const test::CliResult card = Run({"player", "Demo", "1"});
    EXPECT_EQ(card.status, 0) << card.err;
    EXPECT_TRUE(card.Says(" (ID 1)\nItem ") && card.Says("\n\nCareer Statistics\nSeason ")) << card.out;
}

TEST_F(CliSeason, DashboardShowsTheLeagueOnOnePage) {
    ASSERT_EQ(Run({"schedule", "Demo", "--generate", "--csv"}).status, 0);
    ASSERT_EQ(Run({"sim", "Demo", "--day"}).status, 0);
    const test::CliResult r = Run({"dashboard", "Demo"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Demo - Season ", 0), 0u) << r.out.substr(0, 200);
    for (const char* part : {"Next: Sim to the All-Star break (mnuSimGames)", "\nLatest Results\nDay  Away",
                             "\nEast Conference\n"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part;
    const test::CliResult csv = Run({"dashboard", "Demo", "--csv"});
    EXPECT_NE(csv.out.find("Latest Results\nDay,Away,Pts,Home,Pts\n"), std::string::npos) << csv.out;
    EXPECT_EQ(Run({"dashboard", "Nowhere"}).status, 1);
}

TEST_F(CliSeason, BadRequestsAreRefusedAndChangeNothing) {
    auto league = Load("Demo");
    league->state.SeasonDay = 12;
    league->schedule[3].NumGames = 1;
    league->schedule[3].Games[1].Played = true;
    Save(*league, "Played");
    ExpectRefusals("Played",
                   {{{"schedule", "Played", "--generate"}, 1, "The schedule already holds played games"}});
    ASSERT_EQ(Run({"schedule", "Demo", "--generate"}).status, 0);
    ExpectRefusals(
        "Demo", {{{"--no", "schedule", "Demo", "--generate"},
                  1,
                  "Schedule: The league already has a schedule. Would you like to replace it? [no]\n"},
                 {{"team-info", "Demo", "Nobody"}, 1, "Error: There is no team named \"Nobody\"."},
                 {{"schedule", "Demo", "--day", "170"}, 2, "schedule: --day must be 1 to 169\n"},
                 {{"leaders", "Demo", "--category", "dunks"}, 2, "leaders: unknown category \"dunks\""},
                 {{"records", "Demo", "--season", "--career"}, 2, "choose one of"},
                 {{"awards", "Demo", "--season", "1990"}, 1, "No awards have been given yet."},
                 {{"allstar", "Demo"}, 1, "day 60 of the regular season; the league is at Season"},
                 {{"stats", "Demo", "--season", "1990"}, 1, "The league has no statistics of season 1990."},
                 {{"stats", "Demo", "--team", "Nobody"}, 1, "There is no team named \"Nobody\""},
                 {{"player", "Demo", "Nobody Here"}, 1, "There is no such player: \"Nobody Here\"."},
                 {{"standings", "Missing"}, 1, "File Not Found: The file Missing.sav was not found.\n"}});
}

TEST_F(CliSeason, TheAllStarWeekendIsPlayedOnDay60AndSaved) {
    auto league = Load("Demo");
    league->state.SeasonDay = Phase::AllStarDay;
    Save(*league, "Break");
    EXPECT_TRUE(Run({"allstar", "Break", "--squads"}).Says(" Center 1 "));
    EXPECT_EQ(Load("Break")->state.SeasonDay, Phase::AllStarDay);
    const test::CliResult played = Run({"allstar", "Break"});
    ASSERT_EQ(played.status, 0) << played.err;
    EXPECT_TRUE(played.Says("All-Star Game MVP: "));
    EXPECT_EQ(Load("Break")->state.SeasonDay, Phase::AllStarDay + 1);
    EXPECT_EQ(LineCount(Run({"history", "Break", "--allstar", "--csv"}).out), 2u);
}

} // namespace
} // namespace hv
