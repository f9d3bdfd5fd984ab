#include "season/season_hooks.h"

namespace hv {

// League site: the daily schedule page.
void WriteDailyPage(League&, Host&) {}

// Coached games: the coached-game screen plays a game of a team the user coaches.
bool CoachScheduledGame(League&, Host&, int, int, int, int, const char*) {
    return false;
}

} // namespace hv
