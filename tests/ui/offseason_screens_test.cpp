// The free-agency, re-signing, training-camp and contract screens, driven as a user would and opened from
// the hub.
#include <QMessageBox>

#include "contract_screens.h"
#include "frm_free_agency.h"
#include "frm_start.h"
#include "league/salary.h"
#include "personnel/free_agency.h"
#include "personnel/resign.h"
#include "qt_host.h"
#include "screen_test.h"
#include "setup/new_league.h"

using namespace hv;

class OffseasonScreensTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::TempHome> home;
    std::unique_ptr<Session> session;
    ScriptedHost host;

    League& league() { return session->league; }

  private slots:
    // The default league at free-agency day 1; the user runs the Ospreys (team 2).
    void init() {
        home = std::make_unique<test::TempHome>();
        session = std::make_unique<Session>();
        host = ScriptedHost();
        test::StartInstalled(*home, *session, host, 31);
        NewLeagueTeams teams;
        QVERIFY(ReadNewLeagueTeams(*session, host, teams));
        teams.teams[2].Owner = "Human";
        NewLeagueChoices choices;
        choices.name = "Offseason";
        QVERIFY(CreateNewLeague(*session, host, choices, teams));
        QCOMPARE(league().state.SeasonDay, Phase::FirstFreeAgency);
        host.messages.clear();
    }

    void freeAgencyPeriodTakesBidsAndRunsToTheEnd() {
        frmFreeAgency screen(league(), host);
        screen.show();
        QCOMPARE(screen.DayLabel()->text(), QStringLiteral("Season 2003 - Free Agency Day 1"));
        const int best = FreeAgentsByRating(league(), 1).at(0);
        screen.SelectPlayer(best);
        // The minimum for one year is placed.
        screen.YearsBox()->setValue(1);
        screen.Button("cmdMin")->click();
        QCOMPARE(screen.AmountBox(1)->text().remove(QLatin1Char(',')).toInt(),
                 MinimumSalary(league().player(best).Experience));
        screen.Button("cmdBid")->click();
        QVERIFY(FindBid(league(), best, 2) != nullptr);
        QCOMPARE(screen.BidList()->model()->index(0, 0).data().toString(), QStringLiteral("Ospreys"));
        test::Screenshot(screen, QStringLiteral("free_agency_period"));
        screen.Button("cmdSimEnd")->click();
        QCOMPARE(league().state.SeasonDay, Phase::TrainingCamps);
        QCOMPARE(host.LastMessage(), std::string("Free agency is over. The training camps come next."));
        QVERIFY(screen.Signings()->count() > 0);
    }

    void resigningScreen() {
        QVERIFY(MakeResignScreen(league(), host) == nullptr);
        QCOMPARE(host.LastMessage(), std::string("No player of a human team waits to re-sign."));
        // Two of the Ospreys' players wait for the user.
        std::vector<int> ospreys;
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            if (league().player(id).Team == "Ospreys") ospreys.push_back(id);
        for (int id : {ospreys[0], ospreys[1]}) {
            Player& p = league().player(id);
            league().team(2).TotalSalary -= p.contract1;
            p.LastSalary = p.contract1;
            for (int y = 1; y <= 8; ++y)
                p.Contract(y) = 0;
            p.ResignDemand = {p.LastSalary, p.LastSalary};
        }
        auto screen = MakeResignScreen(league(), host);
        QVERIFY(screen != nullptr);
        screen->show();
        QCOMPARE(screen->Table().rowKeys, (std::vector<int>{ospreys[0], ospreys[1]}));
        test::Screenshot(*screen, QStringLiteral("resign_players"));
        screen->SelectKey(ospreys[0]);
        screen->findChild<QPushButton*>(QStringLiteral("cmdResign"))->click();
        QCOMPARE(league().player(ospreys[0]).contract2, league().player(ospreys[0]).LastSalary);
        screen->SelectKey(ospreys[1]);
        screen->findChild<QPushButton*>(QStringLiteral("cmdRelease"))->click();
        QCOMPARE(QString::fromStdString(league().player(ospreys[1]).Team), QStringLiteral("FA"));
        QVERIFY(screen->Table().rows.empty());
    }

    void trainingCampsCutFirst() {
        ScriptedHost quiet;
        while (FreeAgencyOpen(league().state))
            FreeAgencyStep(league(), quiet);
        league().state.Season = 2004; // past the league's first season: the players develop
        auto screen = MakeTrainingCampsScreen(league(), host);
        screen->show();
        auto* cuts = screen->findChild<QPushButton*>(QStringLiteral("cmdCuts"));
        auto* camps = screen->findChild<QPushButton*>(QStringLiteral("cmdCamps"));
        QVERIFY(cuts->isEnabled() && !camps->isEnabled());
        cuts->click();
        QCOMPARE(league().team(1).ActivePlayers, int16_t(12));
        camps->click();
        QCOMPARE(league().state.SeasonDay, Phase::BeforeSeason);
        int changed = 0;
        for (const auto& row : screen->Table().rows)
            changed += row[7].text != "0";
        QVERIFY(changed > 0);
        test::Screenshot(*screen, QStringLiteral("training_camps"));
    }

    void hubOpensTheScreens() {
        QtHost qtHost;
        frmStart hub(*session, qtHost);
        qtHost.SetParent(&hub);
        const std::pair<int, std::vector<std::pair<const char*, const char*>>> byDay[] = {
            {Phase::FirstFreeAgency,
             {{"mnuSalaries", "Player Contracts"}, {"mnuNeeds", "Team Salary Cap Room"}}},
            {Phase::TrainingCamps, {{"mnuCamps", "Training Camps"}}},
            {20, {{"mnuFA", "Free Agents"}}}};
        for (const auto& [day, commands] : byDay) {
            league().state.SeasonDay = static_cast<int16_t>(day);
            hub.RefreshFormStart();
            for (auto [name, expected] : commands) {
                QString title;
                test::WhenModal<TableScreen>([&](TableScreen* s) {
                    title = s->windowTitle();
                    s->accept();
                });
                hub.Command(QLatin1String(name))->trigger();
                QCOMPARE(title, QLatin1String(expected));
            }
        }
        league().state.SeasonDay = Phase::FirstFreeAgency;
        hub.RefreshFormStart();
        bool opened = false;
        test::WhenModal<frmFreeAgency>([&](frmFreeAgency* s) {
            opened = true;
            s->accept();
        });
        hub.Command(QStringLiteral("mnuRunFA"))->trigger();
        QVERIFY(opened);
    }
};

QTEST_MAIN(OffseasonScreensTest)
#include "offseason_screens_test.moc"
