// The season's run on screen: Begin Season from the hub, the schedule screen playing days and stopped in the
// middle of a run, a game's box score, the playoffs screen to the champion, the end of the season and Past
// Champs.
#include <QTimer>
#include <QtTest>

#include "frm_box_score.h"
#include "frm_end_season.h"
#include "frm_playoffs.h"
#include "frm_sim_games.h"
#include "hub_screens.h"
#include "league/default_league.h"
#include "platform/scripted_host.h"
#include "screenshot.h"
#include "season/playoffs.h"
#include "support/temp_home.h"
#include "table_screen.h"

using namespace hv;

class SeasonRunScreensTest : public QObject {
    Q_OBJECT
  private:
    // Acts on the next modal dialog of class T once it is up (bounded wait).
    template <class T> static void WhenModal(std::function<void(T*)> act, int tries = 500) {
        QTimer::singleShot(tries == 500 ? 0 : 5, [act, tries] {
            auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!modal && tries > 0) return WhenModal<T>(act, tries - 1);
            QVERIFY(modal);
            act(modal);
        });
    }

    // Calls `look` once, while a run of `screen` is under way and has listed more than `lines` result lines.
    static void DuringRun(SimScreen& screen, int lines, std::function<void()> look) {
        auto* timer = new QTimer(&screen);
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, &screen, [timer, &screen, lines, look] {
            if (!screen.Running() || screen.Results()->count() <= lines) return;
            timer->stop();
            timer->deleteLater();
            look();
        });
        timer->start();
    }

    int PlayedOn(int day) {
        const ScheduleDay& d = league().schedule[static_cast<size_t>(day)];
        int played = 0;
        for (int g = 1; g <= d.NumGames; ++g)
            played += d.Games[static_cast<size_t>(g)].Played ? 1 : 0;
        return played;
    }

    League& league() { return session.league; }

  private slots:
    void initTestCase() {
        home.CopyInstalledData();
        league().programFolder = home.path();
        QVERIFY(RunStartup(session, host));
        QVERIFY(LoadDefaultLeagueKeepingRosters(session, host, "Screens Run"));
        league().rng.Seed(12);
        league().state.SiteDuringSim = false;
        league().state.SeasonDay = Phase::BeforeSeason;
    }

    void beginSeasonFromTheHub() {
        QtHost qt;
        QWidget parent;
        HubContext hub{session, qt, &parent, [] {}};
        HubScreens().at("mnuBeginSeason")(hub);
        QCOMPARE(league().state.SeasonDay, int16_t(1));
        QVERIFY(league().schedule[1].NumGames > 0);
    }

    void theScheduleScreenPlaysDaysAndStops() {
        frmSimGames screen(league(), host);
        screen.show();
        QCOMPARE(screen.Games()->model()->rowCount(), league().schedule[1].NumGames);
        QVERIFY(!screen.Button("cmdAllStar")->isEnabled());
        QVERIFY(!screen.Button("cmdStop")->isEnabled());
        test::Screenshot(screen, QStringLiteral("sim_games_before"));

        screen.Button("cmdSim")->click();
        QCOMPARE(league().state.SeasonDay, int16_t(2));
        QCOMPARE(screen.Results()->item(0)->text(), QStringLiteral("Day 1"));
        QCOMPARE(screen.Results()->count(), 1 + league().schedule[1].NumGames);
        QCOMPARE(screen.Games()->model()->rowCount(), league().schedule[2].NumGames);
        QCOMPARE(screen.Heading()->text(), QStringLiteral("Season 2003 - Day 2"));

        // Sim Season, stopped while it plays: the day under way is finished, no later one begun.
        bool looked = false;
        DuringRun(screen, 30, [&] {
            looked = true;
            QVERIFY(!screen.Button("cmdSimWeek")->isEnabled());
            QVERIFY(!screen.Button("cmdBox")->isEnabled());
            QVERIFY(screen.Progress()->isVisible());
            test::Screenshot(screen, QStringLiteral("sim_games_during_run"));
            screen.Button("cmdStop")->click();
        });
        screen.Button("cmdSimSeason")->click();
        QVERIFY(looked);
        const int day = league().state.SeasonDay;
        QVERIFY(day > 2 && day < 10);
        QCOMPARE(PlayedOn(day - 1), league().schedule[static_cast<size_t>(day - 1)].NumGames);
        QCOMPARE(PlayedOn(day), 0);
        QVERIFY(screen.Button("cmdSimWeek")->isEnabled());
        QVERIFY(!screen.Progress()->isVisible());
        test::Screenshot(screen, QStringLiteral("sim_games_after_run"));

        // Sim Game plays the selected game of today; the day ends with its last game.
        screen.Games()->SelectKey(day * 100 + 1);
        screen.Button("cmdSimGame")->click();
        QCOMPARE(PlayedOn(day), 1);
        QCOMPARE(league().state.SeasonDay, int16_t(day));
    }

    void aPlayedGameShowsItsBoxScore() {
        const ScheduledGame& game = league().schedule[1].Games[2];
        bool seen = false;
        WhenModal<frmBoxScore>([&](frmBoxScore* box) {
            seen = true;
            const QString result = box->FinalLine()->text();
            QVERIFY(result.contains(QString::fromStdString(game.HomeTeam)));
            QCOMPARE(box->Quarters()->model()->rowCount(), 2);
            QCOMPARE(box->Quarters()->model()->index(1, 0).data().toString(),
                     QString::fromStdString(game.HomeTeam));
            QCOMPARE(box->Quarters()->model()->index(1, 6).data().toInt(), int(game.HomeScore));
            QVERIFY(box->HomePlayers()->model()->rowCount() >= 9); // the dressed players and the totals
            QVERIFY(!box->Tabs()->isTabEnabled(1));                // no play-by-play was kept
            test::Screenshot(*box, QStringLiteral("box_score"));
            box->reject();
        });
        frmBoxScore::Show(league(), host, 1, 2, nullptr);
        QVERIFY(seen);
    }

    void thePlayoffsScreenPlaysToTheChampion() {
        league().state.SeasonDay = Phase::FirstPlayoffDay; // the rest of the regular season left unplayed
        bool seen = false;
        WhenModal<frmPlayoffs>([&](frmPlayoffs* screen) {
            seen = true;
            struct Closer {
                frmPlayoffs* s;
                ~Closer() { s->reject(); }
            } closer{screen};
            QCOMPARE(league().state.SeasonDay, int16_t(122));
            QCOMPARE(screen->Bracket()->model()->rowCount(), 8);
            screen->Button("cmdSim")->click();
            QCOMPARE(league().state.SeasonDay, int16_t(123));
            QCOMPARE(screen->SeriesGames()->model()->rowCount(), 1);
            QVERIFY(!screen->Champion()->isVisible());

            bool looked = false;
            DuringRun(*screen, 40, [&] {
                looked = true;
                test::Screenshot(*screen, QStringLiteral("playoffs_during_run"));
            });
            screen->Button("cmdSimAll")->click();
            QVERIFY(looked);
            QCOMPARE(league().state.SeasonDay, int16_t(kPlayoffsOver));
            QCOMPARE(screen->Bracket()->model()->rowCount(), 15);
            QVERIFY(screen->Champion()->text().startsWith(QStringLiteral("Champion: ")));
            QVERIFY(!screen->Button("cmdSimAll")->isEnabled());
            QVERIFY(
                screen->Results()->findItems(QStringLiteral("No games today."), Qt::MatchContains).size() >
                0);
            test::Screenshot(*screen, QStringLiteral("playoffs_after_run"));
        });
        OpenPlayoffs(league(), host, nullptr);
        QVERIFY(seen);
        QVERIFY(PlayoffChampion(league()) != 0);
    }

    void endSeasonListsItsStepsAndPastChampsTheChampion() {
        bool seen = false;
        WhenModal<frmEndSeason>([&](frmEndSeason* screen) {
            seen = true;
            QCOMPARE(screen->Steps()->count(), 7);
            QCOMPARE(screen->Steps()->item(6)->text(), QStringLiteral("Done"));
            test::Screenshot(*screen, QStringLiteral("end_season"));
            screen->CloseButton()->click();
        });
        OpenEndSeason(league(), host, nullptr);
        QVERIFY(seen);
        QCOMPARE(league().state.SeasonDay, int16_t(Phase::RookieDraft));

        QtHost qt;
        QWidget parent;
        HubContext hub{session, qt, &parent, [] {}};
        bool listed = false;
        WhenModal<TableScreen>([&](TableScreen* screen) {
            listed = true;
            QCOMPARE(screen->windowTitle(), QStringLiteral("Past Champions"));
            QCOMPARE(screen->View()->model()->rowCount(), 1);
            QCOMPARE(screen->View()->model()->index(0, 0).data().toString(), QStringLiteral("2003"));
            screen->reject();
        });
        HubScreens().at("mnuChamps")(hub);
        QVERIFY(listed);
    }

  private:
    test::TempHome home;
    Session session;
    ScriptedHost host;
};

QTEST_MAIN(SeasonRunScreensTest)
#include "season_run_screens_test.moc"
