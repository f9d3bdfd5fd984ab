// Bringing the records up to date: the game records and the team records after every regular-season game,
// the season records and the career records at the end of the season (and the career records when a player
// retires).
#pragma once

#include <cstdint>
#include <string>

#include "league/league.h"

namespace hv {

// Offers each of the twelve statistics of a player's regular-season game line to the game records (text:
// his team, second text: the opponent) and to his team's player records.
void UpdateGameRecords(League& league, int playerID, const GameLogEntry& line);

// Offers a team's line of a regular-season game to the league's team records (one best game per category
// of the game records; the team's name, the opponent as the text).
void UpdateLeagueTeamRecords(League& league, const std::string& team, const std::string& opponent,
                             const TeamGameLine& line);

// Offers the season of every player outside the draft pool who played more than 50 games to the season
// records, as season `season` (text: the team he played for last, second text: his games). Per-game
// categories divide by games; FG% needs 3.0 attempts a game, FT% and 3P% 1.5 (and one attempt at all).
// A season already in the book is not offered again.
void UpdateSeasonRecords(League& league, int16_t season);

// Offers the player's career totals to the career records; an earlier entry of his in a category is
// replaced, so that each player stands once in each.
void UpdateCareerRecords(League& league, int playerID);
// The same for every player outside the draft pool.
void UpdateAllCareerRecords(League& league);

} // namespace hv
