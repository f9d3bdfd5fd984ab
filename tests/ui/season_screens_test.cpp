// Standings, Team Schedules, League Leaders, Team Stats and Team Information on the default league after a
// few days of real games, and their place in the hub.
#include <QTimer>
#include <QtTest>

#include "engine/game.h"
#include "frm_leaders.h"
#include "frm_standings.h"
#include "frm_team_info.h"
#include "frm_team_schedules.h"
#include "frm_team_stats.h"
#include "hub_screens.h"
#include "league/default_league.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "screenshot.h"
#include "season/schedule.h"
#include "support/temp_home.h"

using namespace hv;

class SeasonScreensTest : public QObject {
    Q_OBJECT
  private:
    League& league() { return session.league; }

    QString Cell(const TableScreen& screen, int row, int column) {
        return screen.View()->model()->index(row, column).data().toString();
    }

  private slots:
    void initTestCase() {
        home.CopyInstalledData();
        League& l = league();
        l.programFolder = home.path();
        QVERIFY(RunStartup(session, quiet));
        QVERIFY(LoadDefaultLeagueKeepingRosters(session, quiet, "Screens"));
        EnsureLeagueFolders(home.path(), "Screens");
        l.rng.Seed(4);
        l.state.LeagueInjuries = false;
        l.state.SiteDuringSim = false;
        l.state.SeasonDay = Phase::BeforeSeason;
        QVERIFY(GenerateSchedule(l, quiet));
        for (; l.state.SeasonDay <= 6; ++l.state.SeasonDay) {
            const ScheduleDay& day = l.schedule[static_cast<size_t>(l.state.SeasonDay)];
            for (int g = 1; g <= day.NumGames; ++g) {
                clsGame game(l);
                game.StartGame(static_cast<int16_t>(l.FindTeam(day.Games[static_cast<size_t>(g)].HomeTeam)),
                               static_cast<int16_t>(l.FindTeam(day.Games[static_cast<size_t>(g)].AwayTeam)),
                               false, static_cast<int16_t>(g), "Regular");
                game.SimGame();
            }
        }
        l.team(2).Owner = "Human";
    }

    void standingsComputesOnOpenAndSwitchesViews() {
        league().team(1).DivRank = 0;
        frmStandings screen(league());
        QVERIFY(league().team(1).DivRank > 0); // computed on opening
        QCOMPARE(screen.View()->model()->rowCount(), 29);
        QCOMPARE(Cell(screen, 0, 1), QStringLiteral("Atlantic"));
        QCOMPARE(Cell(screen, 0, 8), QStringLiteral("1"));
        screen.show();
        test::Screenshot(screen, QStringLiteral("standings"));
        screen.Choices()->setCurrentIndex(1);
        QCOMPARE(Cell(screen, 0, 0), QStringLiteral("East"));
        QCOMPARE(Cell(screen, 0, 9), QStringLiteral("1"));
        QCOMPARE(Cell(screen, 15, 9), QStringLiteral("1")); // the West's leader
        screen.View()->sortByColumn(3, Qt::DescendingOrder);
        int most = 0;
        for (int t = 1; t <= kLeagueTeams; ++t)
            most = std::max<int>(most, league().team(t).Wins());
        QCOMPARE(Cell(screen, 0, 3).toInt(), most);
    }

    void teamSchedulesStartAtTheUsersTeam() {
        frmTeamSchedules screen(league());
        QCOMPARE(screen.Choices()->count(), 30);
        QCOMPARE(screen.Choice(), 1); // team 2 is run by the user
        const QString name = QString::fromStdString(league().team(2).Name);
        const int rows = screen.View()->model()->rowCount();
        QVERIFY(rows >= 70);
        for (int r = 0; r < rows; ++r)
            QVERIFY(Cell(screen, r, 2) == name || Cell(screen, r, 3) == name);
        QVERIFY(Cell(screen, 0, 7).startsWith(QLatin1Char('W')) ||
                Cell(screen, 0, 7).startsWith(QLatin1Char('L')));
        screen.show();
        test::Screenshot(screen, QStringLiteral("team_schedules"));
        screen.Choices()->setCurrentIndex(29);
        QCOMPARE(screen.View()->model()->rowCount(), 1189);
        QCOMPARE(screen.View()->model()->columnCount(), 7);
    }

    void leadersShowEveryCategoryOrOne() {
        frmLeaders screen(league());
        QCOMPARE(screen.Choices()->count(), 10);
        QCOMPARE(screen.View()->model()->rowCount(), 90);
        QCOMPARE(Cell(screen, 0, 0), QStringLiteral("Points"));
        screen.show();
        test::Screenshot(screen, QStringLiteral("league_leaders"));
        screen.Choices()->setCurrentIndex(2); // rebounds
        QCOMPARE(screen.View()->model()->rowCount(), 25);
        QCOMPARE(screen.View()->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("RPG"));
        QVERIFY(Cell(screen, 0, 5).toDouble() >= Cell(screen, 24, 5).toDouble());
    }

    void teamStatsViews() {
        frmTeamStats screen(league());
        QCOMPARE(screen.View()->model()->rowCount(), 29);
        QVERIFY(Cell(screen, 0, 2).contains(QLatin1Char('.'))); // per game
        screen.show();
        test::Screenshot(screen, QStringLiteral("team_stats"));
        screen.Choices()->setCurrentIndex(3); // opponents' totals
        const Team& first = league().team(1);
        QCOMPARE(Cell(screen, 0, 2).toInt(), first.PointsAllowed);
        QCOMPARE(Cell(screen, 0, 3).toInt(), first.Points);
    }

    void teamInformation() {
        frmTeamInfo screen(league());
        QCOMPARE(screen.Choice(), 1);
        const Team& t = league().team(2);
        QCOMPARE(Cell(screen, 0, 1), QString::fromStdString(t.City));
        QCOMPARE(Cell(screen, 2, 1), QStringLiteral("Human"));
        screen.show();
        test::Screenshot(screen, QStringLiteral("team_information"));
        screen.Choices()->setCurrentIndex(20);
        QCOMPARE(Cell(screen, 1, 1), QString::fromStdString(league().team(21).Name));
    }

    void theHubOpensEachScreen() {
        QtHost host;
        QWidget parent;
        HubContext ctx{session, host, &parent, [] {}};
        const std::vector<std::pair<std::string, QString>> screens{
            {"mnuStandings", QStringLiteral("Standings")},
            {"mnuTeamSchedules", QStringLiteral("Team Schedules")},
            {"mnuLeaders", QStringLiteral("League Leaders")},
            {"mnuTeamStats", QStringLiteral("Team Stats")},
            {"mnuTeamInfo", QStringLiteral("Team Information")},
        };
        for (const auto& [command, title] : screens) {
            QString opened;
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal) return;
                opened = modal->windowTitle();
                qobject_cast<QDialog*>(modal)->reject();
            });
            auto it = HubScreens().find(command);
            QVERIFY2(it != HubScreens().end(), command.c_str());
            it->second(ctx);
            QCOMPARE(opened, title);
        }
    }

  private:
    test::TempHome home;
    ScriptedHost quiet;
    Session session;
};

QTEST_MAIN(SeasonScreensTest)
#include "season_screens_test.moc"
