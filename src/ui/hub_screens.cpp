#include "hub_screens.h"

#include "draft_screens.h"
#include "frm_commish.h"
#include "frm_league_options.h"
#include "frm_load_game.h"
#include "frm_password.h"
#include "frm_save_game.h"

namespace hv {

namespace {

template <class Screen, class... Args> void Show(HubContext& hub, Args&... args) {
    Screen screen(args..., hub.host, hub.parent);
    screen.exec();
    hub.refreshHub();
}

} // namespace

const std::map<std::string, ScreenOpener>& HubScreens() {
    static const std::map<std::string, ScreenOpener> screens{
        {"mnuLoadGame", [](HubContext& h) { Show<frmLoadGame>(h, h.session.league); }},
        {"mnuSaveGame", [](HubContext& h) { Show<frmSaveGame>(h, h.session.league); }},
        {"mnuLeagueOptions", [](HubContext& h) { Show<frmLeagueOptions>(h, h.session.league.state); }},
        {"mnuSetPassword", [](HubContext& h) { Show<frmPassword>(h, h.session.league.state); }},
        {"mnuCommish", [](HubContext& h) { Show<frmCommish>(h, h.session.league.state); }},
        {"mnuCreationDraft", OpenCreationDraft},
        {"mnuRookieDraft", OpenRookieDraft},
        {"mnuResumeDraft", OpenResumeDraft},
        {"mnuDraftOrder", OpenDraftOrder},
        {"mnuViewDraft", OpenDraftPreview},
        {"mnuFirstPicks", OpenFirstPicks},
        {"mnuImportDraft", [](HubContext& h) { OpenImportRookies(h); }},
        {"mnuReset", OpenResetLeague},
    };
    return screens;
}

} // namespace hv
