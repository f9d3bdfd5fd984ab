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

    void saveRefusesAnEmptyNameAndPathKeys() {
        frmSaveGame screen(league, host);
        QCOMPARE(screen.NameField()->text(), QStringLiteral("Spring"));
        screen.NameField()->clear();
        QTest::keyClicks(screen.NameField(), QStringLiteral("a/b\\c"));
        QCOMPARE(screen.NameField()->text(), QStringLiteral("abc"));
        screen.NameField()->clear();
        screen.show();
        screen.SaveButton()->click();
        QCOMPARE(host.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(host.messages[0].text), QStringLiteral("Please enter a save name."));
        QCOMPARE(QString::fromStdString(host.messages[0].title), QStringLiteral("Error!"));
        QVERIFY(screen.isVisible());
    }

    void saveWritesTheFileAndRenamesTheLeague() {
        frmSaveGame screen(league, host);
        screen.show();
        screen.NameField()->setText(QStringLiteral("Autumn"));
        test::Screenshot(screen, QStringLiteral("save_game"));
        screen.SaveButton()->click();
        QVERIFY2(host.messages.empty(), host.LastMessage().c_str());
        QVERIFY(std::filesystem::exists(*home / "save/Autumn.sav"));
        QCOMPARE(QString::fromStdString(league.state.LeagueName), QStringLiteral("Autumn"));
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }

    void loadListsTheSavedGamesAndLoadsOnDoubleClick() {
        QVERIFY(SaveLeague(league, "Alpha", host));
        league.state.Password = "Secret";
        QVERIFY(SaveLeague(league, "Beta", host));
        home->Write("save/readme.txt", "not a save");
        League target;
        target.programFolder = home->path();
        frmLoadGame screen(target, host);
        QCOMPARE(screen.Games().size(), size_t(2));
        QCOMPARE(screen.Games()[0].fileName, std::string("Alpha.sav"));
        QCOMPARE(screen.Games()[1].fileName, std::string("Beta.sav"));
        test::Screenshot(screen, QStringLiteral("load_game"));

        screen.SelectFile("Beta.sav");
        emit screen.View()->doubleClicked(screen.View()->currentIndex());
        QVERIFY2(host.messages.empty(), host.LastMessage().c_str());
        QVERIFY(target.leagueOpen);
        QCOMPARE(target.state.Season, int16_t(2004));
        QCOMPARE(QString::fromStdString(target.state.Password), QStringLiteral("Secret"));
        QVERIFY(!target.state.CommissionerRights);
        QCOMPARE(QString::fromStdString(target.player(1).Name), QStringLiteral("Ana Ólafsdóttir"));

        frmLoadGame again(target, host);
        again.SelectFile("Alpha.sav");
        again.LoadButton()->click();
        QVERIFY(target.state.CommissionerRights); // a league without a password grants the rights at once
    }

    void deleteAsksAndRefreshesTheList() {
        QVERIFY(SaveLeague(league, "Gone", host));
        QVERIFY(SaveLeague(league, "Kept", host));
        frmLoadGame screen(league, host);
        screen.SelectFile("Gone.sav");
        host.answers = {false};
        screen.DeleteButton()->click();
        QCOMPARE(host.questions.back(), std::string("Are you sure you want to delete Gone.sav?"));
        QCOMPARE(screen.Games().size(), size_t(2));
        host.answers = {true};
        screen.DeleteButton()->click();
        QCOMPARE(screen.Games().size(), size_t(1));
        QCOMPARE(screen.Games()[0].fileName, std::string("Kept.sav"));
        QVERIFY(!std::filesystem::exists(*home / "save/Gone.sav"));
    }

    void optionsChangeOnClickAndTheCapIsReformatted() {
        league.state.LeagueInjuries = true;
        league.state.SaveBoxScores = false;
        frmLeagueOptions screen(league.state, host);
        screen.show();
        QVERIFY(screen.Box("chkInjuries")->isChecked());
        screen.Box("chkInjuries")->click();
        QVERIFY(!league.state.LeagueInjuries);
        screen.Box("chkSaveBoxes")->click();
        screen.Box("chkLockSimming")->click();
        screen.Box("chkLockEndSeason")->click();
        QVERIFY(league.state.SaveBoxScores && league.state.LockSimulation && league.state.LockEndSeason);

        QCOMPARE(screen.SalaryCapField()->text(), QStringLiteral("$42,500,000"));
        test::Screenshot(screen, QStringLiteral("league_options"));
        screen.SalaryCapField()->setText(QStringLiteral("$30,000,000"));
        emit screen.SalaryCapField()->editingFinished();
        QCOMPARE(league.state.SalaryCapDollars(), int64_t(30000000));
        QCOMPARE(screen.SalaryCapField()->text(), QStringLiteral("$30,000,000"));
        screen.SalaryCapField()->setText(QStringLiteral("lots"));
        emit screen.SalaryCapField()->editingFinished();
        QCOMPARE(league.state.SalaryCapDollars(), int64_t(0));
        QCOMPARE(screen.SalaryCapField()->text(), QStringLiteral("$0"));
    }

    void passwordScreenRefusesNotApplicableAndKeepsTheOldOne() {
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
        QCOMPARE(screen.PasswordField()->text(), QStringLiteral("Old"));
        QVERIFY(screen.isVisible());

        screen.NoPasswordChoice()->setChecked(true);
        QVERIFY(!screen.PasswordField()->isVisible());
        QVERIFY(screen.PasswordField()->text().isEmpty());
        screen.Confirm();
        QCOMPARE(QString::fromStdString(league.state.Password), QStringLiteral("N/A"));
        QVERIFY(league.state.CommissionerRights);
    }

    void passwordScreenOpensWithNoPasswordChosen() {
        frmPassword screen(league.state, host);
        screen.show();
        QVERIFY(screen.NoPasswordChoice()->isChecked());
        QVERIFY(!screen.PasswordField()->isVisible());
        screen.SetPasswordChoice()->setChecked(true);
        QVERIFY(screen.PasswordField()->isVisible());
        screen.PasswordField()->setText(QStringLiteral("Hoops"));
        screen.Confirm();
        QCOMPARE(QString::fromStdString(league.state.Password), QStringLiteral("Hoops"));
    }

    void commishLoginIsCaseSensitive() {
        league.state.Password = "Hoops";
        league.state.CommissionerRights = true;
        frmCommish screen(league.state, host);
        screen.show();
        test::Screenshot(screen, QStringLiteral("commish_login"));
        screen.PasswordField()->setText(QStringLiteral("hoops"));
        screen.Login();
        QCOMPARE(host.LastMessage(), std::string("Login Failed"));
        QVERIFY(!league.state.CommissionerRights);
        QVERIFY(screen.isVisible());
        screen.PasswordField()->setText(QStringLiteral("Hoops"));
        screen.Login();
        QCOMPARE(host.LastMessage(), std::string("Login Complete"));
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
