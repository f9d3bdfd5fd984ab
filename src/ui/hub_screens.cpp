#include "hub_screens.h"

#include "frm_commish.h"
#include "frm_leaders.h"
#include "frm_league_options.h"
#include "frm_load_game.h"
#include "frm_password.h"
#include "frm_save_game.h"
#include "frm_standings.h"
#include "frm_team_info.h"
#include "frm_team_schedules.h"
#include "frm_team_stats.h"

namespace hv {

namespace {

template <class Screen, class... Args> void Show(HubContext& hub, Args&... args) {
    Screen screen(args..., hub.host, hub.parent);
    screen.exec();
    hub.refreshHub();
}

// A list screen over the league, which needs no host.
template <class Screen> void ShowList(HubContext& hub) {
    Screen screen(hub.session.league, hub.parent);
    screen.exec();
}

} // namespace

const std::map<std::string, ScreenOpener>& HubScreens() {
    static const std::map<std::string, ScreenOpener> screens{
        {"mnuLoadGame", [](HubContext& h) { Show<frmLoadGame>(h, h.session.league); }},
        {"mnuSaveGame", [](HubContext& h) { Show<frmSaveGame>(h, h.session.league); }},
        {"mnuLeagueOptions", [](HubContext& h) { Show<frmLeagueOptions>(h, h.session.league.state); }},
        {"mnuSetPassword", [](HubContext& h) { Show<frmPassword>(h, h.session.league.state); }},
        {"mnuCommish", [](HubContext& h) { Show<frmCommish>(h, h.session.league.state); }},
        {"mnuStandings", ShowList<frmStandings>},
        {"mnuTeamSchedules", ShowList<frmTeamSchedules>},
        {"mnuLeaders", ShowList<frmLeaders>},
        {"mnuTeamStats", ShowList<frmTeamStats>},
        {"mnuTeamInfo", ShowList<frmTeamInfo>},
    };
    return screens;
}

} // namespace hv
