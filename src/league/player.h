// The player record: one slot of the league's player table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "league/team_name.h"

namespace hv {

struct Award {
    int16_t Season = 0;
    std::string Name;
    bool operator==(const Award&) const = default;
};

// Regular-season totals, in file order.
struct SeasonTotals {
    int16_t Games = 0, GamesStarted = 0, Minutes = 0, FG = 0, FGA = 0, FT = 0, FTA = 0, ThreeP = 0,
            ThreePA = 0, Rebounds = 0, Assists = 0, Steals = 0, Blocks = 0, Turnovers = 0, Points = 0,
            Fouls = 0, DQ = 0, DoubleDoubles = 0, TripleDoubles = 0, Spare = 0;
    bool operator==(const SeasonTotals&) const = default;
};

// Playoff totals, in file order.
struct PlayoffTotals {
    int16_t Games = 0, Minutes = 0, FG = 0, FGA = 0, FT = 0, FTA = 0, ThreeP = 0, ThreePA = 0, Rebounds = 0,
            Assists = 0, Steals = 0, Blocks = 0, Turnovers = 0, Points = 0, Fouls = 0, DQ = 0, Spare = 0;
    bool operator==(const PlayoffTotals&) const = default;
};

// Career totals kept as 32-bit values, in file order.
struct CareerTotals {
    int32_t Minutes = 0, FG = 0, FGA = 0, FT = 0, FTA = 0, ThreeP = 0, ThreePA = 0, Rebounds = 0, Assists = 0,
            Steals = 0, Blocks = 0, Turnovers = 0, Points = 0;
    bool operator==(const CareerTotals&) const = default;
};

struct GameLogEntry {
    int16_t SeasonDay = 0;
    bool Starter = false;
    std::string Team, Opponent;
    int16_t Minutes = 0, FG = 0, FGA = 0, FT = 0, FTA = 0, ThreeP = 0, ThreePA = 0, Rebounds = 0, Assists = 0,
            Steals = 0, Blocks = 0, Turnovers = 0, Points = 0, Fouls = 0, Spare1 = 0, Spare2 = 0;
    bool operator==(const GameLogEntry&) const = default;
};

struct SeasonHistoryEntry {
    int16_t Season = 0;
    std::string Team;
    int16_t Games = 0, GamesStarted = 0, Minutes = 0, FG = 0, FGA = 0, FT = 0, FTA = 0, ThreeP = 0,
            ThreePA = 0, Rebounds = 0, Assists = 0, Steals = 0, Blocks = 0, Turnovers = 0, Points = 0, DQ = 0,
            Fouls = 0, DoubleDoubles = 0, TripleDoubles = 0, Spare = 0;
    bool operator==(const SeasonHistoryEntry&) const = default;
};

// A player's statistics and working values during one game; cleared before the game, never saved.
struct PlayerGameState {
    int16_t Seconds = 0; // seconds played
    int16_t FG = 0, FGA = 0, FT = 0, FTA = 0, ThreeP = 0, ThreePA = 0, Rebounds = 0, Assists = 0, Steals = 0,
            Blocks = 0, Turnovers = 0, Points = 0, Fouls = 0, Dunks = 0;
    std::array<int16_t, 6> SecondsAt{}; // seconds at court slots 1 (C) to 5 (PG); index 0 unused
    int16_t CourtSlot = 0;              // slot of his last position on the court, 0 = not on the court
    bool Started = false;
};

struct Player {
    std::string Name;
    std::string DisplayHeight;
    int16_t Weight = 0;
    std::string College;
    TeamName Team;
    std::string LastTeam;
    int16_t LastFASeason = 0;
    std::string HomeTeam;
    std::string DefaultPosition;
    int16_t PositionNumber = 0;
    int16_t OriginalPosition = 0;
    int16_t Round = 0;
    int16_t Pick = 0;
    int16_t Experience = 0;
    int32_t CAREERPOINTS = 0;
    int16_t Championships = 0;
    std::string StyleC, StylePF, StyleSF, StyleSG, StylePG;
    std::vector<Award> Awards;
    std::array<int32_t, 7> ResignDemand{};
    int32_t contract1 = 0, contract2 = 0, contract3 = 0, contract4 = 0, contract5 = 0, contract6 = 0,
            contract7 = 0, contract8 = 0;
    bool Exception = false;
    int16_t Signday = 0;
    int16_t SignYear = 0;
    bool Resign = false;
    int32_t LastSalary = 0;
    int16_t BirdYears = 0;
    std::string Injury = "None";
    double DraftRatio = 0;
    double AbsoluteRating = 0;
    int16_t Potential = 0;
    int16_t KnownPotential = 0;
    std::string PotentialGrade;
    int16_t Greed = 0, Happiness = 0, Loyalty = 0, Winner = 0;
    // From here to the game's statistics: the fields a game reads, two cache lines from the line's start.
    alignas(64) int16_t InsideScoring = 0;
    int16_t JumpShot = 0, ThreePointShot = 0, Scoring = 0, Handling = 0, Passing = 0, Quickness = 0,
            PostDefense = 0, PerimeterDefense = 0, DriveDefense = 0, Stealing = 0, ShotBlocking = 0,
            OffenseRebound = 0, DefenseRebound = 0, Jumping = 0;
    int16_t STAMINA = 0;
    int16_t Strength = 0;
    int16_t RatingInsideScoring = 0, RatingOutsideScoring = 0, RatingHandling = 0, RatingDefense = 0,
            RatingRebounding = 0;
    int16_t CurrentRating = 0, FutureRating = 0;
    // The season performance rating from the season totals (RatePlayers); never saved, recomputed.
    int16_t SeasonRating = 0;
    int16_t FitC = 0, FitPF = 0, FitSF = 0, FitSG = 0, FitPG = 0;
    int16_t Age = 0;
    int16_t Height = 0;
    int16_t TimeInjured = 0;
    bool IR = false;
    PlayerGameState Game;
    int16_t HIGHPOINTS = 0, HIGHREBOUNDS = 0, HIGHASSISTS = 0, HIGHSTEALS = 0, HIGHBLOCKS = 0;
    SeasonTotals SeasonStats;
    std::vector<GameLogEntry> GameLog;
    std::vector<SeasonHistoryEntry> SeasonHistory;
    PlayoffTotals PlayoffStats;
    int16_t CareerGames = 0, CareerGamesStarted = 0;
    CareerTotals Career;
    int16_t CareerFouls = 0, CareerDQ = 0, CareerDoubleDoubles = 0, CareerTripleDoubles = 0;
    int16_t PlayerOfGame = 0, PlayerOfWeek = 0, PlayerOfMonth = 0;

    // A slot is empty when it holds no player.
    bool IsEmpty() const { return Name.empty() || std::string_view(Name) == "N/A"; } // lengths first

    int32_t& Contract(int year); // year 1 to 8
    int32_t Contract(int year) const;
};

} // namespace hv
