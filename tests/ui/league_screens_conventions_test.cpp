// The league screens as a desktop user expects them: a load list with season and phase that starts at the
// open league, buttons that need a selection, no league closed without asking, Escape that discards, and
// dialogs wide enough for their titles.
#include <QCheckBox>
#include <QHeaderView>
#include <QtTest>

#include "dialog_fit.h"
#include "frm_commish.h"
#include "frm_league_options.h"
#include "frm_load_game.h"
#include "frm_password.h"
#include "frm_save_game.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "platform/scripted_host.h"
#include "screenshot.h"
#include "support/temp_home.h"

using namespace hv;

class LeagueScreensConventionsTest : public QObject {
    Q_OBJECT
  private:
    // Saves a league of this season day under this name.
    void SaveAt(const std::string& name, int16_t day) {
        League league;
        league.programFolder = home->path();
        for (int t = 1; t <= kLeagueTeams; ++t)
            league.team(t).Name = "Team" + std::to_string(t);
        league.state.Season = 2004;
        league.state.SeasonDay = day;
        QVERIFY(SaveLeague(league, name, host));
    }
    QString Cell(frmLoadGame& screen, int row, int column) {
        return screen.View()->model()->index(row, column).data().toString();
    }

  private slots:
    void init() {
        home = std::make_unique<test::TempHome>();
        host = ScriptedHost();
        SaveAt("Alpha", 12);
        SaveAt("Beta", 183);
        SaveAt("Gamma", -5);
        league = League();
        league.programFolder = home->path();
    }

    void loadListShowsSeasonAndPhaseAndStartsAtTheOpenLeague() {
        QVERIFY(LoadSavedGame(league, "Beta.sav", host));
        frmLoadGame screen(league, host);
        screen.show();
        QCOMPARE(screen.View()->model()->rowCount(), 3);
        QCOMPARE(Cell(screen, 0, 0), QStringLiteral("Alpha"));
        QCOMPARE(Cell(screen, 0, 1), QStringLiteral("2004"));
        QCOMPARE(Cell(screen, 0, 2), QStringLiteral("Day 12"));
        QCOMPARE(Cell(screen, 1, 2), QStringLiteral("Free Agency Day 4"));
        QCOMPARE(Cell(screen, 2, 2), QStringLiteral("Creation Draft"));
        QCOMPARE(screen.SelectedFile(), std::string("Beta.sav"));
        QVERIFY(screen.width() >= TitleWidth(screen));
        test::Screenshot(screen, QStringLiteral("load_game_list"));
    }

    void loadAndDeleteNeedASelection() {
        frmLoadGame screen(league, host);
        QCOMPARE(screen.SelectedFile(), std::string("Alpha.sav")); // no league open: the first one
        QVERIFY(screen.LoadButton()->isEnabled() && screen.DeleteButton()->isEnabled());
        screen.View()->clearSelection();
        QVERIFY(!screen.LoadButton()->isEnabled());
        QVERIFY(!screen.DeleteButton()->isEnabled());
        screen.SelectFile("Gamma.sav");
        QVERIFY(screen.LoadButton()->isEnabled());
    }

    void loadOffersToSaveTheOpenLeaguesChangesFirst() {
        QVERIFY(LoadSavedGame(league, "Alpha.sav", host));
        league.state.LockSimulation = true;
        frmLoadGame screen(league, host);
        screen.SelectFile("Gamma.sav");
        host.threeWayAnswers = {Answer::Cancel};
        screen.LoadButton()->click();
        QCOMPARE(host.questions.size(), size_t(1));
        QCOMPARE(host.questions.back(), std::string("Do you want to save the changes to the league Alpha?"));
        QCOMPARE(league.savedGame.name, std::string("Alpha"));
        QVERIFY(league.state.LockSimulation);
        host.threeWayAnswers = {Answer::No};
        screen.LoadButton()->click();
        QCOMPARE(league.savedGame.name, std::string("Gamma"));
    }

    void escapeInLeagueOptionsDiscardsTheEdit() {
        league.state.LeagueInjuries = true;
        league.state.SetSalaryCapDollars(42500000);
        frmLeagueOptions screen(league.state, host);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.Box("chkInjuries")->click();
        screen.Box("chkLockSimming")->click();
        screen.SalaryCapField()->setFocus();
        screen.SalaryCapField()->setText(QStringLiteral("$50,000,000"));
        emit screen.SalaryCapField()->editingFinished(); // the field was left: the cap is stored at once
        QCOMPARE(league.state.SalaryCapDollars(), int64_t(50000000));
        test::Screenshot(screen, QStringLiteral("league_options_ok_cancel"));
        QTest::keyClick(screen.SalaryCapField(), Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
        QVERIFY(league.state.LeagueInjuries);
        QVERIFY(!league.state.LockSimulation);
        QCOMPARE(league.state.SalaryCapDollars(), int64_t(42500000));

        frmLeagueOptions again(league.state, host);
        again.Box("chkSaveBoxes")->click();
        again.SalaryCapField()->setText(QStringLiteral("30000000"));
        again.accept();
        QVERIFY(league.state.SaveBoxScores);
        QCOMPARE(league.state.SalaryCapDollars(), int64_t(30000000));
    }

    void dialogsAreWideEnoughForTheirTitles() {
        frmCommish commish(league.state, host);
        frmPassword password(league.state, host);
        frmSaveGame save(league, host);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&commish, &password, &save})
            QVERIFY2(dialog->width() >= TitleWidth(*dialog), qPrintable(dialog->windowTitle()));
        test::Screenshot(commish, QStringLiteral("commish_login_fitted"));
    }

  private:
    std::unique_ptr<test::TempHome> home;
    League league;
    ScriptedHost host;
};

QTEST_MAIN(LeagueScreensConventionsTest)
#include "league_screens_conventions_test.moc"
