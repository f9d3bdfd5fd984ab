// Steps of the season cycle whose work lives in a higher layer (the league site, the coached-game screen).
// The day loop, the playoffs and the All-Star weekend call each at its place; a front end installs the work
// at start-up, and without it the step does nothing.
#pragma once

#include <functional>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// ---- During the regular season ----

// The day's page of the league site, written at the start of each end-of-day step while the site is kept
// during simulation. The site lives in a higher layer, so its front end installs the writer at start-up;
// without one the step does nothing.
void WriteDailyPage(League& league, Host& host);

using DailyPageWriter = std::function<void(League&, Host&)>;
// Installs the day-page writer (an empty one removes it).
void SetDailyPageWriter(DailyPageWriter writer);

// ---- Coached games ----

// A game of a team coached by the user, handed to the coached-game screen that the front end installed: true
// when it was played there (to its end, its statistics and files written). Without a screen installed (the
// command line, the tests) every game is simulated.
bool CoachScheduledGame(League& league, Host& host, int day, int game, int home, int away, const char* type);

using CoachGameScreen =
    std::function<bool(League& league, Host& host, int day, int game, int home, int away, const char* type)>;
// Installs the coached-game screen (an empty function removes it).
void SetCoachGameScreen(CoachGameScreen screen);
bool CoachGameScreenInstalled();

} // namespace hv
