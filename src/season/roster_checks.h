// The checks a team passes before every game: twelve active players, eight able to dress, a complete
// line-up. A human team that fails is told (title "Roster Error") and the simulation's stop request is set; a
// computer team is repaired by the roster manager instead.
#pragma once

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Active players (not on injured reserve) without injury days: the players who can dress for a game.
int DressablePlayers(const League& league, int team);

// ActivePlayers must be exactly 12.
bool CheckRosterSize(League& league, int team, Host& host);
// At least 8 players able to dress.
bool CheckDressable(League& league, int team, Host& host);
// Every depth-chart and key-player slot holds a player.
bool CheckLineupSettings(League& league, int team, Host& host);

// The line-up check and then the size check for every team 1 to 29, as before the schedule screen opens;
// true when every team passed or was repaired.
bool CheckEveryTeam(League& league, Host& host);

} // namespace hv
