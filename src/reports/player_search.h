// Find Players: the league's players whose name holds a text, at a position, of a team, as player lines.
#pragma once

#include <string>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

struct PlayerSearch {
    std::string name; // part of the name, without regard to case; empty: any
    int position = 0; // 1 C .. 5 PG; 0: any
    std::string team; // a team's Name, "FA", "Draft" or "NextDraft"; empty: any
};

// True when the player matches every part of the search.
bool MatchesSearch(const Player& p, const PlayerSearch& search);

// Players 1 to 650 that match, in ID order, with their team.
ReportTable FindPlayersTable(const League& league, const PlayerSearch& search);

} // namespace hv
