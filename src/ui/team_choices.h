// Team lists for the choice above a list screen.
#pragma once

#include <QStringList>
#include <vector>

#include "league/league.h"

namespace hv {

// "City Name" of teams 1 to 29: entry k - 1 is team k.
QStringList TeamChoices(const League& league);
// The entry of the first team run by the user, else of team 1.
int DefaultTeamChoice(const League& league);
// "All Teams", then every team's city and name: choice i is team slot i, 0 all teams.
QStringList AllTeamChoices(const League& league);
// The slots of the teams the user runs, in team order.
std::vector<int> HumanTeamSlots(const League& league);
// The city and name of each team of `teamSlots`.
QStringList TeamChoices(const League& league, const std::vector<int>& teamSlots);

} // namespace hv
