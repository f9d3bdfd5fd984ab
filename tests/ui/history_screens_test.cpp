// The All-Star screen run step by step, and the awards and history screens opened from the hub, on the
// default league after a few days of real games, an All-Star weekend and a season's awards.
#include <QTimer>
#include <QtTest>

#include "engine/game.h"
#include "frm_all_star.h"
#include "hub_screens.h"
#include "league/default_league.h"
#include "platform/scripted_host.h"
#include "screenshot.h"
#include "season/awards.h"
#include "season/in_season_awards.h"
#include "season/records.h"
#include "season/schedule.h"
#include "season/season_awards.h"
#include "support/temp_home.h"
#include "table_screen.h"

using namespace hv;

class HistoryScreensTest : public QObject {
    Q_OBJECT
  private:
    void Open(const std::string& command, const std::function<void(TableScreen&)>& look) {
        QtHost host;
        QWidget parent;
        HubContext ctx{session, host, &parent, [] {}};
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* screen = qobject_cast<TableScreen*>(QApplication::activeModalWidget());
            if (!screen) return;
            seen = true;
            struct Closer {
                TableScreen* screen;
                ~Closer() { screen->reject(); }
            } closer{screen};
            look(*screen);
        });
        auto it = HubScreens().find(command);
        QVERIFY2(it != HubScreens().end(), command.c_str());
        it->second(ctx);
        QVERIFY2(seen, command.c_str());
    }

  private slots:
    void initTestCase() {
        home.CopyInstalledData();
        League& l = session.league;
        l.programFolder = home.path();
        QVERIFY(RunStartup(session, quiet));
        QVERIFY(LoadDefaultLeagueKeepingRosters(session, quiet, "History"));
        EnsureLeagueFolders(home.path(), "History");
        l.rng.Seed(6);
        l.state.LeagueInjuries = false;
        l.state.SiteDuringSim = false;
        l.state.SeasonDay = Phase::BeforeSeason;
        QVERIFY(GenerateSchedule(l, quiet));
        for (; l.state.SeasonDay <= 5; ++l.state.SeasonDay) {
            const ScheduleDay& day = l.schedule[size_t(l.state.SeasonDay)];
            for (int g = 1; g <= day.NumGames; ++g) {
                clsGame game(l);
                game.StartGame(int16_t(l.FindTeam(day.Games[size_t(g)].HomeTeam)),
                               int16_t(l.FindTeam(day.Games[size_t(g)].AwayTeam)), false, int16_t(g),
                               "Regular");
                game.SimGame();
            }
        }
        NameInSeasonAwards(l); // day 6: the first week's player
        l.state.SeasonDay = Phase::AllStarDay;
    }

    // Step by step: each step's result shows, a half-played weekend is finished before the screen closes.
    void allStarScreenRunsTheWeekend() {
        League& l = session.league;
        frmAllStar screen(l, quiet);
        screen.show();
        QCOMPARE(screen.NextButton()->text(), QStringLiteral("Play the &Rookie Game"));
        QCOMPARE(screen.List()->model()->rowCount(), 20);
        test::Screenshot(screen, QStringLiteral("all_star_before"));
        QTest::mouseClick(screen.NextButton(), Qt::LeftButton);
        QVERIFY(screen.Results()->toPlainText().startsWith(QStringLiteral("Rookie Game: ")));
        QCOMPARE(screen.NextButton()->text(), QStringLiteral("Hold the 3-Point Shoo&tout"));
        QTest::mouseClick(screen.NextButton(), Qt::LeftButton);
        QCOMPARE(screen.ViewChoice()->currentIndex(), int(frmAllStar::kShootout));
        QCOMPARE(screen.List()->model()->rowCount(), 8);
        test::Screenshot(screen, QStringLiteral("all_star_shootout"));

        quiet.answers = {false}; // No: the screen stays open and the weekend where it was
        screen.reject();
        QVERIFY(screen.isVisible());
        QCOMPARE(l.state.SeasonDay, Phase::AllStarDay);
        quiet.answers = {true};
        screen.reject();
        QVERIFY(!screen.isVisible());
        QCOMPARE(l.state.SeasonDay, int16_t(Phase::AllStarDay + 1));
        QVERIFY(!screen.NextButton()->isEnabled());
        QVERIFY(screen.Results()->toPlainText().contains(QStringLiteral("All-Star Game MVP: ")));
        test::Screenshot(screen, QStringLiteral("all_star_after"));
    }

    // Each history screen through the hub: its title and rows, after a season's awards and records.
    void historyScreensShowTheirTables() {
        League& l = session.league;
        RatePlayers(l);
        NameSeasonAwards(l);
        for (Player& p : l.players) {
            p.CareerGames = p.SeasonStats.Games;
            p.Career.Points = p.SeasonStats.Points;
        }
        UpdateAllCareerRecords(l);
        struct Case {
            std::string command;
            QString title;
            int rows;
        };
        const std::vector<Case> cases{
            {"mnuSeasonAwards", QStringLiteral("Regular Season Awards"), 4 + 35},
            {"mnuInSeasonAwards", QStringLiteral("Weekly/Monthly Awards"), 1},
            {"mnuAllStarWinners", QStringLiteral("All-Star Weekend Winners"), 1},
            {"mnuTeamPerformance", QStringLiteral("Historical Team Performance"), 29},
            {"mnuVsHistory", QStringLiteral("Record Vs. Opponents"), 28},
            {"mnuTeamRecords", QStringLiteral("Team Records"), 12},
            {"mnuPlayerGameRecords", QStringLiteral("Player Game Records"), 20},
            {"mnuPlayerSeasonRecords", QStringLiteral("Player Season Records"), 0},
            {"mnuCareerRecords", QStringLiteral("Player Career Records"), 100},
            {"mnuHallFame", QStringLiteral("Hall of Fame"), 0},
        };
        for (const Case& c : cases)
            Open(c.command, [&](TableScreen& screen) {
                QCOMPARE(screen.windowTitle(), c.title);
                QCOMPARE(screen.View()->model()->rowCount(), c.rows);
                test::Screenshot(
                    screen,
                    c.title.toLower().replace(QLatin1Char(' '), QLatin1Char('_')).remove(QLatin1Char('/')));
            });
    }

  private:
    test::TempHome home;
    ScriptedHost quiet;
    Session session;
};

QTEST_MAIN(HistoryScreensTest)
#include "history_screens_test.moc"
