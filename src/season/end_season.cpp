#include "season/end_season.h"

#include "league/league_options.h"
#include "league/record_updates.h"
#include "personnel/computer_trades.h"
#include "personnel/draft.h"
#include "personnel/draft_class.h"
#include "personnel/season_end.h"
#include "personnel/trade.h"
#include "season/box_filing.h"
#include "season/injuries.h"
#include "season/schedule.h"
#include "season/season_hooks.h"

namespace hv {

namespace {

// The first steps of both orders: the new season, at the rookie draft, with no draft under way. The season
// number and the day move together, so that every later step sees the season just played as LastPlayedSeason.
void OpenNextSeason(League& league) {
    SeasonState& s = league.state;
    ++s.Season;
    s.SeasonDay = Phase::RookieDraft;
    s.DraftState = 0;
    s.DraftPickState = 0;
    ClearTradingState(league);
}

} // namespace

bool SeasonReadyToEnd(const League& league) {
    const int day = league.state.SeasonDay;
    return day >= Phase::FirstEndSeason && day <= Phase::LastEndSeason;
}

bool EndSeason(League& league, Host& host, const EndSeasonCaption& caption) {
    if (!CheckMayEndSeason(league.state, host)) return false;
    if (!SeasonReadyToEnd(league)) {
        host.ShowMessage("The season can be ended only once the playoffs are over.", "End Season",
                         MessageIcon::Warning);
        return false;
    }
    auto step = [&](const char* text) {
        if (caption) caption(text);
        host.PumpEvents();
    };
    host.SetBusy(true);
    OpenNextSeason(league);
    step("Processing Injuries");
    ClearInjuredReserve(league);
    step("Processing Records");
    UpdateSeasonRecords(league, LastPlayedSeason(league.state));
    step("Aging Players");
    ProcessSeasonEnd(league, host);
    step("Processing Career Records");
    UpdateAllCareerRecords(league);
    step("Clearing Schedule");
    ClearSchedule(league);
    step("Verifying Rookie Class");
    EnsureComingDraftClass(league);
    step("Done");
    host.SetBusy(false);
    return true;
}

void CloseEndSeason(League& league, Host& host) {
    FileSeasonBoxScores(league, LastPlayedSeason(league.state), host);
}

bool EndSeasonUnattended(League& league, Host& host) {
    if (!SeasonReadyToEnd(league)) return false;
    League before = league;
    OpenNextSeason(league);
    FileSeasonBoxScores(league, LastPlayedSeason(league.state), host);
    ClearInjuredReserve(league);
    UpdateSeasonRecords(league, LastPlayedSeason(league.state));
    ProcessSeasonEnd(league, host);
    UpdateAllCareerRecords(league);
    ClearSchedule(league);
    if (!PrepareRookieDraft(league, host)) {
        league = std::move(before);
        return false;
    }
    EnsureComingDraftClass(league);
    RunComputerTrades(league, host);
    return true;
}

} // namespace hv
