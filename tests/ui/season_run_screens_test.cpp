// The season's run on screen: Begin Season's question, days played and stopped, the All-Star button, a box
// score and the playoffs to the champion.

#include <QMessageBox>

#include "frm_all_star.h"
#include "frm_box_score.h"
#include "frm_playoffs.h"
#include "frm_sim_games.h"
#include "league/lineup.h"
#include "league/status_line.h"
#include "league/transactions.h"
#include "screen_test.h"
#include "season/begin_season.h"
#include "season/playoffs.h"
#include "season/sim_commands.h"

using namespace hv;

class SeasonRunScreensTest : public QObject {
    Q_OBJECT
  private:
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
    void initTestCase() { test::OpenDefaultLeague(home, session, "Screens Run", 12); }

    // A human team that could not play is named before the season begins; No goes back with nothing done.
    void beginSeasonWarnsOfAnIllegalHumanRoster() {
        Team& team = league().team(4);
        team.Owner = "Human";
        std::vector<int> benched;
        for (int id : RosterOf(league(), 4))
            if (team.ActivePlayers > kActiveRoster - 1 && !league().player(id).IR && PlaceOnIR(league(), id))
                benched.push_back(id);
        QCOMPARE(int(team.ActivePlayers), kActiveRoster - 1);
        QtHost qt;
        QWidget parent;
        HubContext hub{session, qt, &parent, [] {}};
        QString asked;
        test::WhenModal<QMessageBox>([&](QMessageBox* box) {
            asked = box->text();
            QTest::keyClick(box, Qt::Key_Return); // No is the default
        });
        HubScreens().at("mnuBeginSeason")(hub);
        QVERIFY2(
            asked.startsWith(QString::fromStdString("The " + team.Name + " have 11 of exactly 12 active / ")),
            qPrintable(asked));
        QVERIFY(asked.contains(QStringLiteral("Begin the season anyway?")));
        QCOMPARE(league().state.SeasonDay, int16_t(0));
        for (int id : benched)
            QVERIFY(ActivatePlayer(league(), id));
        team.Owner = "Computer";
    }

    void theScheduleScreenPlaysDaysAndStops() {
        QVERIFY(BeginSeason(league(), host, true));
        frmSimGames screen(league(), host);
        screen.show();
        QCOMPARE(screen.Games()->model()->rowCount(), league().schedule[1].NumGames);
        QVERIFY(!screen.Button("cmdAllStar")->isEnabled() && !screen.Button("cmdStop")->isEnabled());
        screen.Button("cmdSim")->click();
        QCOMPARE(league().state.SeasonDay, int16_t(2));
        QCOMPARE(screen.Results()->count(), 1 + league().schedule[1].NumGames);
        QCOMPARE(screen.Heading()->text(), QStringLiteral("Season 2003 - Day 2"));

        // Sim Season, stopped while it plays: the day under way is finished, no later one begun.
        bool looked = false;
        DuringRun(screen, 30, [&] {
            looked = true;
            QVERIFY(!screen.Button("cmdSimWeek")->isEnabled() && screen.Progress()->isVisible());
            // The heading and today's games follow the run.
            QCOMPARE(screen.Heading()->text(), QString::fromStdString(StatusLine(league().state)));
            QCOMPARE(screen.Games()->model()->rowCount(),
                     int(league().schedule[size_t(league().state.SeasonDay)].NumGames));
            test::Screenshot(screen, QStringLiteral("sim_games_during_run"));
            screen.Button("cmdStop")->click();
        });
        screen.Button("cmdSimSeason")->click();
        QVERIFY(looked);
        const int day = league().state.SeasonDay;
        QVERIFY(day > 2 && day < 10);
        QCOMPARE(PlayedOn(day - 1), league().schedule[static_cast<size_t>(day - 1)].NumGames);
        QCOMPARE(PlayedOn(day), 0);
        QVERIFY(screen.Button("cmdSimWeek")->isEnabled() && !screen.Progress()->isVisible());
    }

    // Sim stops at the break of day 60; the All-Star button, enabled on that day only, runs the weekend to
    // day 61.
    void theAllStarButtonRunsTheWeekendOnDay60() {
        league().state.SeasonDay = Phase::AllStarDay - 1; // the days between left unplayed
        frmSimGames screen(league(), host);
        screen.show();
        QVERIFY(!screen.Button("cmdAllStar")->isEnabled());
        screen.Button("cmdSim")->click();
        QCOMPARE(league().state.SeasonDay, int16_t(Phase::AllStarDay));
        host.messages.clear();
        screen.Button("cmdSim")->click(); // Sim alone does not play the weekend: it says what does
        QCOMPARE(league().state.SeasonDay, int16_t(Phase::AllStarDay));
        QCOMPARE(host.LastMessage(), std::string(kAllStarBreakNotice));
        QVERIFY(screen.Button("cmdAllStar")->isEnabled() && !screen.Button("cmdSimHalf")->isEnabled());

        bool seen = false;
        test::WhenModal<frmAllStar>([&](frmAllStar* weekend) {
            seen = true;
            weekend->RestButton()->click();
            weekend->reject();
        });
        screen.Button("cmdAllStar")->click();
        QVERIFY(seen);
        QCOMPARE(league().state.SeasonDay, int16_t(Phase::AllStarDay + 1));
        QVERIFY(league().tables.archive.back().Awards[1].PlayerID != 0); // the All-Star Game's MVP
    }

    // A human team that cannot play stops Sim before any game of its day, says what to do and offers Team
    // Roster.
    void aHumanRosterThatCannotPlayStopsBeforeTheDay() {
        const int day = league().state.SeasonDay;
        const ScheduleDay& today = league().schedule[size_t(day)];
        QVERIFY(today.NumGames >= 2 && PlayedOn(day) == 0);
        const int human = league().FindTeam(today.Games[size_t(today.NumGames)].HomeTeam); // its last game
        Team& team = league().team(human);
        team.Owner = "Human";
        const int benched = team.C1;
        QVERIFY(PlaceOnIR(league(), benched));
        frmSimGames screen(league(), host);
        screen.show();
        host.messages.clear();
        host.questions.clear();
        host.answers = {false};
        screen.Button("cmdSim")->click();
        QCOMPARE(int(league().state.SeasonDay), day);
        QCOMPARE(host.messages.back().title, std::string("Roster Error"));
        QCOMPARE(host.questions, std::vector<std::string>{"Open Team Roster now to put the roster right?"});
        // Put right, the day is played.
        QVERIFY(ActivatePlayer(league(), benched));
        screen.Button("cmdSim")->click();
        QCOMPARE(int(league().state.SeasonDay), day + 1);
        team.Owner = "Computer";
    }

    void aPlayedGameShowsItsBoxScore() {
        const ScheduledGame& game = league().schedule[1].Games[2];
        bool seen = false;
        test::WhenModal<frmBoxScore>([&](frmBoxScore* box) {
            seen = true;
            QVERIFY(box->FinalLine()->text().contains(QString::fromStdString(game.HomeTeam)));
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
        test::WhenModal<frmPlayoffs>([&](frmPlayoffs* screen) {
            seen = true;
            struct Closer { // closes the screen even when a check fails
                QDialog* s;
                ~Closer() { s->reject(); }
            } closer{screen};
            QCOMPARE(screen->Bracket()->model()->rowCount(), 8);
            screen->Button("cmdSim")->click();
            QCOMPARE(league().state.SeasonDay, int16_t(123));
            screen->Button("cmdSimAll")->click();
            QCOMPARE(league().state.SeasonDay, int16_t(kPlayoffsOver));
            // A run of more than a week saved the league after every week, and listed each save.
            QCOMPARE(
                screen->Results()
                    ->findItems(QStringLiteral("Saved: Season 2003 - Playoffs: Day 130"), Qt::MatchExactly)
                    .size(),
                1);
            QVERIFY(std::filesystem::exists(home.path() / "save" / "Screens Run.sav"));
            QCOMPARE(screen->Bracket()->model()->rowCount(), 15);
            QVERIFY(screen->Champion()->text().startsWith(QStringLiteral("Champion: ")));
            test::Screenshot(*screen, QStringLiteral("playoffs_after_run"));
        });
        OpenPlayoffs(league(), host, nullptr);
        QVERIFY(seen);
        QVERIFY(PlayoffChampion(league()) != 0);
    }

  private:
    test::TempHome home;
    Session session;
    ScriptedHost host;
};

QTEST_MAIN(SeasonRunScreensTest)
#include "season_run_screens_test.moc"
