#include "season/day_loop.h"

#include <algorithm>
#include <exception>

#include "engine/game.h"
#include "league/game_key.h"
#include "league/team_passes.h"
#include "personnel/computer_trades.h"
#include "personnel/resign.h"
#include "season/all_star.h"
#include "season/awards.h"
#include "season/in_season_awards.h"
#include "season/injuries.h"
#include "season/roster_checks.h"
#include "season/roster_manager.h"
#include "season/season_awards.h"
#include "season/season_hooks.h"
#include "season/standings.h"

namespace hv {

namespace {

constexpr int kTradeEvery = 7; // computer teams trade every 7th day before the deadline
constexpr int kTradeDeadline = 100;
constexpr int kWeek = 5;   // days of a player-of-the-week period
constexpr int kMonth = 20; // days of a monthly award period
constexpr int kSeasonOver = Phase::LastDay + 1;

const ScheduleDay& DayOf(const League& league, int day) {
    return league.schedule.at(static_cast<size_t>(day));
}

// Both teams pass every check before the game: the roster sizes (home, then away), then each team's dress
// and line-up checks. A human team's failure has been told and has set the stop request.
bool TeamsReady(League& league, Host& host, int home, int away) {
    for (int team : {home, away})
        if (!CheckRosterSize(league, team, host)) return false;
    for (int team : {home, away})
        if (!CheckDressable(league, team, host) || !CheckLineupSettings(league, team, host)) return false;
    return true;
}

// Whether a game of a coached team goes to the coached-game screen in this run; a run of several days asks
// once.
bool WillCoach(Host& host, SimRun& run) {
    if (run.unattended || !CoachGameScreenInstalled()) return false;
    if (run.coaching == SimRun::Coaching::Ask)
        run.coaching = host.AskYesNo("Games of the teams you coach come up in this run. Coach them yourself? "
                                     "(No simulates them this time.)",
                                     "Coach Games")
                           ? SimRun::Coaching::Coach
                           : SimRun::Coaching::Simulate;
    return run.coaching == SimRun::Coaching::Coach;
}

// A box or play-by-play file that cannot be written: the game itself is complete in the league, but the run
// stops so that the user can see to the disk before more output is lost.
void StopForUnwrittenFiles(Host& host, const std::string& error) {
    host.ShowMessage("The game's files could not be written: " + error, "Error", MessageIcon::Critical);
    host.RequestStop();
}

} // namespace

bool GameFilesWritten(Host& host, SimRun& run) {
    const std::string error = run.gameFiles->Wait();
    if (error.empty()) return true;
    StopForUnwrittenFiles(host, error);
    return false;
}

bool PlayGameOfDay(League& league, Host& host, SimRun& run, int day, int game, const char* type) {
    if (day != league.state.SeasonDay || day < 1 || day > kScheduleDays) return false;
    const ScheduleDay& today = DayOf(league, day);
    if (game < 1 || game > std::min<int>(today.NumGames, kGamesPerDay)) return false;
    const ScheduledGame& entry = today.Games[static_cast<size_t>(game)];
    if (entry.Played) return true;
    const int home = league.FindTeam(entry.HomeTeam);
    const int away = league.FindTeam(entry.AwayTeam);
    if (home == 0 || away == 0) {
        host.ShowMessage("Game " + std::to_string(game) + " of day " + std::to_string(day) +
                             " names a team the league does not have (" + entry.HomeTeam + ", " +
                             entry.AwayTeam + ").",
                         "Error", MessageIcon::Critical);
        host.RequestStop();
        return false;
    }
    if (!TeamsReady(league, host, home, away)) return false;

    const bool pbp = league.team(home).pbp || league.team(away).pbp;
    const bool coached = (league.team(home).CoachTeam || league.team(away).CoachTeam) && WillCoach(host, run);
    if (!coached || !CoachScheduledGame(league, host, day, game, home, away, type)) {
        try {
            clsGame engine(league);
            engine.WriteFilesThrough(run.gameFiles.get());
            engine.StartGame(static_cast<int16_t>(home), static_cast<int16_t>(away), pbp,
                             static_cast<int16_t>(game), type);
            engine.SimGame();
            if (pbp) engine.OutputPBP();
        } catch (const std::exception& e) {
            StopForUnwrittenFiles(host, e.what());
            return false;
        }
    }
    if (!run.unattended && run.onResult) run.onResult(league.lastResult, GameKey(day, game));
    return true;
}

bool PlayScheduledGame(League& league, Host& host, SimRun& run, int day, int game) {
    return PlayGameOfDay(league, host, run, day, game, "Regular");
}

bool AllGamesPlayed(const League& league) {
    const int day = league.state.SeasonDay;
    if (day < 1 || day > kScheduleDays) return false;
    const ScheduleDay& today = DayOf(league, day);
    for (int g = 1; g <= std::min<int>(today.NumGames, kGamesPerDay); ++g)
        if (!today.Games[static_cast<size_t>(g)].Played) return false;
    return true;
}

void EndOfDay(League& league, Host& host) {
    if (league.state.SiteDuringSim) WriteDailyPage(league, host);
    const int d = ++league.state.SeasonDay;
    if (d % kTradeEvery == 0 && d < kTradeDeadline) {
        RunComputerTrades(league, host);
        RankTeams(league);
    }
    switch (d) {
    case 30:
    case 80:
        RankTeams(league);
        break;
    case Phase::AllStarDay:
        RankTeams(league);
        NamePlayerOfWeek(league);
        NamePlayerOfMonth(league);
        NameRookieOfMonth(league);
        break;
    case kTradeDeadline:
        RunComputerTrades(league, host);
        break;
    case kSeasonOver:
        ArchiveStandings(league, host);
        RankTeams(league);
        RatePlayers(league);
        NameSeasonAwards(league);
        SetContractValues(league);
        ComputeStandings(league);
        break;
    default:
        break;
    }
    UpdateWinningPercentages(league);
    ReportInjuries(league, host);
    if ((d - 1) % kWeek == 0) NamePlayerOfWeek(league);
    if ((d - 1) % kMonth == 0) {
        NamePlayerOfMonth(league);
        NameRookieOfMonth(league);
    }
    HealOneDay(league, host);
    SignBetterFreeAgents(league);
}

DayResult SimDay(League& league, Host& host, SimRun& run, int day) {
    SeasonState& s = league.state;
    const int last = std::min(day, static_cast<int>(Phase::LastDay));
    while (s.SeasonDay >= Phase::FirstDay && s.SeasonDay <= last && !host.StopRequested()) {
        if (s.SeasonDay == Phase::AllStarDay) {
            if (run.allStarPause) return DayResult::Stopped;
            RunAllStarWeekend(league, host);
            // The weekend always ends on day 61; the loop never waits on day 60 for a second one.
            if (s.SeasonDay == Phase::AllStarDay) s.SeasonDay = Phase::AllStarDay + 1;
            continue;
        }
        const int today = s.SeasonDay;
        // A human team that cannot play stops the run before any game of the day, not in the middle of it.
        if (!CheckHumanTeamsOfDay(league, host, today)) return DayResult::Stopped;
        if (run.onDayStart) run.onDayStart(today);
        bool stopped = false;
        for (int g = 1; g <= std::min<int>(DayOf(league, today).NumGames, kGamesPerDay) && !stopped; ++g) {
            if (DayOf(league, today).Games[static_cast<size_t>(g)].Played) continue;
            stopped = !PlayScheduledGame(league, host, run, today, g);
            host.PumpEvents();
        }
        if (!GameFilesWritten(host, run) || stopped) return DayResult::Stopped;
        EndOfDay(league, host);
    }
    return DayResult::Completed;
}

} // namespace hv
