// A new user's first league played through the real screens, from File > New Game to the first day of the
// second season: every step from the hub's menus or the dashboard's next-step button, every question
// answered as a user would, and any message nobody expected failing the play instead of hanging it.
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>

#include "contract_screens.h"
#include "frm_draft.h"
#include "frm_end_season.h"
#include "frm_free_agency.h"
#include "frm_new_league.h"
#include "frm_playoffs.h"
#include "frm_sim_games.h"
#include "frm_start.h"
#include "frm_team_roster.h"
#include "frm_trade_offer.h"
#include "gui_startup.h"
#include "league/team_control.h"
#include "league/transactions.h"
#include "personnel/free_agency.h"
#include "personnel/free_agency_bids.h"
#include "personnel/resign.h"
#include "screen_test.h"
#include "season/roster_checks.h"

using namespace hv;

namespace {

// Answers the message boxes as a user would: a box whose text holds one of the expected parts gets its
// answer at once; any other box is kept and closed with Escape (No, for a question) after a moment.
class Answerer {
  public:
    Answerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start(10);
    }
    void Expect(const QString& part, QMessageBox::StandardButton answer) { rules_.push_back({part, answer}); }
    // The boxes no rule expected since the last call, emptied.
    QStringList TakeUnexpected() { return std::exchange(unexpected_, {}); }
    // Every box seen since the last call, as "Title: text", emptied.
    QStringList TakeSeen() { return std::exchange(seen_, {}); }

  private:
    void Look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* offer = qobject_cast<frmTradeOffer*>(modal)) {
            // A computer team's offer: looked at and declined, as its default button has it.
            seen_ << QStringLiteral("Trade offer: ") + offer->windowTitle();
            test::Screenshot(*offer, QStringLiteral("trade_offer_%1").arg(++offers_));
            offer->DeclineButton()->click();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        // Another window that stays up far longer than any step takes has trapped the play.
        if (!box) {
            if (modal != stuck_) {
                stuck_ = modal;
                stuckTicks_ = 0;
            } else if (modal && ++stuckTicks_ == 2000) {
                qInfo("stuck in %s %s", modal->metaObject()->className(), qPrintable(modal->windowTitle()));
                unexpected_ << QStringLiteral("stuck in ") + QLatin1String(modal->metaObject()->className()) +
                                   QStringLiteral(" ") + modal->windowTitle();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
            return;
        }
        if (box != box_) {
            box_ = box;
            ticks_ = 0;
            seen_ << box->windowTitle() + QStringLiteral(": ") + box->text();
            for (const auto& [part, answer] : rules_)
                if (box->text().contains(part) && box->button(answer)) {
                    box->button(answer)->click();
                    return;
                }
        }
        if (++ticks_ == 30) {
            unexpected_ << box->windowTitle() + QStringLiteral(": ") + box->text();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    }

    QTimer timer_;
    QPointer<QMessageBox> box_;
    QPointer<QWidget> stuck_;
    int ticks_ = 0, stuckTicks_ = 0, offers_ = 0;
    std::vector<std::pair<QString, QMessageBox::StandardButton>> rules_;
    QStringList seen_, unexpected_;
};

} // namespace

class PlaythroughTest : public QObject {
    Q_OBJECT
    test::TempHome home;
    Session session;
    QtHost host;
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<frmStart> hub;
    std::unique_ptr<Answerer> answers;
    QElapsedTimer clock;
    int human = 0;

    League& league() { return session.league; }
    int16_t Day() { return league().state.SeasonDay; }

    // Opens the screen of class T that the hub command (or, with an empty name, the next-step button)
    // brings up; `act` drives it, and the screen is closed afterwards when still open.
    template <class T> void Drive(const QString& command, const std::function<void(T&)>& act) {
        bool seen = false;
        test::WhenModal<T>([&](T* screen) {
            seen = true;
            act(*screen);
            if (screen->isVisible()) static_cast<QDialog*>(screen)->reject();
        });
        if (command.isEmpty()) {
            QVERIFY(hub->Dashboard()->NextStepButton()->isEnabled());
            hub->Dashboard()->NextStepButton()->click();
        } else {
            QAction* a = hub->Command(command);
            QVERIFY2(a->isEnabled(), qPrintable(command + QStringLiteral(": ") + a->statusTip()));
            a->trigger();
        }
        QVERIFY2(seen, qPrintable(command));
    }

    void NextStepIs(const QString& caption) { QCOMPARE(hub->Dashboard()->NextStepButton()->text(), caption); }

    // The boxes of the step just played are told in the log; one that nobody expected fails it.
    void StepDone(const char* step) {
        for (const QString& text : answers->TakeSeen())
            qInfo("%s: %s", step, qPrintable(text.left(200)));
        qInfo("%s done at %lld ms, %s", step, static_cast<long long>(clock.elapsed()),
              qPrintable(hub->StatusText()));
        const QStringList unexpected = answers->TakeUnexpected();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
    }

    void Shot(const QString& name) {
        QCoreApplication::processEvents();
        test::Screenshot(*hub, name);
    }

    // Team Roster on the human team: the worst players go on injured reserve while there is room, then are
    // cut, until the roster is legal.
    void FixHumanRoster(const char* step) {
        Drive<frmTeamRoster>(QStringLiteral("mnuTeamRoster"), [&](frmTeamRoster& screen) {
            QCOMPARE(screen.TeamShown(), human);
            test::Screenshot(screen, QStringLiteral("team_roster_%1_before").arg(QLatin1String(step)));
            for (int guard = 0; guard < 10 && !IllegalHumanRosters(league()).empty(); ++guard) {
                const Team& t = league().team(human);
                // The lowest-rated active player.
                int worst = 0;
                for (int id : screen.Roster()->Table().rowKeys) {
                    const Player& p = league().player(id);
                    if (p.IR) continue;
                    if (worst == 0 || p.CurrentRating < league().player(worst).CurrentRating) worst = id;
                }
                QVERIFY(worst != 0);
                screen.Roster()->SelectKey(worst);
                if (t.ActivePlayers > kActiveRoster && screen.ReserveButton()->isEnabled())
                    screen.ReserveButton()->click();
                else
                    screen.CutButton()->click();
            }
            test::Screenshot(screen, QStringLiteral("team_roster_%1_after").arg(QLatin1String(step)));
        });
        QVERIFY2(IllegalHumanRosters(league()).empty(), IllegalHumanRosters(league()).c_str());
        StepDone(step);
    }

  private slots:
    void initTestCase() {
        clock.start();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Hoopvale"));
        QCoreApplication::setApplicationName(QStringLiteral("HoopvalePlay"));
        frmStart::SetRecentLeagues({});
        home.CopyInstalledData();
        session.league.programFolder = home.path();
        hub = StartProgram(session, host, lock);
        QVERIFY(hub != nullptr);
        session.league.rng.Seed(12); // a league whose user has players to re-sign and room to bid
        hub->resize(1366, 768);
        hub->show();
        answers = std::make_unique<Answerer>();
        using B = QMessageBox::StandardButton;
        answers->Expect(QStringLiteral("Would you like to continue?"), B::Yes); // injuries, the deadline
        answers->Expect(QStringLiteral("End the draft now?"), B::Yes);
        answers->Expect(QStringLiteral("Re-sign "), B::Yes);
        answers->Expect(QStringLiteral("Are you sure you want to release"), B::Yes);
        answers->Expect(QStringLiteral("Go on with free agency?"), B::Yes);
        answers->Expect(QStringLiteral("Free agency is over."), B::Ok);
        answers->Expect(QStringLiteral("Do you accept this trade?"), B::No);
        answers->Expect(QStringLiteral("No computer team had to cut a player."), B::Ok);
        answers->Expect(QStringLiteral("The computer teams' cuts:"), B::Ok);
        answers->Expect(QStringLiteral("has decided to test free agency."), B::Ok);
        answers->Expect(QStringLiteral("The draft is over."), B::Ok);
        answers->Expect(QStringLiteral("no longer holds."), B::Ok);
        answers->Expect(QStringLiteral("line-up had open places, which the computer filled"), B::Ok);
        answers->Expect(QString::fromLatin1(kAllStarBreakNotice), B::Ok);
    }

    void newGameWithOneHumanTeam() {
        QVERIFY(hub->Dashboard()->ShowsWelcome());
        Shot(QStringLiteral("01_welcome"));
        Drive<frmNewLeague>(QStringLiteral("mnuNewGame"), [&](frmNewLeague& screen) {
            screen.NameField()->setText(QStringLiteral("Playthrough"));
            QTableWidget* teams = screen.TeamList();
            QVERIFY(teams->rowCount() == kLeagueTeams);
            teams->item(4, 1)->setCheckState(Qt::Checked); // the fifth team is the user's
            for (int row = 0; row < teams->rowCount(); ++row)
                teams->item(row, 3)->setCheckState(Qt::Unchecked); // no play-by-play
            test::Screenshot(screen, QStringLiteral("02_new_league"));
            screen.OkButton()->click();
        });
        QVERIFY(league().leagueOpen);
        human = 5;
        QVERIFY(IsHuman(league().team(human)));
        for (int t = 1; t <= kLeagueTeams; ++t)
            QCOMPARE(IsHuman(league().team(t)), t == human);
        qInfo("new league at day %d, %s", Day(), qPrintable(hub->StatusText()));
        Shot(QStringLiteral("03_new_league_hub"));
        StepDone("new game");
    }

    // A league that keeps the default rosters opens at free agency, before its first season.
    void preseasonFreeAgencyAndCamps() {
        QCOMPARE(Day(), Phase::FirstFreeAgency);
        NextStepIs(QStringLiteral("Run Free Agency"));
        Drive<frmFreeAgency>({}, [&](frmFreeAgency& screen) {
            test::Screenshot(screen, QStringLiteral("04_free_agency_first"));
            screen.Button("cmdSimEnd")->click();
        });
        QCOMPARE(Day(), Phase::TrainingCamps);
        StepDone("pre-season free agency");
        NextStepIs(QStringLiteral("Run Training Camps"));
        Drive<TableScreen>({}, [&](TableScreen& screen) {
            screen.findChild<QPushButton*>(QStringLiteral("cmdCuts"))->click();
            screen.findChild<QPushButton*>(QStringLiteral("cmdCamps"))->click();
            test::Screenshot(screen, QStringLiteral("05_camps_first"));
        });
        QCOMPARE(Day(), Phase::BeforeSeason);
        StepDone("pre-season camps");
    }

    void beginTheFirstSeason() {
        Shot(QStringLiteral("06_before_first_season"));
        if (!IllegalHumanRosters(league()).empty()) {
            qInfo("before season 1: %s", IllegalHumanRosters(league()).c_str());
            FixHumanRoster("roster_season1");
        }
        NextStepIs(QStringLiteral("Begin Season"));
        const int16_t season = league().state.Season;
        hub->Dashboard()->NextStepButton()->click();
        QCOMPARE(Day(), Phase::FirstDay);
        QCOMPARE(league().state.Season, season);
        QCOMPARE(hub->StatusText(), QStringLiteral("Season %1 - Day 1").arg(season));
        StepDone("begin season 1");
    }

    // Sim Week first, a look at the hub in mid-season, then Sim Season to the end, through the All-Star
    // break.
    void regularSeasonFromSimGames() {
        Drive<frmSimGames>({}, [&](frmSimGames& screen) {
            screen.HtmlBox()->setChecked(false);
            screen.Button("cmdSimWeek")->click();
            test::Screenshot(screen, QStringLiteral("07_sim_games_week"));
        });
        QVERIFY(Day() > Phase::FirstDay);
        Shot(QStringLiteral("08_hub_after_week"));
        StepDone("sim week");
        for (int run = 0; run < 6 && Day() <= Phase::LastDay; ++run) {
            Drive<frmSimGames>({}, [&](frmSimGames& screen) {
                QPushButton* allStar = screen.Button("cmdAllStar");
                if (allStar && allStar->isEnabled())
                    allStar->click();
                else
                    screen.Button("cmdSimSeason")->click();
                if (run == 0) test::Screenshot(screen, QStringLiteral("09_sim_games_season"));
            });
            qInfo("after run %d: day %d", run, Day());
            if (Day() > 60 && Day() < 100) Shot(QStringLiteral("10_hub_mid_season"));
            StepDone("sim season");
        }
        QCOMPARE(Day(), Phase::FirstPlayoffDay);
        Shot(QStringLiteral("11_hub_end_regular_season"));
    }

    void playoffsToTheEnd() {
        NextStepIs(QStringLiteral("Begin the Playoffs"));
        Drive<frmPlayoffs>({}, [&](frmPlayoffs& screen) {
            test::Screenshot(screen, QStringLiteral("12_playoffs_start"));
            screen.Button("cmdSimAll")->click();
            test::Screenshot(screen, QStringLiteral("13_playoffs_end"));
            QVERIFY(!screen.Champion()->text().isEmpty());
        });
        QVERIFY(Day() >= Phase::FirstEndSeason);
        StepDone("playoffs");
        Shot(QStringLiteral("14_hub_after_playoffs"));
    }

    // The steps run with the screen up and the hub's commands out of reach; Close comes when they are done.
    void endSeason() {
        NextStepIs(QStringLiteral("End Season"));
        bool closed = false;
        int modalSteps = 0, modelessSteps = 0, modelessAfter = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* screen = hub->findChild<frmEndSeason*>();
            if (!screen || !screen->isVisible() || closed) return;
            if (!screen->CloseButton()->isEnabled()) {
                ++(QApplication::activeModalWidget() ? modalSteps : modelessSteps);
                return;
            }
            // Closed anyway when it is not modal once its steps are done: the play goes on and fails.
            if (QApplication::activeModalWidget() != screen && ++modelessAfter < 200) return;
            QVERIFY(screen->Steps()->count() > 0);
            test::Screenshot(*screen, QStringLiteral("15_end_season"));
            closed = true;
            screen->CloseButton()->click();
        });
        poll.start(5);
        QElapsedTimer steps;
        steps.start();
        hub->Dashboard()->NextStepButton()->click();
        poll.stop();
        qInfo("the end of the season took %lld ms", static_cast<long long>(steps.elapsed()));
        QVERIFY(closed);
        QVERIFY(modalSteps > 0);
        QCOMPARE(modelessSteps, 0);
        QCOMPARE(modelessAfter, 0);
        QCOMPARE(Day(), Phase::RookieDraft);
        StepDone("end season");
        Shot(QStringLiteral("16_hub_draft"));
    }

    void rookieDraftEndedByTheComputer() {
        NextStepIs(QStringLiteral("Run the draft"));
        Drive<frmDraft>({}, [&](frmDraft& screen) {
            test::Screenshot(screen, QStringLiteral("17_draft_start"));
            screen.Button("cmdEndDraft")->click();
            test::Screenshot(screen, QStringLiteral("18_draft_end"));
        });
        QCOMPARE(Day(), Phase::FirstFreeAgency);
        StepDone("draft");
        Shot(QStringLiteral("19_hub_free_agency"));
    }

    // Free agency: the human team's waiting players re-signed (at least one), one bid, then Sim to End.
    void resigningAndFreeAgency() {
        NextStepIs(QStringLiteral("Run Free Agency"));
        const size_t waiting = PlayersAwaitingResign(league()).size();
        QVERIFY(waiting > 0);
        int resigned = 0;
        Drive<frmFreeAgency>({}, [&](frmFreeAgency& screen) {
            test::Screenshot(screen, QStringLiteral("20_free_agency"));
            if (waiting > 0) {
                test::WhenModal<TableScreen>([&](TableScreen* resign) {
                    test::Screenshot(*resign, QStringLiteral("21_resign"));
                    resign->SelectKey(resign->Table().rowKeys.front());
                    resigned = resign->SelectedKey();
                    resign->findChild<QPushButton*>(QStringLiteral("cmdResign"))->click();
                    resign->accept();
                });
                screen.Button("cmdResign")->click();
            }
            const int best = FreeAgentsByRating(league(), 1).at(0);
            screen.SelectPlayer(best);
            screen.Button("cmdMid")->click();
            screen.Button("cmdBid")->click();
            QVERIFY(FindBid(league(), best, human) != nullptr);
            QCOMPARE(screen.BidList()->model()->index(0, 0).data().toString(),
                     QString::fromStdString(league().team(human).Name));
            test::Screenshot(screen, QStringLiteral("22_free_agency_bid"));
            screen.Button("cmdSimEnd")->click();
        });
        if (waiting > 0) {
            QVERIFY(resigned != 0);
            QCOMPARE(QString::fromStdString(league().player(resigned).Team),
                     QString::fromStdString(league().team(human).Name));
        }
        QCOMPARE(Day(), Phase::TrainingCamps);
        StepDone("free agency");
    }

    void trainingCamps() {
        NextStepIs(QStringLiteral("Run Training Camps"));
        Drive<TableScreen>({}, [&](TableScreen& screen) {
            screen.findChild<QPushButton*>(QStringLiteral("cmdCuts"))->click();
            screen.findChild<QPushButton*>(QStringLiteral("cmdCamps"))->click();
            test::Screenshot(screen, QStringLiteral("23_camps"));
        });
        QCOMPARE(Day(), Phase::BeforeSeason);
        StepDone("camps");
    }

    void secondSeasonBeginsWithALegalRosterAndPlaysItsFirstDay() {
        const Team& t = league().team(human);
        qInfo("human team before season 2: %d active, %d on the roster; %s", t.ActivePlayers, t.NumPlayers,
              IllegalHumanRosters(league()).c_str());
        if (!IllegalHumanRosters(league()).empty()) FixHumanRoster("roster_season2");
        QVERIFY(IllegalHumanRosters(league()).empty());
        const int16_t season = league().state.Season;
        NextStepIs(QStringLiteral("Begin Season"));
        Shot(QStringLiteral("24_before_second_season"));
        hub->Dashboard()->NextStepButton()->click();
        QCOMPARE(Day(), Phase::FirstDay);
        Drive<frmSimGames>({}, [&](frmSimGames& screen) { screen.Button("cmdSim")->click(); });
        QCOMPARE(Day(), int16_t(Phase::FirstDay + 1));
        QCOMPARE(hub->StatusText(), QStringLiteral("Season %1 - Day 2").arg(season));
        Shot(QStringLiteral("25_second_season_day1"));
        StepDone("season 2 day 1");
    }

    void cleanupTestCase() {
        answers.reset();
        if (hub) {
            league().leagueOpen = false; // nothing to ask about on the way out
            hub->close();
        }
    }
};

QTEST_MAIN(PlaythroughTest)
#include "playthrough_test.moc"
