// The hub window as a desktop user expects it: menus, accelerators, tips, icons, help, safe questions, the
// league's name, Quit and New Game asking first, and --help without a display.
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>

#include "frm_load_game.h"
#include "frm_start.h"
#include "gui_startup.h"
#include "help_viewer.h"
#include "league/hub_commands.h"
#include "league/save_file.h"
#include "platform/program_folder.h"
#include "screen_test.h"
#include "window_placement.h"

using namespace hv;

namespace {

// Runs `answer` on the next modal dialog once the event loop turns.
template <class T = QMessageBox, typename F> void OnNextModal(F answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(box);
        answer(*box);
    });
}

} // namespace

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
        hub->show();
    }

    // Letters of the menus are checked with every other window's in hub_windows_test.
    void captionAndMenus() {
        QCOMPARE(hub->windowTitle(), QString::fromStdString("Hoopvale Version " + VersionText()));
        QStringList menus;
        for (QAction* a : hub->menuBar()->actions()) {
            menus << a->text();
        }
        QCOMPARE(menus, (QStringList{
                            QStringLiteral("&File"), QStringLiteral("Fr&anchise"), QStringLiteral("&Roster"),
                            QStringLiteral("&Season"), QStringLiteral("&Progress"), QStringLiteral("&Draft"),
                            QStringLiteral("H&istory"), QStringLiteral("&Tools"), QStringLiteral("&Help")}));
        for (const HubCommand& c : HubCommands())
            QCOMPARE(hub->Command(QString::fromStdString(c.name))->text(), QString::fromStdString(c.caption));
        QVERIFY(!QApplication::windowIcon().availableSizes().isEmpty());
        QVERIFY(!hub->windowIcon().isNull());
    }

    void oneHelpWindowShowsItsPagesAndIsReused() {
        home.Write("help/index.html", "<html><body><h1>Hoopvale Help</h1></body></html>");
        for (int i = 0; i < 2; ++i) {
            hub->Command(QStringLiteral("mnuHelpContents"))->trigger();
            QCOMPARE(hub->findChildren<HelpViewer*>().size(), qsizetype(1));
            auto* viewer = hub->findChild<HelpViewer*>();
            QVERIFY(viewer->isVisible());
            QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("Hoopvale Help")));
            viewer->close();
        }
    }

    void messageBoxesCarryAnIconAndQuestionsDefaultToNo() {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        OnNextModal([&](QMessageBox& box) {
            icon = box.icon();
            box.accept();
        });
        host.ShowMessage("Login Failed", {}, MessageIcon::None);
        QCOMPARE(icon, QMessageBox::Information);
        QAbstractButton *preferred = nullptr, *no = nullptr;
        OnNextModal([&](QMessageBox& box) {
            preferred = box.defaultButton();
            no = box.button(QMessageBox::No);
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QVERIFY(!host.AskYesNo("Are you sure you want to delete Winter.sav?", {}));
        QCOMPARE(preferred, no);
    }

    // With no league open nothing can be lost: New Game goes straight to the new-league screen, which first
    // reads the default league's teams (the minimal database of this program folder has none, so the screen
    // reports that). An open league with unsaved changes is asked about first, and No keeps it.
    void newGameAsksOnlyWhenAGameWouldBeLost() {
        QString info;
        OnNextModal([&](QMessageBox& report) {
            info = report.text();
            report.accept();
        });
        hub->Command(QStringLiteral("mnuNewGame"))->trigger();
        QVERIFY2(info.startsWith(QStringLiteral("Invalid default.lge file")), qPrintable(info));

        session.league.leagueOpen = true; // never saved: it has unsaved changes
        QString question;
        OnNextModal([&](QMessageBox& box) {
            question = box.text();
            box.button(QMessageBox::No)->click();
        });
        QSignalSpy spy(hub.get(), &frmStart::newGameRequested);
        hub->Command(QStringLiteral("mnuNewGame"))->trigger();
        session.league.leagueOpen = false;
        QCOMPARE(question, QStringLiteral("Starting a new game will end the current game without saving. "
                                          "Would you like to continue?"));
        QCOMPARE(spy.count(), 0);
    }

    void loadingALeagueOpensItsCommandsAndShowsItsName() {
        QVERIFY(hub->LeagueText().isEmpty());
        League saved;
        saved.programFolder = home.path();
        for (int t = 1; t <= kLeagueTeams; ++t)
            saved.team(t).Name = "Team" + std::to_string(t);
        saved.state.Season = 2004;
        saved.state.SeasonDay = 45;
        ScriptedHost quiet;
        QVERIFY(SaveLeague(saved, "Winter", quiet));
        OnNextModal<frmLoadGame>([](frmLoadGame& screen) {
            screen.SelectFile("Winter.sav");
            screen.LoadButton()->click();
        });
        hub->Command(QStringLiteral("mnuLoadGame"))->trigger();
        QVERIFY(session.league.leagueOpen);
        QCOMPARE(hub->StatusText(), QStringLiteral("Season 2004 - Day 45"));
        QVERIFY(hub->Command(QStringLiteral("mnuLeagueOptions"))->isEnabled());
        QVERIFY(!hub->Command(QStringLiteral("mnuCommish"))->isEnabled());
        QVERIFY(hub->Command(QStringLiteral("mnuSimSeasons"))->isEnabled());
        QVERIFY(hub->Command(QStringLiteral("mnuEditCurrent"))->isEnabled());
        auto* name = hub->findChild<QLabel*>(QStringLiteral("leagueName"));
        QCOMPARE(name->text(), QStringLiteral("League: Winter"));
        QCoreApplication::processEvents(); // the status bar lays itself out again
        QVERIFY(name->width() >= name->sizeHint().width());
        test::Screenshot(*hub, QStringLiteral("hub_league_open"));
    }

    void screenSizeAndDefaultPlacement() {
        QVERIFY(!ScreenSizeProblem(QSize(800, 600)).has_value());
        QCOMPARE(QString::fromStdString(ScreenSizeProblem(QSize(1024, 599)).value()),
                 QStringLiteral("Your screen resolution is 1024x599. Hoopvale requires a screen resolution "
                                "of 800x600 or greater."));
        // 10835 x 9100 twips (15 a pixel) is 722 x 606, centred on 1280 x 1024.
        QCOMPARE(DefaultGeometry(QSize(1280, 1024)), QRect(278, 208, 722, 606));
        QCOMPARE(DefaultGeometry(QSize(640, 480)), QRect(0, 0, 640, 480));
    }

    // Last: Quit with unsaved changes asks; Cancel keeps the program, No quits and stores the placement.
    void quitAsksToSaveChangesAndStoresThePlacement() {
        session.league.state.LeagueInjuries = !session.league.state.LeagueInjuries;
        hub->setGeometry(30, 40, 700, 500);
        QStringList buttons;
        OnNextModal([&](QMessageBox& box) {
            for (QAbstractButton* b : box.buttons())
                buttons << b->text();
            test::Screenshot(box, QStringLiteral("quit_save_changes"));
            box.button(QMessageBox::Cancel)->click();
        });
        hub->Command(QStringLiteral("mnuQuit"))->trigger();
        QCOMPARE(buttons.size(), qsizetype(3));
        QVERIFY(hub->isVisible());
        OnNextModal([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
        hub->Command(QStringLiteral("mnuQuit"))->trigger();
        QVERIFY(!hub->isVisible());
        QVERIFY(session.database == nullptr);
        QSettings settings(QStringLiteral("Hoopvale"), QStringLiteral("Hoopvale"));
        settings.beginGroup(QStringLiteral("Screen Settings"));
        QCOMPARE(settings.value(QStringLiteral("WindowWidth")).toInt(), 700 * 15);
        QCOMPARE(settings.value(QStringLiteral("WindowHeight")).toInt(), 500 * 15);
        settings.endGroup();
        settings.clear();
    }

    void helpAndVersionNeedNoDisplay() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        for (const char* option : {"--help", "--version"}) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(QString::fromUtf8(hv::build_paths::kGui), {QString::fromLatin1(option)});
            QVERIFY(program.waitForFinished(60000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            const QString out = QString::fromUtf8(program.readAllStandardOutput());
            const bool help = option == std::string("--help");
            QVERIFY2(out.contains(help ? QStringLiteral("--home") : QString::fromStdString(VersionText())),
                     qPrintable(out));
            QVERIFY2(!help || out.contains(QStringLiteral("--open <NAME>")), qPrintable(out));
        }
    }

    void aMistypedProgramFolderIsNotCreated() {
        Session other;
        other.league.programFolder = home / "mistyped";
        QtHost otherHost;
        std::unique_ptr<QLockFile> otherLock;
        QString message;
        OnNextModal([&](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
        QVERIFY(StartProgram(other, otherHost, otherLock) == nullptr);
        QVERIFY2(message.contains(QString::fromStdString((home / "mistyped").string())), qPrintable(message));
        QVERIFY(!std::filesystem::exists(home / "mistyped"));
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
#include "support/build_paths.h"
