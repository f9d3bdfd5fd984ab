// Player of the Game, result texts and what a finished game writes back into the league.
#include <gtest/gtest.h>

#include "engine/game_stats.h"
#include "engine/game_stats_save.h"

namespace hv {
namespace {

// Two league teams with twelve dressed players each; game values are filled by hand in each test.
class FinishedGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        league.state.Season = 2004;
        league.state.SeasonDay = 17;
        league.team(3).Name = "Hawks";
        league.team(8).Name = "Bulls";
        game.Home = Side(3, "Hawks", 1);
        game.Away = Side(8, "Bulls", 101);
        game.SeasonDay = 17;
        game.GameNumber = 4;
    }

    GameSide Side(int16_t team, const std::string& name, int16_t firstId) {
        GameSide s;
        s.TeamID = team;
        s.Name = name;
        for (int i = 0; i < 12; ++i) {
            const int16_t id = static_cast<int16_t>(firstId + i);
            s.Roster[static_cast<size_t>(i)] = id;
            Player& p = league.player(id);
            p.Name = name + "Player " + std::to_string(i + 1);
            p.Team = name;
        }
        return s;
    }

    PlayerGameState& G(int16_t id) { return league.player(id).Game; }

    // A distinct value in every field: 24.5 minutes, 7 of 15, 1 of 4 threes, 4 of 5 free throws, 19 points.
    void GiveLine(int16_t id) {
        PlayerGameState& g = G(id);
        g.Seconds = 1470;
        g.FG = 7, g.FGA = 15, g.ThreeP = 1, g.ThreePA = 4, g.FT = 4, g.FTA = 5, g.Points = 19;
        g.Rebounds = 9, g.Assists = 6, g.Steals = 3, g.Blocks = 2, g.Turnovers = 8, g.Fouls = 5, g.Dunks = 11;
    }

    // Ten players a side with some minutes and points that add up to the score (63 or more).
    void PlayEveryone(int home, int away) {
        game.Home.Score = static_cast<int16_t>(home);
        game.Away.Score = static_cast<int16_t>(away);
        for (GameSide* side : {&game.Home, &game.Away})
            for (int i = 0; i < 10; ++i) {
                PlayerGameState& g = G(side->Roster[static_cast<size_t>(i)]);
                g.Seconds = static_cast<int16_t>(1500 - 60 * i);
                g.Points = static_cast<int16_t>(i == 0 ? side->Score - 63 : 12 - i);
                g.FG = static_cast<int16_t>(g.Points / 2);
                g.FGA = static_cast<int16_t>(g.FG * 2 + 1);
                g.Rebounds = static_cast<int16_t>(i % 4 + 1);
                g.Assists = static_cast<int16_t>(i % 3);
                g.Steals = 1;
                g.Turnovers = static_cast<int16_t>(i % 2);
            }
    }

    League league;
    FinishedGame game;
};

TEST_F(FinishedGameTest, PlayerOfGameNeedsPlayingTimeFirstFoundKeepsATieAndAllStarsCountTheWinners) {
    PlayerGameState line;
    line.Points = 20, line.Rebounds = 10, line.Assists = 4, line.Steals = 2, line.Blocks = 2, line.FTA = 10;
    line.FT = 6, line.FGA = 15, line.FG = 7, line.Turnovers = 3, line.Fouls = 5;
    EXPECT_DOUBLE_EQ(PlayerOfGameScore(line), 27.0); // 20 + 10 + 7 + 4 + 3 + 2 - (4 + 8 + 6 + 1)
    game.Home.Score = 90, game.Away.Score = 88;
    EXPECT_EQ(ChoosePlayerOfGame(league, game), 0) << "nobody played";
    G(3).Seconds = 60, G(3).FGA = 4;           // -4
    G(104).Seconds = 60, G(104).Turnovers = 3; // -6
    double score = 0;
    EXPECT_EQ(ChoosePlayerOfGame(league, game, &score), 3);
    EXPECT_DOUBLE_EQ(score, -4.0);
    G(5).Points = 30; // never got on the court
    G(7).Seconds = 600, G(7).Points = 20;
    G(105).Seconds = 900, G(105).Points = 20;
    EXPECT_EQ(ChoosePlayerOfGame(league, game), 7);
    game.Type = GameType::AllStar; // the home side won: the away side's players do not count
    G(105).Rebounds = 1;
    EXPECT_EQ(ChoosePlayerOfGame(league, game), 7);
    game.Type = GameType::Regular;
    EXPECT_EQ(ChoosePlayerOfGame(league, game), 105);
}

// The totals and the log entry in their field order (the dunks in the spare value); minutes round half to
// even; highs rise only when beaten.
TEST_F(FinishedGameTest, EveryFieldOfTheLineReachesTheSeasonTotalsAndTheLog) {
    GiveLine(1);
    G(1).Started = true;
    G(2).Seconds = 90;
    Player& p = league.player(1);
    p.SeasonStats.Games = 10, p.SeasonStats.Points = 150, p.SeasonStats.Minutes = 300;
    p.HIGHPOINTS = 30, p.HIGHREBOUNDS = 5, p.HIGHASSISTS = 8, p.HIGHSTEALS = 1, p.HIGHBLOCKS = 4;
    RecordPlayerStats(league, game);
    EXPECT_EQ(p.SeasonStats,
              (SeasonTotals{11, 1, 324, 7, 15, 4, 5, 1, 4, 9, 6, 3, 2, 8, 169, 5, 0, 0, 0, 11}));
    EXPECT_EQ(p.PlayoffStats, PlayoffTotals{});
    ASSERT_EQ(p.GameLog.size(), 1u);
    EXPECT_EQ(p.GameLog[0],
              (GameLogEntry{17, true, "Hawks", "Bulls", 24, 7, 15, 4, 5, 1, 4, 9, 6, 3, 2, 8, 19, 5, 11, 0}));
    EXPECT_EQ(std::tie(p.HIGHPOINTS, p.HIGHREBOUNDS, p.HIGHASSISTS, p.HIGHSTEALS, p.HIGHBLOCKS),
              std::make_tuple(30, 9, 8, 3, 4));
    EXPECT_EQ(league.player(2).GameLog[0].Minutes, 2);
    const Player& away = league.player(101); // dressed, did not play
    ASSERT_EQ(away.GameLog.size(), 1u);
    EXPECT_EQ(std::tie(away.GameLog[0].Team, away.GameLog[0].Opponent, away.SeasonStats.Games),
              std::make_tuple("Bulls", "Hawks", 1));
    EXPECT_EQ(league.player(13).GameLog.size(), 0u) << "not dressed";
    EXPECT_EQ(p.Game.Points, 0) << "the game values are cleared for the next game";
}

TEST_F(FinishedGameTest, PlayoffLinesGoToThePlayoffTotalsAndExhibitionsLeaveNoTotals) {
    GiveLine(2);
    game.Type = GameType::Exhibition;
    RecordPlayerStats(league, game);
    EXPECT_EQ(league.player(2).SeasonStats, SeasonTotals{});
    EXPECT_EQ(league.player(2).PlayoffStats, PlayoffTotals{});
    EXPECT_EQ(league.player(2).HIGHPOINTS, 19) << "highs count in every kind of game";
    GiveLine(1);
    G(1).Fouls = 6;
    game.Type = GameType::Playoff;
    RecordPlayerStats(league, game);
    const Player& p = league.player(1);
    EXPECT_EQ(p.SeasonStats, SeasonTotals{});
    EXPECT_EQ(p.PlayoffStats, (PlayoffTotals{1, 24, 7, 15, 4, 5, 1, 4, 9, 6, 3, 2, 8, 19, 6, 1, 11}));
    EXPECT_EQ(p.GameLog.size(), 2u) << "a log entry for each game";
}

// Ten or more in two categories of rebounds, assists, steals, blocks and points make a double-double, in
// three a triple-double; field goals and free throws are no category; six fouls disqualify.
TEST_F(FinishedGameTest, DoubleFiguresAndDisqualifications) {
    const struct {
        int pts, reb, ast, stl, blk, fouls, categories, doubles, triples, dq;
    } cases[] = {{10, 9, 0, 0, 0, 5, 1, 0, 0, 0},   {10, 10, 9, 0, 0, 6, 2, 1, 0, 1},
                 {9, 10, 10, 0, 0, 0, 2, 1, 0, 0},  {30, 9, 9, 9, 9, 0, 1, 0, 0, 0},
                 {10, 0, 0, 10, 10, 0, 3, 1, 1, 0}, {9, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    int16_t id = 1;
    for (const auto& c : cases) {
        PlayerGameState& g = G(id++);
        g = {.Seconds = 1800, .FG = 12, .FGA = 20, .FTA = 10};
        std::tie(g.Points, g.Rebounds, g.Assists, g.Steals, g.Blocks, g.Fouls) =
            std::make_tuple(c.pts, c.reb, c.ast, c.stl, c.blk, c.fouls);
        EXPECT_EQ(DoubleFigureCategories(g), c.categories) << id - 1;
    }
    RecordPlayerStats(league, game);
    id = 1;
    for (const auto& c : cases) {
        const SeasonTotals& s = league.player(id++).SeasonStats;
        EXPECT_EQ(std::tie(s.DoubleDoubles, s.TripleDoubles, s.DQ),
                  std::make_tuple(c.doubles, c.triples, c.dq))
            << id - 1;
    }
}

TEST_F(FinishedGameTest, ARegularResultUpdatesBothTeamsRecordsTheOtherWayRound) {
    PlayEveryone(101, 94);
    // The sides differ in blocks and turnovers, so that a column crossed between them shows.
    G(1).ThreeP = 2, G(1).Blocks = 3, G(102).Blocks = 1, G(102).Turnovers = 5;
    const GameSummary s = SummarizeGame(league, game);
    Team& home = league.team(3);
    Team& away = league.team(8);
    home.Streak = -2, away.Streak = 4;
    RecordTeamResult(league, game, s);
    EXPECT_EQ(std::tie(home.HomeWins, home.HomeLosses, home.RoadWins, home.RoadLosses, away.HomeWins,
                       away.HomeLosses, away.RoadWins, away.RoadLosses),
              std::make_tuple(1, 0, 0, 0, 0, 0, 0, 1));
    EXPECT_EQ(std::tie(home.SeasonWinsVs[8], home.SeasonLossesVs[8], home.AllTimeWinsVs[8],
                       away.SeasonLossesVs[3], away.AllTimeLossesVs[3], away.SeasonWinsVs[3],
                       home.PointsVs[8], away.PointsVs[3]),
              std::make_tuple(1, 0, 1, 1, 1, 0, 7, -7));
    EXPECT_EQ(std::tie(home.TotalWins, home.TotalLosses, away.TotalLosses, home.Streak, away.Streak),
              std::make_tuple(1, 0, 1, 1, -1));
    // What one side made, the other allowed.
    EXPECT_EQ(std::tie(home.Points, home.PointsAllowed, away.Points, away.PointsAllowed),
              std::make_tuple(101, 94, 94, 101));
    int32_t Team::*const mirrored[] = {
        &Team::FG,        &Team::FGallowed,       &Team::FGA,     &Team::FGAallowed,
        &Team::FT,        &Team::FTallowed,       &Team::FTA,     &Team::FTAallowed,
        &Team::ThreeP,    &Team::ThreePallowed,   &Team::ThreePA, &Team::ThreePAallowed,
        &Team::Steals,    &Team::StealsAllowed,   &Team::Assists, &Team::AssistsAllowed,
        &Team::Rebounds,  &Team::ReboundsAllowed, &Team::Blocks,  &Team::BlocksAllowed,
        &Team::Turnovers, &Team::TurnoversAllowed};
    for (size_t i = 0; i < std::size(mirrored); i += 2) {
        EXPECT_EQ(home.*mirrored[i], away.*mirrored[i + 1]) << i;
        EXPECT_EQ(away.*mirrored[i], home.*mirrored[i + 1]) << i;
    }
    EXPECT_EQ(std::tie(home.FG, home.Rebounds, home.Blocks, away.Blocks),
              std::make_tuple(s.HomeLine.FG, s.HomeLine.Rebounds, 3, 1));
    // Game records: points, fewest points allowed, threes, steals, blocks, assists, rebounds, turnovers.
    EXPECT_EQ(std::make_tuple(home.GameRecords[0], home.GameRecords[1], home.GameRecords[4]),
              std::make_tuple(TeamGameRecord{101, 2004}, TeamGameRecord{94, 2004}, TeamGameRecord{3, 2004}));
    PlayEveryone(80, 70); // a second game: fewer points allowed is the better record
    league.state.Season = 2005;
    RecordTeamResult(league, game, SummarizeGame(league, game));
    EXPECT_EQ(std::make_tuple(home.Streak, home.PointsVs[8], home.GameRecords[0], home.GameRecords[1]),
              std::make_tuple(2, 17, TeamGameRecord{101, 2004}, TeamGameRecord{70, 2005}));
}

TEST_F(FinishedGameTest, PlayoffAndAllStarResultsLeaveTheSeasonRecordsAlone) {
    game.Type = GameType::Playoff;
    PlayEveryone(90, 99);
    const GameSummary s = SummarizeGame(league, game);
    RecordTeamResult(league, game, s);
    EXPECT_EQ(std::tie(league.team(3).PlayoffLosses, league.team(8).PlayoffWins), std::make_tuple(1, 1));
    EXPECT_EQ(league.team(3).HomeLosses + league.team(8).RoadWins + league.team(8).Points +
                  league.team(3).Streak + league.team(8).Streak,
              0);
    CountPlayerOfGame(league, game, s); // the count rises in regular games only
    game.Type = GameType::Regular;
    CountPlayerOfGame(league, game, s);
    EXPECT_EQ(league.player(s.PlayerOfGame).PlayerOfGame, 1);
    game.Home.TeamID = 30; // All-Star squads keep no records
    game.Away.TeamID = 31;
    game.Type = GameType::AllStar;
    RecordTeamResult(league, game, SummarizeGame(league, game));
    EXPECT_EQ(league.team(30).HomeWins + league.team(30).Points, 0);
}

} // namespace
} // namespace hv
