// The players of a statistics file as the import would rate them: the preview of the import dialog.
#pragma once

#include <vector>

#include "reports/report_table.h"
#include "setup/stats_import.h"

namespace hv {

// One row a line: name, position, team, age, height, games, minutes, points a game, the fifteen raw ratings
// the model gives him and the overall rating they make at his position.
ReportTable StatsImportTable(const std::vector<StatLine>& lines);

} // namespace hv
