#include "season_run_screens.h"

#include "frm_end_season.h"
#include "frm_playoffs.h"
#include "frm_sim_games.h"
#include "league/transactions.h"
#include "reports/playoff_tables.h"
#include "season/begin_season.h"
#include "season/roster_checks.h"
#include "table_screen.h"

namespace hv {

void OpenBeginSeason(HubContext& hub) {
    // A human team that could not play its first game is told now, while there is time to put it right.
    if (const std::string illegal = IllegalHumanRosters(hub.session.league);
        !illegal.empty() &&
        !hub.host.AskYesNo(illegal + "\nA team plays with exactly " + std::to_string(kActiveRoster) +
                               " active players and keeps at most " + std::to_string(kMaxRoster) +
                               ". Begin the season anyway? (No goes back; Team Roster puts it right.)",
                           "Begin Season"))
        return;
    BeginSeason(hub.session.league, hub.host);
    hub.host.EndProgress();
    hub.refreshHub();
}

void OpenSimGames(HubContext& hub) {
    League& league = hub.session.league;
    // Human teams hear what to fix before they play; computer teams are put right at once.
    CheckEveryTeam(league, hub.host);
    hub.host.ClearStop();
    frmSimGames screen(league, hub.host, hub.parent);
    screen.exec();
    hub.refreshHub();
}

void OpenPlayoffsScreen(HubContext& hub) {
    OpenPlayoffs(hub.session.league, hub.host, hub.parent);
    hub.refreshHub();
}

void OpenEndSeasonScreen(HubContext& hub) {
    OpenEndSeason(hub.session.league, hub.host, hub.parent);
    hub.refreshHub();
}

void OpenPastChamps(HubContext& hub) {
    const League& league = hub.session.league;
    TableScreen screen(
        QStringLiteral("Past Champions"), [&league](int) { return ChampionsTable(league); }, hub.parent);
    screen.Refresh();
    screen.exec();
}

} // namespace hv
