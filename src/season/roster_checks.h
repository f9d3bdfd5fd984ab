// The checks a team passes before every game: twelve active players, eight able to dress, a complete
// line-up. A human team that fails is told (title "Roster Error") and the simulation's stop request is set; a
// computer team is repaired by the roster manager instead.
#pragma once

#include <string>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Active players (not on injured reserve) without injury days: the players who can dress for a game.
int DressablePlayers(const League& league, int team);

// ActivePlayers must be exactly 12. A human team's message adds its count and what to do on Team Roster.
bool CheckRosterSize(League& league, int team, Host& host);
// At least 8 players able to dress.
bool CheckDressable(League& league, int team, Host& host);
// Every depth-chart and key-player slot holds a player.
bool CheckLineupSettings(League& league, int team, Host& host);

// Before a day is played: every human team with an unplayed game on `day` passes the size, dress and
// line-up checks, in team order; the first failure is told and sets the stop request, and false means that
// nothing of the day may be played.
bool CheckHumanTeamsOfDay(League& league, Host& host, int day);

// "13 of exactly 12 active / 15 of at most 15 on the roster"
std::string RosterCounts(const League& league, int team);
// Exactly 12 active players and at most 15 on the roster.
bool RosterCountsLegal(const League& league, int team);
// One line per human team that could not play a game as its roster stands ("The Hawks have 13 of exactly 12
// active / 15 of at most 15 on the roster."); empty when every human team could.
std::string IllegalHumanRosters(const League& league);

// The line-up check and then the size check for every team 1 to 29, as before the schedule screen opens;
// true when every team passed or was repaired.
bool CheckEveryTeam(League& league, Host& host);

} // namespace hv
