// The hub's dashboard on a league a few days into its season: the next-step button runs its hub command, a
// result opens its box score, the lists fit 1366x768 without sideways scrolling; a league opened by name
// (--open), the recent leagues under File, and the Sim Games list of any day.
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>

#include "frm_box_score.h"
#include "frm_sim_games.h"
#include "frm_start.h"
#include "league/saved_games.h"
#include "league/team_control.h"
#include "screen_test.h"
#include "support/build_paths.h"

using namespace hv;

class HubDashboardTest : public QObject {
    Q_OBJECT
    test::TempHome home;
    Session session;
    QtHost host;
    std::unique_ptr<frmStart> hub;

    League& league() { return session.league; }

    // The dashboard at another phase, for a screenshot; the league's own phase is put back.
    void ShotAt(int seasonDay, const QString& name) {
        const int16_t day = league().state.SeasonDay;
        league().state.SeasonDay = int16_t(seasonDay);
        hub->RefreshFormStart();
        QCoreApplication::processEvents(); // the lists take their new heights
        test::Screenshot(*hub, name);
        league().state.SeasonDay = day;
        hub->RefreshFormStart();
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Hoopvale"));
        QCoreApplication::setApplicationName(QStringLiteral("Hoopvale"));
        frmStart::SetRecentLeagues({});
        test::PlayFirstDays(home, session, "Winter", 5, 3);
        SetHuman(league().team(2), true);
        ScriptedHost quiet;
        QVERIFY(SaveGameAs(league(), "Winter", quiet));
        hub = std::make_unique<frmStart>(session, host);
        host.SetParent(hub.get());
        hub->resize(1366, 768);
        hub->show();
        hub->RefreshFormStart();
    }

    void showsTheLeagueAsItStands() {
        DashboardView* d = hub->Dashboard();
        QVERIFY(!d->ShowsWelcome());
        QVERIFY2(hub->windowTitle().startsWith(QStringLiteral("Winter, Season ")),
                 qPrintable(hub->windowTitle()));
        QCOMPARE(d->NextStepButton()->text(), QStringLiteral("Sim to the All-Star break"));
        QVERIFY(d->NextStepButton()->isEnabled());
        QCOMPARE(d->Results()->model()->rowCount(), 14);
        QCOMPARE(d->Results()->Table().rowKeys.front() / 100, 3); // the newest day first
        QCOMPARE(d->Standings()->SelectedKey(), 2);               // the human team's row stands out
        QCoreApplication::processEvents();
        test::Screenshot(*hub, QStringLiteral("dashboard_midseason"));
        // Every list shows all its columns and rows in the window's width and height.
        for (ReportView* view : d->findChildren<ReportView*>()) {
            QVERIFY2(view->horizontalScrollBar()->maximum() == 0, qPrintable(view->objectName()));
            QVERIFY2(view->verticalScrollBar()->maximum() == 0, qPrintable(view->objectName()));
        }
        auto* page = d->findChild<QScrollArea*>(QStringLiteral("dashboardPage"));
        QVERIFY(page->widget()->sizeHint().height() <= page->viewport()->height());
        ShotAt(0, QStringLiteral("dashboard_before_season"));
        ShotAt(170, QStringLiteral("dashboard_draft"));
        // The hub's default size: the page scrolls down, never sideways.
        hub->resize(722, 606);
        QTest::qWait(50); // the columns rearranged and laid out again
        QVERIFY(page->widget()->minimumSizeHint().width() <= page->viewport()->width());
        for (ReportView* view : d->findChildren<ReportView*>())
            QVERIFY2(view->horizontalScrollBar()->maximum() == 0, qPrintable(view->objectName()));
        test::Screenshot(*hub, QStringLiteral("dashboard_default_size"));
        hub->resize(1366, 768);
        QCoreApplication::processEvents();
    }

    // The button triggers the menu's own action: Sim Games opens (after the human team's roster check, whose
    // message may come first); every window it opens is closed as it comes.
    void theNextStepRunsItsHubCommand() {
        QSignalSpy spy(hub->Command(QStringLiteral("mnuSimGames")), &QAction::triggered);
        QStringList seen;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto* modal = QApplication::activeModalWidget()) {
                seen << QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        closer.start(20);
        QTest::mouseClick(hub->Dashboard()->NextStepButton(), Qt::LeftButton);
        closer.stop();
        QCOMPARE(spy.count(), 1);
        QVERIFY2(!seen.isEmpty(), "the command showed nothing");
    }

    void aResultOpensItsBoxScore() {
        ReportView* results = hub->Dashboard()->Results();
        results->setFocus();
        results->selectRow(0);
        QString title, tip;
        test::WhenModal<frmBoxScore>([&](frmBoxScore* box) {
            title = box->windowTitle();
            tip = box->Tabs()->tabToolTip(1);
            box->reject();
        });
        QTest::keyClick(results, Qt::Key_Return);
        QCOMPARE(title, QStringLiteral("Box Score - Day %1, Game %2")
                            .arg(results->SelectedKey() / 100)
                            .arg(results->SelectedKey() % 100));
        QCOMPARE(tip,
                 QStringLiteral("No play-by-play was kept for this game: turn Play-by-Play on for a team "
                                "in Team Control."));
    }

    void simGamesListsAnyDay() {
        frmSimGames screen(league(), host, hub.get());
        QCOMPARE(screen.DayChooser()->value(), int(league().state.SeasonDay));
        screen.DayChooser()->setValue(1);
        QCOMPARE(screen.Games()->Table().rowKind, RowKind::Game);
        QCOMPARE(screen.Games()->model()->rowCount(), int(league().schedule[1].NumGames));
        QCOMPARE(screen.Games()->Table().rowKeys.front(), GameKey(1, 1));
        // A game to come says so rather than opening an empty box score.
        screen.DayChooser()->setValue(league().state.SeasonDay);
        screen.Games()->setFocus();
        screen.Games()->selectRow(0);
        QString text;
        test::WhenModal<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            box->accept();
        });
        QTest::keyClick(screen.Games(), Qt::Key_Enter);
        QVERIFY2(text.endsWith(QStringLiteral("has not been played yet.")), qPrintable(text));
    }

    void openByNameKnownAndUnknown() {
        ScriptedHost quiet;
        QVERIFY(SaveUnderItsName(league(), quiet)); // nothing unsaved to ask about
        QVERIFY(hub->OpenLeague(QStringLiteral("Winter")));
        QVERIFY(league().leagueOpen);
        QVERIFY2(hub->statusBar()->currentMessage().startsWith(QStringLiteral("Opened Winter: Season")),
                 qPrintable(hub->statusBar()->currentMessage()));
        QString text;
        test::WhenModal<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            box->accept();
        });
        QVERIFY(!hub->OpenLeague(QStringLiteral("Nowhere")));
        QVERIFY2(text.startsWith(QStringLiteral("There is no saved league named Nowhere.")),
                 qPrintable(text));
        QVERIFY(league().leagueOpen); // the open league stays
    }

    void recentLeaguesUnderFile() {
        QCOMPARE(frmStart::RecentLeagues(), QStringList{QStringLiteral("Winter")});
        frmStart::SetRecentLeagues({QStringLiteral("Gone"), QStringLiteral("Winter")});
        hub->RefreshFormStart(); // Winter, open, comes first again
        QCOMPARE(frmStart::RecentLeagues(), (QStringList{QStringLiteral("Winter"), QStringLiteral("Gone")}));
        auto* second = hub->findChild<QAction*>(QStringLiteral("mnuRecent2"));
        QVERIFY(second);
        QCOMPARE(second->text(), QStringLiteral("&2 Gone"));
        QVERIFY(second->shortcut().isEmpty());
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        test::WhenModal<QMessageBox>([&](QMessageBox* box) {
            icon = box->icon();
            box->accept();
        });
        second->trigger();
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(frmStart::RecentLeagues(), QStringList{QStringLiteral("Winter")}); // dropped
        QVERIFY(!hub->findChild<QAction*>(QStringLiteral("mnuRecent2")));
        auto* first = hub->findChild<QAction*>(QStringLiteral("mnuRecent1"));
        QVERIFY(first);
        ScriptedHost quiet;
        QVERIFY(SaveUnderItsName(league(), quiet));
        first->trigger();
        QVERIFY(league().leagueOpen);
    }

    void welcomeWithoutALeague() {
        league().leagueOpen = false;
        hub->RefreshFormStart();
        QVERIFY(hub->Dashboard()->ShowsWelcome());
        QVERIFY(hub->findChild<QPushButton*>(QStringLiteral("cmdWelcomeLoad"))->isVisible());
        test::Screenshot(*hub, QStringLiteral("dashboard_welcome"));
        league().leagueOpen = true;
    }

    void cleanupTestCase() {
        host.SetParent(nullptr);
        hub.reset();
    }
};

QTEST_MAIN(HubDashboardTest)
#include "hub_dashboard_test.moc"
