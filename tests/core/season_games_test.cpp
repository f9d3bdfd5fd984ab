// Standings from real games: the default league gets a schedule, the game engine plays its first days, and
// the standings, the schedule's results, the last 10 and the streaks must agree with each other.
#include <gtest/gtest.h>

#include <map>

#include "engine/game.h"
#include "league/default_league.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "reports/schedule_table.h"
#include "season/schedule.h"
#include "season/standings.h"
#include "support/temp_home.h"

namespace hv {
namespace {

class SeasonGames : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        League& l = session.league;
        l.programFolder = home.path();
        ASSERT_TRUE(RunStartup(session, host));
        ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Season Test"));
        EnsureLeagueFolders(home.path(), "Season Test");
        l.rng.Seed(21);
        l.state.LeagueInjuries = false; // no day passes for anybody to heal
        l.state.SiteDuringSim = false;
        l.state.SeasonDay = Phase::BeforeSeason;
        ASSERT_TRUE(GenerateSchedule(l, host)) << host.LastMessage();
    }

    // Plays every game of the days from the current one to `last`, day by day.
    void PlayThrough(int last) {
        League& l = session.league;
        for (; l.state.SeasonDay <= last; ++l.state.SeasonDay) {
            const ScheduleDay& day = l.schedule[static_cast<size_t>(l.state.SeasonDay)];
            for (int g = 1; g <= day.NumGames; ++g) {
                const ScheduledGame& entry = day.Games[static_cast<size_t>(g)];
                clsGame game(l);
                game.StartGame(static_cast<int16_t>(l.FindTeam(entry.HomeTeam)),
                               static_cast<int16_t>(l.FindTeam(entry.AwayTeam)), false,
                               static_cast<int16_t>(g), "Regular");
                game.SimGame();
                ASSERT_TRUE(entry.Played);
            }
        }
    }

    test::TempHome home;
    ScriptedHost host;
    Session session;
};

TEST_F(SeasonGames, StandingsAgreeWithTheResults) {
    PlayThrough(12);
    League& l = session.league;
    UpdateWinningPercentages(l);
    ComputeStandings(l);

    int wins = 0, losses = 0;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        SCOPED_TRACE(l.team(t).Name);
        const Team& team = l.team(t);
        ReportTable games = ScheduleTable(l, t);
        // The team's results in the schedule, in order: 'W' or 'L'.
        std::string results;
        for (const auto& row : games.rows)
            if (!row[7].text.empty()) results += row[7].text[0];
        EXPECT_EQ(static_cast<int>(std::count(results.begin(), results.end(), 'W')), team.Wins());
        EXPECT_EQ(static_cast<int>(std::count(results.begin(), results.end(), 'L')), team.Losses());
        ASSERT_FALSE(results.empty());
        wins += team.Wins();
        losses += team.Losses();

        std::string last10 = results.substr(results.size() > 10 ? results.size() - 10 : 0);
        WinLoss form = LastTenRecord(l, t);
        EXPECT_EQ(form.wins, std::count(last10.begin(), last10.end(), 'W'));
        EXPECT_EQ(form.losses, std::count(last10.begin(), last10.end(), 'L'));

        const size_t start = results.find_last_not_of(results.back()); // the streak runs after it
        const size_t run = start == std::string::npos ? results.size() : results.size() - start - 1;
        EXPECT_EQ(StreakText(team.Streak), results.back() + std::to_string(run));
        EXPECT_DOUBLE_EQ(team.WinPct, static_cast<double>(team.Wins()) / (team.Wins() + team.Losses()));
    }
    EXPECT_EQ(wins, losses);

    // Down each division and conference: places 1 to n, balances never rising, games behind the leader.
    for (int16_t Team::*rank : {&Team::DivRank, &Team::ConfRank}) {
        const bool division = rank == &Team::DivRank;
        std::map<std::pair<std::string, int>, int> byPlace; // (group, place) -> team
        for (int t = 1; t <= kLeagueTeams; ++t) {
            const Team& team = l.team(t);
            ASSERT_TRUE(byPlace.insert({{division ? team.Division : team.Conference, team.*rank}, t}).second);
        }
        int leader = 0, previous = 0;
        for (const auto& [place, t] : byPlace) {
            const int balance = l.team(t).Wins() - l.team(t).Losses();
            if (place.second == 1) leader = previous = balance;
            EXPECT_EQ(byPlace.count({place.first, place.second - 1}) + (place.second == 1), 1u);
            EXPECT_LE(balance, previous);
            EXPECT_EQ(division ? l.team(t).GB : l.team(t).ConfGB, leader - balance);
            previous = balance;
        }
    }

    ASSERT_TRUE(ArchiveStandings(l, host));
    int archived = 0;
    for (const StandingLine& line : l.tables.archive.back().Standings)
        archived += line.Wins + line.Losses;
    EXPECT_EQ(archived, wins + losses);
}

} // namespace
} // namespace hv
