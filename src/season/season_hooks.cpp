#include "season/season_hooks.h"

#include <utility>

namespace hv {

namespace {

DailyPageWriter& InstalledDailyPageWriter() {
    static DailyPageWriter writer;
    return writer;
}

} // namespace

void SetDailyPageWriter(DailyPageWriter writer) {
    InstalledDailyPageWriter() = std::move(writer);
}

// League site: the daily schedule page, by the writer the front end installed.
void WriteDailyPage(League& league, Host& host) {
    if (const DailyPageWriter& writer = InstalledDailyPageWriter()) writer(league, host);
}

// Coached games: the coached-game screen plays a game of a team the user coaches.
bool CoachScheduledGame(League&, Host&, int, int, int, int, const char*) {
    return false;
}

} // namespace hv
