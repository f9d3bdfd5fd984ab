// The coached-game screen and the exhibition screen, on the default league.

#include <QCheckBox>
#include <QMessageBox>

#include "frm_coach_game.h"
#include "frm_exhibition.h"
#include "frm_new_league.h"
#include "league/save_file.h"
#include "screen_test.h"

using namespace hv;

class CoachScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        test::OpenDefaultLeague(home, session, "Coach", 7);
        ScriptedHost quiet;
        QVERIFY(SaveLeague(session.league, "Coach", quiet));
    }

    // A game coached to the middle of the 3rd quarter at the instant speed: scoreboard, line-ups,
    // play-by-play, settings pages and the box score follow it.
    void coachedGameMidThirdQuarter() {
        CoachedGame game(session.league, 1, 2, 1, "Regular");
        ScriptedHost host;
        frmCoachGame screen(game, host);
        screen.show();
        QCOMPARE(screen.windowTitle(), QString::fromStdString(game.Caption()));
        QCOMPARE(screen.Tabs()->tabText(1),
                 QString::fromStdString(session.league.team(2).Name + " Settings"));
        QCOMPARE(screen.Tabs()->tabText(2),
                 QString::fromStdString(session.league.team(1).Name + " Settings"));
        screen.Speed()->setValue(frmCoachGame::kInstant);
        screen.CoachBox(CoachSide::Home)->click();
        QVERIFY(game.Coached(CoachSide::Home));
        QTest::mouseClick(screen.Command("cmdSimQuarter"), Qt::LeftButton);
        QTest::mouseClick(screen.Command("cmdSimQuarter"), Qt::LeftButton);
        while (game.Game().quarter() < 3 || game.Game().TimeRemaining() > 330 ||
               game.Game().TimeRemaining() <= 0) {
            if (!host.messages.empty()) { // a fouled-out player of the coached side: the bench's first
                host.messages.clear();
                screen.CoachBox(CoachSide::Home)->click();
            }
            QTest::mouseClick(screen.Command("cmdSimPossession"), Qt::LeftButton);
            QVERIFY(!game.Over());
        }
        QVERIFY(screen.Clock()->text().startsWith(QStringLiteral("Quarter 3")));
        QVERIFY(screen.PlayByPlay()->count() > 0);
        QCOMPARE(screen.PlayByPlay()->currentRow(), screen.PlayByPlay()->count() - 1);
        QCOMPARE(screen.Lineup(CoachSide::Away)->model()->rowCount(),
                 int(game.Dressed(CoachSide::Away).size()));
        QCOMPARE(screen.Score()->model()->index(1, 4).data().toString(), QString()); // no 4th quarter yet
        QVERIFY(screen.BoxLines(CoachSide::Home)->model()->rowCount() > 5);
        QVERIFY(screen.Command("cmdSimGame")->isEnabled());
        screen.resize(1280, 720);
        test::Screenshot(screen, QStringLiteral("coached_game_3rd_quarter"));
        screen.Tabs()->setCurrentIndex(2);
        test::Screenshot(screen, QStringLiteral("coached_game_settings"));
        screen.Tabs()->setCurrentIndex(3);
        test::Screenshot(screen, QStringLiteral("coached_game_box"));
        // Escape asks; No keeps the bench, Yes leaves the game to the engine, which finishes it.
        host.answers = {false, true};
        QTest::keyClick(&screen, Qt::Key_Escape);
        QCOMPARE(int(host.questions.size()), 1);
        QVERIFY(host.questions[0].find("The computer will play the rest of the game") != std::string::npos);
        QVERIFY(!game.Finished());
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(game.Finished() && game.Over());
        QVERIFY(!screen.isVisible());
    }

    // Stop ends Sim Game within one possession, at a slow speed.
    void stopEndsTheRunWithinOnePossession() {
        CoachedGame game(session.league, 3, 4, 2, "Regular");
        ScriptedHost host;
        frmCoachGame screen(game, host);
        screen.show();
        screen.Speed()->setValue(3);
        QTimer::singleShot(400, &screen,
                           [&] { QTest::mouseClick(screen.Command("cmdStop"), Qt::LeftButton); });
        const int before = game.Game().HomePossessions() + game.Game().AwayPossessions();
        QTest::mouseClick(screen.Command("cmdSimGame"), Qt::LeftButton);
        const int played = game.Game().HomePossessions() + game.Game().AwayPossessions() - before;
        QVERIFY2(played >= 1 && played <= 3, qPrintable(QString::number(played)));
        QVERIFY(!game.Running() && !game.Over());
        QVERIFY(screen.Command("cmdSimGame")->isEnabled());
        // A line-up fault of a coached side is refused with its message.
        screen.CoachBox(CoachSide::Away)->click();
        QComboBox* pf = screen.SlotChoice(CoachSide::Away, 2);
        pf->setCurrentIndex(pf->findData(game.OnCourt(CoachSide::Away, 1)));
        emit pf->activated(pf->currentIndex());
        QTest::mouseClick(screen.Command("cmdSimPossession"), Qt::LeftButton);
        QCOMPARE(int(host.messages.size()), 1);
        QCOMPARE(host.messages[0].title, std::string("Roster Error"));
        QVERIFY(host.messages[0].text.find("is listed at two positions.") != std::string::npos);
        host.defaultAnswer = true;
        screen.reject();
        QVERIFY(game.Finished());
    }

    // A whole game through the screen at the instant speed.
    void instantGamePlaysToTheEnd() {
        CoachedGame game(session.league, 5, 6, 3, "Regular");
        ScriptedHost host;
        frmCoachGame screen(game, host);
        screen.show();
        screen.Speed()->setValue(frmCoachGame::kInstant);
        QTest::mouseClick(screen.Command("cmdSimGame"), Qt::LeftButton);
        QVERIFY(game.Over());
        screen.reject();
        QVERIFY(game.Finished());
    }

    void exhibitionScreenAfterAGame() {
        ScriptedHost host;
        frmExhibition screen(session.league, host);
        screen.show();
        QTest::mouseClick(screen.Command("cmdViewPbp"), Qt::LeftButton);
        QCOMPARE(host.LastMessage(), std::string("Play-By-Play file not found"));
        QVERIFY(!screen.Command("cmdSim")->isEnabled());
        QCOMPARE(screen.SaveChoice(1)->currentText(), QStringLiteral("Coach.sav"));
        screen.TeamChoice(1)->setCurrentIndex(4);
        QTest::mouseClick(screen.LoadButton(1), Qt::LeftButton);
        screen.TeamChoice(2)->setCurrentIndex(11);
        QTest::mouseClick(screen.LoadButton(2), Qt::LeftButton);
        QVERIFY(screen.Command("cmdSim")->isEnabled());
        QCOMPARE(screen.Roster(1)->model()->rowCount(), session.league.team(5).NumPlayers);
        screen.HomeChoice()->setCurrentIndex(2);
        screen.Games().Stage().rng.Seed(4);
        QTest::mouseClick(screen.Command("cmdSim"), Qt::LeftButton);
        const QString result = screen.Result()->text();
        QVERIFY2(result.startsWith(QString::fromStdString(session.league.team(12).Name + " @ " +
                                                          session.league.team(5).Name + " ")),
                 qPrintable(result));
        screen.resize(1100, 640);
        test::Screenshot(screen, QStringLiteral("exhibition_after_game"));
        host.messages.clear();
        test::WhenModal<QDialog>([](QDialog* viewer) { viewer->reject(); });
        QTest::mouseClick(screen.Command("cmdViewPbp"), Qt::LeftButton);
        QVERIFY(host.messages.empty());
    }

    // The new-league screen's "Exhibition Game" type opens the exhibition screen and creates no league.
    void newLeagueTypeOpensTheExhibition() {
        QtHost host;
        frmNewLeague screen(session, host);
        auto* type = screen.findChild<QComboBox*>(QStringLiteral("cboLeagueType"));
        QVERIFY(type);
        type->setCurrentIndex(2);
        bool opened = false;
        test::WhenModal<frmExhibition>([&](frmExhibition* ex) {
            opened = true;
            ex->reject();
        });
        auto* ok = screen.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QVERIFY(ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(opened);
    }

  private:
    test::TempHome home;
    Session session;
};

QTEST_MAIN(CoachScreensTest)
#include "coach_screens_test.moc"
