// A human team's line-up after its roster changed (a trade, a signing, a release, a move to or from injured
// reserve): the places that a departed player, a player now on injured reserve or nobody holds are filled as
// the computer would fill them, and the user is told, so that the next game does not stop for a line-up he
// never broke himself. The rest of his line-up and his coaching settings stay as he chose them.
#pragma once

#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Fills the open places of team `team`'s depth chart and key players; returns what was filled, one entry
// per place ("C1 Ann Centre", "key player 2 Bob Forward"). A place stays open when no player fit to play is
// left for it.
std::vector<std::string> FillLineupGaps(League& league, int team);

// For a human team: fills the open places and tells the user which ("Line-up", one message) when there were
// any. Computer teams set their whole line-up themselves; nothing happens for them.
void RepairHumanLineup(League& league, int team, Host& host);

} // namespace hv
