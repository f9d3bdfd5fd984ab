// The end of a season, from day 167 to 169: the season number moves on, the season's files, injured reserve,
// record books, ages, schedule and draft class are dealt with, and the league stands at the rookie draft
// (day 170).
#pragma once

#include <functional>
#include <string>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Told each step's caption as the step begins: "Processing Injuries", "Processing Records", "Aging Players",
// "Processing Career Records", "Clearing Schedule", "Verifying Rookie Class", then "Done".
using EndSeasonCaption = std::function<void(const std::string& caption)>;

// True from day 167 to 169.
bool SeasonReadyToEnd(const League& league);

// The end-of-season screen's steps: refused (with its message) under the commissioner's lock of the end of
// season and outside days 167 to 169. Season + 1 and day 170 at once, the draft's progress values 0, the
// season's trading state cleared, then the captioned steps: injured reserve emptied, season records, aging,
// career records, the schedule cleared, the coming draft class made complete.
bool EndSeason(League& league, Host& host, const EndSeasonCaption& caption = {});

// What closing the end-of-season screen does: the season's box-score files filed or deleted and its
// play-by-play files deleted.
void CloseEndSeason(League& league, Host& host);

// The same steps for seasons simulated unattended, in their order: Season + 1 and day 170 at once, the
// draft's progress values, the trading state, the season's files, injured reserve, season records, aging,
// career records, the schedule, the draft lottery, the draft class, computer trades. When the lottery cannot
// be drawn its message has been shown, the result is false and the league is as it was.
bool EndSeasonUnattended(League& league, Host& host);

} // namespace hv
