// The hub's openers of the season's run: Begin Season with its progress dialog, the schedule screen (after
// every team's roster check), the playoffs, End Season and Past Champs.
#pragma once

#include "hub_screens.h"

namespace hv {

void OpenBeginSeason(HubContext& hub);
void OpenSimGames(HubContext& hub);
void OpenPlayoffsScreen(HubContext& hub);
void OpenEndSeasonScreen(HubContext& hub);
void OpenPastChamps(HubContext& hub);

} // namespace hv
