// What the coached-game and exhibition screens list, as tables the command line can print too.
#pragma once

#include "engine/coached_game.h"
#include "exhibition/exhibition.h"
#include "reports/report_table.h"

namespace hv {

// A side's dressed players, the five on the court first (by court slot), then the bench in depth order: court
// slot, name, position, minutes, points, fouls and energy (percent of full); rows keyed by player ID.
ReportTable CoachLineupTable(const CoachedGame& game, CoachSide side);

// The score by periods: away first, quarters 1 to 4, overtime, total, team fouls and timeouts left.
ReportTable CoachScoreTable(const CoachedGame& game);

// An exhibition team's players: exhibition slot, player slot, saved ID, name, position, rating, and the
// depth-chart places he holds.
ReportTable ExhibitionRosterTable(const Exhibition& exhibition, int which);

} // namespace hv
