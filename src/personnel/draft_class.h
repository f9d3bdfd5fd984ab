// Generated players: the yearly class of college prospects, free agents for a short pool and the players
// of a fictional league.
#pragma once

#include <string>

#include "league/league.h"

namespace hv {

constexpr int kProspectsPerPosition = 20;
constexpr int kPlayerPool = 450; // professional players the league keeps at least

// Fills player slot `id` with a new college or high-school prospect at `position` (1 C to 5 PG), ratings
// and scouted potential included. The caller sets his Team.
void GenerateProspect(League& league, int id, int position);

// Fills player slot `id` with a new professional player at `position`, older and more skilled than a
// prospect, with some seasons of experience. The caller sets his Team.
void GeneratePlayer(League& league, int id, int position);

// Generates prospects with Team `classTeam` ("Draft" unless told otherwise) until the class holds 20 at
// every position, then grades the current class. Returns the number generated.
int GenerateDraftClass(League& league, const std::string& classTeam = kDraft);

// Makes sure the coming draft's class is complete: during a creation draft that is the first rookie class
// ("NextDraft"), otherwise the current class ("Draft").
int EnsureComingDraftClass(League& league);

// A new free agent at `position` in a fresh player slot; returns his ID, or 0 when every slot is taken.
int GenerateFreeAgent(League& league, int position);

// Generates free agents, each at the position with the fewest players, until 450 players are in the league
// outside the two draft classes. Returns the number generated.
int TopUpPlayerPool(League& league);

// The same top-up for a new league: counts every player except those whose Team is `uncounted`, and gives
// the new players Team `poolTeam`.
int TopUpPool(League& league, const std::string& poolTeam, const std::string& uncounted);

} // namespace hv
