// Save, Load, League Options, password and commissioner screens, driven as a user would.
#include <QCheckBox>
#include <QtTest>

#include "frm_commish.h"
#include "frm_league_options.h"
#include "frm_load_game.h"
#include "frm_password.h"
#include "frm_save_game.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "screenshot.h"
#include "support/temp_home.h"

using namespace hv;

class LeagueScreensTest : public QObject {
    Q_OBJECT
  private:
    void MakeLeague() {
        league = League();
        league.programFolder = home->path();
        league.state.LeagueName = "Spring";
        league.state.Season = 2004;
        league.state.SeasonDay = 12;
        league.state.SetSalaryCapDollars(42500000);
        for (int t = 1; t <= kLeagueTeams; ++t) {
            league.team(t).Name = "Team" + std::to_string(t);
            league.team(t).City = "City" + std::to_string(t);
        }
        league.team(1).Name = "Comets";
        league.player(1).Name = "Ana Ólafsdóttir";
        league.player(1).Team = "Comets";
        league.player(1).PositionNumber = 1;
        league.leagueOpen = true;
    }

  private slots:
    void init() {
        home = std::make_unique<test::TempHome>();
        MakeLeague();
        host = ScriptedHost();
    }

    // Path keys are not typed; Save writes the file, renames the league and closes the screen.
    void saveScreen() {
        frmSaveGame screen(league, host);
        QCOMPARE(screen.NameField()->text(), QStringLiteral("Spring"));
        screen.NameField()->clear();
        QTest::keyClicks(screen.NameField(), QStringLiteral("Au/tu\\mn"));
        QCOMPARE(screen.NameField()->text(), QStringLiteral("Autumn"));
        screen.show();
        test::Screenshot(screen, QStringLiteral("save_game"));
        screen.SaveButton()->click();
        QVERIFY2(host.messages.empty(), host.LastMessage().c_str());
        QVERIFY(std::filesystem::exists(*home / "save/Autumn.sav"));
        QCOMPARE(QString::fromStdString(league.state.LeagueName), QStringLiteral("Autumn"));
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }

    // The list holds the saved games only; a double click loads one; Delete asks, then refreshes the list.
    void loadScreen() {
        league.state.Password = "Secret";
        QVERIFY(SaveLeague(league, "Alpha", host) && SaveLeague(league, "Beta", host));
        home->Write("save/readme.txt", "not a save");
        League target;
        target.programFolder = home->path();
        frmLoadGame screen(target, host);
        QCOMPARE(screen.Games().size(), size_t(2));
        QCOMPARE(screen.Games()[1].fileName, std::string("Beta.sav"));
        test::Screenshot(screen, QStringLiteral("load_game"));
        screen.SelectFile("Beta.sav");
        emit screen.View()->doubleClicked(screen.View()->currentIndex());
        QVERIFY2(host.messages.empty(), host.LastMessage().c_str());
        QVERIFY(target.leagueOpen && !target.state.CommissionerRights);
        QCOMPARE(QString::fromStdString(target.player(1).Name), QStringLiteral("Ana Ólafsdóttir"));
        frmLoadGame again(target, host);
        again.SelectFile("Alpha.sav");
        for (bool yes : {false, true}) {
            host.answers = {yes};
            again.DeleteButton()->click();
            QCOMPARE(again.Games().size(), size_t(yes ? 1 : 2));
        }
        QCOMPARE(host.questions.back(), std::string("Are you sure you want to delete Alpha.sav?"));
        QVERIFY(!std::filesystem::exists(*home / "save/Alpha.sav"));
    }

    // Each box changes its option at once; the cap is taken and shown again when the field is left.
    void optionsScreen() {
        league.state.LeagueInjuries = true;
        frmLeagueOptions screen(league.state, host);
        screen.show();
        QVERIFY(screen.Box("chkInjuries")->isChecked());
        for (const char* box : {"chkInjuries", "chkSaveBoxes", "chkLockSimming", "chkLockEndSeason"})
            screen.Box(box)->click();
        QVERIFY(!league.state.LeagueInjuries && league.state.SaveBoxScores && league.state.LockSimulation &&
                league.state.LockEndSeason);
        QCOMPARE(screen.SalaryCapField()->text(), QStringLiteral("$42,500,000"));
        test::Screenshot(screen, QStringLiteral("league_options"));
        screen.SalaryCapField()->setText(QStringLiteral("30000000"));
        emit screen.SalaryCapField()->editingFinished();
        QCOMPARE(league.state.SalaryCapDollars(), int64_t(30000000));
        QCOMPARE(screen.SalaryCapField()->text(), QStringLiteral("$30,000,000"));
    }

    // A refused password keeps the old one and the screen; "no password" hides the field and clears it.
    void passwordScreen() {
        league.state.Password = "Old";
        frmPassword screen(league.state, host);
        screen.show();
        QVERIFY(screen.SetPasswordChoice()->isChecked());
        QCOMPARE(screen.PasswordField()->text(), QStringLiteral("Old"));
        test::Screenshot(screen, QStringLiteral("password"));
        screen.PasswordField()->setText(QStringLiteral("N/A"));
        screen.Confirm();
        QCOMPARE(host.LastMessage(), std::string("Invalid Password"));
        QCOMPARE(QString::fromStdString(league.state.Password), QStringLiteral("Old"));
        QVERIFY(screen.isVisible());
        screen.NoPasswordChoice()->setChecked(true);
        QVERIFY(!screen.PasswordField()->isVisible() && screen.PasswordField()->text().isEmpty());
        screen.Confirm();
        QCOMPARE(QString::fromStdString(league.state.Password), QStringLiteral("N/A"));
        QVERIFY(league.state.CommissionerRights);
    }

    void commishScreen() {
        league.state.Password = "Hoops";
        league.state.CommissionerRights = true;
        frmCommish screen(league.state, host);
        screen.show();
        test::Screenshot(screen, QStringLiteral("commish_login"));
        screen.PasswordField()->setText(QStringLiteral("hoops"));
        screen.Login();
        QCOMPARE(host.LastMessage(), std::string("Login Failed"));
        QVERIFY(!league.state.CommissionerRights && screen.isVisible());
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
