// The in-season honours, named by the end-of-day step: player of the week every fifth day, player and
// rookie of the month every twentieth, all three on day 60 before the All-Star break. Each goes to the
// highest sum of game ratings over the regular-season games of the days it covers.
#pragma once

#include <cstdint>

#include "league/league.h"

namespace hv {

constexpr int kWeekDays = 5;
constexpr int kMonthDays = 20;

// The days whose games an honour named on `day` covers: the `length` days before it, except that on day 60
// it covers only the days since the previous one of its kind (the break takes the place of day 61).
struct AwardWindow {
    int16_t first = 0, last = 0;
};
AwardWindow AwardWindowOf(int day, int length);

// Whether the end-of-day step names the honour on `day` (the league's new day): day - 1 a multiple of the
// length, or day 60; never day 61, which the All-Star weekend reaches without an end-of-day step.
bool IsWeekAwardDay(int day);
bool IsMonthAwardDay(int day);

// The player with the highest sum of game ratings over his regular-season games of days first to last,
// among players who may win honours and played in that time (rookies only when asked); the first found in
// player order keeps a tie. 0 when nobody played.
int16_t BestOverDays(const League& league, int first, int last, bool rookiesOnly);

// Each names its honour for the league's current day and returns the winner (0 when nobody played):
// player of the week (+10 CAREERPOINTS, PlayerOfWeek + 1, "POW"), player of the month (+100,
// PlayerOfMonth + 1, "POM"), rookie of the month (+100, "ROM").
int16_t NamePlayerOfWeek(League& league);
int16_t NamePlayerOfMonth(League& league);
int16_t NameRookieOfMonth(League& league);

// The honours due on the league's current day, in the order week, month, rookie of the month.
void NameInSeasonAwards(League& league);

} // namespace hv
