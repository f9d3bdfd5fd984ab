#include "season/begin_season.h"

#include <exception>

#include "league/lineup.h"
#include "league/team_control.h"
#include "league/team_passes.h"
#include "personnel/draft_class.h"
#include "season/schedule.h"
#include "season/standings.h"

namespace hv {

void ResetTeamSeasonRecords(League& league) {
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.HomeWins = team.HomeLosses = team.RoadWins = team.RoadLosses = 0;
        team.Streak = 0;
        team.DivRank = team.ConfRank = 0;
        team.GB = team.ConfGB = 0;
        team.SeasonWinsVs.fill(0);
        team.SeasonLossesVs.fill(0);
        team.PointsVs.fill(0);
        for (int32_t* total : team.TotalsFields())
            *total = 0;
        team.PlayoffBracket() = 0;
    }
    UpdateWinningPercentages(league);
}

void ClearPlayerSeasonCounters(League& league) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        p.SeasonStats = {};
        p.PlayoffStats = {};
        p.GameLog.clear();
        p.Game = {};
    }
}

void SetSeasonLineups(League& league) {
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (!IsHuman(league.team(t)) || !LineupSettingsValid(league.team(t))) SetLineup(league, t);
}

namespace {

// The folders the season's games write their files into, made once here so that no game looks for them: a
// folder that cannot be made now is made, or reported with its file, when a game writes there.
void MakeSeasonFolders(const League& league) {
    if (league.programFolder.empty() || league.state.LeagueName.empty()) return;
    try {
        EnsureLeagueFolders(league.programFolder, league.state.LeagueName);
    } catch (const std::exception&) {
    }
}

} // namespace

bool BeginSeason(League& league, Host& host, bool unattended) {
    if (league.state.SeasonDay != Phase::BeforeSeason) {
        host.ShowMessage("The season has already begun.", "Begin Season", MessageIcon::Warning);
        return false;
    }
    auto progress = [&](int value) {
        if (unattended) return;
        host.SetProgress(kBeginSeasonCaption, value, kBeginSeasonProgressMax);
        host.PumpEvents();
    };
    host.SetBusy(true);
    // The schedule may be refused after the teams were reset: their records come back then.
    const auto teamsBefore = league.teams;
    league.RebuildFreeIDs();
    ResetTeamSeasonRecords(league);
    progress(BeginSeasonProgress::TeamsReset);
    ScheduleProgress placed;
    if (!unattended)
        placed = [&](int matchup) {
            host.SetProgress(kBeginSeasonCaption, matchup, kBeginSeasonProgressMax);
        };
    if (!GenerateSchedule(league, host, placed)) {
        league.teams = teamsBefore;
        host.SetBusy(false);
        return false;
    }
    progress(BeginSeasonProgress::Scheduled);
    ClearPlayerSeasonCounters(league);
    progress(BeginSeasonProgress::PlayersCleared);
    RankTeams(league);
    progress(BeginSeasonProgress::TeamsRanked);
    SetSeasonLineups(league);
    progress(BeginSeasonProgress::LineupsSet);
    RecountRosters(league);
    progress(BeginSeasonProgress::RostersCounted);
    EnsureComingDraftClass(league);
    progress(BeginSeasonProgress::DraftClassReady);
    MakeSeasonFolders(league);
    host.SetBusy(false);
    return true;
}

} // namespace hv
