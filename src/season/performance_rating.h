// The performance rating: one number for a player's statistics, behind the All-Star selection, every award
// and the Playoff MVP.
//
//   PR = points + rebounds + 1.75 assists + 2 steals + 1.5 blocks + 0.2 free throws attempted
//        - missed field goals - missed free throws - 2 turnovers - 0.2 fouls - 5 disqualifications,
//
// to the nearest whole number (halves to even).
#pragma once

#include "league/player.h"

namespace hv {

// The statistics the rating reads.
struct PerformanceLine {
    int Points = 0, Rebounds = 0, Assists = 0, Steals = 0, Blocks = 0, FG = 0, FGA = 0, FT = 0, FTA = 0,
        Turnovers = 0, Fouls = 0, DQ = 0;
};

int PerformanceRating(const PerformanceLine& line);

// A player's rating over his regular-season totals.
int SeasonPerformanceRating(const Player& player);

// The rating of one game-log line; six fouls count as the game's disqualification.
int GamePerformanceRating(const GameLogEntry& game);

} // namespace hv
