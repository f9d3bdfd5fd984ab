// From the command line: a new league goes through its creation draft to day 0, then through a season (most
// of its days passed over) and its playoffs to the champion and the rookie draft; the saved file reloads at
// every phase.
#include <gtest/gtest.h>

#include "support/cli_test.h"

namespace hv {
namespace {

class CliSeasonRun : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        seed = "77";
        Step({"new", "Run", "--type", "draft"}, Phase::CreationDraft);
    }
    // The saved league moved on to `day`, the days between left unplayed.
    void JumpTo(int day) {
        auto league = Load("Run");
        league->state.SeasonDay = static_cast<int16_t>(day);
        Save(*league, "Run");
    }
    // Runs a command that must succeed, and checks that the saved file then loads at `day`.
    std::string Step(std::vector<std::string> args, int day) {
        const test::CliResult r = Run(args);
        EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
        EXPECT_EQ(Load("Run")->state.SeasonDay, day) << args[0];
        return r.out;
    }
};

TEST_F(CliSeasonRun, ANewLeagueReachesItsChampionAndTheRookieDraft) {
    Step({"control", "Run", "--all", "computer", "--pbp", "Ospreys", "on"}, Phase::CreationDraft);
    ExpectRefusals("Run", {{{"sim", "Run", "--day"}, 1, ""},
                           {{"sim", "Run", "--day", "--week"}, 2, ""},
                           {{"playoffs", "Run", "--all"}, 1, ""},
                           {{"end-season", "Run"}, 1, ""},
                           {{"box", "Run", "--day", "1", "--game", "1"}, 1, ""}});
    Step({"draft", "Run", "--auto"}, Phase::BeforeSeason);
    EXPECT_EQ(Step({"begin-season", "Run"}, 1), "Season 2003 - Day 1\n");
    std::string out = Step({"sim", "Run", "--week"}, 6);
    EXPECT_EQ(out.rfind("Day 1:\n", 0), 0u);
    EXPECT_NE(out.find("\nSeason 2003 - Day 6\n"), std::string::npos);
    // The single day stops at the All-Star break; past the deadline only with a Yes. Most of the regular
    // season's days are passed over unplayed, as the whole season's run is checked in the core's tests.
    JumpTo(55);
    Step({"sim", "Run", "--half"}, 60);
    ExpectRefusals("Run", {{{"sim", "Run", "--day"}, 1, "All-Star Break: Day 60 is the All-Star break."}});
    JumpTo(91);
    Step({"sim", "Run", "--to-day", "95"}, 96);
    ExpectRefusals("Run", {{{"--no", "sim", "Run", "--week"},
                            1,
                            "Warning: Simming would put you past the trade deadline(Day 100). Would you like "
                            "to continue? [no]\n"}});
    // A run of more than a week saves after every week, and says so.
    const test::CliResult season = Run({"sim", "Run", "--season"});
    EXPECT_EQ(season.status, 0) << season.err;
    EXPECT_EQ(season.err, "Saved: Season 2003 - Day 103\nSaved: Season 2003 - Day 110\n"
                          "Saved: Season 2003 - Day 117\n");
    EXPECT_EQ(Load("Run")->state.SeasonDay, Phase::FirstPlayoffDay);

    // A played game's box score; its play-by-play was kept for the Ospreys' games only.
    const auto league = Load("Run");
    int game = 0, other = 0;
    for (int g = 1; g <= league->schedule[1].NumGames; ++g) {
        const ScheduledGame& e = league->schedule[1].Games[static_cast<size_t>(g)];
        (e.HomeTeam == "Ospreys" || e.AwayTeam == "Ospreys" ? game : other) = g;
    }
    ASSERT_NE(game, 0);
    EXPECT_TRUE(
        Run({"box", "Run", "--day", "1", "--game", std::to_string(game)}).Says("Player of the Game: "));
    EXPECT_TRUE(Run({"pbp", "Run", "--day", "1", "--game", std::to_string(game)}).Says("Final Score - "));
    ExpectRefusals("Run", {{{"pbp", "Run", "--day", "1", "--game", std::to_string(other)},
                            1,
                            "Play-By-Play: Play-By-Play file not found\n"}});

    // On day 121 the bracket shows the series the playoffs will begin with, each team with its seed, and
    // leaves the league where it was; a single game then begins the playoffs.
    const std::string drawn = Step({"bracket", "Run", "--csv"}, Phase::FirstPlayoffDay);
    EXPECT_NE(drawn.find("\n2,First Round,East,(4) "), std::string::npos) << drawn;
    EXPECT_NE(drawn.find(",(5) "), std::string::npos) << drawn;
    EXPECT_TRUE(Run({"bracket", "Run"}).Says("The playoffs begin with these series."));
    Step({"playoffs", "Run", "--game", "1"}, 122);
    // Series 2 (game 1 is series 1's) as drawn on day 121.
    auto second = [](const std::string& csv) {
        const size_t start = csv.find("\n2,");
        return csv.substr(start, csv.find('\n', start + 1) - start);
    };
    EXPECT_EQ(second(Step({"bracket", "Run", "--csv"}, 122)), second(drawn));
    EXPECT_TRUE(Step({"playoffs", "Run", "--day"}, 123).find("Day 122:\n") != std::string::npos);
    EXPECT_TRUE(Run({"bracket", "Run"}).Says("lead 1-0"));
    out = Step({"playoffs", "Run", "--all"}, 168);
    EXPECT_NE(out.find("Champion: "), std::string::npos);
    EXPECT_NE(out.find("Playoff MVP: "), std::string::npos);
    EXPECT_EQ(Step({"end-season", "Run"}, Phase::RookieDraft),
              "Processing Injuries\nProcessing Records\nAging Players\nProcessing Career Records\n"
              "Clearing Schedule\nVerifying Rookie Class\nDone\nSeason 2004 - Rookie Draft\n");
    EXPECT_EQ(Run({"champions", "Run", "--csv"}).out.rfind("Season,Champion,Runner-Up,Final\n2003,", 0), 0u);
}

// A human team with 13 active players: sim refuses before its day's first game, names the limit and the fix,
// and exits 1 with nothing of that day played.
TEST_F(CliSeasonRun, SimRefusesAnIllegalHumanRosterBeforeTheDay) {
    Step({"control", "Run", "--human", "Ospreys"}, Phase::CreationDraft);
    Step({"draft", "Run", "--auto"}, Phase::BeforeSeason);
    Step({"begin-season", "Run"}, 1);
    int freeAgent = 0;
    {
        const auto league = Load("Run");
        for (int id = 1; id <= kLastLeaguePlayer && freeAgent == 0; ++id)
            if (league->player(id).Team == "FA") freeAgent = id;
        ASSERT_EQ(league->team(league->FindTeam("Ospreys")).ActivePlayers, 12);
    }
    ASSERT_NE(freeAgent, 0);
    Step({"sign", "Run", "Ospreys", std::to_string(freeAgent)}, 1);
    const test::CliResult r = Run({"sim", "Run", "--week"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_TRUE(
        r.Says("Roster Error: Ospreys have too many players. They have 13 active players; a team dresses "
               "exactly 12. Place players on injured reserve or release them on Team Roster."))
        << r.err;
    const auto league = Load("Run");
    const ScheduleDay& day = league->schedule[static_cast<size_t>(league->state.SeasonDay)];
    for (int g = 1; g <= day.NumGames; ++g)
        EXPECT_FALSE(day.Games[static_cast<size_t>(g)].Played) << "game " << g;
}

} // namespace
} // namespace hv
