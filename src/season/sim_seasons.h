// Seasons simulated unattended: from whatever day the league stands on, one step per pass (a day of games, a
// playoff day, the end of the season, the rookie draft, a day of free agency, the camps), each told as a
// status line, until the league stands on day 0 of the target season or the stop request is set. The
// computer makes every choice, the human teams' included.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "league/league.h"
#include "platform/host.h"
#include "season/checkpoint.h"

namespace hv {

inline constexpr const char* kSeasonValueInvalid = "Please input a valid season value.";
inline constexpr const char* kSeasonValueTooSmall = "You must sim at least one season.";
// The most seasons one run takes: a league of a thousand seasons would outgrow its archives.
inline constexpr int kMostSeasonsPerRun = 1000;

// The number of seasons typed by the user: shows "Please input a valid season value." for anything that is
// not a whole number (or more than a run takes) and "You must sim at least one season." below 1, both with
// the title "Error", and gives nothing then.
// With `tellLimit` (the command line, where no screen shows the field) the first message also names the
// numbers a run takes.
std::optional<int> ParseSeasonCount(const std::string& text, Host& host, bool tellLimit = false);

// The refusals that come before the number of seasons is read: the commissioner's locks of simulation and of
// the end of season, and a league still in its creation draft. Each shows its message.
bool MaySimSeasons(const League& league, Host& host);

struct SimSeasonsHooks {
    // Each step's status line as the step begins: "Season: 2004 - Simming day 17".
    std::function<void(const std::string& line)> onStatus;
    // The playoffs are over and the season is about to be closed: the season's games, standings and totals
    // are still there to be read.
    std::function<void(League& league)> onSeasonPlayed;
    // Saves the league after every season (the league on day 0 of the next); a failed save ends the run.
    SaveCheckpoint checkpoint;
};

enum class SeasonsOutcome {
    Refused, // under the commissioner's lock or in the creation draft: the message has been shown
    Done,    // the league stands on day 0 of the target season
    Stopped, // the stop request ended the run (Stop, or a human team's roster error)
    Failed,  // a step could not be taken or the league not saved after a season (its message has been
             // shown): the league stands where it failed
};

// Simulates `seasons` seasons from where the league stands (refused as MaySimSeasons refuses); the target is
// Season + seasons at day 0. Clears the stop request first, pumps events and tests it before each step, and
// saves through the checkpoint after each completed season ("Saved: Season 2005 - Begin Season"). At the
// end the status reads "Done." when the target was reached.
SeasonsOutcome SimSeasons(League& league, Host& host, int seasons, const SimSeasonsHooks& hooks = {});

} // namespace hv
