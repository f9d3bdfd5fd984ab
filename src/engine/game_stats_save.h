// What a finished game writes back into the league: the players' totals, highs and game logs, the teams'
// records and totals, the Player of the Game count and the game's entry in the day's schedule.
#pragma once

#include <string>

#include "engine/game_stats.h"

namespace hv {

// For every dressed player of both sides: a game-log entry; in a regular-season game the season totals
// (games started too) and, for those who played, the game records; in a playoff game the playoff totals;
// the career highs; double-doubles and triple-doubles (regular season) and disqualifications; then his game
// values are cleared.
void RecordPlayerStats(League& league, const FinishedGame& game);

// One player's share of the above, without clearing his game values.
void RecordPlayerGame(Player& player, const FinishedGame& game, const GameSide& own,
                      const GameSide& opponent);

// The teams' records: regular-season games count in the home/road records, the records by opponent, the
// all-time totals, the streak, the season team totals and allowed totals, the team game records and the
// league's team records;
// playoff games count in the playoff wins and losses. Other kinds of game and non-league teams leave
// nothing.
void RecordTeamResult(League& league, const FinishedGame& game, const GameSummary& summary);

// A regular-season Player of the Game's count rises by one.
void CountPlayerOfGame(League& league, const FinishedGame& game, const GameSummary& summary);

// Fills the day's schedule entry of a scheduled regular-season or playoff game (the entry numbered by the
// game on day SeasonDay whose teams match): scores, played, box file name, Player of the Game, leaders.
// Returns false when the game is not in the schedule.
bool RecordScheduledGame(League& league, const FinishedGame& game, const GameSummary& summary,
                         const std::string& boxFileName);

} // namespace hv
