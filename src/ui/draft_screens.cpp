#include "draft_screens.h"

#include <QFileDialog>

#include "frm_creation_order.h"
#include "frm_draft.h"
#include "frm_new_league.h"
#include "personnel/draft.h"
#include "reports/draft_reports.h"
#include "setup/player_import.h"
#include "table_screen.h"

namespace hv {

namespace {

void ShowDraft(HubContext& hub) {
    frmDraft screen(hub.session.league, hub.host, hub.parent);
    screen.exec();
    hub.refreshHub();
}

void ShowTable(HubContext& hub, const QString& title, TableScreen::Builder builder) {
    TableScreen screen(title, std::move(builder), hub.parent);
    screen.Refresh();
    screen.exec();
}

} // namespace

void OpenNewGame(HubContext& hub) {
    frmNewLeague screen(hub.session, hub.host, hub.parent);
    if (!screen.Ready()) return;
    int result = screen.exec();
    hub.host.EndProgress();
    hub.refreshHub();
    if (result == QDialog::Accepted && screen.CreatedCreationDraft()) OpenCreationDraft(hub);
}

void OpenCreationDraft(HubContext& hub) {
    frmCreationOrder order(hub.session.league, hub.host, hub.parent);
    bool started = order.exec() == QDialog::Accepted;
    hub.refreshHub();
    if (started) ShowDraft(hub);
}

void OpenRookieDraft(HubContext& hub) {
    bool started = StartDraft(hub.session.league, hub.host);
    hub.refreshHub();
    if (started) ShowDraft(hub);
}

void OpenResumeDraft(HubContext& hub) {
    ShowDraft(hub);
}

void OpenDraftOrder(HubContext& hub) {
    League& league = hub.session.league;
    if (!IsCreationDraft(league) && !PrepareRookieDraft(league, hub.host)) return;
    ShowTable(hub, QStringLiteral("Draft Order"), [&league](int) { return DraftOrderTable(league); });
    hub.refreshHub();
}

void OpenDraftPreview(HubContext& hub) {
    const League& league = hub.session.league;
    TableScreen screen(
        QStringLiteral("Draft Preview"), [&league](int position) { return ProspectsTable(league, position); },
        hub.parent);
    screen.SetChoices(QStringLiteral("&Position:"),
                      {QStringLiteral("All Positions"), QStringLiteral("C"), QStringLiteral("PF"),
                       QStringLiteral("SF"), QStringLiteral("SG"), QStringLiteral("PG")});
    screen.exec();
}

void OpenFirstPicks(HubContext& hub) {
    const League& league = hub.session.league;
    ShowTable(hub, QStringLiteral("Past #1 Overall Picks"),
              [&league](int) { return FirstPicksTable(league); });
}

void OpenImportRookies(HubContext& hub, const QString& file) {
    QString chosen = file;
    if (chosen.isEmpty()) {
        QString folder = QString::fromStdString((hub.session.league.programFolder / "import").string());
        chosen = QFileDialog::getOpenFileName(hub.parent, QStringLiteral("Import Rookies"), folder,
                                              QStringLiteral("Draft files (*.csv *.txt);;All files (*)"));
        if (chosen.isEmpty()) return;
    }
    int imported = ImportRookies(hub.session.league, hub.host, chosen.toStdString());
    if (imported > 0)
        hub.host.ShowMessage(std::to_string(imported) + " prospects imported.", "Import Rookies",
                             MessageIcon::Information);
    hub.refreshHub();
}

void OpenResetLeague(HubContext& hub) {
    League& league = hub.session.league;
    if (!league.state.CommissionerRights) {
        hub.host.ShowMessage("Only the league commissioner may reset the league.", "Reset League",
                             MessageIcon::Warning);
        return;
    }
    if (!hub.host.AskYesNo(kResetQuestion, "Reset League")) return;
    ResetLeague(league, hub.session.settings.SalaryStyle);
    hub.refreshHub();
}

} // namespace hv
