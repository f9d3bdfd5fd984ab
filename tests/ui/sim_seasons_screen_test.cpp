// The Sim Multiple Seasons screen: a bad value refused, and Stop during a run.

#include "frm_sim_seasons.h"
#include "screen_test.h"
#include "season/sim_seasons.h"

using namespace hv;

class SimSeasonsScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { test::OpenDefaultLeague(home, session, "Screens Seasons", 3); }

    void aValueThatIsNotANumberIsRefused() {
        frmSimSeasons screen(session.league, host);
        screen.SeasonsBox()->setText(QStringLiteral("ten"));
        host.messages.clear();
        screen.Button("cmdSim")->click();
        QCOMPARE(host.LastMessage(), std::string(kSeasonValueInvalid));
        QCOMPARE(session.league.state.SeasonDay, Phase::BeforeSeason);
    }

    void stopEndsTheRunAndTheControlsComeBack() {
        frmSimSeasons screen(session.league, host);
        screen.show();
        screen.SeasonsBox()->setText(QStringLiteral("2"));
        bool sawRun = false;
        QTimer::singleShot(0, &screen, [&] {
            sawRun = screen.Running() && !screen.Button("cmdSim")->isEnabled() &&
                     !screen.Button("cmdClose")->isEnabled() && screen.Button("cmdStop")->isEnabled();
            screen.Button("cmdStop")->click();
        });
        screen.Button("cmdSim")->click();
        QVERIFY(sawRun);
        QVERIFY(!screen.Running());
        QVERIFY(screen.Status()->text().startsWith(QStringLiteral("Stopped: season ")));
        QVERIFY(screen.Button("cmdSim")->isEnabled() && screen.Button("cmdClose")->isEnabled());
        QVERIFY(!screen.Button("cmdStop")->isEnabled());
        QVERIFY(session.league.state.SeasonDay <= 2);
        QVERIFY(screen.Progress()->value() < screen.Progress()->maximum() / 100);
        test::Screenshot(screen, QStringLiteral("sim_seasons_stopped"));
    }

  private:
    test::TempHome home;
    Session session;
    ScriptedHost host;
};

QTEST_MAIN(SimSeasonsScreenTest)
#include "sim_seasons_screen_test.moc"
