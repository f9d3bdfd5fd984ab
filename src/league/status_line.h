// The hub's status line: the season and its phase, e.g. "Season 2003 - Day 45".
#pragma once

#include <string>

#include "league/season_state.h"

namespace hv {

std::string StatusLine(const SeasonState& state);

} // namespace hv
