// The new-league screen, the creation draft's order screen and the draft screen, driven as a user would,
// and the hub's New Game command opening the new-league screen.
#include <QMessageBox>
#include <QStandardItemModel>
#include <QTimer>
#include <QtTest>

#include "draft_screens.h"
#include "frm_creation_order.h"
#include "frm_draft.h"
#include "frm_new_league.h"
#include "frm_start.h"
#include "league/player_import.h"
#include "personnel/draft.h"
#include "platform/scripted_host.h"
#include "qt_host.h"
#include "reports/draft_reports.h"
#include "screenshot.h"
#include "support/temp_home.h"
#include "table_screen.h"

using namespace hv;

class DraftScreensTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::TempHome> home;
    std::unique_ptr<Session> session;
    ScriptedHost host;

    void Start() {
        home = std::make_unique<test::TempHome>();
        home->CopyInstalledData();
        session = std::make_unique<Session>();
        session->league.programFolder = home->path();
        host = ScriptedHost();
        QVERIFY(RunStartup(*session, host, {}));
        session->league.rng.Seed(8);
    }

    // A creation-draft league whose team 2 the user runs.
    void CreateDraftLeague() {
        frmNewLeague screen(*session, host);
        screen.NameField()->setText(QStringLiteral("Screens"));
        screen.TypeList()->setCurrentIndex(1);
        screen.TeamList()->item(1, 1)->setCheckState(Qt::Checked);
        screen.OkButton()->click();
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }

    // Acts on the next modal dialog of class T once it is up. The draft lets pending events run while the
    // computer picks, so the dialog may come some event loops later; the wait is bounded.
    template <class T = QDialog> static void WhenModal(std::function<void(T*)> act, int tries = 500) {
        QTimer::singleShot(tries == 500 ? 0 : 5, [act, tries] {
            auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!modal && tries > 0) return WhenModal<T>(act, tries - 1);
            QVERIFY(modal);
            act(modal);
        });
    }

  private slots:
    void init() { Start(); }

    void newLeagueScreenHoldsEveryChoice() {
        frmNewLeague screen(*session, host);
        QVERIFY(screen.Ready());
        QTest::keyClicks(screen.NameField(), QStringLiteral("My/Le\\ague"));
        QCOMPARE(screen.NameField()->text(), QStringLiteral("MyLeague"));
        QCOMPARE(screen.FirstSeasonField()->text(), QStringLiteral("2003"));
        for (auto [typed, shown] : {std::pair{"abc", "2001"}, {"1700", "1891"}, {"4000", "3000"}}) {
            screen.FirstSeasonField()->setText(QLatin1String(typed));
            emit screen.FirstSeasonField()->editingFinished();
            QCOMPARE(screen.FirstSeasonField()->text(), QLatin1String(shown));
        }
        QCOMPARE(screen.TypeList()->count(), 3);
        auto* types = qobject_cast<QStandardItemModel*>(screen.TypeList()->model());
        QVERIFY(!types->item(2)->isEnabled());
        QCOMPARE(screen.SourceList()->itemText(1), QStringLiteral("Fictional League"));
        QCOMPARE(screen.RandomizationList()->itemText(2), QStringLiteral("No Randomization"));
        QCOMPARE(screen.TeamList()->rowCount(), kLeagueTeams);
        QVERIFY(screen.findChild<QLabel*>(QStringLiteral("lblNote"))
                    ->text()
                    .startsWith(
                        QStringLiteral("*Note: To create a new league using players imported from a file")));
        screen.show();
        test::Screenshot(screen, QStringLiteral("new_league"));

        screen.NameField()->clear();
        screen.OkButton()->click();
        QCOMPARE(QString::fromStdString(host.LastMessage()), QStringLiteral("Please Name the League."));
        QVERIFY(screen.result() != QDialog::Accepted);
        screen.NameField()->setText(QStringLiteral("Kept"));
        screen.OkButton()->click();
        QCOMPARE(screen.result(), int(QDialog::Accepted));
        QCOMPARE(session->league.state.SeasonDay, Phase::FirstFreeAgency);
        QCOMPARE(QString::fromStdString(session->league.state.LeagueName), QStringLiteral("Kept"));
    }

    void creationOrderMovesAndStarts() {
        CreateDraftLeague();
        frmCreationOrder order(session->league, host);
        int first = order.OrderList()->item(0)->data(Qt::UserRole).toInt();
        order.OrderList()->setCurrentRow(0);
        order.MoveSelected(1);
        QCOMPARE(order.OrderList()->item(1)->data(Qt::UserRole).toInt(), first);
        order.MoveSelected(-1);
        order.MoveSelected(-1); // already at the top
        QCOMPARE(order.OrderList()->item(0)->data(Qt::UserRole).toInt(), first);
        order.Shuffle();
        QCOMPARE(order.OrderList()->count(), kLeagueTeams);
        int head = order.OrderList()->item(0)->data(Qt::UserRole).toInt();
        order.show();
        test::Screenshot(order, QStringLiteral("creation_order"));
        order.StartButton()->click();
        QVERIFY(DraftUnderWay(session->league));
        QCOMPARE(TeamOnClock(session->league), head);
    }

    void draftScreenTakesTheUsersPickAndRunsToTheEnd() {
        CreateDraftLeague();
        QVERIFY(StartDraft(session->league, host));
        frmDraft screen(session->league, host);
        screen.show();
        QVERIFY(screen.ClockLabel()->text().startsWith(QStringLiteral("Round 1, Pick 1")));
        screen.Button("cmdNextHuman")->click();
        QCOMPARE(TeamOnClock(session->league), 2);
        QVERIFY(screen.TeamLabel()->text().endsWith(QStringLiteral("(your pick)")));
        QVERIFY(screen.Button("cmdSelect")->isEnabled());
        QCOMPARE(screen.BestList()->model()->rowCount(), 5);
        int id = screen.ProspectList()->model()->index(0, 0).data(ReportTableModel::kKeyRole).toInt();
        screen.SelectProspect(id);
        test::Screenshot(screen, QStringLiteral("draft"));
        host.answers = {false};
        screen.Button("cmdSelect")->click();
        QCOMPARE(QString::fromStdString(host.questions.back()),
                 QString::fromStdString(SelectionQuestion(session->league.player(id))));
        QCOMPARE(TeamOnClock(session->league), 2); // No keeps the pick open
        screen.Button("cmdSelect")->click();
        QCOMPARE(QString::fromStdString(session->league.player(id).Team),
                 QString::fromStdString(session->league.team(2).Name));
        QVERIFY(!screen.Button("cmdSelect")->isEnabled());
        QVERIFY(
            screen.Results()->item(screen.Results()->count() - 1)->text().contains(QStringLiteral(" take ")));
        screen.Button("cmdEndRound")->click();
        QCOMPARE(session->league.state.DraftState, int16_t(2));
        screen.PositionList()->setCurrentIndex(5);
        for (int r = 0; r < screen.ProspectList()->model()->rowCount(); ++r)
            QCOMPARE(screen.ProspectList()->model()->index(r, 2).data().toString(), QStringLiteral("PG"));
        screen.Button("cmdEndDraft")->click();
        QCOMPARE(QString::fromStdString(host.LastMessage()), QStringLiteral("The draft is over."));
        QCOMPARE(session->league.state.SeasonDay, Phase::BeforeSeason);
        QVERIFY(!screen.Button("cmdAuto")->isEnabled());
        QCOMPARE(screen.ClockLabel()->text(), QStringLiteral("The draft is over."));
        QCOMPARE(screen.Board()->model()->rowCount(), 348);
    }

    void hubRunsBothDraftsAndItsLists();
};

void DraftScreensTest::hubRunsBothDraftsAndItsLists() {
    CreateDraftLeague();
    League& league = session->league;
    QtHost qtHost;
    frmStart hub(*session, qtHost);
    qtHost.SetParent(&hub);
    hub.RefreshFormStart();
    QVERIFY(hub.Command(QStringLiteral("mnuCreationDraft"))->isEnabled());

    int rows = 0;
    WhenModal<TableScreen>([&](TableScreen* screen) {
        rows = static_cast<int>(screen->Table().rows.size());
        test::Screenshot(*screen, QStringLiteral("draft_preview"));
        screen->accept();
    });
    hub.Command(QStringLiteral("mnuViewDraft"))->trigger();
    QCOMPARE(rows, 450);

    // The order screen, then the draft screen run to its end.
    WhenModal<frmCreationOrder>([&](frmCreationOrder* order) {
        WhenModal<frmDraft>([&](frmDraft* draft) {
            WhenModal<QMessageBox>([](QMessageBox* over) { over->accept(); });
            draft->Button("cmdEndDraft")->click();
            draft->accept();
        });
        order->findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    });
    hub.Command(QStringLiteral("mnuCreationDraft"))->trigger();
    QCOMPARE(league.state.SeasonDay, Phase::BeforeSeason);
    QVERIFY(!hub.Command(QStringLiteral("mnuCreationDraft"))->isEnabled());

    // The season's end moves the season on; the draft order draws the lottery first.
    league.state.Season = static_cast<int16_t>(league.state.Season + 1);
    league.state.SeasonDay = Phase::RookieDraft;
    hub.RefreshFormStart();
    WhenModal<TableScreen>([&](TableScreen* screen) {
        rows = static_cast<int>(screen->Table().rows.size());
        test::Screenshot(*screen, QStringLiteral("draft_order"));
        screen->accept();
    });
    hub.Command(QStringLiteral("mnuDraftOrder"))->trigger();
    QCOMPARE(rows, 58);
    WhenModal<frmDraft>([&](frmDraft* draft) {
        WhenModal<QMessageBox>([](QMessageBox* over) { over->accept(); });
        draft->Button("cmdEndDraft")->click();
        draft->accept();
    });
    hub.Command(QStringLiteral("mnuRookieDraft"))->trigger();
    QCOMPARE(league.state.SeasonDay, Phase::FirstFreeAgency);

    WhenModal<TableScreen>([&](TableScreen* screen) {
        rows = static_cast<int>(screen->Table().rows.size());
        test::Screenshot(*screen, QStringLiteral("first_picks"));
        screen->accept();
    });
    hub.Command(QStringLiteral("mnuFirstPicks"))->trigger();
    QCOMPARE(rows, 2); // the creation draft's and the rookie draft's

    home->Write("import/class.csv",
                ImportHeader(ImportFormat::Draft) +
                    "\nNew,Kid,75,180,19,PG,High School,50,50,50,50,50,50,50,50,50,50,50,50,50,"
                    "50,50,90\n");
    WhenModal<QMessageBox>([](QMessageBox* question) {
        WhenModal<QMessageBox>([](QMessageBox* done) { done->accept(); });
        question->button(QMessageBox::Yes)->click();
    });
    HubContext context{*session, qtHost, &hub, [&hub] { hub.RefreshFormStart(); }};
    OpenImportRookies(context, QString::fromStdString((home->path() / "import/class.csv").string()));
    QCOMPARE(QString::fromStdString(league.player(ProspectsTable(league).rowKeys.at(0)).Name),
             QStringLiteral("New Kid"));

    WhenModal<QMessageBox>([](QMessageBox* question) { question->button(QMessageBox::No)->click(); });
    hub.Command(QStringLiteral("mnuReset"))->trigger();
    QCOMPARE(league.state.SeasonDay, Phase::FirstFreeAgency);
    WhenModal<QMessageBox>([](QMessageBox* question) { question->button(QMessageBox::Yes)->click(); });
    hub.Command(QStringLiteral("mnuReset"))->trigger();
    QCOMPARE(league.state.SeasonDay, Phase::CreationDraft);
}

QTEST_MAIN(DraftScreensTest)
#include "draft_screens_test.moc"
