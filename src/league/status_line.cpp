#include "league/status_line.h"

namespace hv {

std::string StatusLine(const SeasonState& state) {
    const int day = state.SeasonDay;
    std::string suffix;
    if (day == Phase::CreationDraft) {
        suffix = " - Creation Draft";
    } else if (day == Phase::BeforeSeason) {
        suffix = " - Begin Season";
    } else if (day >= Phase::FirstDay && day <= Phase::LastDay) {
        suffix = " - Day " + std::to_string(day);
    } else if (day >= Phase::FirstPlayoffDay && day <= Phase::LastPlayoffDay) {
        suffix = " - Playoffs: Day " + std::to_string(day);
    } else if (day >= Phase::FirstEndSeason && day <= Phase::LastEndSeason) {
        suffix = " - End Season";
    } else if (day == Phase::RookieDraft) {
        suffix = " - Rookie Draft";
    } else if (day >= Phase::FirstFreeAgency && day <= Phase::LastFreeAgency) {
        suffix = " - Free Agency Day " + std::to_string(day - 179);
    } else if (day == Phase::TrainingCamps) {
        suffix = " - Training Camps";
    }
    return "Season " + std::to_string(state.Season) + suffix;
}

} // namespace hv
