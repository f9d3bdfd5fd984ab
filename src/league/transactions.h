// The roster transactions (sign, cut, activate, place on injured reserve) and the league's transaction log.
// Each transaction keeps the team's counts and writes its line to the log.
#pragma once

#include <string>

#include "league/league.h"
#include "league/team_control.h"

namespace hv {

// The roster rules.
constexpr int kActiveRoster = 12;  // active players a team needs to play a game
constexpr int kLeastDressable = 8; // players without injury days a team needs to play a game
constexpr int kMaxRoster = 15;     // a signing is refused at this size

// Slot 1 to 29 of the player's team; 0 for a free agent, a prospect or an empty slot.
int TeamOfPlayer(const League& league, int id);

// The season a signing made now is filed under (the SignYear it gives): the season played last
// (LastPlayedSeason), so that the off-season follows its season on the day scale.
int16_t SigningSeason(const SeasonState& state);

// The most lines the log holds: as many as the saved game can store. A league run for decades makes room by
// dropping its oldest season's lines, so that it can always be saved.
constexpr size_t kMostTransactions = 32768;

// Appends a line for `team` with the current season and day; a full log first drops its oldest season.
void LogTransaction(League& league, const std::string& team, std::string action);

// Signs free agent `id` for the team named `teamName` at the minimum salary of his experience for one year.
// Refused (false, nothing changed) when he is no free agent, the team is unknown or has kMaxRoster players.
bool SignPlayer(League& league, int id, const std::string& teamName);
// Releases a player: off injured reserve first, his remaining contract owed by his team, out of its depth
// chart and key players, a free agent. False when he is on no team.
bool CutPlayer(League& league, int id);
// Off / onto injured reserve with the team's counts; false (nothing changed, nothing logged) when he is on
// no team or already where he would go.
bool ActivatePlayer(League& league, int id);
bool PlaceOnIR(League& league, int id);
// Empties every depth-chart and key-player slot of the team that holds player `id`.
void ClearFromLineup(Team& team, int id);

// Puts a healthy player on injured reserve under a minor ailment's name, his injury days unchanged.
void StashOnIR(League& league, int id);

} // namespace hv
