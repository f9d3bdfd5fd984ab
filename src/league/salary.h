// Salaries: the league's minimum and maximum salary by experience, a player's worth at his position, the
// rookie scale of both drafts, the first contracts of a generated league, and the payroll a team carries
// against the salary cap.
#pragma once

#include <array>
#include <cstdint>

#include "league/league.h"

namespace hv {

// Yearly amounts contract1 to contract8; 0 = no contract that year.
using ContractYears = std::array<int32_t, 8>;

// The lowest yearly salary of a player with this many seasons in the league.
int32_t MinimumSalary(int experience);
// The highest yearly salary: 25 % of the cap up to 6 seasons, 30 % up to 9, 35 % from 10 on.
int32_t MaximumSalary(const SeasonState& state, int experience);

// The share of the maximum salary a player is worth, from his rank among the players of his position
// (1.5 for the best, 0 from the 59th on).
double PlayerWorth(const League& league, int id);

// Contract length in years for an offer of q = amount / maximum salary (one draw unless q is below 0.1).
int ContractLength(double q, Random& rng);

enum class DraftKind { Rookie, Creation };

// The salary scale of a drafted player by draft, round and pick number within the round.
ContractYears DraftContract(DraftKind kind, int round, int pick);

// A first contract for a player of a generated league: his worth at his position decides the amount
// (within the minimum and maximum of his experience) and its length.
ContractYears StartingContract(const League& league, int id, Random& rng);

// Sets every contract year of the player.
void SetContract(Player& p, const ContractYears& years);

// The two one-off cap exceptions: the most a contract signed with each may pay in its first year.
constexpr int32_t kMidLevelException = 4500000;
constexpr int32_t kLowLevelException = 1200000;

// What counts against the cap this season: the players' current salaries (TotalSalary) and what the team
// still owes released players this season (CutSalary).
int64_t Payroll(const Team& team);
// Cap minus payroll; negative for a team over the cap.
int64_t CapRoom(const League& league, int team);
// The team's payroll counted from its players: the sum of their current salaries (contract1).
int64_t TeamPayroll(const League& league, int team);

// TotalSalary of teams 1 to 29 from their players' current salaries.
void RecountPayrolls(League& league);

// A team holds a player's Bird rights when he played his last three seasons or more for it.
bool HoldsBirdRights(const Player& p, const Team& team);

} // namespace hv
