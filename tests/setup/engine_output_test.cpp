// The box score text file, and whole games of the default league checked through the files they leave.
#include <gtest/gtest.h>

#include <fstream>

#include "engine/box_score.h"
#include "engine/box_score_files.h"
#include "engine/game.h"
#include "platform/scripted_host.h"
#include "setup/default_league.h"
#include "setup/startup.h"
#include "support/seeded_games.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

// Two sides of 13 dressed players (slots 14 and 15 empty; the 13th did not play). Field k of the block of the
// player at roster slot i holds 100 (i + 1) + k + 1, so that no two columns or players share a value.
class BoxScoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        league.state.LeagueName = "Test League";
        game.SeasonDay = 23;
        game.GameNumber = 6;
        Fill(game.Home, 4, "Hawks", 20);
        Fill(game.Away, 9, "Bulls", 200);
        game.Home.QuarterScores = {21, 22, 23, 24, 5};
        game.Away.QuarterScores = {31, 32, 33, 19, 0};
        game.Home.Score = 95, game.Away.Score = 115;
    }
    void Fill(GameSide& side, int16_t team, const std::string& name, int16_t firstId) {
        side.TeamID = team;
        side.Name = name;
        for (int i = 0; i < 13; ++i) {
            const int16_t id = static_cast<int16_t>(firstId + i);
            side.Roster[static_cast<size_t>(i)] = id;
            Player& p = league.player(id);
            p.Name = name + " Man" + std::to_string(i);
            if (i == 12) continue;
            PlayerGameState& g = p.Game;
            g.CourtSlot = static_cast<int16_t>(i < 5 ? i + 1 : 0);
            int16_t* fields[] = {&g.Seconds, &g.FGA,   &g.FG,        &g.ThreePA, &g.ThreeP,
                                 &g.FTA,     &g.FT,    &g.Rebounds,  &g.Assists, &g.Steals,
                                 &g.Blocks,  &g.Fouls, &g.Turnovers, &g.Points};
            for (int k = 0; k < 14; ++k)
                *fields[k] = static_cast<int16_t>(100 * (i + 1) + k + 1);
        }
    }
    League league;
    FinishedGame game;
};

// The file's lines in the order the box-score screen reads them; they read back, damaged ones do not.
TEST_F(BoxScoreTest, FileLayoutLineByLineAndDamagedTextIsRefused) {
    const BoxScore box = BuildBoxScore(league, game, 22);
    const std::vector<std::string> lines = BoxScoreLines(box);
    ASSERT_EQ(lines.size(), 2u + 10 + 2 + 2 * 15 * 17 + 3 + 3 + 2 * 12);
    std::vector<std::string> head = {"Bulls 115, Hawks 95", "Box Version 2", "21", "22", "23", "24", "5"};
    head.insert(head.end(), {"31", "32", "33", "19", "0", "Hawks", "Bulls"});
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 14), head);
    // The second home block: number, name, position, then seconds, FGA, FGM, 3PA, 3PM, FTA, FTM, REB, AST,
    // STL, BLK, PF, TO, PTS.
    std::vector<std::string> block = {"21", "Hawks Man1", "PF"};
    for (int k = 1; k <= 14; ++k)
        block.push_back(std::to_string(200 + k));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 14 + 17, lines.begin() + 14 + 34), block);
    const size_t benched = 14 + 12 * 17, empty = 14 + 13 * 17;
    EXPECT_EQ(std::vector<std::string>(lines.begin() + benched, lines.begin() + benched + 4),
              (std::vector<std::string>{"32", "Hawks Man12", "", "0"}));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + empty, lines.begin() + empty + 3),
              (std::vector<std::string>{"0", "", ""}));
    EXPECT_EQ(lines[14 + 15 * 17 + 1], "Bulls Man0") << "the away blocks follow the fifteen home blocks";
    // Player of the Game: his court slot and name; then the team totals, each the sum of a column.
    const size_t pog = 14 + 30 * 17;
    std::vector<std::string> tail = {"POG:", "3", "Hawks Man2", "", "Team Stats:", "", "Team: Hawks"};
    const char* labels[] = {"FGA: ", "FG: ",       "3PA: ",    "3p: ",     "FTA: ",
                            "FT: ",  "Rebounds: ", "Steals: ", "Blocks: ", "Turnovers: "};
    const int columns[] = {2, 3, 4, 5, 6, 7, 8, 10, 11, 13};
    for (int side = 0; side < 2; ++side) {
        if (side == 1) tail.push_back("Team: Bulls");
        for (int k = 0; k < 10; ++k)
            tail.push_back(labels[k] + std::to_string(7800 + 12 * columns[k]));
        tail.push_back("");
    }
    EXPECT_EQ(std::vector<std::string>(lines.begin() + pog, lines.end()), tail);
    EXPECT_EQ(ParseBoxScore(lines), box);
    for (auto [at, text] : {std::pair{1, "Box Version 1"}, {20, "12x"}, {530, "Team: Owls"}}) {
        std::vector<std::string> bad = lines;
        bad[static_cast<size_t>(at)] = text;
        EXPECT_FALSE(ParseBoxScore(bad).has_value()) << text;
    }
    EXPECT_FALSE(ParseBoxScore({lines.begin(), lines.end() - 3}).has_value());
}

// Games of the engine in the default league, played and written as the season plays them.
// The box file and the play-by-play file tell the same game, and the game reached the league's records.
TEST(EngineGameOutput, AScheduledGameLeavesFilesThatAgreeAndReachesTheRecords) {
    test::TempHome home;
    ScriptedHost host;
    Session session;
    home.CopyInstalledData();
    session.league.programFolder = home.path();
    ASSERT_TRUE(RunStartup(session, host));
    ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Output Test"));
    League& l = session.league;
    const fs::path folder = home / "leaguedata" / "Output Test";
    l.rng.Seed(11);
    l.state.SeasonDay = 5;
    l.state.SiteDuringSim = true;
    l.state.LeagueInjuries = false;
    l.schedule[5].NumGames = 3;
    l.schedule[5].Games[3].HomeTeam = l.team(1).Name;
    l.schedule[5].Games[3].AwayTeam = l.team(2).Name;
    clsGame game(l);
    game.StartGame(1, 2, true, 3, GameType::Regular);
    game.SimGame();
    game.OutputPBP();
    const int homeScore = game.HomeScore();
    const GameSummary& summary = game.Summary();
    const std::optional<BoxScore> box = ReadBoxScoreFile(folder / "box" / "5-3.txt");
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(std::make_tuple(box->FinalLine, box->Home.Score(), box->Away.Score()),
              std::make_tuple(summary.FinalLine, homeScore, game.AwayScore()));
    EXPECT_TRUE(fs::exists(folder / "html" / "boxes" / "5-3.html"));
    const std::vector<std::string> pbp = *ReadTextLines(folder / "pbp" / "5-3.txt");
    EXPECT_EQ(pbp, game.PlayByPlay());
    const test::PlayByPlayFindings found = test::ReadPlayByPlay(pbp, *box);
    EXPECT_TRUE(found.faults.empty()) << test::Joined(found.faults);

    // The game ends with the final score and the leaders.
    const auto final = std::find(pbp.begin(), pbp.end(), "Final Score - " + summary.FinalLine);
    const Player& pog = l.player(summary.PlayerOfGame);
    for (const std::string& line :
         {"Player of the Game: " + pog.DefaultPosition + " " + pog.Name + " - " + pog.Team,
          l.team(1).Name + " Leaders:", l.team(2).Name + " Leaders:"})
        EXPECT_NE(std::find(final, pbp.end(), line), pbp.end()) << line;

    EXPECT_NE(l.lastResult.find("@" + l.team(1).Name + " " + std::to_string(homeScore)), std::string::npos);
    const ScheduledGame& entry = l.schedule[5].Games[3];
    EXPECT_EQ(std::make_tuple(entry.Played, entry.BoxFile, entry.PlayerOfGame, entry.HomeScore),
              std::make_tuple(true, "5-3.txt", pog.Name, homeScore));
    // Each leader is a box line of his side holding that side's best value.
    using Stat = int16_t BoxPlayerLine::*;
    const std::tuple<const BoxSide*, const GameLeader*, Stat> leaders[] = {
        {&box->Home, &entry.HomePoints, &BoxPlayerLine::Points},
        {&box->Home, &entry.HomeRebounds, &BoxPlayerLine::Rebounds},
        {&box->Away, &entry.AwayAssists, &BoxPlayerLine::Assists}};
    for (const auto& [side, leader, stat] : leaders) {
        int16_t best = 0, his = -1;
        for (const BoxPlayerLine& line : side->Players) {
            best = std::max(best, line.*stat);
            if (line.Name == leader->Name) his = line.*stat;
        }
        EXPECT_EQ(std::make_pair(leader->Value, his), std::make_pair(best, best)) << leader->Name;
    }

    // A box file that cannot be written is reported after the statistics are saved.
    fs::remove_all(folder / "box");
    home.Write("leaguedata/Output Test/box", "a file where the folder should be");
    l.schedule[5].Games[2].HomeTeam = l.team(3).Name;
    l.schedule[5].Games[2].AwayTeam = l.team(4).Name;
    clsGame unwritten(l);
    unwritten.StartGame(3, 4, false, 2, GameType::Regular);
    EXPECT_THROW(unwritten.SimGame(), std::runtime_error);
    EXPECT_TRUE(l.schedule[5].Games[2].Played);
    EXPECT_EQ(l.team(3).HomeWins + l.team(3).HomeLosses, 1);
    EXPECT_EQ(l.player(unwritten.HomeRoster()[0]).SeasonStats.Games, 1);
}

} // namespace
} // namespace hv
