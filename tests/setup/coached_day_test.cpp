// Games of coached teams in the day loop: handed to the coached-game screen that the front end installed,
// counted once, asked about once in a run of several days, never coached unattended.
#include <gtest/gtest.h>

#include "engine/coached_game.h"
#include "league/game_key.h"
#include "season/day_loop.h"
#include "season/season_hooks.h"
#include "season/sim_commands.h"
#include "support/season_run_support.h"

namespace hv {
namespace {

class CoachedDay : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sl.Begin(21));
        coached = 4;
        sl.league().team(coached).CoachTeam = true;
        // A screen whose user plays the first quarter himself and leaves the rest to the engine.
        SetCoachGameScreen(
            [this](League& league, Host&, int day, int game, int home, int away, const char* type) {
                calls.push_back(GameKey(day, game));
                EXPECT_TRUE(home == coached || away == coached);
                CoachedGame g(league, home, away, game, type);
                EXPECT_TRUE(g.Coached(home == coached ? CoachSide::Home : CoachSide::Away));
                ScriptedHost quiet;
                g.Sim(CoachSim::Quarter, quiet);
                g.Finish();
                g.Finish();
                return true;
            });
    }
    void TearDown() override { SetCoachGameScreen({}); }

    int GamesOfCoachedTeam(int day) {
        const ScheduleDay& d = sl.league().schedule[static_cast<size_t>(day)];
        int n = 0;
        for (int g = 1; g <= d.NumGames; ++g)
            n += d.Games[static_cast<size_t>(g)].HomeTeam == sl.league().team(coached).Name ||
                 d.Games[static_cast<size_t>(g)].AwayTeam == sl.league().team(coached).Name;
        return n;
    }

    test::SeasonLeague sl;
    int coached = 0;
    std::vector<int> calls;
};

TEST_F(CoachedDay, TheCoachedTeamsGamesGoToTheScreenAndCountOnce) {
    League& league = sl.league();
    int day = 1;
    while (GamesOfCoachedTeam(day) == 0)
        ++day;
    SimRun run;
    ASSERT_EQ(RunSimCommand(league, sl.host, run, SimSpan::ToDay, day).outcome, SimOutcome::Done);
    EXPECT_EQ(static_cast<int>(calls.size()), [&] {
        int n = 0;
        for (int d = 1; d <= day; ++d)
            n += GamesOfCoachedTeam(d);
        return n;
    }());
    const Team& team = league.team(coached);
    EXPECT_EQ(team.Wins() + team.Losses(), static_cast<int>(calls.size()));
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.Team == team.Name) {
            EXPECT_LE(p.SeasonStats.Games, static_cast<int>(calls.size())) << p.Name;
        }
    }
    for (int key : calls)
        EXPECT_TRUE(league.schedule[static_cast<size_t>(DayOfGameKey(key))]
                        .Games[static_cast<size_t>(GameOfGameKey(key))]
                        .Played);
}

TEST_F(CoachedDay, ARunOfSeveralDaysAsksOnceAndNoSimulatesThem) {
    sl.host.answers = {false};
    SimRun run;
    ASSERT_EQ(RunSimCommand(sl.league(), sl.host, run, SimSpan::Week, 0).outcome, SimOutcome::Done);
    int asked = 0;
    for (const std::string& q : sl.host.questions)
        asked += q.find("Coach them yourself?") != std::string::npos;
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(calls.empty());
    // One day at a time coaches without asking.
    sl.host.questions.clear();
    while (GamesOfCoachedTeam(sl.league().state.SeasonDay) == 0)
        ASSERT_EQ(RunSimCommand(sl.league(), sl.host, run, SimSpan::Day, 0).outcome, SimOutcome::Done);
    RunSimCommand(sl.league(), sl.host, run, SimSpan::Day, 0);
    EXPECT_FALSE(calls.empty());
    EXPECT_TRUE(sl.host.questions.empty());
}

TEST_F(CoachedDay, UnattendedRunsAndTheCommandLineNeverCoach) {
    SimRun run;
    run.unattended = true;
    ASSERT_EQ(SimDay(sl.league(), sl.host, run, 3), DayResult::Completed);
    EXPECT_TRUE(calls.empty());
    SetCoachGameScreen({});
    SimRun attended;
    ASSERT_EQ(RunSimCommand(sl.league(), sl.host, attended, SimSpan::Week, 0).outcome, SimOutcome::Done);
    EXPECT_TRUE(sl.host.questions.empty()) << "nothing to ask without a coached-game screen";
    EXPECT_FALSE(CoachScheduledGame(sl.league(), sl.host, 9, 1, 1, 2, "Regular"));
}

} // namespace
} // namespace hv
