#include "season/sim_commands.h"

#include <algorithm>

#include "league/league_options.h"
#include "league/status_line.h"
#include "season/playoffs.h"

namespace hv {

namespace {

constexpr int kTradeDeadline = 100;
constexpr int kLastDayOfFirstHalf = Phase::AllStarDay - 1;

SimReport Refuse(Host& host, const std::string& text, const char* title = "Sim Games") {
    host.ShowMessage(text, title, MessageIcon::Warning);
    return {};
}

// Plays `step` (one day or span) repeatedly while the league stands on a day up to `last` and the stop
// request is clear; a stopped step sets the stop request. `first` and `last` give the progress of a
// multi-day run, and its checkpoints: a failed one stops the run.
template <class Step>
SimReport RunDays(League& league, Host& host, SimRun& run, int first, int last, bool showProgress,
                  Step step) {
    SimReport report;
    const int total = last - first + 1;
    SeasonState& s = league.state;
    WeeklyCheckpoints checkpoints(first, last);
    bool unsaved = false;
    host.SetBusy(true);
    while (s.SeasonDay >= first && s.SeasonDay <= last && !host.StopRequested()) {
        const int before = s.SeasonDay;
        if (showProgress) host.SetProgress("Day " + std::to_string(before), before - first, total);
        host.PumpEvents();
        if (host.StopRequested()) break;
        if (step(before) == DayResult::Stopped) {
            host.RequestStop();
            break;
        }
        if (s.SeasonDay == before) break; // nothing moved the day on: never loop in place
        report.daysPlayed += s.SeasonDay - before;
        if (checkpoints.Due(s.SeasonDay)) {
            unsaved = !TakeCheckpoint(league, host, run.checkpoint, run.onSaved);
            if (unsaved) break;
            checkpoints.Saved(s.SeasonDay);
        }
    }
    if (showProgress)
        host.SetProgress("Day " + std::to_string(s.SeasonDay), std::min(s.SeasonDay - first, total), total);
    host.SetBusy(false);
    report.outcome = s.SeasonDay > last && !unsaved ? SimOutcome::Done : SimOutcome::Stopped;
    return report;
}

// The playoffs' refusals, then on day 121 the bracket is drawn; false when refused (the message shown).
bool ReadyToPlayPlayoffs(League& league, Host& host) {
    if (!CheckMaySimulate(league.state, host)) return false;
    const int day = league.state.SeasonDay;
    if (day < Phase::FirstPlayoffDay) {
        Refuse(host, "The playoffs begin when the regular season is over.", "Playoffs");
        return false;
    }
    if (day >= kPlayoffsOver) {
        Refuse(host, "The playoffs are over.", "Playoffs");
        return false;
    }
    return day != Phase::FirstPlayoffDay || BeginPlayoffs(league, host);
}

} // namespace

int SimTarget(SimSpan span, int current, int toDay) {
    switch (span) {
    case SimSpan::Day:
        return current;
    case SimSpan::Week:
        return std::min(current + 4, static_cast<int>(Phase::LastDay));
    case SimSpan::Month:
        return std::min(current + 19, static_cast<int>(Phase::LastDay));
    case SimSpan::Half:
        return kLastDayOfFirstHalf;
    case SimSpan::Season:
        return Phase::LastDay;
    case SimSpan::ToDay:
        return toDay;
    }
    return current;
}

bool AsksDeadlineQuestion(SimSpan span, int current, int target) {
    switch (span) {
    case SimSpan::Day:
        return current == kTradeDeadline;
    case SimSpan::Week:
    case SimSpan::Month:
    case SimSpan::ToDay:
        return current < kTradeDeadline && target >= kTradeDeadline;
    case SimSpan::Half:
    case SimSpan::Season:
        return false;
    }
    return false;
}

bool RegularSeasonDay(const League& league) {
    const int day = league.state.SeasonDay;
    return day >= Phase::FirstDay && day <= Phase::LastDay;
}

bool PlayoffDayToPlay(const League& league) {
    const int day = league.state.SeasonDay;
    return day >= Phase::FirstPlayoffDay && day < kPlayoffsOver;
}

SimReport RunSimCommand(League& league, Host& host, SimRun& run, SimSpan span, int toDay) {
    if (!CheckMaySimulate(league.state, host)) return {};
    if (!RegularSeasonDay(league))
        return Refuse(host, "There are no regular-season games to play: the league stands at " +
                                PhaseText(league.state.SeasonDay) + ".");
    const int current = league.state.SeasonDay;
    const int target = SimTarget(span, current, toDay);
    if (target < current || target > Phase::LastDay)
        return Refuse(host, span == SimSpan::Half
                                ? "The first half of the season has been played."
                                : "Choose a day from " + std::to_string(current) + " (the current day) to " +
                                      std::to_string(Phase::LastDay) + ".");
    if (AsksDeadlineQuestion(span, current, target) && !host.AskYesNo(kDeadlineQuestion, "Warning"))
        return {SimOutcome::Cancelled, 0};

    host.ClearStop();
    run.allStarPause = span == SimSpan::Day;
    run.coaching = target > current ? SimRun::Coaching::Ask : SimRun::Coaching::Coach;
    SimReport report = RunDays(league, host, run, current, target, target > current,
                               [&](int day) { return SimDay(league, host, run, day); });
    if (run.allStarPause && league.state.SeasonDay == Phase::AllStarDay &&
        report.outcome == SimOutcome::Stopped)
        report.outcome = SimOutcome::AllStarBreak;
    return report;
}

SimReport RunPlayoffCommand(League& league, Host& host, SimRun& run, PlayoffSpan span) {
    if (!ReadyToPlayPlayoffs(league, host)) return {};
    host.ClearStop();
    run.allStarPause = false;
    const int first = league.state.SeasonDay;
    const int last = span == PlayoffSpan::Day ? first : kPlayoffsOver - 1;
    run.coaching = span == PlayoffSpan::Day ? SimRun::Coaching::Coach : SimRun::Coaching::Ask;
    return RunDays(league, host, run, first, last, span == PlayoffSpan::All,
                   [&](int d) { return SimPlayoffDay(league, host, run, d); });
}

SimReport RunPlayoffGame(League& league, Host& host, SimRun& run, int game) {
    if (!ReadyToPlayPlayoffs(league, host)) return {};
    return RunSimGame(league, host, run, game);
}

SimReport RunSimGame(League& league, Host& host, SimRun& run, int game) {
    if (!CheckMaySimulate(league.state, host)) return {};
    const bool regular = RegularSeasonDay(league);
    const int day = league.state.SeasonDay;
    if (!regular && !(day > Phase::FirstPlayoffDay && day < kPlayoffsOver))
        return Refuse(host, "There are no games to play: the league stands at " + PhaseText(day) + ".");
    const ScheduleDay& today = league.schedule.at(static_cast<size_t>(day));
    if (game < 1 || game > std::min<int>(today.NumGames, kGamesPerDay))
        return Refuse(host, "Day " + std::to_string(day) + " has no game " + std::to_string(game) + ".");
    if (today.Games[static_cast<size_t>(game)].Played)
        return Refuse(host, "Game " + std::to_string(game) + " of day " + std::to_string(day) +
                                " has been played.");

    host.ClearStop();
    run.allStarPause = false;
    run.coaching = SimRun::Coaching::Coach;
    const bool played = regular ? PlayScheduledGame(league, host, run, day, game)
                                : PlayPlayoffGame(league, host, run, day, game);
    if (!GameFilesWritten(host, run) || !played) return {SimOutcome::Stopped, 0};
    if (!AllGamesPlayed(league)) return {SimOutcome::Done, 0};
    if (regular)
        EndOfDay(league, host);
    else
        EndPlayoffDay(league, host);
    return {SimOutcome::Done, 1};
}

} // namespace hv
