// What a finished game leaves behind: its two sides, the Player of the Game, the leaders and the
// result texts. Plain data and free functions so that the engine, the screens and the tests share them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "league/league.h"

namespace hv {

constexpr int kRosterSlots = 15;

// Kinds of game.
namespace GameType {
constexpr const char* Regular = "Regular";
constexpr const char* Playoff = "Playoff";
constexpr const char* Exhibition = "Exhibition";
constexpr const char* Rookie = "Rookie";
constexpr const char* AllStar = "All-Star";
} // namespace GameType

// One side of a game as its output reports it.
struct GameSide {
    int16_t TeamID = 0;
    std::string Name;
    int16_t Score = 0;
    std::array<int16_t, 5> QuarterScores{};     // quarters 1 to 4, then all overtime points
    std::array<int16_t, kRosterSlots> Roster{}; // dressed players; 0 = empty slot
};

// The facts of a finished game.
struct FinishedGame {
    GameSide Home, Away;
    std::string Type = GameType::Regular;
    int16_t SeasonDay = 0;
    int16_t GameNumber = 0;
    bool NeutralCourt = false;

    // The away team counts as winner unless the home team has more points.
    bool HomeWon() const { return Home.Score > Away.Score; }
    const GameSide& Winner() const { return HomeWon() ? Home : Away; }
    const GameSide& Loser() const { return HomeWon() ? Away : Home; }
};

// Player IDs of a side's leaders in points, rebounds and assists (0 = nobody played).
struct SideLeaders {
    int16_t Points = 0, Rebounds = 0, Assists = 0;
};

// The Player of the Game measure of one game line.
double PlayerOfGameScore(const PlayerGameState& g);

// Highest measure among the players who played; in an All-Star game only the winners count.
// The first one found keeps a tie. 0 when nobody played.
int16_t ChoosePlayerOfGame(const League& league, const FinishedGame& game, double* score = nullptr);

SideLeaders FindLeaders(const League& league, const GameSide& side);

// "Winner 101, Loser 99"
std::string FinalScoreText(const FinishedGame& game);
// "Winner 101, @Loser 99" with "@" in front of the home team, left out on a neutral court.
std::string ResultText(const FinishedGame& game);

// A side's team totals: the sums over its dressed players.
TeamGameLine SumTeamLine(const League& league, const GameSide& side);

struct GameSummary {
    int16_t PlayerOfGame = 0; // 0 when nobody played
    double PlayerOfGameScore = 0;
    SideLeaders HomeLeaders, AwayLeaders;
    TeamGameLine HomeLine, AwayLine;
    std::string FinalLine;  // winner and score, loser and score
    std::string ResultText; // the same with "@" in front of the home team (not on a neutral court)
};

// Everything above at once, taken while the players' game values are still in place.
GameSummary SummarizeGame(const League& league, const FinishedGame& game);

// The number of categories among rebounds, assists, steals, blocks and points with 10 or more.
int DoubleFigureCategories(const PlayerGameState& g);

} // namespace hv
