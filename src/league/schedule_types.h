// The season's schedule: one day holds up to 14 games.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace hv {

constexpr int kScheduleDays = 169;
constexpr int kGamesPerDay = 14;

struct ScheduledGame {
    bool Played = false;
    std::string HomeTeam, AwayTeam;
    int16_t HomeScore = 0, AwayScore = 0;
    std::string Note;
    bool operator==(const ScheduledGame&) const = default;
};

struct ScheduleDay {
    int16_t NumGames = 0;
    std::array<ScheduledGame, kGamesPerDay + 1> Games{}; // 1 to 14; index 0 unused
    bool operator==(const ScheduleDay&) const = default;
};

} // namespace hv
