#include "season/in_season_awards.h"

#include <algorithm>
#include <span>

#include "season/awards.h"
#include "season/performance_rating.h"

namespace hv {

namespace {

bool IsAwardDay(int day, int length) {
    if (day == Phase::AllStarDay) return true;
    if (day == Phase::AllStarDay + 1) return false;
    // The regular season's last end-of-day step reaches day 121 (LastDay + 1); the playoffs name nothing.
    return day > Phase::FirstDay && day <= Phase::LastDay + 1 && (day - 1) % length == 0;
}

int16_t NameBest(League& league, int length, bool rookiesOnly, const char* code) {
    AwardWindow w = AwardWindowOf(league.state.SeasonDay, length);
    int16_t best = BestOverDays(league, w.first, w.last, rookiesOnly);
    GiveAward(league, best, code);
    return best;
}

} // namespace

AwardWindow AwardWindowOf(int day, int length) {
    int first = day - length;
    // On the break the honour takes the place of the one due on day 61: it covers the days since the last.
    if (day == Phase::AllStarDay) first = (day - 1) / length * length + 1;
    return {static_cast<int16_t>(first < 1 ? 1 : first), static_cast<int16_t>(day - 1)};
}

bool IsWeekAwardDay(int day) {
    return IsAwardDay(day, kWeekDays);
}

bool IsMonthAwardDay(int day) {
    return IsAwardDay(day, kMonthDays);
}

int16_t BestOverDays(const League& league, int first, int last, bool rookiesOnly) {
    int16_t best = 0;
    double bestSum = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!MayWinHonours(p) || (rookiesOnly && p.Experience != 0)) continue;
        double sum = 0;
        bool played = false;
        // A season's log grows a line per game, day after day: the lines before the window are skipped.
        const auto from =
            std::partition_point(p.GameLog.begin(), p.GameLog.end(),
                                 [first](const GameLogEntry& line) { return line.SeasonDay < first; });
        for (const GameLogEntry& line : std::span(from, p.GameLog.end()))
            if (line.SeasonDay >= first && line.SeasonDay <= last && IsRegularSeasonLine(line)) {
                sum += GamePerformanceRating(line);
                played = true;
            }
        if (played && (best == 0 || sum > bestSum)) {
            best = static_cast<int16_t>(id);
            bestSum = sum;
        }
    }
    return best;
}

int16_t NamePlayerOfWeek(League& league) {
    int16_t best = NameBest(league, kWeekDays, false, "POW");
    if (best != 0) ++league.player(best).PlayerOfWeek;
    return best;
}

int16_t NamePlayerOfMonth(League& league) {
    int16_t best = NameBest(league, kMonthDays, false, "POM");
    if (best != 0) ++league.player(best).PlayerOfMonth;
    return best;
}

int16_t NameRookieOfMonth(League& league) {
    return NameBest(league, kMonthDays, true, "ROM");
}

void NameInSeasonAwards(League& league) {
    const int day = league.state.SeasonDay;
    if (IsWeekAwardDay(day)) NamePlayerOfWeek(league);
    if (IsMonthAwardDay(day)) {
        NamePlayerOfMonth(league);
        NameRookieOfMonth(league);
    }
}

} // namespace hv
