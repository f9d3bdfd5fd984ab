// Save, Load, League Options, password and commissioner screens, driven as a user would.
#include <QCheckBox>

#include "dialog_fit.h"
#include "frm_commish.h"
#include "frm_league_options.h"
#include "frm_load_game.h"
#include "frm_password.h"
#include "frm_save_game.h"
#include "league/league_options.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "screen_test.h"

using namespace hv;

class LeagueScreensTest : public QObject {
    Q_OBJECT
  private:
    // Saves a league of this season day under this name.
    void SaveAt(const std::string& name, int16_t day) {
        League saved;
        saved.programFolder = home->path();
        for (int t = 1; t <= kLeagueTeams; ++t)
            saved.team(t).Name = "Team" + std::to_string(t);
        saved.player(1).Name = "Ana Ólafsdóttir";
        saved.player(1).Team = "Team1";
        saved.player(1).PositionNumber = 1;
        saved.state.Season = 2004;
        saved.state.SeasonDay = day;
        saved.state.Password = "Secret";
        QVERIFY(SaveLeague(saved, name, host));
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
        home->Write("save/readme.txt", "not a save");
        league = League();
        league.programFolder = home->path();
        for (int t = 1; t <= kLeagueTeams; ++t)
            league.team(t).Name = "Team" + std::to_string(t);
        league.state.LeagueName = "Spring";
        league.state.Season = 2004;
        league.state.SeasonDay = 12;
    }

    // Path keys are not typed; Save writes the file, renames the league and closes the screen.
    void saveScreen() {
        frmSaveGame screen(league, host);
        QCOMPARE(screen.NameField()->text(), QStringLiteral("Spring"));
        screen.NameField()->clear();
        QTest::keyClicks(screen.NameField(), QStringLiteral("Au/tu\\mn"));
        QCOMPARE(screen.NameField()->text(), QStringLiteral("Autumn"));
        screen.show();
        QVERIFY(screen.width() >= TitleWidth(screen));
        test::Screenshot(screen, QStringLiteral("save_game"));
        screen.SaveButton()->click();
        QVERIFY2(host.messages.empty(), host.LastMessage().c_str());
        QVERIFY(std::filesystem::exists(*home / "save/Autumn.sav"));
        QCOMPARE(QString::fromStdString(league.state.LeagueName), QStringLiteral("Autumn"));
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }

    void loadListShowsSeasonAndPhaseAndNeedsASelection() {
        QVERIFY(LoadSavedGame(league, "Beta.sav", host));
        frmLoadGame screen(league, host);
        screen.show();
        QCOMPARE(screen.View()->model()->rowCount(), 3);
        QCOMPARE(Cell(screen, 0, 0) + Cell(screen, 0, 1) + Cell(screen, 0, 2),
                 QStringLiteral("Alpha2004Day 12"));
        QCOMPARE(Cell(screen, 1, 2), QStringLiteral("Free Agency Day 4"));
        QCOMPARE(screen.SelectedFile(), std::string("Beta.sav"));
        QVERIFY(screen.width() >= TitleWidth(screen));
        test::Screenshot(screen, QStringLiteral("load_game_list"));
        screen.View()->clearSelection();
        QVERIFY(!screen.LoadButton()->isEnabled() && !screen.DeleteButton()->isEnabled());
    }

    // A double click loads; unsaved changes are offered a save first; Delete asks, then refreshes the list.
    void loadAndDelete() {
        {
            frmLoadGame screen(league, host);
            screen.SelectFile("Alpha.sav");
            emit screen.View()->doubleClicked(screen.View()->currentIndex());
        }
        QVERIFY2(host.messages.empty(), host.LastMessage().c_str());
        QVERIFY(league.leagueOpen && !league.state.CommissionerRights);
        QCOMPARE(QString::fromStdString(league.player(1).Name), QStringLiteral("Ana Ólafsdóttir"));
        league.state.LockSimulation = true;
        frmLoadGame screen(league, host);
        screen.SelectFile("Gamma.sav");
        host.threeWayAnswers = {Answer::Cancel, Answer::No};
        screen.LoadButton()->click();
        QCOMPARE(host.questions,
                 std::vector<std::string>{"Do you want to save the changes to the league Alpha?"});
        QCOMPARE(league.savedGame.name, std::string("Alpha"));
        screen.LoadButton()->click();
        QCOMPARE(league.savedGame.name, std::string("Gamma"));

        screen.SelectFile("Beta.sav");
        host.answers = {true};
        screen.DeleteButton()->click();
        QCOMPARE(screen.Games().size(), size_t(2));
        QVERIFY(!std::filesystem::exists(*home / "save/Beta.sav"));
    }

    // Each box changes its option at once, the cap when the field is left; Escape discards the edit.
    void optionsScreen() {
        league.state.LeagueInjuries = true;
        league.state.SetSalaryCapDollars(42500000);
        frmLeagueOptions screen(league.state, host);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(screen.SalaryCapField()->text(), QStringLiteral("$42,500,000"));
        for (const char* box : {"chkInjuries", "chkSaveBoxes", "chkLockSimming", "chkLockEndSeason"})
            screen.Box(box)->click();
        QVERIFY(!league.state.LeagueInjuries && league.state.SaveBoxScores && league.state.LockSimulation &&
                league.state.LockEndSeason);
        screen.SalaryCapField()->setFocus();
        screen.SalaryCapField()->setText(QStringLiteral("50000000"));
        emit screen.SalaryCapField()->editingFinished();
        QCOMPARE(league.state.SalaryCapDollars(), int64_t(50000000));
        QCOMPARE(screen.SalaryCapField()->text(), QStringLiteral("$50,000,000"));
        test::Screenshot(screen, QStringLiteral("league_options"));
        QTest::keyClick(screen.SalaryCapField(), Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
        QVERIFY(league.state.LeagueInjuries && !league.state.SaveBoxScores && !league.state.LockSimulation);
        QCOMPARE(league.state.SalaryCapDollars(), int64_t(42500000));
    }

    // The game engine and the trade judgement are chosen from their lists; Escape puts them back. In a
    // season under way a user without the commissioner's rights is refused and the lists stay.
    void optionsScreenRules() {
        frmLeagueOptions screen(league.state, host);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(screen.EngineList()->currentText(), QStringLiteral("As specified"));
        QCOMPARE(screen.TradesList()->currentText(), QStringLiteral("As specified"));
        QTest::keyClick(screen.EngineList(), Qt::Key_Down);
        QTest::keyClick(screen.TradesList(), Qt::Key_Down);
        QCOMPARE(screen.EngineList()->currentText(), QStringLiteral("Calibrated"));
        QCOMPARE(screen.TradesList()->currentText(), QStringLiteral("Shrewd"));
        QVERIFY(league.state.Engine == GameEngine::Calibrated &&
                league.state.Trades == TradeJudgement::Shrewd);
        test::Screenshot(screen, QStringLiteral("league_options_rules"));
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(league.state.Engine == GameEngine::AsSpecified &&
                league.state.Trades == TradeJudgement::AsSpecified);

        league.state.FirstSeason = league.state.Season = 2004;
        league.state.SeasonDay = 45;
        league.state.Password = "Hoops";
        league.state.CommissionerRights = false;
        frmLeagueOptions locked(league.state, host);
        locked.show();
        QTest::keyClick(locked.TradesList(), Qt::Key_Down);
        QCOMPARE(host.LastMessage(), std::string(kEditLeagueRefusal));
        QCOMPARE(locked.TradesList()->currentText(), QStringLiteral("As specified"));
        QVERIFY(league.state.Trades == TradeJudgement::AsSpecified);
        league.state.CommissionerRights = true;
        QTest::keyClick(locked.TradesList(), Qt::Key_Down);
        QVERIFY(league.state.Trades == TradeJudgement::Shrewd);
        locked.accept();
        QVERIFY(league.state.Trades == TradeJudgement::Shrewd);
    }

    // A refused password keeps the screen; "no password" hides the field and clears it.
    void passwordScreen() {
        league.state.Password = "Old";
        frmPassword screen(league.state, host);
        screen.show();
        QVERIFY(screen.width() >= TitleWidth(screen));
        screen.PasswordField()->setText(QStringLiteral("N/A"));
        screen.Confirm();
        QCOMPARE(host.LastMessage(), std::string("Invalid Password"));
        QVERIFY(screen.isVisible());
        screen.NoPasswordChoice()->setChecked(true);
        QVERIFY(!screen.PasswordField()->isVisible() && screen.PasswordField()->text().isEmpty());
        screen.Confirm();
        QCOMPARE(QString::fromStdString(league.state.Password), QStringLiteral("N/A"));
        QVERIFY(league.state.CommissionerRights);
    }

    void commishScreen() {
        league.state.Password = "Hoops";
        league.state.CommissionerRights = false;
        frmCommish screen(league.state, host);
        screen.show();
        QVERIFY(screen.width() >= TitleWidth(screen));
        test::Screenshot(screen, QStringLiteral("commish_login"));
        screen.PasswordField()->setText(QStringLiteral("Hoops"));
        screen.Login();
        QVERIFY(league.state.CommissionerRights);
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }

  private:
    std::unique_ptr<test::TempHome> home;
    League league;
    ScriptedHost host;
};

QTEST_MAIN(LeagueScreensTest)
#include "league_screens_test.moc"
