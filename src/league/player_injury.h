// Hurting a player: the injury of a severity class from the injury table, and its length by age.
#pragma once

#include "league/league.h"

namespace hv {

// Severity class 1 to 10 of an injury from one uniform draw r in [0, 1) (each lower bound included).
int InjurySeverityClass(double r);

// Gives the player an injury of the class from league.injuryTypes: the candidates are entry 1 and every entry
// of that class; class 10 also costs up to a tenth of his Potential. Without an injury table nothing happens.
void InjurePlayer(League& league, int id, int severityClass);

} // namespace hv
