#include "league/status_line.h"

namespace hv {

std::string PhaseText(int day) {
    if (day == Phase::CreationDraft) return "Creation Draft";
    if (day == Phase::BeforeSeason) return "Begin Season";
    if (day >= Phase::FirstDay && day <= Phase::LastDay) return "Day " + std::to_string(day);
    if (day >= Phase::FirstPlayoffDay && day <= Phase::LastPlayoffDay)
        return "Playoffs: Day " + std::to_string(day);
    if (day >= Phase::FirstEndSeason && day <= Phase::LastEndSeason) return "End Season";
    if (day == Phase::RookieDraft) return "Rookie Draft";
    if (day >= Phase::FirstFreeAgency && day <= Phase::LastFreeAgency)
        return "Free Agency Day " + std::to_string(day - 179);
    if (day == Phase::TrainingCamps) return "Training Camps";
    return {};
}

std::string StatusLine(const SeasonState& state) {
    std::string phase = PhaseText(state.SeasonDay);
    return "Season " + std::to_string(state.Season) + (phase.empty() ? "" : " - " + phase);
}

} // namespace hv
