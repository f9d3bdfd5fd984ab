// The draft lottery: which of the teams that missed the playoffs pick first in the rookie draft.
#pragma once

#include <array>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

constexpr int kLotteryTeams = 13;
constexpr int kLotteryPicks = 3;

// The lottery seed (1 to 13) that a number n drawn from 1 to 1000 selects; 0 for any other number.
int LotterySeedOf(int n);
// A seed's chances in 1000 (seed 1 to 13).
int LotteryChances(int seed);

// The 29 teams, worst winning percentage first; teams with the same percentage in a random order.
std::array<int, kLeagueTeams> TeamsWorstFirst(League& league);

// Draws the first-round order of the coming rookie draft into the lottery order: three lottery picks among
// the 13 teams that missed the playoffs, the other lottery teams by record, then the playoff teams by
// record. Each team's DraftRank becomes its place in the worst-first order, which the second round follows.
// A lottery team without its pick shows "Fatal Draft Lottery Error: Pick not found" and returns false,
// leaving the league unchanged.
bool RunDraftLottery(League& league, Host& host);

} // namespace hv
