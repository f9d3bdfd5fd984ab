// The simulation commands of the schedule screen and the playoffs screen, shared with the command line: the
// span of each command, the commissioner refusal, the trade-deadline question, the All-Star pause and the
// run itself, which pumps events and tests the stop request before each day.
#pragma once

#include <string>

#include "league/league.h"
#include "platform/host.h"
#include "season/day_loop.h"

namespace hv {

inline constexpr const char* kDeadlineQuestion =
    "Simming would put you past the trade deadline(Day 100). Would you like to continue?";
inline constexpr const char* kAllStarBreakNotice =
    "Day 60 is the All-Star break. Sim Week, Sim Month or Sim Season plays the All-Star weekend and goes on "
    "from day 61.";

// The regular season's commands: Sim (the current day), Sim Week, Sim Month, Sim Half, Sim Season, and the
// command line's run to a chosen day.
enum class SimSpan { Day, Week, Month, Half, Season, ToDay };

// The last day the command plays from day `current`: the day itself, current + 4 or + 19 (at most 120),
// day 59, day 120, or `toDay`.
int SimTarget(SimSpan span, int current, int toDay = 0);

// Whether the command asks before it passes the trade deadline: Sim on day 100; Sim Week, Sim Month and the
// run to a day when the current day is below 100 and the target 100 or more; Sim Half and Sim Season never.
bool AsksDeadlineQuestion(SimSpan span, int current, int target);

enum class SimOutcome {
    Refused,      // not allowed or nothing to play: the message has been shown, nothing changed
    Cancelled,    // the user answered No to the deadline question: nothing changed
    Done,         // every day of the span was played
    Stopped,      // the stop request ended the run (Stop, a roster error, a No to an injury question)
    AllStarBreak, // the single-day command stands on day 60 (the All-Star pause)
};

struct SimReport {
    SimOutcome outcome = SimOutcome::Refused;
    int daysPlayed = 0;
};

// Runs a regular-season command: refused without the commissioner's rights in a league that locks
// simulation, outside the regular season, or when the span holds no day; asks the deadline question where
// the command asks it (title "Warning"); clears the stop request; then plays day after day to the target
// while the stop request is clear. A multi-day run shows its progress through the host.
SimReport RunSimCommand(League& league, Host& host, SimRun& run, SimSpan span, int toDay = 0);

// The playoffs' commands: Sim (the current day) and Sim All (every day while SeasonDay is below 168).
enum class PlayoffSpan { Day, All };

// Runs a playoffs command: the same refusal; from day 121 the playoffs are begun first; refused after the
// playoffs. Sim All shows its progress through the host.
SimReport RunPlayoffCommand(League& league, Host& host, SimRun& run, PlayoffSpan span);

// The playoffs' Sim Game: refused as the other playoffs commands are; from day 121 the playoffs are begun
// first and the game is one of day 122. Then as RunSimGame.
SimReport RunPlayoffGame(League& league, Host& host, SimRun& run, int game);

// Sim Game, on either screen: plays game `game` of the current day alone (regular season or playoffs), and
// when every game of the day has then been played runs the end-of-day step. Refused as the other commands
// are, and for a game the day does not hold or that has been played.
SimReport RunSimGame(League& league, Host& host, SimRun& run, int game);

// True during the regular season and the playoffs, while a simulation command has something to play.
bool RegularSeasonDay(const League& league);
bool PlayoffDayToPlay(const League& league);

} // namespace hv
