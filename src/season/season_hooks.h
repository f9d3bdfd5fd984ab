// Steps of the season cycle whose work belongs to subsystems still to come. Each is a plain function that the
// day loop, the playoffs and the end of the season already call at its place and in its order; until its
// subsystem fills it, it does nothing beyond keeping the season's phase moving where the step moves it.
#pragma once

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// ---- During the regular season ----

// The player of the week (the last 5 days' game ratings), named on every 5th day and on day 60.
void NamePlayerOfWeek(League& league, Host& host);
// The player of the month and the rookie of the month (the last 20 days), on every 20th day and on day 60.
void NamePlayerOfMonth(League& league, Host& host);
void NameRookieOfMonth(League& league, Host& host);

// The All-Star weekend played automatically on day 60 (rookie game, contests, All-Star Game); it ends by
// moving the league to day 61.
void RunAllStarWeekend(League& league, Host& host);

// Every player's season performance rating, at the All-Star weekend and when the regular season ends.
void RatePlayers(League& league);

// The season awards (MVP, Rookie of the Year, the All-League teams ...), when the regular season ends.
void NameSeasonAwards(League& league, Host& host);

// The day's page of the league site, written at the start of each end-of-day step while the site is kept
// during simulation.
void WriteDailyPage(League& league, Host& host);

// ---- At the end of the season ----

// The season's box-score files are filed under the season (or deleted) and its play-by-play files deleted.
void FileSeasonBoxScores(League& league);
// "Processing Records": the season record book.
void UpdateSeasonRecords(League& league);
// "Processing Career Records": the career record book, for every player outside the draft classes.
void UpdateCareerRecords(League& league);

// ---- Coached games ----

// A game of a team coached by the user, handed to the coached-game screen: true when it was played there.
// Until that screen exists every game is simulated.
bool CoachScheduledGame(League& league, Host& host, int day, int game, int home, int away, const char* type);

} // namespace hv
