// The hub's commands and which of them fit the league's phase and the user's rights.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "league/season_state.h"

namespace hv {

struct HubCommand {
    std::string name;    // e.g. "mnuSimGames"
    std::string menu;    // "&File", "&Franchise", ...
    std::string caption; // with its accelerator, e.g. "Sim &Games"
};

// Every hub command in menu order.
const std::vector<HubCommand>& HubCommands();

// The enabled state of every command for the season state. `previous` holds the states before the refresh,
// for the commands that keep theirs in some phases; `leagueOpen` is false until a league is created or
// loaded.
std::map<std::string, bool> CommandAvailability(const SeasonState& state, bool leagueOpen,
                                                const std::map<std::string, bool>& previous = {});

} // namespace hv
