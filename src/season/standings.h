// Standings: winning percentages, the order of each division and conference with its tie-breaks, ranks and
// games behind, the archive of a season's final standings, and the recent-form figures (last 10, streak).
#pragma once

#include <array>
#include <string>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// The divisions in the order the archive keeps them, each with its conference and the room it has there.
struct DivisionInfo {
    const char* name;
    const char* conference;
    int archiveRoom;
};
inline constexpr std::array<DivisionInfo, 4> kDivisions{
    {{"Atlantic", "East", 7}, {"Central", "East", 8}, {"Midwest", "West", 7}, {"Pacific", "West", 7}}};
inline constexpr std::array<const char*, 2> kConferences{"East", "West"};

// Win% of teams 1 to 29.
void UpdateWinningPercentages(League& league);

// Orders every division and conference by wins minus losses; teams level on it are ordered by their games
// among themselves (balance of wins, then of points, then a draw from league.rng). Writes DivRank, ConfRank
// (1 = first; 0 for a team outside the known divisions or conferences) and GB, ConfGB (the leader's wins
// minus losses less the team's own: 2 for a team one game behind).
void ComputeStandings(League& league);

// Computes the standings and writes the final standings into the current season's archive entry: each
// division's teams by winning percentage (division rank between equal ones), with full name, wins, losses
// and "W - L". False, with a message and nothing archived, when a division has more teams than its room.
bool ArchiveStandings(League& league, Host& host);

struct WinLoss {
    int wins = 0, losses = 0;
};

// The team's last 10 played games, walking back through the schedule from the current day (its games
// already played count too).
WinLoss LastTenRecord(const League& league, int team);

// "7-3"
std::string RecordText(WinLoss record);
// "W3", "L2"; "-" before the first game.
std::string StreakText(int16_t streak);
// Games behind as usually shown, half the stored difference: "-" for 0, else "1.0", "2.5".
std::string GamesBehindText(double gb);

} // namespace hv
