// Computer line-ups: key players, coaching settings and the depth chart of a team.
#pragma once

#include <cstdint>
#include <vector>

#include "league/league.h"

namespace hv {

// How much a player's scoring matters to his team's offense, by his position.
double KeyPlayerValue(const Player& p);

// The Pace and Offense settings that suit key players at these positions (1 C .. 5 PG).
struct PaceOffense {
    int16_t Pace = 0, Offense = 0;
};
PaceOffense PaceOffenseFor(int key1, int key2, int key3);

// Press from the starting guards' stealing, Trap from the starting forwards' stealing.
int16_t PressFor(int guardsStealing);
int16_t TrapFor(int forwardsStealing);

// The team's players in roster order (player slot order), and those of them fit to play
// (no injury days left, not on injured reserve). An All-Star weekend squad (team slot 30 or 31 with
// SquadPlayers) has its listed players, all of them available: they were chosen for their game, and the
// rookie game dresses injured players too. The exhibition teams have their players of slots 651 to 680.
std::vector<int> RosterOf(const League& league, int team);
std::vector<int> AvailablePlayersOf(const League& league, int team);

// Chooses key players, Pace, Offense, the depth chart C1 .. PG3, Press and Trap for a team 1 to 31.
// Does nothing while the team has fewer than 7 active players.
void SetLineup(League& league, int team);

// True when all 15 depth-chart slots and the 3 key-player slots hold a player.
bool LineupSettingsValid(const Team& team);

} // namespace hv
