// The hub window: menus, captions, status line and enabled commands by phase.
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include "frm_load_game.h"
#include "frm_start.h"
#include "gui_startup.h"
#include "help_viewer.h"
#include "league/hub_commands.h"
#include "league/save_file.h"
#include "league/status_line.h"
#include "platform/program_folder.h"
#include "platform/scripted_host.h"
#include "screenshot.h"
#include "support/temp_home.h"
#include "window_placement.h"

using namespace hv;

class HubTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Hoopvale"));
        QCoreApplication::setApplicationName(QStringLiteral("Hoopvale"));
        home.WriteMinimalData();
        session.league.programFolder = home.path();
        hub = StartProgram(session, host, lock);
        QVERIFY(hub != nullptr);
    }

    void captionAndMenus() {
        QCOMPARE(hub->windowTitle(), QString::fromStdString("Hoopvale Version " + VersionText()));
        QStringList menus;
        for (QAction* a : hub->menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{
                            QStringLiteral("&File"), QStringLiteral("Fr&anchise"), QStringLiteral("&Roster"),
                            QStringLiteral("&Season"), QStringLiteral("&Progress"), QStringLiteral("&Draft"),
                            QStringLiteral("H&istory"), QStringLiteral("&Tools"), QStringLiteral("&Help")}));
        for (const HubCommand& c : HubCommands()) {
            QAction* a = hub->Command(QString::fromStdString(c.name));
            QVERIFY2(a, c.name.c_str());
            QCOMPARE(a->text(), QString::fromStdString(c.caption));
        }
    }

    // A command is enabled when the phase allows it and its screen exists; without a league, only the
    // program's own commands.
    void enabledCommandsFollowThePhase_data() {
        QTest::addColumn<int>("day");
        for (int day : {-1, -5, 100, 170})
            QTest::newRow(qPrintable(QString::number(day))) << day;
    }
    void enabledCommandsFollowThePhase() {
        QFETCH(int, day);
        session.league.leagueOpen = day != -1;
        session.league.state.Season = 2004;
        session.league.state.SeasonDay = static_cast<int16_t>(day);
        hub->RefreshFormStart();
        auto expected = CommandAvailability(
            session.league.state, day != -1,
            {{"mnuWriteHTML", hub->Command(QStringLiteral("mnuWriteHTML"))->isEnabled()}});
        for (const HubCommand& c : HubCommands()) {
            bool shouldBe = expected.at(c.name) && frmStart::IsBuilt(c.name);
            QCOMPARE(hub->Command(QString::fromStdString(c.name))->isEnabled(), shouldBe);
        }
        QCOMPARE(hub->StatusText(),
                 day == -1 ? QString() : QString::fromStdString(StatusLine(session.league.state)));
        session.league.leagueOpen = false;
    }

    // No keeps the current game; Yes opens the new-league screen, which first reads the default league's
    // teams: the minimal database of this program folder has none, so the screen reports that instead.
    void newGameAsksThenOpensTheNewLeagueScreen() {
        QString question, info;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            question = box->text();
            box->button(QMessageBox::No)->click();
        });
        QSignalSpy spy(hub.get(), &frmStart::newGameRequested);
        hub->Command(QStringLiteral("mnuNewGame"))->trigger();
        QCOMPARE(question, QStringLiteral("Starting a new game will end the current game without saving. "
                                          "Would you like to continue?"));
        QCOMPARE(spy.count(), 0);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QTimer::singleShot(0, [&] {
                auto* report = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(report);
                info = report->text();
                report->accept();
            });
            box->button(QMessageBox::Yes)->click();
        });
        hub->Command(QStringLiteral("mnuNewGame"))->trigger();
        QVERIFY2(info.startsWith(QStringLiteral("Invalid default.lge file")), qPrintable(info));
    }

    void loadingALeagueOpensItsCommands() {
        League saved;
        saved.programFolder = home.path();
        for (int t = 1; t <= kLeagueTeams; ++t)
            saved.team(t).Name = "Team" + std::to_string(t);
        saved.state.Season = 2004;
        saved.state.SeasonDay = 45;
        ScriptedHost quiet;
        QVERIFY(SaveLeague(saved, "Winter", quiet));
        QTimer::singleShot(0, [&] {
            auto* screen = qobject_cast<frmLoadGame*>(QApplication::activeModalWidget());
            QVERIFY(screen);
            if (screen->Games().size() != 1) return screen->reject();
            screen->SelectFile("Winter.sav");
            screen->LoadButton()->click();
        });
        hub->Command(QStringLiteral("mnuLoadGame"))->trigger();
        QVERIFY(session.league.leagueOpen);
        QCOMPARE(hub->StatusText(), QStringLiteral("Season 2004 - Day 45"));
        QVERIFY(hub->Command(QStringLiteral("mnuSaveGame"))->isEnabled());
        QVERIFY(hub->Command(QStringLiteral("mnuLeagueOptions"))->isEnabled());
        QVERIFY(!hub->Command(QStringLiteral("mnuCommish"))->isEnabled());
        QVERIFY(!hub->Command(QStringLiteral("mnuInSeasonAwards"))->isEnabled()); // its screen comes later
        hub->show();
        test::Screenshot(*hub, QStringLiteral("hub_league_open"));
    }

    void helpShowsItsPages() {
        home.Write("help/index.html", "<html><body><h1>Hoopvale Help</h1></body></html>");
        hub->Command(QStringLiteral("mnuHelpContents"))->trigger();
        auto* viewer = hub->findChild<HelpViewer*>();
        QVERIFY(viewer);
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("Hoopvale Help")));
        viewer->close();
    }

    void quitStoresThePlacement() {
        hub->setGeometry(30, 40, 700, 500);
        hub->Command(QStringLiteral("mnuQuit"))->trigger();
        QSettings settings(QStringLiteral("Hoopvale"), QStringLiteral("Hoopvale"));
        settings.beginGroup(QStringLiteral("Screen Settings"));
        QCOMPARE(settings.value(QStringLiteral("WindowWidth")).toInt(), 700 * 15);
        QCOMPARE(settings.value(QStringLiteral("WindowHeight")).toInt(), 500 * 15);
        QCOMPARE(settings.value(QStringLiteral("WindowState")).toInt(), 0);
        QVERIFY(session.database == nullptr);
        settings.endGroup();
        settings.clear();
    }

    void screenSizeLimits() {
        QVERIFY(!ScreenSizeProblem(QSize(800, 600)).has_value());
        auto problem = ScreenSizeProblem(QSize(1024, 599));
        QVERIFY(problem.has_value());
        QCOMPARE(QString::fromStdString(*problem),
                 QStringLiteral("Your screen resolution is 1024x599. Hoopvale requires a screen resolution "
                                "of 800x600 or greater."));
    }

    void defaultPlacementIsCentredAndClipped() {
        QCOMPARE(DefaultGeometry(QSize(1280, 1024)),
                 QRect((1280 * 15 - 10835) / 2 / 15, (1024 * 15 - 9100) / 2 / 15, 10835 / 15, 9100 / 15));
        QRect small = DefaultGeometry(QSize(640, 480));
        QCOMPARE(small.topLeft(), QPoint(0, 0));
        QCOMPARE(small.size(), QSize(640, 480));
    }

  private:
    test::TempHome home;
    Session session;
    QtHost host;
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<frmStart> hub;
};

QTEST_MAIN(HubTest)
#include "hub_test.moc"
