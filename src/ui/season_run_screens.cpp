#include "season_run_screens.h"

#include "frm_end_season.h"
#include "frm_playoffs.h"
#include "frm_sim_games.h"
#include "reports/playoff_tables.h"
#include "season/begin_season.h"
#include "season/roster_checks.h"
#include "table_screen.h"

namespace hv {

void OpenBeginSeason(HubContext& hub) {
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
