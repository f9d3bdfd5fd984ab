#include "season/checkpoint.h"

#include "league/status_line.h"

namespace hv {

bool SeasonCompleted(int dayBefore, const SeasonState& now) {
    return dayBefore != Phase::BeforeSeason && now.SeasonDay == Phase::BeforeSeason;
}

bool TakeCheckpoint(const League& league, Host& host, const SaveCheckpoint& save,
                    const std::function<void(const std::string&)>& tell) {
    if (!save) return true;
    const std::string where = StatusLine(league.state);
    if (!save()) {
        host.ShowMessage("The league could not be saved at " + where +
                             ", so the simulation has stopped there. Free some disk space or put the save "
                             "folder right, then simulate on.",
                         "Error", MessageIcon::Critical);
        host.RequestStop();
        return false;
    }
    if (tell) tell("Saved: " + where);
    return true;
}

} // namespace hv
