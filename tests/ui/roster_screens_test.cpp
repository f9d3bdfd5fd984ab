// Team Roster, Team Control, Find Players and the injury, transaction, cut and position list screens, driven
// as a user would.
#include <QPushButton>

#include "frm_find_players.h"
#include "frm_list_screens.h"
#include "frm_team_control.h"
#include "frm_team_roster.h"
#include "league/lineup.h"
#include "league/transactions.h"
#include "screen_test.h"
#include "support/roster_league.h"

using namespace hv;

namespace {

QPushButton* ButtonOf(QWidget& screen, const QString& text) {
    for (QPushButton* b : screen.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

void Choose(QComboBox* box, int data) {
    box->setCurrentIndex(box->findData(data));
}

} // namespace

class RosterScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        rl = std::make_unique<test::RosterLeague>();
        for (int t = 1; t <= kLeagueTeams; ++t)
            rl->Fill(t, 12);
        hurt = rl->Add(1, 3, 70, 6, true);
        rl->league.player(hurt).Injury = "Torn Meniscus";
        rl->league.player(2).TimeInjured = 3;
        rl->league.player(2).Injury = "Sore Back";
        fa = rl->Add(0, 5, 50);
        rl->league.player(fa).Name = "Zed Free";
        SetHuman(rl->league.team(1), true);
        host = ScriptedHost();
    }

    // Over the limit the counts turn red, and back when put right.
    void teamRosterShowsTheCountsAgainstTheLimits() {
        League& league = rl->league;
        const int extra = rl->Add(1, 2, 45);
        frmTeamRoster screen(league, host);
        screen.show();
        QCOMPARE(screen.Counts()->text(),
                 QStringLiteral("13 of exactly 12 active / 14 of at most 15 on the roster"));
        QVERIFY(screen.Counts()->styleSheet().contains(QStringLiteral("color")));
        test::Screenshot(screen, QStringLiteral("team_roster_over"));
        screen.Roster()->SelectKey(extra);
        screen.ReserveButton()->click();
        QCOMPARE(screen.Counts()->text(),
                 QStringLiteral("12 of exactly 12 active / 14 of at most 15 on the roster"));
        QVERIFY(!screen.Counts()->styleSheet().contains(QStringLiteral("color")));
    }

    void teamRosterSavesAHumanTeamsLineupAndMakesTheMoves() {
        League& league = rl->league;
        frmTeamRoster screen(league, host);
        screen.show();
        QCOMPARE(screen.TeamShown(), 1); // the user's team
        // 12 active and the one on injured reserve: within the limits, in no warning colour.
        QCOMPARE(screen.Counts()->text(),
                 QStringLiteral("12 of exactly 12 active / 13 of at most 15 on the roster"));
        QVERIFY(!screen.Counts()->styleSheet().contains(QStringLiteral("color")));
        QVERIFY(!screen.LineupChanged());
        test::Screenshot(screen, QStringLiteral("team_roster"));
        Choose(screen.DepthBox(2, 3), 1); // the first centre backs up the forwards too
        Choose(screen.PaceBox(), 100);
        QVERIFY(screen.LineupChanged());
        screen.SaveButton()->click();
        QVERIFY2(host.messages.empty(), host.LastMessage().c_str());
        QCOMPARE(league.team(1).PF3, int16_t(1));
        QCOMPARE(league.team(1).Pace, int16_t(100));

        screen.Roster()->SelectKey(hurt);
        QVERIFY(screen.ActivateButton()->isEnabled() && !screen.ReserveButton()->isEnabled());
        screen.ActivateButton()->click();
        QVERIFY(!league.player(hurt).IR);
        screen.Roster()->SelectKey(3);
        host.answers = {true};
        screen.CutButton()->click();
        QCOMPARE(QString::fromStdString(league.player(3).Team), QStringLiteral("FA"));
        QVERIFY(screen.SignFreeAgent(fa));
        QCOMPARE(QString::fromStdString(league.player(fa).Team), QStringLiteral("Hawks"));

        // Leaving the team with an unsaved change asks; No drops it.
        Choose(screen.PaceBox(), 0);
        host.answers = {false};
        QVERIFY(screen.ChooseTeam(2));
        QCOMPARE(host.questions.back(), std::string("The Hawks line-up has changed. Save the changes?"));
        QCOMPARE(league.team(1).Pace, int16_t(100));
        QVERIFY(!screen.DepthBox(1, 1)->isEnabled()); // a computer team's line-up is the computer's
    }

    void teamControlChangesApplyAtOnce() {
        League& league = rl->league;
        frmTeamControl screen(league);
        screen.show();
        test::Screenshot(screen, QStringLiteral("team_control"));
        QCOMPARE(screen.Grid()->rowCount(), kLeagueTeams);
        screen.Grid()->item(1, frmTeamControl::kHuman)->setCheckState(Qt::Checked);
        screen.Grid()->item(2, frmTeamControl::kPbp)->setCheckState(Qt::Checked);
        QCOMPARE(QString::fromStdString(league.team(2).Owner), QStringLiteral("Human"));
        QVERIFY(league.team(3).pbp);
    }

    void findPlayersSearchesAndSorts() {
        frmFindPlayers screen(rl->league);
        screen.show();
        screen.NameField()->setText(QStringLiteral("ZED"));
        screen.SearchButton()->click();
        QCOMPARE(screen.Results()->Table().rowKeys, std::vector<int>{fa});
        test::Screenshot(screen, QStringLiteral("find_players"));
    }

    void injuryReserveCutAndPositionLists() {
        League& league = rl->league;
        QCOMPARE(MakeInjuriesScreen(league)->Table().rowKeys, (std::vector<int>{2, hurt}));
        auto reserve = MakeInjuredReserveScreen(league, host);
        reserve->show();
        test::Screenshot(*reserve, QStringLiteral("injured_reserve"));
        reserve->SelectKey(hurt);
        ButtonOf(*reserve, QStringLiteral("&Activate"))->click();
        QVERIFY(!league.player(hurt).IR);
        auto cut = MakeCutPlayersScreen(league, host);
        cut->SelectKey(4);
        host.answers = {true};
        ButtonOf(*cut, QStringLiteral("C&ut Player"))->click();
        QCOMPARE(QString::fromStdString(league.player(4).Team), QStringLiteral("FA"));

        auto positions = MakeChangePositionsScreen(league, host);
        positions->SelectKey(1);
        positions->findChild<QPushButton*>(QStringLiteral("cmdToPG"))->click();
        QCOMPARE(QString::fromStdString(league.player(1).DefaultPosition), QStringLiteral("PG"));

        QCOMPARE(MakeTransactionsScreen(league)->Table().rows.size(),
                 size_t(2)); // the activation and the cut
    }

  private:
    std::unique_ptr<test::RosterLeague> rl;
    ScriptedHost host;
    int hurt = 0, fa = 0;
};

QTEST_MAIN(RosterScreensTest)
#include "roster_screens_test.moc"
