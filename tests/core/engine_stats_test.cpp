// Player of the Game, result texts and what a finished game writes back into the league.
#include <gtest/gtest.h>

#include "engine/game_stats.h"
#include "engine/game_stats_save.h"
#include "engine/game_stats_tally.h"

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
            int16_t id = static_cast<int16_t>(firstId + i);
            s.Roster[static_cast<size_t>(i)] = id;
            Player& p = league.player(id);
            p.Name = name + "Player " + std::to_string(i + 1);
            p.Team = name;
            p.DefaultPosition = PositionText(i % 5 + 1);
        }
        return s;
    }

    PlayerGameState& G(int16_t id) { return league.player(id).Game; }

    void SetScore(int home, int away) {
        game.Home.Score = static_cast<int16_t>(home);
        game.Away.Score = static_cast<int16_t>(away);
    }

    // Gives ten dressed players some minutes and a line whose points add up to the team's score (63 or more).
    void PlayEveryone(int home, int away) {
        SetScore(home, away);
        for (GameSide* side : {&game.Home, &game.Away}) {
            // Slots 2 to 10 score 11 down to 3 points (63 together), the first slot the rest.
            for (int i = 0; i < 12; ++i) {
                PlayerGameState& g = G(side->Roster[static_cast<size_t>(i)]);
                g.Seconds = static_cast<int16_t>(i < 10 ? 1500 - 60 * i : 0);
                if (g.Seconds == 0) continue;
                g.Points = static_cast<int16_t>(i == 0 ? side->Score - 63 : 12 - i);
                g.FG = static_cast<int16_t>(g.Points / 2);
                g.FGA = static_cast<int16_t>(g.FG * 2 + 1);
                g.Rebounds = static_cast<int16_t>(i % 4 + 1);
                g.Assists = static_cast<int16_t>(i % 3);
                g.Steals = 1;
                g.Turnovers = static_cast<int16_t>(i % 2);
                g.Fouls = 2;
            }
        }
    }

    League league;
    FinishedGame game;
};

TEST(PlayerOfGameScore, WeighsEveryCategory) {
    PlayerGameState g;
    g.Points = 20;
    g.Rebounds = 10;
    g.Assists = 4;
    g.Steals = 2;
    g.Blocks = 2;
    g.FTA = 10;
    g.FT = 6;
    g.FGA = 15;
    g.FG = 7;
    g.Turnovers = 3;
    g.Fouls = 5;
    // 20 + 10 + 7 + 4 + 3 + 2 - (4 + 8 + 6 + 1)
    EXPECT_DOUBLE_EQ(PlayerOfGameScore(g), 27.0);
    EXPECT_DOUBLE_EQ(PlayerOfGameScore(PlayerGameState{}), 0.0);
}

TEST_F(FinishedGameTest, PlayerOfGameNeedsPlayingTimeFirstFoundKeepsTieScoreMayBeNegative) {
    SetScore(90, 88);
    EXPECT_EQ(ChoosePlayerOfGame(league, game), 0) << "nobody played";
    EXPECT_EQ(FindLeaders(league, game.Home).Points, 0);
    G(3).Seconds = 60;
    G(3).FGA = 4; // -4
    G(104).Seconds = 60;
    G(104).Turnovers = 3; // -6
    double score = 0;
    EXPECT_EQ(ChoosePlayerOfGame(league, game, &score), 3);
    EXPECT_DOUBLE_EQ(score, -4.0);
    G(5).Points = 30; // never got on the court
    G(7).Seconds = 600;
    G(7).Points = 20;
    G(105).Seconds = 900;
    G(105).Points = 20;
    EXPECT_EQ(ChoosePlayerOfGame(league, game, &score), 7);
    EXPECT_DOUBLE_EQ(score, 20.0);
    G(105).Rebounds = 1;
    EXPECT_EQ(ChoosePlayerOfGame(league, game), 105);
}

TEST_F(FinishedGameTest, AllStarGameCountsOnlyTheWinners) {
    game.Type = GameType::AllStar;
    SetScore(120, 130);
    G(2).Seconds = 600;
    G(2).Points = 50;
    G(110).Seconds = 600;
    G(110).Points = 10;
    EXPECT_EQ(ChoosePlayerOfGame(league, game), 110);
    game.Type = GameType::Regular;
    EXPECT_EQ(ChoosePlayerOfGame(league, game), 2);
}

TEST_F(FinishedGameTest, LeadersPerSideFirstFoundKeepsTie) {
    PlayEveryone(100, 90);
    G(4).Rebounds = 9;
    G(6).Rebounds = 9;
    G(8).Assists = 11;
    SideLeaders l = FindLeaders(league, game.Home);
    EXPECT_EQ(l.Points, 1);
    EXPECT_EQ(l.Rebounds, 4);
    EXPECT_EQ(l.Assists, 8);
}

TEST_F(FinishedGameTest, ResultTextsPutWinnerFirstAndMarkTheHomeTeam) {
    SetScore(99, 101);
    EXPECT_EQ(FinalScoreText(game), "Bulls 101, Hawks 99");
    EXPECT_EQ(ResultText(game), "Bulls 101, @Hawks 99");
    SetScore(100, 99);
    EXPECT_EQ(FinalScoreText(game), "Hawks 100, Bulls 99");
    EXPECT_EQ(ResultText(game), "@Hawks 100, Bulls 99");
    game.NeutralCourt = true;
    EXPECT_EQ(ResultText(game), "Hawks 100, Bulls 99");
}

TEST_F(FinishedGameTest, SeasonTotalsGrowByTheGameAndTheLogGetsOneEntry) {
    PlayEveryone(104, 97);
    G(1).Started = true;
    G(1).Dunks = 3;
    G(1).FT = 4;
    G(1).FTA = 5;
    G(1).ThreeP = 1;
    G(1).ThreePA = 4;
    G(1).Blocks = 2;
    Player& p = league.player(1);
    p.SeasonStats.Games = 10;
    p.SeasonStats.Points = 150;
    p.SeasonStats.Minutes = 300;
    p.GameLog.resize(10);
    PlayerGameState before = p.Game;

    RecordPlayerStats(league, game);

    EXPECT_EQ(p.SeasonStats.Games, 11);
    EXPECT_EQ(p.SeasonStats.GamesStarted, 1);
    EXPECT_EQ(p.SeasonStats.Points, 150 + before.Points);
    EXPECT_EQ(p.SeasonStats.Minutes, 300 + 25); // 1500 seconds
    EXPECT_EQ(p.SeasonStats.FG, before.FG);
    EXPECT_EQ(p.SeasonStats.FGA, before.FGA);
    EXPECT_EQ(p.SeasonStats.FT, 4);
    EXPECT_EQ(p.SeasonStats.FTA, 5);
    EXPECT_EQ(p.SeasonStats.ThreeP, 1);
    EXPECT_EQ(p.SeasonStats.ThreePA, 4);
    EXPECT_EQ(p.SeasonStats.Rebounds, before.Rebounds);
    EXPECT_EQ(p.SeasonStats.Blocks, 2);
    EXPECT_EQ(p.SeasonStats.Fouls, 2);
    EXPECT_EQ(p.SeasonStats.Spare, 3);
    EXPECT_EQ(p.PlayoffStats, PlayoffTotals{});

    ASSERT_EQ(p.GameLog.size(), 11u);
    const GameLogEntry& log = p.GameLog.back();
    EXPECT_EQ(log.SeasonDay, 17);
    EXPECT_TRUE(log.Starter);
    EXPECT_EQ(log.Team, "Hawks");
    EXPECT_EQ(log.Opponent, "Bulls");
    EXPECT_EQ(log.Minutes, 25);
    EXPECT_EQ(log.Points, before.Points);
    EXPECT_EQ(log.FT, 4);
    EXPECT_EQ(log.Blocks, 2);
    EXPECT_EQ(log.Spare1, 3);

    const GameLogEntry& awayLog = league.player(101).GameLog.back();
    EXPECT_FALSE(awayLog.Starter);
    EXPECT_EQ(awayLog.Team, "Bulls");
    EXPECT_EQ(awayLog.Opponent, "Hawks");
    EXPECT_EQ(league.player(101).SeasonStats.GamesStarted, 0);

    // The game values are cleared for the next game, on both sides.
    EXPECT_EQ(p.Game.Points, 0);
    EXPECT_EQ(p.Game.Seconds, 0);
    EXPECT_FALSE(p.Game.Started);
    EXPECT_EQ(league.player(101).Game.Points, 0);
}

TEST_F(FinishedGameTest, EveryDressedPlayerGetsAGameAndMinutesRoundHalfToEven) {
    G(1).Seconds = 90;  // 1.5 minutes
    G(2).Seconds = 150; // 2.5 minutes
    G(3).Seconds = 29;
    RecordPlayerStats(league, game);
    EXPECT_EQ(league.player(1).GameLog[0].Minutes, 2);
    EXPECT_EQ(league.player(2).GameLog[0].Minutes, 2);
    EXPECT_EQ(league.player(3).GameLog[0].Minutes, 0);
    const Player& benched = league.player(12); // dressed, 0 seconds
    EXPECT_EQ(benched.SeasonStats.Games, 1);
    EXPECT_EQ(benched.SeasonStats.Minutes, 0);
    ASSERT_EQ(benched.GameLog.size(), 1u);
    EXPECT_EQ(league.player(13).GameLog.size(), 0u); // not dressed
    // A full season of full games still fits the minutes field.
    for (int i = 1; i < 82; ++i) {
        G(1).Seconds = 2880;
        RecordPlayerStats(league, game);
    }
    EXPECT_EQ(league.player(1).SeasonStats.Minutes, 2 + 81 * 48);
    EXPECT_EQ(league.player(1).SeasonStats.Games, 82);
}

TEST_F(FinishedGameTest, HighsRiseOnlyWhenBeaten) {
    Player& p = league.player(2);
    p.HIGHPOINTS = 30;
    p.HIGHREBOUNDS = 5;
    p.HIGHASSISTS = 8;
    p.HIGHSTEALS = 1;
    p.HIGHBLOCKS = 4;
    G(2).Seconds = 2000;
    G(2).Points = 29;
    G(2).Rebounds = 6;
    G(2).Assists = 8;
    G(2).Steals = 3;
    G(2).Blocks = 0;
    RecordPlayerStats(league, game);
    EXPECT_EQ(p.HIGHPOINTS, 30);
    EXPECT_EQ(p.HIGHREBOUNDS, 6);
    EXPECT_EQ(p.HIGHASSISTS, 8);
    EXPECT_EQ(p.HIGHSTEALS, 3);
    EXPECT_EQ(p.HIGHBLOCKS, 4);
}

TEST_F(FinishedGameTest, DoubleFiguresMakeDoubleAndTripleDoubles) {
    PlayerGameState shooting; // field goals and free throws are no category
    shooting.FG = 12;
    shooting.FGA = 20;
    shooting.FTA = 10;
    shooting.Points = 9;
    EXPECT_EQ(DoubleFigureCategories(shooting), 0);
    const struct {
        int pts, reb, ast, stl, blk, categories, doubles, triples;
    } cases[] = {{10, 9, 0, 0, 0, 1, 0, 0},    {10, 10, 9, 0, 0, 2, 1, 0}, {10, 10, 10, 0, 0, 3, 1, 1},
                 {9, 10, 10, 0, 0, 2, 1, 0},   {30, 9, 9, 9, 9, 1, 0, 0},  {10, 0, 0, 10, 10, 3, 1, 1},
                 {10, 10, 10, 10, 10, 5, 1, 1}};
    int16_t id = 1;
    for (const auto& c : cases) {
        PlayerGameState& g = G(id++);
        g.Seconds = 1800;
        g.Points = static_cast<int16_t>(c.pts);
        g.Rebounds = static_cast<int16_t>(c.reb);
        g.Assists = static_cast<int16_t>(c.ast);
        g.Steals = static_cast<int16_t>(c.stl);
        g.Blocks = static_cast<int16_t>(c.blk);
        EXPECT_EQ(DoubleFigureCategories(g), c.categories) << id - 1;
    }
    RecordPlayerStats(league, game);
    id = 1;
    for (const auto& c : cases) {
        EXPECT_EQ(league.player(id).SeasonStats.DoubleDoubles, c.doubles) << id;
        EXPECT_EQ(league.player(id).SeasonStats.TripleDoubles, c.triples) << id;
        ++id;
    }
}

TEST_F(FinishedGameTest, SixFoulsDisqualify) {
    G(1).Seconds = 1000;
    G(1).Fouls = 5;
    G(2).Seconds = 1000;
    G(2).Fouls = 6;
    RecordPlayerStats(league, game);
    EXPECT_EQ(league.player(1).SeasonStats.DQ, 0);
    EXPECT_EQ(league.player(2).SeasonStats.DQ, 1);
    EXPECT_EQ(league.player(2).SeasonStats.Fouls, 6);
}

TEST_F(FinishedGameTest, PlayoffGamesGoToPlayoffTotals) {
    game.Type = GameType::Playoff;
    game.SeasonDay = 130;
    PlayEveryone(95, 93);
    G(1).Started = true;
    G(1).Fouls = 6;
    G(1).Rebounds = 12; // a double-double: no playoff counter for it
    int16_t points = G(1).Points;
    RecordPlayerStats(league, game);
    const Player& p = league.player(1);
    EXPECT_EQ(p.SeasonStats, SeasonTotals{});
    EXPECT_EQ(p.PlayoffStats.Games, 1);
    EXPECT_EQ(p.PlayoffStats.Points, points);
    EXPECT_EQ(p.PlayoffStats.Minutes, 25);
    EXPECT_EQ(p.PlayoffStats.DQ, 1);
    ASSERT_EQ(p.GameLog.size(), 1u);
    EXPECT_EQ(p.GameLog[0].SeasonDay, 130);
    EXPECT_EQ(p.HIGHREBOUNDS, 12);
}

TEST_F(FinishedGameTest, ExhibitionLeavesNoTotals) {
    game.Type = GameType::Exhibition;
    PlayEveryone(95, 93);
    RecordPlayerStats(league, game);
    EXPECT_EQ(league.player(1).SeasonStats, SeasonTotals{});
    EXPECT_EQ(league.player(1).PlayoffStats, PlayoffTotals{});
    EXPECT_EQ(league.player(1).Game.Points, 0);
}

TEST_F(FinishedGameTest, RegularResultUpdatesBothTeamsRecordsConsistently) {
    PlayEveryone(101, 94);
    GameSummary s = SummarizeGame(league, game);
    EXPECT_EQ(s.HomeLine.Points, 101);
    EXPECT_EQ(s.AwayLine.Points, 94);
    Team& home = league.team(3);
    Team& away = league.team(8);
    home.Streak = -2;
    away.Streak = 4;
    RecordTeamResult(league, game, s);

    EXPECT_EQ(home.HomeWins, 1);
    EXPECT_EQ(home.HomeLosses + home.RoadWins + home.RoadLosses, 0);
    EXPECT_EQ(away.RoadLosses, 1);
    EXPECT_EQ(away.HomeWins + away.HomeLosses + away.RoadWins, 0);
    EXPECT_EQ(home.SeasonWinsVs[8], 1);
    EXPECT_EQ(home.SeasonLossesVs[8], 0);
    EXPECT_EQ(away.SeasonLossesVs[3], 1);
    EXPECT_EQ(home.AllTimeWinsVs[8], 1);
    EXPECT_EQ(away.AllTimeLossesVs[3], 1);
    EXPECT_EQ(home.PointsVs[8], 7);
    EXPECT_EQ(away.PointsVs[3], -7);
    EXPECT_EQ(home.TotalWins, 1);
    EXPECT_EQ(away.TotalLosses, 1);
    EXPECT_EQ(home.Streak, 1);
    EXPECT_EQ(away.Streak, -1);

    // What one team made, the other allowed.
    EXPECT_EQ(home.Points, 101);
    EXPECT_EQ(away.PointsAllowed, 101);
    EXPECT_EQ(home.PointsAllowed, 94);
    EXPECT_EQ(home.FG, away.FGallowed);
    EXPECT_EQ(home.FGA, away.FGAallowed);
    EXPECT_EQ(home.Rebounds, away.ReboundsAllowed);
    EXPECT_EQ(home.Steals, away.StealsAllowed);
    EXPECT_EQ(home.Assists, away.AssistsAllowed);
    EXPECT_EQ(home.Turnovers, away.TurnoversAllowed);
    EXPECT_EQ(away.FG, home.FGallowed);
    EXPECT_EQ(away.Assists, home.AssistsAllowed);
    EXPECT_EQ(home.FG, s.HomeLine.FG);
    EXPECT_GT(home.FG, 0);

    // Team game records of a first game.
    EXPECT_EQ(home.GameRecords[0].Value, 101);
    EXPECT_EQ(home.GameRecords[0].Season, 2004);
    EXPECT_EQ(home.GameRecords[1].Value, 94);
    EXPECT_EQ(away.GameRecords[1].Value, 101);

    // A second meeting the other way round: fewer points allowed is the better record.
    PlayEveryone(80, 70);
    GameSummary again = SummarizeGame(league, game);
    league.state.Season = 2005;
    RecordTeamResult(league, game, again);
    EXPECT_EQ(home.HomeWins, 2);
    EXPECT_EQ(home.Streak, 2);
    EXPECT_EQ(home.PointsVs[8], 17);
    EXPECT_EQ(home.GameRecords[0].Value, 101);
    EXPECT_EQ(home.GameRecords[0].Season, 2004);
    EXPECT_EQ(home.GameRecords[1].Value, 70);
    EXPECT_EQ(home.GameRecords[1].Season, 2005);
}

TEST_F(FinishedGameTest, PlayoffAndAllStarResultsLeaveTheSeasonRecordsAlone) {
    game.Type = GameType::Playoff;
    PlayEveryone(90, 99);
    GameSummary s = SummarizeGame(league, game);
    RecordTeamResult(league, game, s);
    EXPECT_EQ(league.team(3).PlayoffLosses, 1);
    EXPECT_EQ(league.team(8).PlayoffWins, 1);
    EXPECT_EQ(league.team(3).HomeLosses, 0);
    EXPECT_EQ(league.team(8).RoadWins, 0);
    EXPECT_EQ(league.team(8).Points, 0);
    // The Player of the Game count rises in regular games only.
    ASSERT_NE(s.PlayerOfGame, 0);
    CountPlayerOfGame(league, game, s);
    EXPECT_EQ(league.player(s.PlayerOfGame).PlayerOfGame, 0);
    game.Type = GameType::Regular;
    CountPlayerOfGame(league, game, s);
    EXPECT_EQ(league.player(s.PlayerOfGame).PlayerOfGame, 1);

    game.Home.TeamID = 30; // All-Star squads keep no records
    game.Away.TeamID = 31;
    game.Type = GameType::AllStar;
    PlayEveryone(140, 130);
    RecordTeamResult(league, game, SummarizeGame(league, game));
    EXPECT_EQ(league.team(30).HomeWins, 0);
    EXPECT_EQ(league.team(30).Points, 0);
}

TEST_F(FinishedGameTest, ScheduledGameIsFilled) {
    ScheduleDay& day = league.schedule[17];
    day.NumGames = 5;
    day.Games[4].HomeTeam = "Hawks";
    day.Games[4].AwayTeam = "Bulls";
    PlayEveryone(100, 103);
    G(105).Rebounds = 15;
    G(3).Assists = 9;
    GameSummary s = SummarizeGame(league, game);
    ASSERT_TRUE(RecordScheduledGame(league, game, s, "17-4.txt"));
    const ScheduledGame& e = day.Games[4];
    EXPECT_TRUE(e.Played);
    EXPECT_EQ(e.HomeScore, 100);
    EXPECT_EQ(e.AwayScore, 103);
    EXPECT_EQ(e.BoxFile, "17-4.txt");
    EXPECT_EQ(e.PlayerOfGame, league.player(s.PlayerOfGame).Name);
    EXPECT_EQ(e.PlayerOfGameScore, NearestInt(s.PlayerOfGameScore));
    EXPECT_EQ(e.AwayRebounds.Name, league.player(105).Name);
    EXPECT_EQ(e.AwayRebounds.Value, 15);
    EXPECT_EQ(e.HomeAssists.Name, league.player(3).Name);
    EXPECT_EQ(e.HomeAssists.Value, 9);
    EXPECT_EQ(e.HomePoints.Name, league.player(1).Name);
    EXPECT_EQ(e.HomePoints.Value, G(1).Points);
    EXPECT_FALSE(day.Games[3].Played);
}

TEST_F(FinishedGameTest, GamesOutsideTheScheduleLeaveItAlone) {
    ScheduleDay& day = league.schedule[17];
    day.NumGames = 5;
    day.Games[4].HomeTeam = "Bulls"; // other teams at this number
    day.Games[4].AwayTeam = "Hawks";
    PlayEveryone(100, 103);
    GameSummary s = SummarizeGame(league, game);
    EXPECT_FALSE(RecordScheduledGame(league, game, s, "17-4.txt"));
    EXPECT_FALSE(day.Games[4].Played);
    game.GameNumber = 6; // beyond the day's count
    EXPECT_FALSE(RecordScheduledGame(league, game, s, "17-6.txt"));
    game.GameNumber = 4;
    game.Type = GameType::Exhibition;
    day.Games[4].HomeTeam = "Hawks";
    day.Games[4].AwayTeam = "Bulls";
    EXPECT_FALSE(RecordScheduledGame(league, game, s, "0-0.txt"));
    EXPECT_FALSE(day.Games[4].Played);
}

// FNV-1a over bytes, written out independently of the tally.
uint64_t Fnv1a(const std::vector<uint8_t>& bytes) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (uint8_t b : bytes)
        h = (h ^ b) * 0x100000001b3ull;
    return h;
}

TEST(GameStatsTally, AveragesPerTeamGameSharesAndChecksum) {
    TeamGameLine a, b;
    a.FG = 40, a.FGA = 90, a.ThreeP = 5, a.ThreePA = 15, a.FT = 15, a.FTA = 20, a.Rebounds = 44,
    a.Assists = 20;
    a.Steals = 8, a.Blocks = 4, a.Turnovers = 14, a.Fouls = 22;
    b.FG = 30, b.FGA = 80, b.ThreeP = 3, b.ThreePA = 9, b.FT = 10, b.FTA = 10, b.Rebounds = 40,
    b.Assists = 18;
    b.Steals = 6, b.Blocks = 6, b.Turnovers = 16, b.Fouls = 20;
    GameStatsTally t;
    t.AddGame(a, b, 100, 73, false);
    t.AddGame(b, a, 73, 300, true); // away win after overtime; a score above 255 uses both bytes
    EXPECT_EQ(t.Games(), 2);
    EXPECT_EQ(t.OvertimeGames(), 1);
    EXPECT_EQ(t.HomeWins(), 1);
    EXPECT_DOUBLE_EQ(t.OvertimeShare(), 0.5);
    EXPECT_DOUBLE_EQ(t.HomeWinShare(), 0.5);
    GameStatsTally::Averages avg = t.PerTeamGame();
    EXPECT_DOUBLE_EQ(avg.Points, (100 + 73 + 73 + 300) / 4.0);
    EXPECT_DOUBLE_EQ(avg.FGA, 85.0);
    EXPECT_DOUBLE_EQ(avg.FGPct, 140.0 / 340.0);
    EXPECT_DOUBLE_EQ(avg.ThreePPct, 16.0 / 48.0);
    EXPECT_DOUBLE_EQ(avg.FTPct, 50.0 / 60.0);
    EXPECT_DOUBLE_EQ(avg.Fouls, 21.0);
    EXPECT_EQ(t.Checksum(), Fnv1a({100, 0, 73, 0, 73, 0, 0x2C, 0x01}));
    EXPECT_EQ(avg.Possessions, 0.0);
    t.AddPossessions(95, 97);
    t.AddPossessions(101, 99);
    EXPECT_DOUBLE_EQ(t.PerTeamGame().Possessions, 98.0);

    GameStatsTally swapped; // the order of the games matters
    swapped.AddGame(b, a, 73, 300, true);
    swapped.AddGame(a, b, 100, 73, false);
    EXPECT_NE(swapped.Checksum(), t.Checksum());
    EXPECT_EQ(GameStatsTally().PerTeamGame().Points, 0.0);
    EXPECT_EQ(GameStatsTally().Checksum(), Fnv1a({}));
}

TEST(GameStatsTally, ReportEndsWithSharesAndChecksum) {
    GameStatsTally t;
    t.AddGame(TeamGameLine{}, TeamGameLine{}, 90, 80, false);
    std::vector<std::string> lines = t.ReportLines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 3], "Overtime games: 0.000");
    EXPECT_EQ(lines[lines.size() - 2], "Home wins: 1.000");
    char hex[32];
    std::snprintf(hex, sizeof hex, "Checksum: %016llx", static_cast<unsigned long long>(t.Checksum()));
    EXPECT_EQ(lines.back(), hex);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  Points     85.0"), lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "  Possessions 0.0"), lines.end());
    t.AddPossessions(90, 92);
    lines = t.ReportLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  Possessions 91.0"), lines.end());
}

} // namespace
} // namespace hv
