// Standings, Team Schedules, League Leaders, Team Stats and Team Information, opened from the hub on the
// default league after a few days of real games.
#include <QTimer>
#include <QtTest>

#include "engine/game.h"
#include "hub_screens.h"
#include "league/default_league.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "screenshot.h"
#include "season/schedule.h"
#include "support/temp_home.h"
#include "table_screen.h"

using namespace hv;

class SeasonScreensTest : public QObject {
    Q_OBJECT
  private:
    // Opens the command's screen through the hub; `look` sees it while it is open.
    void Open(const std::string& command, const std::function<void(TableScreen&)>& look) {
        QtHost host;
        QWidget parent;
        HubContext ctx{session, host, &parent, [] {}};
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* screen = qobject_cast<TableScreen*>(QApplication::activeModalWidget());
            if (!screen) return;
            seen = true;
            struct Closer { // closes the screen even when a check inside `look` fails
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

    static QString Cell(const TableScreen& screen, int row, int column) {
        return screen.View()->model()->index(row, column).data().toString();
    }

  private slots:
    void initTestCase() {
        home.CopyInstalledData();
        League& l = session.league;
        l.programFolder = home.path();
        ScriptedHost quiet;
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

    // Each screen: its title, its first view, another view, and a picture of it. The standings are computed
    // on opening.
    void eachScreenShowsItsViews() {
        struct Case {
            std::string command;
            QString title;
            int rows, choices, otherChoice, otherRows;
            int column;
            QString firstCell; // in row 0 of the first view
        };
        const std::vector<Case> cases{
            {"mnuStandings", QStringLiteral("Standings"), 29, 2, 1, 29, 1, QStringLiteral("Atlantic")},
            {"mnuTeamSchedules", QStringLiteral("Team Schedules"), 82, 30, 29, 1189, 6,
             QStringLiteral("Yes")},
            {"mnuLeaders", QStringLiteral("League Leaders"), 90, 10, 2, 25, 1, QStringLiteral("1")},
            {"mnuTeamStats", QStringLiteral("Team Stats"), 29, 4, 3, 29, 0,
             QStringLiteral("Hartford Lamplighters")},
            {"mnuTeamInfo", QStringLiteral("Team Information"), 21, 29, 20, 21, 1,
             QString::fromStdString(session.league.team(2).City)},
        };
        session.league.team(1).DivRank = 0;
        for (const Case& c : cases) {
            Open(c.command, [&](TableScreen& screen) {
                QCOMPARE(screen.windowTitle(), c.title);
                QCOMPARE(screen.View()->model()->rowCount(), c.rows);
                QCOMPARE(screen.Choices()->count(), c.choices);
                QCOMPARE(Cell(screen, 0, c.column), c.firstCell);
                test::Screenshot(screen, c.title.toLower().replace(QLatin1Char(' '), QLatin1Char('_')));
                screen.Choices()->setCurrentIndex(c.otherChoice);
                QCOMPARE(screen.View()->model()->rowCount(), c.otherRows);
            });
        }
        QVERIFY(session.league.team(1).DivRank > 0);
    }

  private:
    test::TempHome home;
    Session session;
};

QTEST_MAIN(SeasonScreensTest)
#include "season_screens_test.moc"
