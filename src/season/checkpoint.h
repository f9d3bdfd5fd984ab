// Checkpoints of long runs: a run of many days or seasons saves the league now and then through the front
// end's own save routine, so that a kill, a power cut or a full disk costs at most the days since the last
// save. The rule of when is this file's, so that the command line and the desktop save alike: a run of
// regular-season or playoff days that spans more than a week saves after every week of days, and seasons
// simulated unattended save after every season.
#pragma once

#include <functional>
#include <string>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Saves the league as it stands, the way the front end saves it; false when the save failed (its message
// has been shown). An empty one saves nothing.
using SaveCheckpoint = std::function<bool()>;

inline constexpr int kDaysPerCheckpoint = 7;

// The checkpoints of one run of days from `first` to `last`.
class WeeklyCheckpoints {
  public:
    WeeklyCheckpoints(int first, int last)
        : savedDay_(first), weekly_(last - first + 1 > kDaysPerCheckpoint) {}

    // Whether the league, now standing on `day`, is due to be saved: a week of days has passed since the
    // run began or last saved.
    bool Due(int day) const { return weekly_ && day - savedDay_ >= kDaysPerCheckpoint; }
    void Saved(int day) { savedDay_ = day; }

  private:
    int savedDay_;
    bool weekly_;
};

// Whether unattended seasons save after a step that began on `dayBefore`: the step completed a season (the
// league stands on day 0 of the next one).
bool SeasonCompleted(int dayBefore, const SeasonState& now);

// Saves through `save` (nothing to do when it is empty) and tells `tell` "Saved: " + the status line. When
// the save fails the run must stop: says so (title "Error"), sets the stop request and returns false.
bool TakeCheckpoint(const League& league, Host& host, const SaveCheckpoint& save,
                    const std::function<void(const std::string&)>& tell);

} // namespace hv
