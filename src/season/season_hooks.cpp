#include "season/season_hooks.h"

namespace hv {

// Awards: player of the week.
void NamePlayerOfWeek(League&, Host&) {}
// Awards: player of the month.
void NamePlayerOfMonth(League&, Host&) {}
// Awards: rookie of the month.
void NameRookieOfMonth(League&, Host&) {}

// All-Star weekend: rookie game, 3-Point Shootout, Slam-Dunk Contest and All-Star Game, then day 61.
void RunAllStarWeekend(League& league, Host&) {
    league.state.SeasonDay = Phase::AllStarDay + 1;
}

// Awards: the players' season performance ratings.
void RatePlayers(League&) {}

// Awards: the season awards of day 121.
void NameSeasonAwards(League&, Host&) {}

// League site: the daily schedule page.
void WriteDailyPage(League&, Host&) {}

// End of season: box-score files filed or deleted, play-by-play files deleted.
void FileSeasonBoxScores(League&) {}

// Records: "Processing Records", the season record book.
void UpdateSeasonRecords(League&) {}

// Records: "Processing Career Records", the career record book.
void UpdateCareerRecords(League&) {}

// Coached games: the coached-game screen plays a game of a team the user coaches.
bool CoachScheduledGame(League&, Host&, int, int, int, int, const char*) {
    return false;
}

} // namespace hv
