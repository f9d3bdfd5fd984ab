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

namespace {

CoachGameScreen& InstalledScreen() {
    static CoachGameScreen screen;
    return screen;
}

} // namespace

// Coached games: the coached-game screen plays a game of a team the user coaches.
bool CoachScheduledGame(League& league, Host& host, int day, int game, int home, int away, const char* type) {
    const CoachGameScreen& screen = InstalledScreen();
    return screen && screen(league, host, day, game, home, away, type);
}

void SetCoachGameScreen(CoachGameScreen screen) {
    InstalledScreen() = std::move(screen);
}

bool CoachGameScreenInstalled() {
    return static_cast<bool>(InstalledScreen());
}

} // namespace hv
