// The season's own steps: begin and end of season, team passes, performance rating, award writer.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/league_options.h"
#include "league/season_archive.h"
#include "league/team_passes.h"
#include "season/award_record.h"
#include "season/begin_season.h"
#include "season/end_season.h"
#include "season/performance_rating.h"
#include "support/season_run_support.h"

namespace hv {
namespace {

TEST(PerformanceRating, WorkedLinesToTheNearestEvenHalf) {
    struct Case {
        PerformanceLine line;
        int rating;
    };
    const Case cases[] = {
        // 20 + 7 + 8.75 + 6 + 3 + 1 - 9 - 1 - 8 - 0.6 - 5 = 22.15
        {{20, 7, 5, 3, 2, 8, 17, 4, 5, 4, 3, 1}, 22},
        {{7, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 10}, // 10.5 goes to the even 10
        {{8, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 12}, // 11.5 goes to the even 12
        {{0, 0, 0, 0, 0, 0, 6, 0, 2, 3, 5, 0}, -15} // -6 + 0.4 - 2 - 6 - 1 = -14.6
    };
    for (const Case& c : cases)
        EXPECT_EQ(PerformanceRating(c.line), c.rating);

    Player p;
    SeasonTotals& t = p.SeasonStats;
    t.Points = 20, t.Rebounds = 7, t.Assists = 5, t.Steals = 3, t.Blocks = 2, t.FG = 8, t.FGA = 17, t.FT = 4;
    t.FTA = 5, t.Turnovers = 4, t.Fouls = 3, t.DQ = 1;
    EXPECT_EQ(SeasonPerformanceRating(p), 22);
    GameLogEntry g{};
    g.Points = 10, g.Fouls = 5;
    EXPECT_EQ(GamePerformanceRating(g), 9); // 10 - 1
    g.Fouls = 6;
    EXPECT_EQ(GamePerformanceRating(g), 4); // 10 - 1.2 - 5: six fouls disqualify
}

League NamedTeams() {
    League l;
    for (int t = 1; t <= kLeagueTeams; ++t)
        l.team(t).Name = "T" + std::to_string(t);
    return l;
}

void AddPlayer(League& l, int id, const std::string& team, int rating, int position = 1, bool ir = false) {
    Player& p = l.player(id);
    p.Name = "P " + std::to_string(id), p.Team = team, p.IR = ir;
    p.CurrentRating = int16_t(rating), p.PositionNumber = int16_t(position);
}

TEST(TeamPasses, RankingRatesTeamsByTheirBestTenAndRanksThem) {
    League l = NamedTeams();
    int id = 1;
    for (int r = 50; r <= 61; ++r) // the best ten: 52 to 61, mean 56.5 to the even 56
        AddPlayer(l, id++, "T1", r);
    for (int r : {70, 71, 73}) // mean 71.33
        AddPlayer(l, id++, "T2", r);
    AddPlayer(l, id++, "FA", 99);
    l.team(3).HomeWins = 10; // 10-0 with no players: 0 + 50
    for (int t = 1; t <= kLeagueTeams; ++t)
        l.team(t).WinRating = static_cast<int16_t>(t);

    RankTeams(l);
    EXPECT_EQ(std::tie(l.team(1).TeamRating, l.team(2).TeamRating, l.team(3).TeamRating),
              std::make_tuple(56, 71, 0));
    // Measures: T2 35.5 + 25, T1 28 + 25, T3 50, the rest 25 each in slot order: 100, 100 x 27 / 28, ...
    EXPECT_EQ(std::tie(l.team(2).WinRating, l.team(1).WinRating, l.team(3).WinRating, l.team(4).WinRating,
                       l.team(29).WinRating),
              std::make_tuple(100, 96, 93, 89, 0));
    for (int t = 1; t <= kLeagueTeams; ++t)
        EXPECT_EQ(l.team(t).OldWinRating, t);
}

TEST(TeamPasses, PositionPassRecountsEachRoster) {
    League l = NamedTeams();
    // Player 3 is on injured reserve: on the roster, not active, not counted.
    for (auto [id, team, position] :
         {std::tuple{1, "T1", 1}, {2, "T1", 1}, {3, "T1", 4}, {4, "T1", 5}, {5, "T2", 2}, {6, "Draft", 3}})
        AddPlayer(l, id, team, 50, position, id == 3);
    l.team(1).NumPlayers = 9, l.team(1).ActivePlayers = 9, l.team(1).SGs = 4;
    l.team(5).Cs = 3;
    RecountRosters(l);
    const Team& t1 = l.team(1);
    EXPECT_EQ(std::tie(t1.NumPlayers, t1.ActivePlayers, t1.Cs, t1.SGs, t1.PGs),
              std::make_tuple(4, 3, 2, 0, 1));
    EXPECT_EQ(std::tie(l.team(2).PFs, l.team(2).NumPlayers, l.team(5).Cs), std::make_tuple(1, 1, 0));
}

// Player 8's AL1T goes to the first free slot, player 7's PF slot being taken.
TEST(AwardRecord, WritesEachCodeIntoItsSlot) {
    League l = NamedTeams();
    l.state.Season = 2004;
    AddPlayer(l, 7, "T4", 60, 2);
    AddPlayer(l, 8, "T5", 60, 2);
    l.player(7).DefaultPosition = "PF";
    ScriptedHost host;
    for (auto [id, code] : {std::pair{7, "AL1T"}, {8, "AL1T"}, {8, "POW"}, {7, "POW"}, {7, "MVP"}})
        EXPECT_TRUE(RecordAward(l, host, id, code)) << id << code;
    EXPECT_FALSE(RecordAward(l, host, 0, "ROY"));
    const SeasonArchive& a = l.tables.archive.at(0);
    EXPECT_EQ(a.Teams[0][1], (AwardSlot{7, "P 7", "PF", "T4"}));
    EXPECT_EQ(std::tie(a.Season, a.Teams[0][0].PlayerID, a.PlayerOfWeek[0].PlayerID,
                       a.PlayerOfWeek[1].PlayerID, a.Awards[4].PlayerID, a.Awards[5].PlayerID),
              std::make_tuple(2004, 8, 8, 7, 7, 0));
}

class SeasonSteps : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(season.Load(9)) << season.host.LastMessage(); }
    League& league() { return season.league(); }
    test::SeasonLeague season;
};

TEST_F(SeasonSteps, BeginSeasonClearsTheSeasonsTotals) {
    Team& team = league().team(4);
    team.HomeWins = 30, team.RoadLosses = 12, team.Streak = 3, team.Points = 9000, team.SeasonWinsVs[5] = 2;
    team.Championships = 2;
    Player& p = league().player(league().team(4).C1);
    p.SeasonStats.Points = 800, p.PlayoffStats.Games = 9, p.GameLog.resize(5), p.CareerGames = 300;
    const auto matchups = season.home / "Schedule.dat";
    std::filesystem::rename(matchups, season.home / "away.dat"); // without its matchups nothing changes
    EXPECT_FALSE(BeginSeason(league(), season.host, true));
    EXPECT_EQ(std::tie(league().state.SeasonDay, team.HomeWins), std::make_tuple(0, 30));
    std::filesystem::rename(season.home / "away.dat", matchups);

    ASSERT_TRUE(BeginSeason(league(), season.host));
    EXPECT_EQ(std::make_pair(int(league().state.SeasonDay), season.host.lastMaximum),
              std::make_pair(1, 2000));
    EXPECT_EQ(std::make_tuple(team.Wins() + team.Losses(), team.Streak, team.Points, team.SeasonWinsVs[5]),
              std::make_tuple(0, 0, 0, 0));
    // The all-time figures stay; the teams are rated.
    EXPECT_EQ(std::make_tuple(team.WinPct, team.Championships, p.CareerGames), std::make_tuple(0.5, 2, 300));
    EXPECT_TRUE(p.SeasonStats == SeasonTotals{} && p.PlayoffStats == PlayoffTotals{} && p.GameLog.empty());
    EXPECT_GT(team.TeamRating, 0);

    EXPECT_FALSE(BeginSeason(league(), season.host)) << "only from day 0";
    EXPECT_EQ(league().state.SeasonDay, 1);
}

TEST_F(SeasonSteps, EndSeasonShowsItsCaptionsAndOpensTheRookieDraft) {
    ASSERT_TRUE(BeginSeason(league(), season.host, true));
    SeasonState& s = league().state;
    const int16_t year = s.Season;
    s.SeasonDay = 168;
    s.DraftState = 2;
    const int hurt = league().team(3).SF1;
    league().player(hurt).TimeInjured = 30;
    league().player(hurt).IR = true;
    --league().team(3).ActivePlayers, --league().team(3).SFs;
    s.LockEndSeason = true, s.Password = "pw", s.CommissionerRights = false;
    EXPECT_FALSE(EndSeason(league(), season.host));
    EXPECT_EQ(season.host.LastMessage(), kEndSeasonRefusal);
    EXPECT_EQ(std::tie(s.Season, s.SeasonDay), std::make_tuple(year, 168));
    s.LockEndSeason = false;

    std::vector<std::string> captions;
    ASSERT_TRUE(EndSeason(league(), season.host, [&](const std::string& c) { captions.push_back(c); }));
    EXPECT_EQ(captions, (std::vector<std::string>{"Processing Injuries", "Processing Records",
                                                  "Aging Players", "Processing Career Records",
                                                  "Clearing Schedule", "Verifying Rookie Class", "Done"}));
    EXPECT_EQ(std::tie(s.Season, s.SeasonDay, s.DraftState),
              std::make_tuple(year + 1, Phase::RookieDraft, 0));
    EXPECT_FALSE(league().player(hurt).IR);
    for (int d = 1; d <= kScheduleDays; ++d)
        EXPECT_EQ(league().schedule[static_cast<size_t>(d)].NumGames, 0);
    EXPECT_FALSE(EndSeason(league(), season.host));
    EXPECT_EQ(s.Season, year + 1);
}

} // namespace
} // namespace hv
