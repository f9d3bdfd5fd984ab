// Team Control: who runs the teams and which games get play-by-play.
#pragma once

#include "league/league.h"

namespace hv {

// True for a team run by the user ("Human"); every other team is run by the computer.
bool IsHuman(const Team& team);
void SetHuman(Team& team, bool human);

// Every team 1 to 29 run by the user (true) or by the computer.
void SetEveryOwner(League& league, bool human);
// Play-by-play on or off for every team 1 to 29.
void SetEveryPlayByPlay(League& league, bool on);

} // namespace hv
