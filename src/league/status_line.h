// The hub's status line: the season and its phase, e.g. "Season 2003 - Day 45".
#pragma once

#include <string>

#include "league/season_state.h"

namespace hv {

std::string StatusLine(const SeasonState& state);

// The phase part of the status line alone ("Day 45", "Free Agency Day 2"); empty for a code of no phase.
std::string PhaseText(int seasonDay);

} // namespace hv
