// League averages over many games, as the bench command reports them, and a checksum of the final scores
// that stays the same for the same games on every run and machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/game_stats.h"

namespace hv {

class GameStatsTally {
  public:
    // One game's team lines and final score; overtime when the game went past four quarters.
    void AddGame(const TeamGameLine& home, const TeamGameLine& away, int homeScore, int awayScore,
                 bool overtime);
    // The two sides' possessions of the game just added (reported when given).
    void AddPossessions(int home, int away) { possessions_ += home + away; }

    int64_t Games() const { return games_; }
    int64_t OvertimeGames() const { return overtime_; }
    int64_t HomeWins() const { return homeWins_; }
    // FNV-1a (64 bits) over every game's home and away score, each as two little-endian bytes.
    uint64_t Checksum() const { return checksum_; }

    // Averages per team and game.
    struct Averages {
        double Points = 0, FG = 0, FGA = 0, FGPct = 0, ThreeP = 0, ThreePA = 0, ThreePPct = 0, FT = 0,
               FTA = 0, FTPct = 0, Rebounds = 0, Assists = 0, Steals = 0, Blocks = 0, Turnovers = 0,
               Fouls = 0, Possessions = 0;
    };
    Averages PerTeamGame() const;
    double OvertimeShare() const { return games_ ? double(overtime_) / double(games_) : 0.0; }
    double HomeWinShare() const { return games_ ? double(homeWins_) / double(games_) : 0.0; }

    // The report lines of the averages, the shares and the checksum.
    std::vector<std::string> ReportLines() const;

  private:
    int64_t games_ = 0, overtime_ = 0, homeWins_ = 0;
    int64_t points_ = 0, fg_ = 0, fga_ = 0, threeP_ = 0, threePA_ = 0, ft_ = 0, fta_ = 0, rebounds_ = 0,
            assists_ = 0, steals_ = 0, blocks_ = 0, turnovers_ = 0, fouls_ = 0, possessions_ = 0;
    uint64_t checksum_ = 14695981039346656037ull;
};

} // namespace hv
