// hoopvale-cli bench --season and --seasons: whole seasons of the default league through the real day loop.
#pragma once

#include <chrono>

#include "cli/cli_app.h"

namespace hv {

// Builds the default league (seeded), begins the season, plays the regular season and the playoffs with the
// simulation commands, and prints the seconds of each phase, games per second, the champion and a checksum of
// every score. The league and its files are thrown away afterwards.
int RunSeasonBench(CliContext& ctx, unsigned long long seed);

// Runs N whole seasons of the default league unattended, off-seasons included, and prints per season its
// seconds (the games and the off-season apart), champion, league averages per team-game, score checksum and
// a census of the league (players, rosters, ratings, payrolls, size of the saved game), then the total.
int RunSeasonsBench(CliContext& ctx, int seasons, unsigned long long seed);

// Seconds between laps of the bench.
class Stopwatch {
  public:
    double Lap() {
        auto now = std::chrono::steady_clock::now();
        double s = std::chrono::duration<double>(now - start_).count();
        start_ = now;
        return s;
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// A checksum of every played game of the schedule: day, game number and both scores, in schedule order.
uint64_t ScoreChecksum(const League& league);

} // namespace hv
