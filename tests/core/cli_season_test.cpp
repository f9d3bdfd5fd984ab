// The season commands of hoopvale-cli on a league of real games: a bench league gets a schedule, then its
// standings, schedule, leaders, team statistics and team information are listed.
#include <gtest/gtest.h>

#include <fstream>
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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string f; std::getline(in, f, ',');)
        fields.push_back(f);
    return fields;
}

class CliSeason : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        home = new test::TempHome;
        home->CopyInstalledData();
        CliResult bench = Run({"bench", "--games", "40", "--seed", "9", "--save", "Demo"});
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

    static std::string FileBytes(const std::string& name) {
        std::ifstream in(home->path() / "save" / (name + ".sav"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    static League Load(const std::string& name) {
        League league;
        league.programFolder = home->path();
        ScriptedHost host;
        EXPECT_TRUE(LoadLeague(league, name + ".sav", host)) << host.LastMessage();
        return league;
    }

    static test::TempHome* home;
};

test::TempHome* CliSeason::home = nullptr;

TEST_F(CliSeason, ABenchLeagueGetsAScheduleAndStandingsFromItsGames) {
    CliResult made = Run({"schedule", "Demo", "--generate", "--csv"});
    ASSERT_EQ(made.status, 0) << made.err;
    std::vector<std::string> lines = Lines(made.out);
    ASSERT_EQ(lines.size(), 1190u);
    EXPECT_EQ(lines[0], "Day,Game,Home,Away,Home Score,Away Score,Played");
    EXPECT_EQ(Fields(lines[1])[0], "1");
    League league = Load("Demo");
    int games = 0;
    for (const ScheduleDay& day : league.schedule)
        games += day.NumGames;
    EXPECT_EQ(games, 1189);
    EXPECT_EQ(league.state.SeasonDay, Phase::FirstDay);

    // A second schedule replaces the first only on a Yes.
    const std::string saved = FileBytes("Demo");
    CliResult no = Run({"--no", "schedule", "Demo", "--generate"});
    EXPECT_EQ(no.status, 1);
    EXPECT_EQ(no.err, "Schedule: The league already has a schedule. Would you like to replace it? [no]\n");
    EXPECT_EQ(FileBytes("Demo"), saved);

    CliResult standings = Run({"standings", "Demo", "--csv"});
    ASSERT_EQ(standings.status, 0) << standings.err;
    lines = Lines(standings.out);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0], "Conference,Division,Team,W,L,PCT,GB,CONF_GB,DIV_RANK,CONF_RANK,LAST_10,STREAK");
    int wins = 0, losses = 0;
    league = Load("Demo"); // the computed ranks were kept
    for (size_t k = 1; k < lines.size(); ++k) {
        std::vector<std::string> f = Fields(lines[k]);
        ASSERT_EQ(f.size(), 12u) << lines[k];
        int slot = 0;
        for (int t = 1; t <= kLeagueTeams; ++t)
            if (league.team(t).City + " " + league.team(t).Name == f[2]) slot = t;
        ASSERT_NE(slot, 0) << f[2];
        EXPECT_EQ(f[3], std::to_string(league.team(slot).Wins()));
        EXPECT_EQ(f[4], std::to_string(league.team(slot).Losses()));
        EXPECT_EQ(f[8], std::to_string(league.team(slot).DivRank));
        EXPECT_EQ(f[9], std::to_string(league.team(slot).ConfRank));
        wins += std::stoi(f[3]);
        losses += std::stoi(f[4]);
    }
    EXPECT_EQ(wins, 40);
    EXPECT_EQ(losses, 40);
    EXPECT_EQ(Fields(lines[1])[8], "1");
    EXPECT_EQ(Fields(lines[1])[1], "Atlantic");

    // One line of each list of the season.
    CliResult hartford = Run({"schedule", "Demo", "--team", "hartford lamplighters", "--day", "1"});
    EXPECT_EQ(hartford.status, 0) << hartford.err;
    EXPECT_NE(hartford.out.find("Result"), std::string::npos);

    CliResult leaders = Run({"leaders", "Demo", "--category", "ppg", "--top", "5", "--csv"});
    ASSERT_EQ(leaders.status, 0) << leaders.err;
    lines = Lines(leaders.out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Rank,Player,Pos,Team,G,PPG");
    EXPECT_EQ(Fields(lines[1])[0], "1");

    CliResult stats = Run({"team-stats", "Demo", "--allowed", "--totals", "--csv"});
    ASSERT_EQ(stats.status, 0) << stats.err;
    lines = Lines(stats.out);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(Fields(lines[1])[0], "Hartford Lamplighters");

    CliResult info = Run({"team-info", "Demo", "Ospreys"});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(Lines(info.out)[0], "Providence Ospreys");
    EXPECT_NE(info.out.find("Atlantic"), std::string::npos);
    EXPECT_NE(info.out.find("Payroll"), std::string::npos);
}

TEST_F(CliSeason, BadRequestsAreRefusedAndChangeNothing) {
    League league = Load("Demo");
    ScriptedHost host;
    league.state.SeasonDay = Phase::BeforeSeason;
    ASSERT_TRUE(SaveLeague(league, "Early", host));
    league.state.SeasonDay = 12;
    league.schedule[3].NumGames = 1;
    league.schedule[3].Games[1].Played = true;
    ASSERT_TRUE(SaveLeague(league, "Played", host));
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const std::vector<Case> cases{
        {{"team-info", "Demo", "Nobody"}, 1, "Error: There is no team named \"Nobody\". The teams are: "},
        {{"schedule", "Demo", "--team", "Nobody"}, 1, "Error: There is no team named \"Nobody\""},
        {{"schedule", "Demo", "--day", "170"}, 2, "schedule: --day must be 1 to 169\n"},
        {{"leaders", "Demo", "--category", "dunks"},
         2,
         "leaders: unknown category \"dunks\"; the categories are "},
        {{"standings", "Missing"}, 1, "File Not Found: The file Missing.sav was not found.\n"},
        {{"schedule", "Early", "--generate"},
         1,
         "Error: A schedule can be made only during the regular season (days 1 to 120); the league is on day "
         "0.\n"},
        {{"schedule", "Played", "--generate"},
         1,
         "Error: The schedule already holds played games; a new schedule would lose their results.\n"},
    };
    for (const Case& c : cases) {
        const std::string before = FileBytes(c.args[1]);
        CliResult r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0];
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_EQ(FileBytes(c.args[1]), before);
    }
}

} // namespace
} // namespace hv
