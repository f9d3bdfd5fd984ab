// The players' end of season: the season's statistics go into their careers, old players and free agents
// retire, everybody else ages a year, contracts move on a year, and players whose contract has run out
// re-sign or become free agents.
#pragma once

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Adds the season's statistics to the player's career totals (career points included) and, when he played,
// appends the season to his history as season `season`.
void AddSeasonToCareer(Player& p, int16_t season);

// Whether a player under contract retires at the end of the season, for a uniform draw r in [0, 1): never up
// to 32, above 0.8 + b at 33 and 34, above 0.45 + b from 35 to 38, above 0.2 + b from 39 to 44, always from
// 45; b is 0 when his contract ends with this season, else 0.2 and 0.2 more after 2400 minutes.
bool RetiresAtSeasonEnd(const Player& p, double r);

// The whole end of season for players 1 to 650. Run after the season number moved on; the season that ended
// is the one before. Cut salaries move on a year with the contracts, and the teams' cap exceptions are
// available again for the off-season. Returns true.
bool ProcessSeasonEnd(League& league, Host& host);

} // namespace hv
