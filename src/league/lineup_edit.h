// A human team's own line-up: depth chart, key players and coaching settings chosen by the user, checked
// before they are stored. The Team Roster screen and the lineup command both go through here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

struct LineupChoice {
    std::array<std::array<int16_t, 3>, 5> depth{}; // depth[position - 1][row - 1]: C1 .. PG3
    std::array<int16_t, 3> keys{};                 // keyplayer1 .. keyplayer3
    int16_t Pace = 0, Press = 0, Trap = 0, Offense = 0;
    bool operator==(const LineupChoice&) const = default;

    int16_t& Depth(int position, int row) {
        return depth.at(static_cast<size_t>(position - 1)).at(static_cast<size_t>(row - 1));
    }
    int16_t Depth(int position, int row) const {
        return depth.at(static_cast<size_t>(position - 1)).at(static_cast<size_t>(row - 1));
    }
};

// The team's stored line-up, and the choice stored as it is (unchecked: SaveLineup checks first).
LineupChoice LineupOf(const Team& team);
void StoreLineup(Team& team, const LineupChoice& choice);

// Position 1 to 5 of "C" .. "PG" in any case; 0 for anything else.
int PositionFromText(const std::string& text);

// "C1" .. "PG3" for position 1 to 5 and row 1 to 3; ParseDepthSlot is the reverse (case-insensitive).
std::string DepthSlotName(int position, int row);
bool ParseDepthSlot(const std::string& text, int& position, int& row);

// Allowed coaching values: Pace, Press and Trap 0, 25, 50, 75 or 100; Offense 0, 50 or 100.
bool ValidPressValue(int value);
bool ValidOffenseValue(int value);

// What is wrong with `choice` for team 1 to 29, the first fault found; nothing when it can be stored. Every
// slot must hold a player of the team who is not on injured reserve, nobody twice in one position's column or
// twice among the starters, three different key players, and allowed coaching values.
std::optional<std::string> LineupProblem(const League& league, int team, const LineupChoice& choice);

// Stores the choice for a human team. A computer team or a faulty choice is refused with a message and
// nothing changes.
bool SaveLineup(League& league, int team, const LineupChoice& choice, Host& host);

// Lets the computer choose a human team's line-up, as it does for its own teams; refused with a message when
// the team is run by the computer or has fewer than 7 active players.
bool AutoLineup(League& league, int team, Host& host);

} // namespace hv
