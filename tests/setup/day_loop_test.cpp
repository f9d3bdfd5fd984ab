// The regular season's day loop and the schedule screen's commands on the default league.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "league/league_options.h"
#include "league/season_archive.h"
#include "league/transactions.h"
#include "season/day_loop.h"
#include "season/playoffs.h"
#include "season/sim_commands.h"
#include "support/season_run_support.h"

namespace hv {
namespace {

TEST(SimSpans, TargetsAndTheDeadlineQuestion) {
    struct Case {
        SimSpan span;
        int current, toDay;
        int target;
        bool asked;
    };
    const Case cases[] = {{SimSpan::Day, 100, 0, 100, true},    {SimSpan::Week, 95, 0, 99, false},
                          {SimSpan::Week, 96, 0, 100, true},    {SimSpan::Week, 97, 0, 101, true},
                          {SimSpan::Week, 100, 0, 104, false},  {SimSpan::Month, 80, 0, 99, false},
                          {SimSpan::Month, 81, 0, 100, true},   {SimSpan::Month, 110, 0, 120, false},
                          {SimSpan::Half, 10, 0, 59, false},    {SimSpan::Season, 90, 0, 120, false},
                          {SimSpan::ToDay, 99, 100, 100, true}, {SimSpan::ToDay, 50, 99, 99, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.span) << " from " << c.current);
        const int target = SimTarget(c.span, c.current, c.toDay);
        EXPECT_EQ(target, c.target);
        EXPECT_EQ(AsksDeadlineQuestion(c.span, c.current, target), c.asked);
    }
}

TEST(SimSpans, ARunSavesAfterEveryWeekOnlyWhenItSpansMoreThanAWeek) {
    const WeeklyCheckpoints week(1, 7), longer(1, 8), month(96, 115);
    EXPECT_FALSE(week.Due(8));
    EXPECT_EQ(std::make_tuple(longer.Due(7), longer.Due(8), month.Due(102), month.Due(103), month.Due(104)),
              std::make_tuple(false, true, false, true, true));
    WeeklyCheckpoints saved(96, 115);
    saved.Saved(104); // the All-Star weekend can move a step on by two days
    EXPECT_EQ(std::make_tuple(saved.Due(110), saved.Due(111)), std::make_tuple(false, true));
}

class DayLoop : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(season.Begin(31)) << season.host.LastMessage(); }

    League& league() { return season.league(); }
    test::RunHost& host() { return season.host; }
    const ScheduleDay& Day(int d) { return league().schedule[static_cast<size_t>(d)]; }

    int PlayedOn(int d) {
        int played = 0;
        for (int g = 1; g <= Day(d).NumGames; ++g)
            played += Day(d).Games[static_cast<size_t>(g)].Played ? 1 : 0;
        return played;
    }

    SimReport Sim(SimSpan span, int toDay = 0) { return RunSimCommand(league(), host(), run, span, toDay); }

    test::SeasonLeague season;
    SimRun run;
};

TEST_F(DayLoop, ADayPlayedGameByGameEndsOnlyWithItsLastGame) {
    league().state.SeasonDay = 5;
    const int games = Day(5).NumGames;
    ASSERT_GT(games, 1);
    for (int g = games; g >= 1; --g) { // any order: the last one played ends the day
        EXPECT_EQ(RunSimGame(league(), host(), run, g).outcome, SimOutcome::Done);
        EXPECT_EQ(std::make_pair(int(league().state.SeasonDay), AllGamesPlayed(league())),
                  std::make_pair(g == 1 ? 6 : 5, false))
            << "after game " << g;
    }
    EXPECT_EQ(PlayedOn(5), games);
    EXPECT_EQ(PlayedOn(6), 0);
}

// The box files are written while the day's next games are played: every one is there when the day ends, and
// one that cannot be written stops the run at the day's end with its message, the day's games complete in the
// league and the day not yet over.
TEST_F(DayLoop, TheDaysBoxFilesAreThereWhenItEndsAndOneThatCannotBeWrittenStopsTheRun) {
    league().state.SeasonDay = 5;
    ASSERT_EQ(Sim(SimSpan::Day).outcome, SimOutcome::Done);
    const std::filesystem::path folder = league().LeagueFolderOf(league().state.LeagueName);
    for (int g = 1; g <= Day(5).NumGames; ++g)
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / "box" / ("5-" + std::to_string(g) + ".txt")))
            << g;

    std::filesystem::remove_all(folder / "box");
    std::ofstream(folder / "box") << "a file where the folder should be";
    EXPECT_EQ(Sim(SimSpan::Day).outcome, SimOutcome::Stopped);
    EXPECT_EQ(host().LastMessage().rfind("The game's files could not be written: Cannot write the file " +
                                             (folder / "box" / "6-1.txt").string() + ": ",
                                         0),
              0u)
        << host().LastMessage();
    EXPECT_EQ(host().messages.back().icon, MessageIcon::Critical);
    EXPECT_EQ(std::make_pair(int(league().state.SeasonDay), PlayedOn(6)),
              std::make_pair(6, int(Day(6).NumGames)));
}

// One playoff game played on its own counts once in its series, and the day goes on with the others.
TEST_F(DayLoop, APlayoffGamePlayedAloneCountsInItsSeries) {
    league().state.SeasonDay = Phase::FirstPlayoffDay;
    ASSERT_TRUE(BeginPlayoffs(league(), host())) << host().LastMessage();
    ASSERT_EQ(Day(122).NumGames, 8);
    ASSERT_EQ(RunSimGame(league(), host(), run, 3).outcome, SimOutcome::Done) << host().LastMessage();
    EXPECT_EQ(RunSimGame(league(), host(), run, 3).outcome, SimOutcome::Refused) << "played already";
    const ScheduledGame& game = Day(122).Games[3];
    const int home = league().FindTeam(game.HomeTeam), away = league().FindTeam(game.AwayTeam);
    const int winner = game.HomeScore > game.AwayScore ? home : away;
    int counted = 0, itsSeries = 0;
    for (int n = 1; n <= kPlayoffSeries; ++n) {
        const PlayoffSeries& s = league().tables.playoffTree[static_cast<size_t>(n)];
        counted += s.WinsA + s.WinsB;
        if (s.TeamA != home) continue; // team A has the first games at home
        ++itsSeries;
        EXPECT_EQ(std::make_tuple(int(s.TeamB), int(s.WinsA), int(s.WinsB), s.Finished),
                  std::make_tuple(away, winner == home ? 1 : 0, winner == away ? 1 : 0, false));
    }
    EXPECT_EQ(std::make_pair(counted, itsSeries), std::make_pair(1, 1));
    EXPECT_EQ(std::make_pair(int(league().state.SeasonDay), PlayedOn(122)), std::make_pair(122, 1));
}

// A human team that cannot play stops the run before the first game of its day: nothing of the day is played,
// whichever of the day's games is its own.
TEST_F(DayLoop, AHumanRosterErrorStopsBeforeAnyGameOfTheDay) {
    const int day = 3;
    league().state.SeasonDay = day;
    ASSERT_GE(Day(day).NumGames, 4);
    const int human = league().FindTeam(Day(day).Games[3].AwayTeam);
    Team& team = league().team(human);
    team.Owner = "Human";
    // One player short of a line-up, whatever the roster's size.
    std::vector<int> stashed;
    for (int depth = 1; depth <= 3 && team.ActivePlayers >= kActiveRoster; ++depth)
        for (int pos = 1; pos <= 5 && team.ActivePlayers >= kActiveRoster; ++pos) {
            const int id = team.Depth(pos, depth);
            if (id != 0 && !league().player(id).IR && PlaceOnIR(league(), id)) stashed.push_back(id);
        }
    ASSERT_EQ(team.ActivePlayers, kActiveRoster - 1);
    const auto transactions = league().tables.transactions.size();

    EXPECT_EQ(Sim(SimSpan::Week).outcome, SimOutcome::Stopped);
    EXPECT_EQ(std::make_pair(int(league().state.SeasonDay), PlayedOn(day)), std::make_pair(day, 0));
    EXPECT_EQ(league().tables.transactions.size(), transactions);
    EXPECT_EQ(host().LastMessage().rfind(team.Name + " don't have enough players.", 0),
              0u); // the roster check's

    // Put right, the next run plays the whole day.
    ASSERT_TRUE(ActivatePlayer(league(), stashed.back()));
    EXPECT_EQ(Sim(SimSpan::Day).outcome, SimOutcome::Done);
    EXPECT_EQ(std::make_pair(int(league().state.SeasonDay), PlayedOn(day)),
              std::make_pair(day + 1, int(Day(day).NumGames)));
}

// A human team that does not play today does not stop the day; its own day stops the run.
TEST_F(DayLoop, AHumanTeamWithoutAGameTodayDoesNotStopTheDay) {
    const int day = 3;
    league().state.SeasonDay = day;
    int idle = 0;
    for (int t = 1; t <= kLeagueTeams && idle == 0; ++t) {
        bool plays = false;
        for (int g = 1; g <= Day(day).NumGames; ++g)
            plays = plays || league().FindTeam(Day(day).Games[size_t(g)].HomeTeam) == t ||
                    league().FindTeam(Day(day).Games[size_t(g)].AwayTeam) == t;
        if (!plays) idle = t;
    }
    ASSERT_NE(idle, 0);
    league().team(idle).Owner = "Human";
    league().team(idle).keyplayer1 = 0;
    EXPECT_EQ(Sim(SimSpan::Day).outcome, SimOutcome::Done) << host().LastMessage();
    EXPECT_EQ(PlayedOn(day), int(Day(day).NumGames));
}

TEST_F(DayLoop, ALongRunSavesWeeklyAndAFailedSaveStopsIt) {
    std::vector<int> savedOn;
    std::vector<std::string> told;
    bool saves = false;
    run.checkpoint = [&] {
        savedOn.push_back(league().state.SeasonDay);
        return saves;
    };
    run.onSaved = [&](const std::string& line) { told.push_back(line); };
    const std::string season = std::to_string(league().state.Season);

    // Nine days from day 1: the save after the first week fails, and the run stops there.
    EXPECT_EQ(Sim(SimSpan::ToDay, 9).outcome, SimOutcome::Stopped);
    EXPECT_EQ(std::make_pair(savedOn, int(league().state.SeasonDay)), std::make_pair(std::vector<int>{8}, 8));
    EXPECT_EQ(host().LastMessage(), "The league could not be saved at Season " + season +
                                        " - Day 8, so the simulation has stopped there. Free some disk space "
                                        "or put the save folder right, then simulate on.");
    EXPECT_TRUE(told.empty());

    saves = true, savedOn.clear();
    EXPECT_EQ(Sim(SimSpan::ToDay, 16).outcome, SimOutcome::Done);
    EXPECT_EQ(std::make_pair(savedOn, int(league().state.SeasonDay)),
              std::make_pair(std::vector<int>{15}, 17));
    EXPECT_EQ(told, std::vector<std::string>{"Saved: Season " + season + " - Day 15"});
}

TEST_F(DayLoop, TheCommissionersLockRefusesEveryCommandAndChangesNothing) {
    SeasonState& s = league().state;
    s.LockSimulation = true, s.Password = "secret", s.CommissionerRights = false, s.SeasonDay = 10;
    const auto schedule = league().schedule;
    const std::function<SimReport()> commands[] = {
        [&] { return Sim(SimSpan::Week); }, [&] { return RunSimGame(league(), host(), run, 1); },
        [&] { return RunPlayoffCommand(league(), host(), run, PlayoffSpan::All); }};
    for (const auto& command : commands)
        EXPECT_EQ(command().outcome, SimOutcome::Refused);
    EXPECT_EQ(host().messages.size(), 3u);
    EXPECT_EQ(host().LastMessage(), kSimulateRefusal);
    EXPECT_TRUE(s.SeasonDay == 10 && league().schedule == schedule && host().questions.empty());
}

// The ranking pass runs on every 7th day below 100 and on days 30, 60, 80 and 121; it moves each team's
// WinRating into OldWinRating, which shows whether it ran.
TEST_F(DayLoop, TheEndOfDayRanksTheTeamsOnItsDays) {
    const std::pair<int, bool> days[] = {{28, true},  {29, false}, {30, true},   {60, true}, {80, true},
                                         {81, false}, {98, true},  {105, false}, {121, true}};
    for (auto [day, ranked] : days) {
        SCOPED_TRACE(day);
        league().state.SeasonDay = static_cast<int16_t>(day - 1);
        for (int t = 1; t <= kLeagueTeams; ++t)
            league().team(t).WinRating = int16_t(200 + t), league().team(t).OldWinRating = int16_t(300 + t);
        EndOfDay(league(), host());
        EXPECT_EQ(league().state.SeasonDay, day);
        for (int t = 1; t <= kLeagueTeams; ++t)
            EXPECT_EQ(std::make_pair(int(league().team(t).OldWinRating), league().team(t).WinRating <= 100),
                      std::make_pair(ranked ? 200 + t : 300 + t, ranked))
                << t;
    }
}

} // namespace
} // namespace hv
