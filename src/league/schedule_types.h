// The season's schedule: one day holds up to 14 games.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace hv {

constexpr int kScheduleDays = 169;
constexpr int kGamesPerDay = 14;

// A side's leader in one category of a played game.
struct GameLeader {
    std::string Name;
    int16_t Value = 0;
    bool operator==(const GameLeader&) const = default;
};

struct ScheduledGame {
    bool Played = false;
    std::string HomeTeam, AwayTeam;
    int16_t HomeScore = 0, AwayScore = 0;
    std::string Note;
    // Left by the game engine when the game is played: the box file name ("day-game.txt"), the Player of
    // the Game with his rounded score, and each side's leaders.
    std::string BoxFile;
    std::string PlayerOfGame;
    int16_t PlayerOfGameScore = 0;
    GameLeader HomePoints, HomeRebounds, HomeAssists, AwayPoints, AwayRebounds, AwayAssists;
    bool operator==(const ScheduledGame&) const = default;
};

struct ScheduleDay {
    int16_t NumGames = 0;
    std::array<ScheduledGame, kGamesPerDay + 1> Games{}; // 1 to 14; index 0 unused
    bool operator==(const ScheduleDay&) const = default;
};

} // namespace hv
