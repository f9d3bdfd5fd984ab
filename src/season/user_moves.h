// Roster moves the user makes for a human team (sign, cut, activate, place on injured reserve) and position
// changes. Each is refused with a message, changing nothing, when it does not fit the team, the player or the
// season's phase. The screens and the commands share these, so both say the same.
#pragma once

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Signs free agent `id` for human team `team` at the minimum salary, while free agents may be signed
// (regular season and playoffs) and the team has fewer than 15 players.
bool UserSign(League& league, int team, int id, Host& host);
// Releases `id` from human team `team` after the user confirms it, while players may be cut.
bool UserCut(League& league, int team, int id, Host& host);
// Moves `id` of human team `team` off / onto injured reserve.
bool UserActivate(League& league, int team, int id, Host& host);
bool UserPlaceOnIR(League& league, int team, int id, Host& host);

// Gives a player of a human team another position (1 C .. 5 PG) and recomputes his ratings; the team's
// position counts follow.
bool UserChangePosition(League& league, int id, int position, Host& host);

} // namespace hv
