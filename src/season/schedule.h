// The regular-season schedule: the matchup list of Schedule.dat, shuffled and spread over days 1 to 120 so
// that no team plays twice on a day and no game falls on day 60, the All-Star break.
//
// Schedule.dat (program folder) is a sequence of 12-byte records, no header: home team number and away team
// number (16-bit, 1 to 29), then 8 bytes whose content is ignored (the shuffle key, drawn afresh).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

constexpr int kMatchupRecordBytes = 12;
// Days 1 to 120 without day 60 hold at most 14 games each.
constexpr int kGameDays = Phase::LastDay - 1;
constexpr int kMaxMatchups = kGameDays * kGamesPerDay;

struct Matchup {
    int16_t Home = 0, Away = 0; // team numbers 1 to 29
    double Key = 0;             // shuffle key
};

// Told the 1-based number of each matchup as it is placed (the begin-season progress bar).
using ScheduleProgress = std::function<void(int matchup)>;

// Every day 1 to 169: no games, every entry cleared.
void ClearSchedule(League& league);

// Appends a game to the day: the two team names, not played, no scores. False (nothing changed) when the
// day is outside 1 to 169 or already holds 14 games.
bool AddScheduledGame(League& league, int day, const std::string& homeTeam, const std::string& awayTeam);

// Reads Schedule.dat, gives each record a random key and sorts the list by it. On a missing or damaged file
// (not whole records, a team number outside 1 to 29, a team meeting itself, more games than the season
// holds) the message has been shown and the result is false.
bool ReadMatchups(League& league, Host& host, std::vector<Matchup>& matchups);

// Makes the season's schedule from Schedule.dat and sets SeasonDay to 1. On failure (the file missing or
// damaged, a list that cannot be placed) the message has been shown, the result is false and the league
// is as it was.
bool GenerateSchedule(League& league, Host& host, const ScheduleProgress& progress = {});

} // namespace hv
