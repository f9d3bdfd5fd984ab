// hoopvale-cli bench --season: a whole season of the default league through the real day loop.
#pragma once

#include "cli/cli_app.h"

namespace hv {

// Builds the default league (seeded), begins the season, plays the regular season and the playoffs with the
// simulation commands, and prints the seconds of each phase, games per second, the champion and a checksum of
// every score. The league and its files are thrown away afterwards.
int RunSeasonBench(CliContext& ctx, unsigned long long seed);

// A checksum of every played game of the schedule: day, game number and both scores, in schedule order.
uint64_t ScoreChecksum(const League& league);

} // namespace hv
