// Injuries between games: the day's injury reports, daily healing with returns from injured reserve, and the
// end-of-season clear-out. (Hurting a player is league/player_injury.h.)
#pragma once

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Works off league.dayInjuries and empties it. A computer team puts a player out for more than 3 days on
// injured reserve and runs the roster manager. A human team, while the league's screen-injuries option is on,
// is told of every player out for more than a day (title "Injury") and asked whether to go on; No sets the
// stop request, and once it is set the day's later notices are shown without the question.
void ReportInjuries(League& league, Host& host);

// One day of healing for players 1 to 650. A player on injured reserve who is well again returns at once to a
// computer team (which runs the manager when it then has more than 12 active players); a human team is told,
// as ReportInjuries tells, and he stays on injured reserve until the user activates him.
void HealOneDay(League& league, Host& host);
// One day of healing during the playoffs: injury days only, nobody returns from injured reserve.
void HealOneDayPlayoffs(League& league);

// End of season: everybody leaves injured reserve and counts as active again; injuries and their days stay.
void ClearInjuredReserve(League& league);

} // namespace hv
