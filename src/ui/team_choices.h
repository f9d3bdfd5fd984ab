// The league's teams as the entries of a choice box: "City Name" of teams 1 to 29, entry k - 1 for team k.
#pragma once

#include <QStringList>

#include "league/league.h"

namespace hv {

QStringList TeamChoices(const League& league);
// The entry of the first team run by the user, else of team 1.
int DefaultTeamChoice(const League& league);

} // namespace hv
