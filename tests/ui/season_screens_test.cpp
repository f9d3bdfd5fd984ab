// Team Schedules, League Leaders, Team Stats and Team Information, opened from the hub on the
// default league after a few days of real games.

#include "screen_test.h"

using namespace hv;

class SeasonScreensTest : public QObject {
    Q_OBJECT
  private:
    static QString Cell(const TableScreen& screen, int row, int column) {
        return screen.View()->model()->index(row, column).data().toString();
    }

  private slots:
    void initTestCase() {
        test::PlayFirstDays(home, session, "Screens", 4, 6);
        session.league.team(2).Owner = "Human";
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
            {"mnuTeamSchedules", QStringLiteral("Team Schedules"), 82, 30, 29, 1189, 6,
             QStringLiteral("Yes")},
            {"mnuLeaders", QStringLiteral("League Leaders"), 90, 10, 2, 25, 1, QStringLiteral("1")},
            {"mnuTeamStats", QStringLiteral("Team Stats"), 29, 4, 3, 29, 0,
             QStringLiteral("Hartford Lamplighters")},
            {"mnuTeamInfo", QStringLiteral("Team Information"), 21, 29, 20, 21, 1,
             QString::fromStdString(session.league.team(2).City)},
        };
        for (const Case& c : cases) {
            test::OpenFromHub(session, c.command, [&](TableScreen& screen) {
                QCOMPARE(screen.windowTitle(), c.title);
                QCOMPARE(screen.View()->model()->rowCount(), c.rows);
                QCOMPARE(screen.Choices()->count(), c.choices);
                QCOMPARE(Cell(screen, 0, c.column), c.firstCell);
                test::Screenshot(screen, c.title.toLower().replace(QLatin1Char(' '), QLatin1Char('_')));
                screen.Choices()->setCurrentIndex(c.otherChoice);
                QCOMPARE(screen.View()->model()->rowCount(), c.otherRows);
            });
        }
    }

  private:
    test::TempHome home;
    Session session;
};

QTEST_MAIN(SeasonScreensTest)
#include "season_screens_test.moc"
