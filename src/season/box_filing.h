// The season's box-score and play-by-play text files at the end of the season.
#pragma once

#include <cstdint>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// With the league's "save box scores" option on, every box text file of the league's box folder and every box
// page of its html/boxes folder is moved into that folder's subfolder named after `season` (the season the
// games belong to); with the option off they are deleted. The play-by-play text files are deleted either way.
// A file that cannot be filed or deleted stops the step with a message (title "Error"): false.
bool FileSeasonBoxScores(League& league, int16_t season, Host& host);

} // namespace hv
