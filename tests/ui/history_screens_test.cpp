// The All-Star screen run step by step, and the awards and history screens opened from the hub, on the
// default league after a few days of real games, an All-Star weekend and a season's awards.

#include "frm_all_star.h"
#include "league/record_updates.h"
#include "screen_test.h"
#include "season/awards.h"
#include "season/in_season_awards.h"
#include "season/season_awards.h"

using namespace hv;

class HistoryScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        test::PlayFirstDays(home, session, "History", 6, 5);
        NameInSeasonAwards(session.league); // day 6: the first week's player
        session.league.state.SeasonDay = Phase::AllStarDay;
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
            test::OpenFromHub(session, c.command, [&](TableScreen& screen) {
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
