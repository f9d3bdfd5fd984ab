// The one roster move of the drafts: a drafted player joins his team.
#pragma once

#include <string>

#include "league/league.h"

namespace hv {

// Puts player `id` on team slot `team`: his Team, the team's roster and position counts and payroll, and a
// transaction line with `action` for the team.
void JoinTeam(League& league, int id, int team, const std::string& action);

} // namespace hv
