// The box score text file, its HTML page, the output paths and the play-by-play file.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "engine/box_score.h"
#include "engine/box_score_files.h"
#include "engine/game.h"
#include "league/default_league.h"
#include "league/startup.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

std::vector<std::string> ReadLines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

fs::path FreshFolder(const std::string& tag) {
    std::random_device rd;
    fs::path dir = fs::temp_directory_path() / ("hoopvale-" + tag + "-" + std::to_string(rd()));
    fs::create_directories(dir);
    return dir;
}

// Two sides of 13 dressed players (slots 14 and 15 empty) with seeded random lines.
class BoxScoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        league.state.LeagueName = "Test League";
        league.state.SeasonDay = 23;
        game.SeasonDay = 23;
        game.GameNumber = 6;
        std::mt19937 rng(7);
        auto roll = [&](int n) { return static_cast<int16_t>(rng() % static_cast<unsigned>(n + 1)); };
        auto fill = [&](GameSide& side, int16_t team, const std::string& name, int16_t firstId) {
            side.TeamID = team;
            side.Name = name;
            for (int i = 0; i < 13; ++i) {
                int16_t id = static_cast<int16_t>(firstId + i);
                side.Roster[static_cast<size_t>(i)] = id;
                Player& p = league.player(id);
                p.Name = name + " Man" + std::to_string(i);
                PlayerGameState& g = p.Game;
                if (i == 12) continue; // did not play
                g.Seconds = static_cast<int16_t>(300 + roll(2000));
                g.CourtSlot = static_cast<int16_t>(i < 5 ? i + 1 : 0);
                g.ThreePA = roll(6);
                g.ThreeP = static_cast<int16_t>(g.ThreePA / 3);
                g.FGA = static_cast<int16_t>(g.ThreePA + roll(12));
                g.FG = static_cast<int16_t>(g.FGA / 2);
                g.FTA = roll(8);
                g.FT = static_cast<int16_t>(g.FTA * 3 / 4);
                g.Points = static_cast<int16_t>(2 * g.FG + g.ThreeP + g.FT);
                g.Rebounds = roll(12);
                g.Assists = roll(9);
                g.Steals = roll(3);
                g.Blocks = roll(3);
                g.Turnovers = roll(4);
                g.Fouls = roll(6);
                side.Score = static_cast<int16_t>(side.Score + g.Points);
            }
            int16_t perQuarter = static_cast<int16_t>(side.Score / 4);
            side.QuarterScores = {perQuarter, perQuarter, perQuarter,
                                  static_cast<int16_t>(side.Score - 3 * perQuarter), 0};
        };
        fill(game.Home, 4, "Hawks", 20);
        fill(game.Away, 9, "Bulls", 200);
        if (game.Home.Score == game.Away.Score) { // a free throw more for the home side
            PlayerGameState& g = league.player(20).Game;
            ++g.FT, ++g.FTA, ++g.Points;
            ++game.Home.Score, ++game.Home.QuarterScores[3];
        }
    }

    League league;
    FinishedGame game;
};

TEST_F(BoxScoreTest, FileLayoutLineByLine) {
    int16_t pog = ChoosePlayerOfGame(league, game);
    ASSERT_NE(pog, 0);
    std::vector<std::string> lines = BoxScoreLines(BuildBoxScore(league, game, pog));
    ASSERT_EQ(lines.size(), 2u + 10 + 2 + 2 * 15 * 17 + 3 + 3 + 2 * 12);
    EXPECT_EQ(lines[0], FinalScoreText(game));
    EXPECT_EQ(lines[1], "Box Version 2");
    for (int q = 0; q < 5; ++q) {
        EXPECT_EQ(lines[2 + q], std::to_string(game.Home.QuarterScores[q]));
        EXPECT_EQ(lines[7 + q], std::to_string(game.Away.QuarterScores[q]));
    }
    EXPECT_EQ(lines[12], "Hawks");
    EXPECT_EQ(lines[13], "Bulls");

    // First home block: number, name, position, seconds, FGA, FGM, 3PA, 3PM, FTA, FTM, REB, AST, STL, BLK,
    // PF, TO, PTS.
    const PlayerGameState& g = league.player(20).Game;
    std::vector<std::string> expected{"20", "Hawks Man0", "C"};
    for (int v : {g.Seconds, g.FGA, g.FG, g.ThreePA, g.ThreeP, g.FTA, g.FT, g.Rebounds, g.Assists, g.Steals,
                  g.Blocks, g.Fouls, g.Turnovers, g.Points})
        expected.push_back(std::to_string(v));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 14, lines.begin() + 31), expected);

    // The player who did not play keeps a block of zeros; the empty slot has number 0 and no name.
    size_t benched = 14 + 12 * 17;
    EXPECT_EQ(lines[benched], "32");
    EXPECT_EQ(lines[benched + 1], "Hawks Man12");
    EXPECT_EQ(lines[benched + 2], "");
    for (size_t k = 3; k < 17; ++k)
        EXPECT_EQ(lines[benched + k], "0") << k;
    size_t empty = 14 + 13 * 17;
    EXPECT_EQ(lines[empty], "0");
    EXPECT_EQ(lines[empty + 1], "");

    size_t pogAt = 14 + 30 * 17;
    EXPECT_EQ(lines[pogAt], "POG:");
    EXPECT_EQ(lines[pogAt + 1], std::to_string(league.player(pog).Game.CourtSlot));
    EXPECT_EQ(lines[pogAt + 2], league.player(pog).Name);
    EXPECT_EQ(lines[pogAt + 3], "");
    EXPECT_EQ(lines[pogAt + 4], "Team Stats:");
    EXPECT_EQ(lines[pogAt + 5], "");
    EXPECT_EQ(lines[pogAt + 6], "Team: Hawks");
    EXPECT_EQ(lines[pogAt + 7].rfind("FGA: ", 0), 0u);
    EXPECT_EQ(lines[pogAt + 10].rfind("3p: ", 0), 0u);
    EXPECT_EQ(lines[pogAt + 16].rfind("Turnovers: ", 0), 0u);
    EXPECT_EQ(lines[pogAt + 17], "");
    EXPECT_EQ(lines[pogAt + 18], "Team: Bulls");
    EXPECT_EQ(lines.back(), "");
}

TEST_F(BoxScoreTest, TeamTotalsAddUpThePlayerLines) {
    std::vector<std::string> lines = BoxScoreLines(BuildBoxScore(league, game, 0));
    // Offsets of FGA, FGM, 3PA, 3PM, FTA, FTM, REB, STL, BLK, TO inside a player block, in totals order.
    const size_t offsets[10] = {4, 5, 6, 7, 8, 9, 10, 12, 13, 15};
    const char* labels[10] = {"FGA: ", "FG: ",       "3PA: ",    "3p: ",     "FTA: ",
                              "FT: ",  "Rebounds: ", "Steals: ", "Blocks: ", "Turnovers: "};
    for (int side = 0; side < 2; ++side) {
        size_t firstBlock = 14 + static_cast<size_t>(side) * 15 * 17;
        size_t totalsAt = 14 + 30 * 17 + 7 + static_cast<size_t>(side) * 12;
        int points = 0;
        for (int slot = 0; slot < 15; ++slot)
            points += std::stoi(lines[firstBlock + slot * 17 + 16]);
        EXPECT_EQ(points, side == 0 ? game.Home.Score : game.Away.Score);
        for (int k = 0; k < 10; ++k) {
            int sum = 0;
            for (int slot = 0; slot < 15; ++slot)
                sum += std::stoi(lines[firstBlock + slot * 17 + offsets[k]]);
            EXPECT_EQ(lines[totalsAt + k], labels[k] + std::to_string(sum)) << side << " " << labels[k];
        }
    }
}

TEST_F(BoxScoreTest, TextReadsBackToTheSameBox) {
    BoxScore box = BuildBoxScore(league, game, ChoosePlayerOfGame(league, game));
    std::vector<std::string> lines = BoxScoreLines(box);
    std::optional<BoxScore> back = ParseBoxScore(lines);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, box);
    EXPECT_EQ(back->Home.Score(), game.Home.Score);

    std::vector<std::string> wrongVersion = lines;
    wrongVersion[1] = "Box Version 1";
    EXPECT_FALSE(ParseBoxScore(wrongVersion).has_value());
    std::vector<std::string> badNumber = lines;
    badNumber[20] = "12x";
    EXPECT_FALSE(ParseBoxScore(badNumber).has_value());
    std::vector<std::string> cut(lines.begin(), lines.end() - 3);
    EXPECT_FALSE(ParseBoxScore(cut).has_value());
}

TEST_F(BoxScoreTest, HtmlPageShowsTheGame) {
    league.player(21).Name = "Joe <Dunk> & Co";
    for (int16_t id : game.Away.Roster)
        if (id) league.player(id).Game.ThreePA = league.player(id).Game.ThreeP = 0;
    int16_t pog = ChoosePlayerOfGame(league, game);
    std::string html = BoxScoreHtml(BuildBoxScore(league, game, pog), DefaultSiteStyle());
    EXPECT_NE(html.find("Bulls at Hawks"), std::string::npos);
    EXPECT_NE(html.find("Score By Quarters"), std::string::npos);
    for (const char* column : {">POS<", ">MIN<", ">FG<", ">FGA<", ">3P<", ">3PA<", ">FT<", ">FTA<", ">REB<",
                               ">A<", ">PF<", ">ST<", ">TO<", ">BL<", ">PTS<", ">OT<", ">SCORE<"})
        EXPECT_NE(html.find(column), std::string::npos) << column;
    EXPECT_NE(html.find("TEAM TOTALS"), std::string::npos);
    EXPECT_NE(html.find("PERCENTAGES"), std::string::npos);
    EXPECT_NE(html.find("3PT: 0.0%"), std::string::npos);
    EXPECT_NE(html.find("Player of the Game: " + league.player(pog).Name), std::string::npos);
    EXPECT_NE(html.find("Joe &lt;Dunk&gt; &amp; Co"), std::string::npos);
    EXPECT_EQ(html.find("<Dunk>"), std::string::npos);
    EXPECT_NE(html.find("#E0E8F8"), std::string::npos);
}

TEST(PercentText, OneDecimalAndZeroWithoutAttempts) {
    EXPECT_EQ(PercentText(0, 0), "0.0%");
    EXPECT_EQ(PercentText(5, 11), "45.5%");
    EXPECT_EQ(PercentText(3, 3), "100.0%");
    EXPECT_EQ(PercentText(0, 7), "0.0%");
}

TEST_F(BoxScoreTest, OutputPathsByKindOfGame) {
    league.programFolder = "/prog";
    fs::path own = fs::path("/prog") / "leaguedata" / "Test League";
    EXPECT_EQ(BoxFilePath(league, game), own / "box" / "23-6.txt");
    EXPECT_EQ(PbpFilePath(league, game), own / "pbp" / "23-6.txt");
    EXPECT_EQ(HtmlBoxPath(league, game), own / "html" / "boxes" / "23-6.html");
    game.Type = GameType::Playoff;
    game.SeasonDay = 131;
    game.GameNumber = 2;
    EXPECT_EQ(BoxFilePath(league, game), own / "box" / "131-2.txt");
    game.Type = GameType::Rookie;
    EXPECT_EQ(BoxFilePath(league, game), own / "box" / "AllStar-Rookie.txt");
    EXPECT_EQ(PbpFilePath(league, game), own / "pbp" / "AllStar-Rookie.txt");
    EXPECT_EQ(HtmlBoxPath(league, game), own / "html" / "boxes" / "rookiegame.html");
    game.Type = GameType::AllStar;
    EXPECT_EQ(BoxFilePath(league, game), own / "box" / "AllStar-Regular.txt");
    EXPECT_EQ(HtmlBoxPath(league, game), own / "html" / "boxes" / "allstar.html");
    game.Type = GameType::Exhibition;
    fs::path def = fs::path("/prog") / "leaguedata" / "default";
    EXPECT_EQ(BoxFilePath(league, game), def / "box" / "0-0.txt");
    EXPECT_EQ(PbpFilePath(league, game), def / "pbp" / "0-0.txt");
    EXPECT_TRUE(HtmlBoxPath(league, game).empty());
}

TEST_F(BoxScoreTest, BoxFileReadsBackFromDisk) {
    fs::path dir = FreshFolder("readback");
    BoxScore box = BuildBoxScore(league, game, ChoosePlayerOfGame(league, game));
    WriteTextLines(dir / "23-6.txt", BoxScoreLines(box));
    std::optional<BoxScore> back = ReadBoxScoreFile(dir / "23-6.txt");
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, box);
    // Line ends written by another system read the same.
    std::string crlf;
    for (const std::string& line : BoxScoreLines(box))
        crlf += line + "\r\n";
    WriteTextFile(dir / "crlf.txt", crlf);
    ASSERT_TRUE(ReadBoxScoreFile(dir / "crlf.txt").has_value());
    EXPECT_EQ(*ReadBoxScoreFile(dir / "crlf.txt"), box);
    EXPECT_FALSE(ReadBoxScoreFile(dir / "missing.txt").has_value());
    EXPECT_FALSE(ReadBoxScoreFile(dir).has_value());
    WriteTextLines(dir / "short.txt", {"Hawks 1, Bulls 0", "Box Version 2"});
    EXPECT_FALSE(ReadBoxScoreFile(dir / "short.txt").has_value());
    fs::remove_all(dir);
}

TEST(TextFiles, WritesLinesReplacesAnOlderFileAndNamesAFileItCannotCreate) {
    fs::path dir = FreshFolder("lines");
    fs::path file = dir / "box" / "1-1.txt";
    WriteTextLines(file, {"first", "", "third"});
    EXPECT_EQ(ReadLines(file), (std::vector<std::string>{"first", "", "third"}));
    WriteTextLines(file, {"new"});
    EXPECT_EQ(ReadLines(file), (std::vector<std::string>{"new"}));
    WriteTextLines(file, {});
    EXPECT_EQ(fs::file_size(file), 0u);
    fs::remove_all(dir / "box");
    std::ofstream(dir / "box") << "a file where the folder should be";
    try {
        WriteTextLines(dir / "box" / "1-1.txt", {"x"});
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("1-1.txt"), std::string::npos);
    }
    fs::remove_all(dir);
}

// Whole games of the engine in the default league, checked through their output.
class EngineGameOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        session.league.programFolder = home.path();
        ASSERT_TRUE(RunStartup(session, host));
        ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Output Test"));
        EnsureLeagueFolders(home.path(), "Output Test");
        League& l = session.league;
        l.rng.Seed(11);
        l.state.SeasonDay = 5;
        l.state.SiteDuringSim = true;
        l.state.LeagueInjuries = false;
        ScheduleDay& day = l.schedule[5];
        day.NumGames = 3;
        day.Games[3].HomeTeam = l.team(1).Name;
        day.Games[3].AwayTeam = l.team(2).Name;
    }

    League& league() { return session.league; }
    fs::path Folder() const { return home / "leaguedata" / "Output Test"; }

    test::TempHome home;
    ScriptedHost host;
    Session session;
};

TEST_F(EngineGameOutput, AScheduledGameLeavesConsistentFilesAndRecords) {
    League& l = league();
    clsGame game(l);
    game.StartGame(1, 2, true, 3, GameType::Regular);
    game.SimGame();
    game.OutputPBP();
    int home = game.HomeScore(), away = game.AwayScore();
    ASSERT_NE(home, away);
    const GameSummary& summary = game.Summary();

    // Box file: reads back, quarters and player points add up to the score, totals match the team lines.
    std::vector<std::string> lines = ReadLines(Folder() / "box" / "5-3.txt");
    ASSERT_EQ(lines.size(), 554u);
    EXPECT_EQ(lines[1], "Box Version 2");
    std::optional<BoxScore> box = ParseBoxScore(lines);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->FinalLine, summary.FinalLine);
    EXPECT_EQ(box->Home.Score(), home);
    EXPECT_EQ(box->Away.Score(), away);
    for (const BoxSide* side : {&box->Home, &box->Away}) {
        const TeamGameLine& line = side == &box->Home ? summary.HomeLine : summary.AwayLine;
        int points = 0, seconds = 0;
        for (const BoxPlayerLine& p : side->Players) {
            points += p.Points;
            seconds += p.Seconds;
            EXPECT_LE(p.FG, p.FGA);
            EXPECT_LE(p.ThreeP, p.ThreePA);
            EXPECT_LE(p.ThreePA, p.FGA);
            EXPECT_EQ(p.Points, 2 * p.FG + p.ThreeP + p.FT) << p.Name;
        }
        EXPECT_EQ(points, side->Score());
        EXPECT_EQ(seconds, 5 * 48 * 60 + 5 * 5 * 60 * (game.PeriodsPlayed() - 4));
        EXPECT_EQ(side->Totals.FG, line.FG);
        EXPECT_EQ(side->Totals.FGA, line.FGA);
        EXPECT_EQ(side->Totals.Rebounds, line.Rebounds);
    }
    EXPECT_EQ(box->PogName, l.player(summary.PlayerOfGame).Name);
    EXPECT_TRUE(fs::exists(Folder() / "html" / "boxes" / "5-3.html"));

    // Play-by-play file: the engine's lines, ending with the final score and the leaders.
    std::vector<std::string> pbp = ReadLines(Folder() / "pbp" / "5-3.txt");
    EXPECT_EQ(pbp, game.PlayByPlay());
    auto has = [&](const std::string& text) { return std::find(pbp.begin(), pbp.end(), text) != pbp.end(); };
    EXPECT_TRUE(has("Final Score - " + summary.FinalLine));
    // The last header, right before the final score, names the last period played.
    auto final = std::find(pbp.begin(), pbp.end(), "Final Score - " + summary.FinalLine);
    ASSERT_GE(final - pbp.begin(), 4);
    std::string period = game.PeriodsPlayed() > 4 ? "OT" : "4";
    EXPECT_EQ((final - 3)->rfind("Quarter: " + period + "  Time Remaining: 0:00  " + l.team(1).Name + " " +
                                     std::to_string(home) + ",  ",
                                 0),
              0u)
        << *(final - 3);
    const Player& pog = l.player(summary.PlayerOfGame);
    EXPECT_TRUE(has("Player of the Game: " + pog.DefaultPosition + " " + pog.Name + " - " + pog.Team));
    EXPECT_TRUE(has(l.team(1).Name + " Leaders:"));
    EXPECT_TRUE(has(l.team(2).Name + " Leaders:"));
    EXPECT_TRUE(has(std::string(78, '-')));

    // The finished game reached the league: result text, schedule entry, both records, player totals
    // (the bookkeeping itself is checked case by case in the game statistics tests).
    EXPECT_NE(l.lastResult.find("@" + l.team(1).Name + " " + std::to_string(home)), std::string::npos);
    const ScheduledGame& entry = l.schedule[5].Games[3];
    EXPECT_TRUE(entry.Played);
    EXPECT_EQ(entry.BoxFile, "5-3.txt");
    EXPECT_EQ(entry.PlayerOfGame, pog.Name);
    EXPECT_GE(pog.PlayerOfGame, 1);
    EXPECT_EQ(l.team(1).HomeWins + l.team(1).HomeLosses, 1);
    EXPECT_EQ(l.team(2).RoadWins + l.team(2).RoadLosses, 1);
    for (int side = 0; side < 2; ++side) {
        int points = 0, starters = 0;
        for (int16_t id : side == 0 ? game.HomeRoster() : game.AwayRoster()) {
            if (id == 0) continue;
            const Player& p = l.player(id);
            EXPECT_EQ(p.SeasonStats.Games, 1);
            EXPECT_EQ(p.GameLog.size(), 1u);
            points += p.SeasonStats.Points;
            starters += p.SeasonStats.GamesStarted;
        }
        EXPECT_EQ(points, side == 0 ? home : away);
        EXPECT_EQ(starters, 5);
    }
}

TEST_F(EngineGameOutput, WithoutPlayByPlayTheFileIsEmpty) {
    clsGame game(league());
    game.StartGame(4, 7, false, 1, GameType::Regular);
    game.SimGame();
    game.OutputPBP();
    EXPECT_TRUE(game.PlayByPlay().empty());
    ASSERT_TRUE(fs::exists(Folder() / "pbp" / "5-1.txt"));
    EXPECT_EQ(fs::file_size(Folder() / "pbp" / "5-1.txt"), 0u);
    EXPECT_TRUE(fs::exists(Folder() / "box" / "5-1.txt"));
    EXPECT_FALSE(league().schedule[5].Games[1].Played); // not this day's game 1
}

TEST_F(EngineGameOutput, NoHtmlBoxWhenTheSiteOptionIsOff) {
    league().state.SiteDuringSim = false;
    clsGame game(league());
    game.StartGame(1, 2, false, 3, GameType::Regular);
    game.SimGame();
    EXPECT_TRUE(fs::exists(Folder() / "box" / "5-3.txt"));
    EXPECT_FALSE(fs::exists(Folder() / "html" / "boxes" / "5-3.html"));
}

TEST_F(EngineGameOutput, AnUnwritableBoxFileIsReportedAfterTheStatisticsAreSaved) {
    fs::remove_all(Folder() / "box");
    home.Write("leaguedata/Output Test/box", "a file where the folder should be");
    clsGame game(league());
    game.StartGame(1, 2, false, 3, GameType::Regular);
    EXPECT_THROW(game.SimGame(), std::runtime_error);
    const League& l = league();
    EXPECT_TRUE(l.schedule[5].Games[3].Played);
    EXPECT_EQ(l.team(1).HomeWins + l.team(1).HomeLosses, 1);
    for (int16_t id : game.HomeRoster()) {
        if (id) {
            EXPECT_EQ(l.player(id).SeasonStats.Games, 1);
        }
    }
}

TEST_F(EngineGameOutput, ExhibitionWritesIntoTheDefaultLeagueFolder) {
    League& l = league();
    clsGame game(l);
    game.StartGame(3, 4, true, 0, GameType::Exhibition, true);
    game.SimGame();
    game.OutputPBP();
    fs::path def = home / "leaguedata" / "default";
    ASSERT_TRUE(fs::exists(def / "box" / "0-0.txt"));
    EXPECT_TRUE(fs::exists(def / "pbp" / "0-0.txt"));
    EXPECT_FALSE(fs::exists(Folder() / "box" / "0-0.txt"));
    // Neutral court: no "@" in the result.
    EXPECT_EQ(l.lastResult.find('@'), std::string::npos) << l.lastResult;
    EXPECT_EQ(l.team(3).Wins() + l.team(3).Losses(), 0);
    std::optional<BoxScore> box = ParseBoxScore(ReadLines(def / "box" / "0-0.txt"));
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->Home.Score(), game.HomeScore());
}

TEST_F(EngineGameOutput, ManyGamesKeepTheirInvariants) {
    League& l = league();
    int games = 40, pogCount = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        pogCount -= l.player(id).PlayerOfGame;
    for (int i = 0; i < games; ++i) {
        int16_t home = static_cast<int16_t>(1 + i % 29), away = static_cast<int16_t>(1 + (i + 5) % 29);
        clsGame game(l);
        game.StartGame(home, away, false, static_cast<int16_t>(i + 1), GameType::Regular);
        game.SimGame();
        const GameSummary& s = game.Summary();
        EXPECT_EQ(s.HomeLine.Points, game.HomeScore());
        EXPECT_EQ(s.AwayLine.Points, game.AwayScore());
        ASSERT_NE(s.PlayerOfGame, 0);
        EXPECT_NE(s.HomeLeaders.Points, 0);
        // The quarters and the overtime points add up to the score; overtime points only after overtime.
        FinishedGame f = game.Finished();
        for (const GameSide* side : {&f.Home, &f.Away}) {
            int sum = 0;
            for (int16_t q : side->QuarterScores)
                sum += q;
            EXPECT_EQ(sum, side->Score);
        }
        bool overtime = game.PeriodsPlayed() > 4;
        EXPECT_EQ(f.Home.QuarterScores[4] + f.Away.QuarterScores[4] > 0, overtime);
    }
    int wins = 0, losses = 0;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        wins += l.team(t).Wins();
        losses += l.team(t).Losses();
        EXPECT_EQ(l.team(t).TotalWins, l.team(t).Wins());
    }
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        pogCount += l.player(id).PlayerOfGame;
    EXPECT_EQ(wins, games);
    EXPECT_EQ(losses, games);
    EXPECT_EQ(pogCount, games);
}

} // namespace
} // namespace hv
