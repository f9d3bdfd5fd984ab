// The league's players as a table: every attribute and rating, the main columns marked for the readable form.
#pragma once

#include <functional>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// Players of slots 1 to 650 for which `keep` holds (every player when it is empty); each row's key is the ID.
ReportTable PlayerListTable(const League& league, const std::function<bool(const Player&)>& keep = {});

} // namespace hv
