// The new-league screen, the creation draft's order screen and the draft screen, driven as a user would,
// and the hub's New Game command opening the new-league screen.
#include <QMessageBox>
#include <QStandardItemModel>

#include "draft_screens.h"
#include "frm_creation_order.h"
#include "frm_draft.h"
#include "frm_new_league.h"
#include "frm_start.h"
#include "personnel/draft.h"
#include "qt_host.h"
#include "screen_test.h"

using namespace hv;

class DraftScreensTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::TempHome> home;
    std::unique_ptr<Session> session;
    ScriptedHost host;

    void Start() {
        home = std::make_unique<test::TempHome>();
        session = std::make_unique<Session>();
        host = ScriptedHost();
        test::StartInstalled(*home, *session, host, 8);
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

  private slots:
    void init() { Start(); }

    void newLeagueScreenHoldsEveryChoice() {
        frmNewLeague screen(*session, host);
        QVERIFY(screen.Ready());
        QTest::keyClicks(screen.NameField(), QStringLiteral("My/Le\\ague"));
        QCOMPARE(screen.NameField()->text(), QStringLiteral("MyLeague"));
        auto* types = qobject_cast<QStandardItemModel*>(screen.TypeList()->model());
        QVERIFY(types->rowCount() == 3 && types->item(2)->isEnabled()); // "Exhibition Game" opens its screen
        QCOMPARE(screen.TeamList()->rowCount(), kLeagueTeams);
        screen.show();
        test::Screenshot(screen, QStringLiteral("new_league"));

        QCOMPARE(screen.EngineList()->currentText(), QStringLiteral("As specified"));
        QCOMPARE(screen.TradesList()->currentText(), QStringLiteral("As specified"));
        QTest::keyClick(screen.EngineList(), Qt::Key_Down);
        QTest::keyClick(screen.TradesList(), Qt::Key_Down);
        test::Screenshot(screen, QStringLiteral("new_league_rules"));
        screen.NameField()->setText(QStringLiteral("Kept"));
        screen.OkButton()->click();
        QCOMPARE(screen.result(), int(QDialog::Accepted));
        QCOMPARE(session->league.state.SeasonDay, Phase::FirstFreeAgency);
        QCOMPARE(QString::fromStdString(session->league.state.LeagueName), QStringLiteral("Kept"));
        QVERIFY(session->league.state.Engine == GameEngine::Calibrated &&
                session->league.state.Trades == TradeJudgement::Shrewd);
    }

    void draftScreenTakesTheUsersPickAndRunsToTheEnd() {
        CreateDraftLeague();
        QVERIFY(StartDraft(session->league, host));
        frmDraft screen(session->league, host);
        screen.show();
        screen.Button("cmdNextHuman")->click();
        QVERIFY(screen.TeamLabel()->text().endsWith(QStringLiteral("(your pick)")));
        const int id = screen.ProspectList()->model()->index(0, 0).data(ReportTableModel::kKeyRole).toInt();
        // The draft list: two prospects added, the later one moved up; one twice is refused.
        const int other =
            screen.ProspectList()->model()->index(1, 0).data(ReportTableModel::kKeyRole).toInt();
        QCOMPARE(screen.ListTeam()->currentText(), QString::fromStdString(session->league.team(2).Name));
        for (int listed : {other, id, id}) {
            screen.SelectProspect(listed);
            screen.Button("cmdListAdd")->click();
        }
        QVERIFY(host.LastMessage().find("on the list twice") != std::string::npos);
        screen.DraftList()->SelectKey(id);
        screen.Button("cmdListUp")->click();
        QCOMPARE(session->league.team(2).DraftList, (std::vector<int16_t>{int16_t(id), int16_t(other)}));
        QCOMPARE(screen.DraftList()->model()->rowCount(), 2);
        screen.SelectProspect(id);
        test::Screenshot(screen, QStringLiteral("draft"));
        host.answers = {false, true};
        screen.Button("cmdSelect")->click();
        QCOMPARE(host.questions.back(), SelectionQuestion(session->league.player(id)));
        QCOMPARE(TeamOnClock(session->league), 2); // No keeps the pick open
        screen.Button("cmdSelect")->click();
        QCOMPARE(session->league.player(id).Team, session->league.team(2).Name);
        screen.DraftList()->SelectKey(other);
        screen.Button("cmdListRemove")->click();
        QVERIFY(session->league.team(2).DraftList.empty()); // the drafted player goes with the change
        screen.PositionList()->setCurrentIndex(5);
        QCOMPARE(screen.ProspectList()->model()->index(0, 2).data().toString(), QStringLiteral("PG"));
        // End Draft asks first: No leaves the user's picks his own.
        const int onClock = TeamOnClock(session->league);
        host.answers = {false};
        screen.Button("cmdEndDraft")->click();
        QCOMPARE(host.questions.back().rfind("End the draft now?", 0), size_t(0));
        QCOMPARE(TeamOnClock(session->league), onClock);
        screen.Button("cmdEndDraft")->click();
        QCOMPARE(QString::fromStdString(host.LastMessage()), QStringLiteral("The draft is over."));
        QCOMPARE(session->league.state.SeasonDay, Phase::BeforeSeason);
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
    // The rows of the list a command opens.
    auto rowsOf = [&hub](const char* command) {
        int rows = -1;
        test::WhenModal<TableScreen>([&](TableScreen* screen) {
            rows = static_cast<int>(screen->Table().rows.size());
            screen->accept();
        });
        hub.Command(QLatin1String(command))->trigger();
        return rows;
    };
    // The computer teams' trade offers after the rookie draft declined, then the closing message closed.
    std::function<void()> closeDraft = [&closeDraft] {
        test::WhenModal<QDialog>([&closeDraft](QDialog* modal) {
            if (auto* over = qobject_cast<QMessageBox*>(modal)) return over->accept();
            modal->reject();
            closeDraft();
        });
    };
    // The draft screen run to its end.
    auto endDraft = [&closeDraft] {
        test::WhenModal<frmDraft>([&](frmDraft* draft) {
            // End Draft asks first; Yes runs it.
            test::WhenModal<QMessageBox>([&](QMessageBox* question) {
                QCOMPARE(question->windowTitle(), QStringLiteral("End Draft"));
                closeDraft();
                question->button(QMessageBox::Yes)->click();
            });
            draft->Button("cmdEndDraft")->click();
            draft->accept();
        });
    };
    QCOMPARE(rowsOf("mnuViewDraft"), 450);
    test::WhenModal<frmCreationOrder>([&](frmCreationOrder* order) {
        const int first = order->OrderList()->item(0)->data(Qt::UserRole).toInt();
        order->OrderList()->setCurrentRow(0);
        order->MoveSelected(1);
        QCOMPARE(order->OrderList()->item(1)->data(Qt::UserRole).toInt(), first);
        endDraft();
        order->StartButton()->click();
    });
    hub.Command(QStringLiteral("mnuCreationDraft"))->trigger();
    QCOMPARE(league.state.SeasonDay, Phase::BeforeSeason);

    // The season's end moves the season on; the draft order draws the lottery first.
    league.state.Season = static_cast<int16_t>(league.state.Season + 1);
    league.state.SeasonDay = Phase::RookieDraft;
    hub.RefreshFormStart();
    QCOMPARE(rowsOf("mnuDraftOrder"), 58);
    endDraft();
    hub.Command(QStringLiteral("mnuRookieDraft"))->trigger();
    QCOMPARE(league.state.SeasonDay, Phase::FirstFreeAgency);
    QCOMPARE(rowsOf("mnuFirstPicks"), 2); // the creation draft's and the rookie draft's

    for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        test::WhenModal<QMessageBox>([answer](QMessageBox* question) { question->button(answer)->click(); });
        hub.Command(QStringLiteral("mnuReset"))->trigger();
        QCOMPARE(league.state.SeasonDay,
                 answer == QMessageBox::No ? Phase::FirstFreeAgency : Phase::CreationDraft);
    }
}

QTEST_MAIN(DraftScreensTest)
#include "draft_screens_test.moc"
