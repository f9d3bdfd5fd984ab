// The start of a season: from day 0 the league gets its schedule and clean season records and stands on
// day 1.
#pragma once

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// The progress bar's maximum and the values it shows after each step, in order.
constexpr int kBeginSeasonProgressMax = 2000;
namespace BeginSeasonProgress {
constexpr int TeamsReset = 50;
constexpr int Scheduled = 1200;
constexpr int PlayersCleared = 1300;
constexpr int TeamsRanked = 1400;
constexpr int LineupsSet = 1500;
constexpr int RostersCounted = 1600;
constexpr int DraftClassReady = 2000;
} // namespace BeginSeasonProgress

constexpr const char* kBeginSeasonCaption = "Beginning Season";

// The teams' season records: home and road wins and losses, percentage, streak, ranks and games behind, the
// records and points by opponent, the season totals and the playoff bracket number.
void ResetTeamSeasonRecords(League& league);

// The players' season counters: regular-season and playoff totals, the game log, the game values.
void ClearPlayerSeasonCounters(League& league);

// The line-up settings pass: computer teams set their line-ups; a human team's line-up is set only when its
// settings are incomplete.
void SetSeasonLineups(League& league);

// From day 0: rebuilds the free-ID list, resets the teams' season records, generates the schedule (day 1),
// clears the players' season counters, runs the ranking pass, the line-up settings pass and the position
// pass, and makes sure the coming draft class exists; the host's progress goes through the values above.
// Unattended, no progress is shown. Refused with a message outside day 0; on failure (the schedule could not
// be made) the message has been shown and the league is as it was.
bool BeginSeason(League& league, Host& host, bool unattended = false);

} // namespace hv
