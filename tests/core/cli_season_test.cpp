// The season commands of hoopvale-cli on a bench league of real games: a schedule, then one smoke case of
// each list (standings, schedule, leaders, team statistics, team information) and the refusals.
#include <gtest/gtest.h>

#include "support/trim_a_cli.h"

namespace hv {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class CliSeason : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        ASSERT_EQ(Run({"bench", "--games", "40", "--seed", "9", "--save", "Demo"}).status, 0);
    }
};

TEST_F(CliSeason, ABenchLeagueGetsAScheduleAndItsLists) {
    std::vector<std::string> lines = Lines(Run({"schedule", "Demo", "--generate", "--csv"}).out);
    ASSERT_EQ(lines.size(), 1190u);
    EXPECT_EQ(lines[0], "Day,Game,Home,Away,Home Score,Away Score,Played");
    EXPECT_EQ(Load("Demo")->state.SeasonDay, Phase::FirstDay);

    lines = Lines(Run({"standings", "Demo", "--csv"}).out);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0], "Conference,Division,Team,W,L,PCT,GB,CONF_GB,DIV_RANK,CONF_RANK,LAST_10,STREAK");
    EXPECT_EQ(lines[1].rfind("East,Atlantic,", 0), 0u);
    int wins = 0, losses = 0;
    for (size_t k = 1; k < lines.size(); ++k) {
        std::istringstream row(lines[k]);
        std::string field[5];
        for (std::string& f : field)
            std::getline(row, f, ',');
        wins += std::stoi(field[3]), losses += std::stoi(field[4]);
    }
    EXPECT_EQ(std::make_tuple(wins, losses), std::make_tuple(40, 40));

    EXPECT_TRUE(Run({"schedule", "Demo", "--team", "hartford lamplighters", "--day", "1"}).Says("Result"));
    lines = Lines(Run({"leaders", "Demo", "--category", "ppg", "--top", "5", "--csv"}).out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Rank,Player,Pos,Team,G,PPG");
    lines = Lines(Run({"team-stats", "Demo", "--allowed", "--totals", "--csv"}).out);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[1].rfind("Hartford Lamplighters,", 0), 0u);
    const test::CliResult info = Run({"team-info", "Demo", "Ospreys"});
    EXPECT_EQ(Lines(info.out).at(0), "Providence Ospreys");
    EXPECT_TRUE(info.Says("Payroll"));
}

TEST_F(CliSeason, BadRequestsAreRefusedAndChangeNothing) {
    auto league = Load("Demo");
    league->state.SeasonDay = Phase::BeforeSeason;
    Save(*league, "Early");
    ExpectRefusals("Early", {{{"schedule", "Early", "--generate"},
                              1,
                              "Error: A schedule can be made only during the regular season (days 1 to 120); "
                              "the league is on day 0.\n"}});
    league->state.SeasonDay = 12;
    league->schedule[3].NumGames = 1;
    league->schedule[3].Games[1].Played = true;
    Save(*league, "Played");
    ExpectRefusals("Played",
                   {{{"schedule", "Played", "--generate"}, 1, "The schedule already holds played games"}});
    ASSERT_EQ(Run({"schedule", "Demo", "--generate"}).status, 0);
    ExpectRefusals("Demo",
                   {{{"--no", "schedule", "Demo", "--generate"},
                     1,
                     "Schedule: The league already has a schedule. Would you like to replace it? [no]\n"},
                    {{"team-info", "Demo", "Nobody"}, 1, "Error: There is no team named \"Nobody\"."},
                    {{"schedule", "Demo", "--day", "170"}, 2, "schedule: --day must be 1 to 169\n"},
                    {{"leaders", "Demo", "--category", "dunks"}, 2, "leaders: unknown category \"dunks\""},
                    {{"standings", "Missing"}, 1, "File Not Found: The file Missing.sav was not found.\n"}});
}

} // namespace
} // namespace hv
