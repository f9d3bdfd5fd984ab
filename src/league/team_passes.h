// The two team passes of the season: the ranking pass, which rates and ranks the 29 teams, and the position
// pass, which recounts each roster.
#pragma once

#include "league/league.h"

namespace hv {

constexpr int kTeamRatingPlayers = 10; // a team's strength is that of its ten best players

// The ranking pass. For each team 1 to 29:
//   TeamRating    the mean CurrentRating of its kTeamRatingPlayers best players (all of them when it has
//                 fewer, injured ones included), to the nearest whole number; 0 for a team without players;
//   OldWinRating  the WinRating it had before this pass;
//   WinRating     its place among the 29 by the measure TeamRating / 2 + 50 x winning percentage (0.5
//                 before its first game), as a value from 100 (first) down to 0 (29th): nearest(100 x
//                 (29 - place) / 28). Equal measures keep team slot order.
void RankTeams(League& league);

// The position pass: each team's NumPlayers, ActivePlayers and players per position (Cs .. PGs, active
// players only) are counted afresh from the players whose Team names it.
void RecountRosters(League& league);

} // namespace hv
