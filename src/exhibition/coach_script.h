// A coached game driven by a script of coach commands, one per line, so that a coached game can be played and
// checked from the command line:
//
//   possession | quarter | game                 Sim Possession, Sim Quarter, Sim Game
//   timeout home|away                           a timeout
//   coach home|away on|off                      the coach switch
//   lineup home|away SLOT PLAYER                a player at court slot SLOT (1..5 or C, PF, SF, SG, PG)
//   matchup home|away SLOT OPPONENT-SLOT        the defender at SLOT guards the opposing slot
//   key home|away 1|2|3 PLAYER                  a key player
//   pace|trap|press|offense home|away VALUE     pace 0..100, trap and press 0..75, by 25; offense 0, 50, 100
//
// PLAYER is a dressed player's ID or name. Blank lines and lines starting with # are skipped.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/coached_game.h"

namespace hv {

struct CoachCommand {
    enum class Kind {
        Possession,
        Quarter,
        Game,
        TimeOut,
        Coach,
        LineUp,
        MatchUp,
        Key,
        Pace,
        Trap,
        Press,
        Offense
    };
    Kind kind = Kind::Possession;
    int line = 0; // line number in the script, from 1
    CoachSide side = CoachSide::Home;
    int number = 0;     // slot, key number, setting value, or 1/0 for on/off
    std::string player; // the PLAYER or OPPONENT-SLOT word(s)
    std::string text;   // the line as written
};

// The script's commands; on the first bad line, "Line N: REASON" in `error` and nothing.
std::optional<std::vector<CoachCommand>> ParseCoachScript(const std::vector<std::string>& lines,
                                                          std::string& error);

// Plays the commands on the session, calling `after` with each command and the scoreboard after it. A command
// that the game refuses (a line-up fault, an unknown player, no timeout left) stops the script: "Line N:
// REASON" in `error`, false.
bool RunCoachScript(CoachedGame& game, const std::vector<CoachCommand>& commands, std::string& error,
                    const std::function<void(const CoachCommand&, const std::vector<std::string>&)>& after);

} // namespace hv
