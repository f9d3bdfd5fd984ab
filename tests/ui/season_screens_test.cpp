// The season's screens on the default league after a few days of games: Team Schedules, League Leaders,
// Team Stats and Team Information opened from the hub, the player's card opened from a list by double-click,
// the standings as one table per division, the team screen's chart of wins and the transactions' filters.
#include <QBarSeries>
#include <QChart>
#include <QLineSeries>
#include <QScrollBar>

#include "frm_player_card.h"
#include "frm_standings.h"
#include "frm_start.h"
#include "frm_team_info.h"
#include "qt_host.h"
#include "reports/roster_report.h"
#include "screen_test.h"

using namespace hv;

namespace {

// Closes a modal dialog when a test's look at it ends, however it ends.
struct Closer {
    QDialog* dialog;
    ~Closer() { dialog->reject(); }
};

} // namespace

class SeasonScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        test::PlayFirstDays(home, session, "Screens", 4, 6);
        session.league.team(2).Owner = "Human";
    }

    // Each screen: its title, its first view, another view, and a picture of it. The standings are computed
    // on opening.
    void eachScreenShowsItsViews() {
        auto cell = [](const TableScreen& screen, int row, int column) {
            return screen.View()->model()->index(row, column).data().toString();
        };
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
                QCOMPARE(cell(screen, 0, c.column), c.firstCell);
                test::Screenshot(screen, c.title.toLower().replace(QLatin1Char(' '), QLatin1Char('_')));
                screen.Choices()->setCurrentIndex(c.otherChoice);
                QCOMPARE(screen.View()->model()->rowCount(), c.otherRows);
            });
        }
    }

    // A double-click on a roster's row opens that player's card, through the openers the hub installs.
    void doubleClickOnARosterOpensTheCard() {
        QtHost host;
        frmStart hub(session, host);
        TableScreen roster(QStringLiteral("Roster"),
                           [this](int) { return TeamRosterTable(session.league, 1); });
        roster.Refresh();
        roster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&roster));
        ReportView* view = roster.View();
        const int id = view->model()->index(2, 0).data(ReportTableModel::kKeyRole).toInt();
        QVERIFY(id > 0);
        bool seen = false;
        test::WhenModal<frmPlayerCard>([&](frmPlayerCard* card) {
            seen = true;
            const Closer closer{card}; // also when a check fails
            QCOMPARE(card->NameLabel()->text(), QString::fromStdString(session.league.player(id).Name));
            // The ratings name themselves in words on hovering.
            const QString tip = card->Ratings()->model()->index(0, 0).data(Qt::ToolTipRole).toString();
            QVERIFY(tip.startsWith(QStringLiteral("Overall rating")));
            QVERIFY(card->Seasons()->model()->rowCount() >= 2); // the season in play and the career line
            card->Tabs()->setCurrentIndex(card->Tabs()->count() - 1);
            const auto series = card->SeasonChart()->chart()->series();
            QCOMPARE(series.size(), 3);
            auto* points = qobject_cast<QLineSeries*>(series.first());
            QVERIFY(points);
            QCOMPARE(points->count(), 1); // one season so far
            QVERIFY(points->at(0).y() > 0 || session.league.player(id).SeasonStats.Points == 0);
            QVERIFY(card->width() <= 1366 && card->height() <= 768);
            test::Screenshot(*card, QStringLiteral("player_card_chart"));
            card->Tabs()->setCurrentIndex(0);
            test::Screenshot(*card, QStringLiteral("player_card"));
        });
        const QRect row = view->visualRect(view->model()->index(2, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(seen);
    }

    // Four division tables holding the 29 teams, every row in view, the human team bold on a tint.
    void standingsReadOneTablePerDivision() {
        QtHost host;
        QWidget parent;
        HubContext ctx{session, host, &parent, [] {}};
        session.league.team(1).DivRank = 0; // computed again on opening
        bool seen = false;
        test::WhenModal<frmStandings>([&](frmStandings* screen) {
            seen = true;
            const Closer closer{screen};
            QCOMPARE(int(screen->Tables().size()), 4);
            QVERIFY(screen->width() <= 1366 && screen->height() <= 768);
            int rows = 0, highlighted = 0;
            for (ReportView* table : screen->Tables()) {
                const int n = table->model()->rowCount();
                rows += n;
                // The last row lies inside the table's visible area: nothing to scroll.
                QVERIFY(table->visualRect(table->model()->index(n - 1, 0)).bottom() <
                        table->viewport()->height());
                QVERIFY(!table->verticalScrollBar()->isVisible());
                for (int r = 0; r < n; ++r) {
                    const QModelIndex cell = table->model()->index(r, 0);
                    const bool bold = cell.data(Qt::FontRole).value<QFont>().bold();
                    QCOMPARE(bold, cell.data(ReportTableModel::kKeyRole).toInt() == 2);
                    highlighted += bold;
                }
            }
            QCOMPARE(rows, 29);
            QCOMPARE(highlighted, 1);
            QCOMPARE(screen->Tables()[0]->model()->headerData(5, Qt::Horizontal).toString(),
                     QStringLiteral("Conf GB"));
            test::Screenshot(*screen, QStringLiteral("standings"));
            screen->View()->setCurrentIndex(1);
            QCOMPARE(int(screen->Tables().size()), 2);
            QCOMPARE(screen->Tables()[0]->model()->rowCount() + screen->Tables()[1]->model()->rowCount(), 29);
            test::Screenshot(*screen, QStringLiteral("standings_conference"));
        });
        HubScreens().at("mnuStandings")(ctx);
        QVERIFY(seen);
        QVERIFY(session.league.team(1).DivRank > 0);
    }

    void teamInfoChartsTheWinsBySeason() {
        test::OpenFromHub(session, "mnuTeamInfo", [&](TableScreen& screen) {
            auto* info = qobject_cast<frmTeamInfo*>(&screen);
            QVERIFY(info);
            auto* wins = qobject_cast<QLineSeries*>(info->WinsChart()->chart()->series().first());
            QVERIFY(wins);
            QCOMPARE(wins->count(), 1); // the season under way
            const Team& team = session.league.team(info->Choice() + 1);
            QCOMPARE(int(wins->at(0).y()), int(team.Wins()));
            test::Screenshot(screen, QStringLiteral("team_info_chart"));
        });
    }

    void transactionsFilterByTeamAndKind() {
        auto& log = session.league.tables.transactions;
        log.clear();
        log.push_back({"Lamplighters", 2005, 3, "Cut C Al Able"});
        log.push_back({"Ospreys", 2005, 4, "Sign PG Bo Best for $332,817 over one year."});
        log.push_back({"Lamplighters", 2005, 5, "Sign SF Cy Cole for $332,817 over one year."});
        test::OpenFromHub(session, "mnuTransactions", [&](TableScreen& screen) {
            QCOMPARE(screen.View()->model()->rowCount(), 3);
            QCOMPARE(screen.View()->model()->index(0, 3).data().toString(),
                     QStringLiteral("Sign SF Cy Cole for $332,817 over one year."));
            auto* type = screen.findChild<QComboBox*>(QStringLiteral("cboType"));
            QVERIFY(type);
            type->setCurrentIndex(type->findText(QStringLiteral("Sign")));
            QCOMPARE(screen.View()->model()->rowCount(), 2);
            screen.Choices()->setCurrentIndex(session.league.FindTeam("Lamplighters"));
            QCOMPARE(screen.View()->model()->rowCount(), 1);
            type->setCurrentIndex(0);
            QCOMPARE(screen.View()->model()->rowCount(), 2);
        });
    }

  private:
    test::TempHome home;
    Session session;
};

QTEST_MAIN(SeasonScreensTest)
#include "season_screens_test.moc"
