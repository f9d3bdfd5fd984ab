// The saved leagues as a table, for the load screen and the `leagues` command.
#pragma once

#include <vector>

#include "league/saved_games.h"
#include "reports/report_table.h"

namespace hv {

// One row per saved game: league, season and phase (read from the file's header); a file that is not a valid
// saved game says so. Row keys are 1 + the game's index in `games`. The phase sorts in season order.
ReportTable SavedGamesTable(const std::vector<SavedGameEntry>& games);

} // namespace hv
