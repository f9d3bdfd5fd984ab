// The season awards, named when the regular season ends (day 121) from the players' performance ratings
// (RatePlayers first), their team's wins and their defensive figures.
#pragma once

#include "league/league.h"

namespace hv {

// 4 steals + 0.8 rebounds + 5 blocks - 0.2 fouls - 2 disqualifications, from the season totals.
double DefensiveScore(const SeasonTotals& totals);

// Sixth Man of the Year, Rookie of the Year, Most Valuable Player, the three All-League teams, the two
// All-Rookie teams, Defensive Player of the Year and the two All-Defensive teams, among players who may win
// honours and played this season; each award's code, text and bonus. The first player found keeps a tie.
void NameSeasonAwards(League& league);

} // namespace hv
