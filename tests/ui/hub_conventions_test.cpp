// Desktop conventions of the hub: accelerators, status tips, the program icon, one help window, the open
// league's name, message boxes with icons and safe defaults, Quit with unsaved changes, and a program that
// answers --help without a display and never creates a mistyped program folder.
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include "frm_start.h"
#include "gui_startup.h"
#include "help_viewer.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "platform/program_folder.h"
#include "platform/scripted_host.h"
#include "screenshot.h"
#include "support/temp_home.h"

using namespace hv;

namespace {

// The accelerator letter of a caption ("Fr&anchise" gives 'a'), or 0.
QChar Accelerator(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
        ++i;
    }
    return QChar();
}

QStringList Duplicates(const QList<QAction*>& actions) {
    QStringList seen, twice;
    for (QAction* a : actions) {
        QChar key = Accelerator(a->text());
        if (key.isNull()) continue;
        if (seen.contains(key)) twice << a->text();
        seen << key;
    }
    return twice;
}

// Runs `answer` on the next modal dialog once the event loop turns.
template <typename F> void OnNextModal(F answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        answer(*box);
    });
}

} // namespace

class HubConventionsTest : public QObject {
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

    void acceleratorsAreUniqueOnTheMenuBarAndInEachMenu() {
        QVERIFY2(Duplicates(hub->menuBar()->actions()).isEmpty(),
                 qPrintable(Duplicates(hub->menuBar()->actions()).join(QStringLiteral(", "))));
        for (QAction* menu : hub->menuBar()->actions()) {
            QStringList twice = Duplicates(menu->menu()->actions());
            QVERIFY2(twice.isEmpty(), qPrintable(menu->text() + QStringLiteral(": ") + twice.join(u',')));
        }
    }

    void commandsWithoutAScreenSaySoInTheirStatusTip() {
        QAction* sim = hub->Command(QStringLiteral("mnuInSeasonAwards"));
        QVERIFY(!frmStart::IsBuilt("mnuInSeasonAwards"));
        QCOMPARE(sim->statusTip(), frmStart::NotBuiltTip());
        QVERIFY(hub->Command(QStringLiteral("mnuLoadGame"))->statusTip().isEmpty());
        // A menu shows no status tip for a disabled command by itself: the hub does, on hovering.
        auto* season = hub->findChild<QMenu*>(QStringLiteral("Season"));
        season->popup(hub->mapToGlobal(QPoint(10, 10)));
        QPointF over = season->actionGeometry(sim).center();
        QMouseEvent move(QEvent::MouseMove, over, season->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(season, &move);
        QCOMPARE(hub->statusBar()->currentMessage(), frmStart::NotBuiltTip());
        test::Screenshot(*season, QStringLiteral("menu_not_built_tip"));
        season->hide();
    }

    void theProgramHasAnIcon() {
        QVERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(!QApplication::windowIcon().availableSizes().isEmpty());
        QVERIFY(!hub->windowIcon().isNull());
    }

    void oneHelpWindowIsReused() {
        hub->Command(QStringLiteral("mnuHelpContents"))->trigger();
        hub->Command(QStringLiteral("mnuHelpContents"))->trigger();
        QCOMPARE(hub->findChildren<HelpViewer*>().size(), qsizetype(1));
        QVERIFY(hub->findChild<HelpViewer*>()->isVisible());
        hub->findChild<HelpViewer*>()->close();
        hub->Command(QStringLiteral("mnuHelpContents"))->trigger();
        QCOMPARE(hub->findChildren<HelpViewer*>().size(), qsizetype(1));
        hub->findChild<HelpViewer*>()->close();
    }

    void messageBoxesCarryAnIconAndQuestionsDefaultToNo() {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        OnNextModal([&](QMessageBox& box) {
            icon = box.icon();
            box.accept();
        });
        host.ShowMessage("Login Failed", {}, MessageIcon::None);
        QCOMPARE(icon, QMessageBox::Information);

        QAbstractButton* preferred = nullptr;
        QAbstractButton* no = nullptr;
        OnNextModal([&](QMessageBox& box) {
            preferred = box.defaultButton();
            no = box.button(QMessageBox::No);
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QVERIFY(!host.AskYesNo("Are you sure you want to delete Winter.sav?", {}));
        QCOMPARE(preferred, no);
    }

    void theOpenLeaguesNameIsShown() {
        QVERIFY(hub->LeagueText().isEmpty());
        League saved;
        saved.programFolder = home.path();
        for (int t = 1; t <= kLeagueTeams; ++t)
            saved.team(t).Name = "Team" + std::to_string(t);
        saved.state.Season = 2004;
        saved.state.SeasonDay = 45;
        ScriptedHost quiet;
        QVERIFY(SaveLeague(saved, "Winter", quiet));
        QVERIFY(LoadSavedGame(session.league, "Winter.sav", quiet));
        hub->RefreshFormStart();
        auto* name = hub->findChild<QLabel*>(QStringLiteral("leagueName"));
        QCOMPARE(name->text(), QStringLiteral("League: Winter"));
        QCoreApplication::processEvents(); // the status bar lays itself out again
        QVERIFY(name->width() >= name->sizeHint().width());
        test::Screenshot(*hub, QStringLiteral("hub_league_name"));
    }

    void quitAsksToSaveUnsavedChangesAndCancelKeepsTheProgram() {
        session.league.state.LeagueInjuries = !session.league.state.LeagueInjuries;
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
    }

    void helpAndVersionNeedNoDisplay() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        for (const char* option : {"--help", "--version"}) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(QStringLiteral(HOOPVALE_GUI_PATH), {QString::fromLatin1(option)});
            QVERIFY(program.waitForFinished(60000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            QString out = QString::fromUtf8(program.readAllStandardOutput());
            QVERIFY2(out.contains(option == std::string("--help") ? QStringLiteral("--home")
                                                                  : QString::fromStdString(VersionText())),
                     qPrintable(out));
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

QTEST_MAIN(HubConventionsTest)
#include "hub_conventions_test.moc"
