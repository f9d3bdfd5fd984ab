// The season archive's entry of one season: found, or appended when the season has none yet.
#pragma once

#include "league/league.h"

namespace hv {

SeasonArchive& ArchiveOf(League& league, int16_t season);

} // namespace hv
