#include "hub_screens.h"

#include <QInputDialog>

#include "contract_screens.h"
#include "draft_screens.h"
#include "frm_commish.h"
#include "frm_csv_output.h"
#include "frm_edit_league.h"
#include "frm_find_players.h"
#include "frm_free_agency.h"
#include "frm_history_screens.h"
#include "frm_leaders.h"
#include "frm_league_options.h"
#include "frm_list_screens.h"
#include "frm_load_game.h"
#include "frm_output_html.h"
#include "frm_password.h"
#include "frm_save_game.h"
#include "frm_sim_seasons.h"
#include "frm_standings.h"
#include "frm_team_control.h"
#include "frm_team_info.h"
#include "frm_team_roster.h"
#include "frm_team_schedules.h"
#include "frm_team_stats.h"
#include "frm_trade.h"
#include "league/league_options.h"
#include "season_run_screens.h"
#include "setup/default_league_edit.h"
#include "setup/default_league_files.h"

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

// Opens a list screen built elsewhere; a builder that refused has shown why.
void ShowBuilt(HubContext& hub, std::unique_ptr<TableScreen> screen) {
    if (!screen) return;
    screen->exec();
    hub.refreshHub();
}

// Edit Default League: the working database's league in the editors; Save League As keeps it as a default
// league file that new leagues can start from.
void OpenDefaultLeagueEditor(HubContext& hub) {
    Session& session = hub.session;
    if (!session.database) {
        hub.host.ShowMessage("The default league database is not open.", "Error", MessageIcon::Critical);
        return;
    }
    auto league = std::make_unique<League>();
    league->programFolder = session.league.programFolder;
    league->injuryTypes = session.league.injuryTypes;
    try {
        ReadDefaultLeagueForEditing(*session.database, *league);
    } catch (const DatabaseError& e) {
        hub.host.ShowMessage(std::string("Invalid default league database\n") + e.what(), "Error",
                             MessageIcon::Critical);
        return;
    }
    auto saveAs = [&hub] {
        bool ok = false;
        const QString name =
            QInputDialog::getText(hub.parent, QStringLiteral("Save Default League As"),
                                  QStringLiteral("&File name (.lge):"), QLineEdit::Normal, QString(), &ok);
        if (!ok || name.isEmpty()) return;
        const std::string saved = SaveDefaultLeagueAs(hub.session, hub.host, name.toStdString());
        if (!saved.empty())
            hub.host.ShowMessage("Saved as " + saved +
                                     ". A new league can start from it (New League, Default "
                                     "league).",
                                 kDefaultLeagueTitle, MessageIcon::Information);
    };
    frmEditLeague screen(*league, hub.host, *session.database, saveAs, hub.parent);
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
        {"mnuTeamRoster", [](HubContext& h) { Show<frmTeamRoster>(h, h.session.league); }},
        {"mnuTeamControl",
         [](HubContext& h) {
             frmTeamControl screen(h.session.league, h.parent);
             screen.exec();
             h.refreshHub();
         }},
        {"mnuSearch",
         [](HubContext& h) {
             frmFindPlayers screen(h.session.league, h.parent);
             screen.exec();
         }},
        {"mnuInjuries", [](HubContext& h) { ShowBuilt(h, MakeInjuriesScreen(h.session.league, h.parent)); }},
        {"mnuIR",
         [](HubContext& h) { ShowBuilt(h, MakeInjuredReserveScreen(h.session.league, h.host, h.parent)); }},
        {"mnuTransactions",
         [](HubContext& h) { ShowBuilt(h, MakeTransactionsScreen(h.session.league, h.parent)); }},
        {"mnuCut",
         [](HubContext& h) { ShowBuilt(h, MakeCutPlayersScreen(h.session.league, h.host, h.parent)); }},
        {"mnuChangePosition",
         [](HubContext& h) { ShowBuilt(h, MakeChangePositionsScreen(h.session.league, h.host, h.parent)); }},
        {"mnuCreationDraft", OpenCreationDraft},
        {"mnuRookieDraft", OpenRookieDraft},
        {"mnuResumeDraft", OpenResumeDraft},
        {"mnuDraftOrder", OpenDraftOrder},
        {"mnuViewDraft", OpenDraftPreview},
        {"mnuFirstPicks", OpenFirstPicks},
        {"mnuImportDraft", [](HubContext& h) { OpenImportRookies(h); }},
        {"mnuReset", OpenResetLeague},
        {"mnuEditLeague", OpenDefaultLeagueEditor},
        {"mnuEditCurrent",
         [](HubContext& h) {
             if (!CheckMayEditLeague(h.session.league.state, h.host)) return;
             Show<frmEditLeague>(h, h.session.league);
         }},
        {"mnuCSVoutput", [](HubContext& h) { Show<frmCSVOutput>(h, h.session.league); }},
        {"mnuOutputMDB", [](HubContext& h) { OutputDatabase(h.session.league, h.host); }},
        {"mnuBeginSeason", OpenBeginSeason},
        {"mnuSimGames", OpenSimGames},
        {"mnuPlayoffs", OpenPlayoffsScreen},
        {"mnuEndSeason", OpenEndSeasonScreen},
        {"mnuSimSeasons",
         [](HubContext& h) {
             OpenSimSeasons(h.session.league, h.host, h.parent);
             h.refreshHub();
         }},
        {"mnuWriteHTML", [](HubContext& h) { OpenOutputHtml(h.session.league, h.host, h.parent); }},
        {"mnuChamps", OpenPastChamps},
        {"mnuSalaries", [](HubContext& h) { ShowBuilt(h, MakeContractsScreen(h.session.league, h.parent)); }},
        {"mnuNeeds", [](HubContext& h) { ShowBuilt(h, MakeCapRoomScreen(h.session.league, h.parent)); }},
        {"mnuPotentialFAs",
         [](HubContext& h) { ShowBuilt(h, MakePotentialFreeAgentsScreen(h.session.league, h.parent)); }},
        {"mnuFA",
         [](HubContext& h) { ShowBuilt(h, MakeFreeAgentsScreen(h.session.league, h.host, h.parent)); }},
        {"mnuRunFA", [](HubContext& h) { Show<frmFreeAgency>(h, h.session.league); }},
        {"mnuCamps",
         [](HubContext& h) { ShowBuilt(h, MakeTrainingCampsScreen(h.session.league, h.host, h.parent)); }},
        {"mnuTrade",
         [](HubContext& h) {
             OpenTradeScreen(h.session.league, h.host, h.parent);
             h.refreshHub();
         }},
        {"mnuSeasonAwards",
         [](HubContext& h) { ShowBuilt(h, MakeSeasonAwardsScreen(h.session.league, h.parent)); }},
        {"mnuInSeasonAwards",
         [](HubContext& h) { ShowBuilt(h, MakeInSeasonAwardsScreen(h.session.league, h.parent)); }},
        {"mnuTeamPerformance",
         [](HubContext& h) { ShowBuilt(h, MakeTeamPerformanceScreen(h.session.league, h.parent)); }},
        {"mnuVsHistory",
         [](HubContext& h) { ShowBuilt(h, MakeVsOpponentsScreen(h.session.league, h.parent)); }},
        {"mnuTeamRecords",
         [](HubContext& h) { ShowBuilt(h, MakeTeamRecordsScreen(h.session.league, h.parent)); }},
        {"mnuAllStarWinners",
         [](HubContext& h) { ShowBuilt(h, MakeAllStarWinnersScreen(h.session.league, h.parent)); }},
        {"mnuPlayerGameRecords",
         [](HubContext& h) {
             ShowBuilt(h, MakePlayerRecordsScreen(h.session.league, RecordBookKind::Game, h.parent));
         }},
        {"mnuPlayerSeasonRecords",
         [](HubContext& h) {
             ShowBuilt(h, MakePlayerRecordsScreen(h.session.league, RecordBookKind::Season, h.parent));
         }},
        {"mnuCareerRecords",
         [](HubContext& h) {
             ShowBuilt(h, MakePlayerRecordsScreen(h.session.league, RecordBookKind::Career, h.parent));
         }},
        {"mnuHallFame",
         [](HubContext& h) { ShowBuilt(h, MakeHallOfFameScreen(h.session.league, h.parent)); }},
    };
    return screens;
}

} // namespace hv
