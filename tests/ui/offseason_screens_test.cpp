// The free-agency, re-signing and training-camp screens, driven as a user would: what their buttons and keys
// do, and what they ask.
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>

#include "contract_screens.h"
#include "frm_free_agency.h"
#include "league/transactions.h"
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

    // Two of the Ospreys' players wait for the user's answer; their IDs.
    std::vector<int> TwoWaiting() {
        std::vector<int> ospreys;
        for (int id = 1; id <= kLastLeaguePlayer && ospreys.size() < 2; ++id)
            if (league().player(id).Team == "Ospreys") ospreys.push_back(id);
        for (int id : ospreys) {
            Player& p = league().player(id);
            league().team(2).TotalSalary -= p.contract1;
            p.LastSalary = p.contract1;
            for (int y = 1; y <= 8; ++y)
                p.Contract(y) = 0;
            p.ResignDemand = {p.LastSalary, p.LastSalary};
        }
        return ospreys;
    }

    // Answers, with Escape, any message box left up for a second (nothing the test expects waits that long),
    // and keeps its text: a test that sees one fails instead of hanging.
    struct UnexpectedBoxes {
        QTimer timer;
        QStringList texts;
        QPointer<QMessageBox> box;
        int ticks = 0;
        UnexpectedBoxes() {
            QObject::connect(&timer, &QTimer::timeout, [this] {
                auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (modal != box) {
                    box = modal;
                    ticks = 0;
                } else if (box && ++ticks >= 10) {
                    texts << box->text();
                    QTest::keyClick(box, Qt::Key_Escape);
                }
            });
            timer.start(100);
        }
    };

    static void PressOnModal(Qt::Key key) {
        test::WhenModal<QDialog>([key](QDialog* d) { QTest::keyClick(d, key); });
    }

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

    // Days run only from Sim Day and Sim to End: Enter in the lists, Escape, closing the screen and closing
    // the dialogs over it in every order leave the day where it was.
    void freeAgencyRunsOnlyFromItsSimButtons() {
        TwoWaiting();
        UnexpectedBoxes unexpected;
        QtHost qt;
        frmFreeAgency screen(league(), qt);
        qt.SetParent(&screen);
        screen.show();
        const int16_t day = league().state.SeasonDay;
        for (QPushButton* b : screen.findChildren<QPushButton*>())
            QVERIFY2(!b->autoDefault() && !b->isDefault(), qPrintable(b->text()));

        QTest::keyClick(screen.FreeAgentList(), Qt::Key_Return);
        QTest::keyClick(screen.YearsBox(), Qt::Key_Return);
        QCOMPARE(league().state.SeasonDay, day);
        // Re-sign Players closed by Escape, then by Close.
        PressOnModal(Qt::Key_Escape);
        screen.Button("cmdResign")->click();
        QCOMPARE(league().state.SeasonDay, day);
        test::WhenModal<TableScreen>(
            [](TableScreen* s) { s->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click(); });
        screen.Button("cmdResign")->click();
        QCOMPARE(league().state.SeasonDay, day);
        // Sim to End and Sim Day with players waiting: Escape on the re-signing screen goes back at once.
        for (const char* sim : {"cmdSimEnd", "cmdSimDay"}) {
            PressOnModal(Qt::Key_Escape);
            screen.Button(sim)->click();
            QCOMPARE(league().state.SeasonDay, day);
        }
        // Closed with Close, the question follows; Escape and Enter both answer No.
        for (Qt::Key answer : {Qt::Key_Escape, Qt::Key_Return}) {
            test::WhenModal<TableScreen>([answer](TableScreen* s) {
                PressOnModal(answer);
                s->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
            });
            screen.Button("cmdSimEnd")->click();
            QCOMPARE(league().state.SeasonDay, day);
        }
        QCOMPARE(PlayersAwaitingResign(league()).size(), size_t(2));
        // Escape closes the screen; nothing is left pending that could run a day later.
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
        QTest::qWait(500);
        QCOMPARE(league().state.SeasonDay, day);
        QVERIFY2(unexpected.texts.isEmpty(), qPrintable(unexpected.texts.join(QLatin1Char('\n'))));
    }

    // The last day's message comes with the progress window gone, and holds the focus.
    void theClosingMessageIsNotCoveredByTheProgressWindow() {
        QtHost qt;
        frmFreeAgency screen(league(), qt);
        qt.SetParent(&screen);
        bool seen = false, covered = false, onTop = false;
        QString text;
        test::WhenModal<QMessageBox>([&](QMessageBox* box) {
            seen = true;
            text = box->text();
            QTest::qWait(500); // longer than the progress window's delay before it shows
            for (auto* progress : screen.findChildren<QProgressDialog*>())
                covered = covered || progress->isVisible();
            onTop = QApplication::activeModalWidget() == box;
            box->accept();
        });
        // Pressed inside the screen's own event loop, as the program runs it: a window left to a deferred
        // delete would outlive the message there.
        QTimer::singleShot(0, &screen, [&screen] {
            screen.Button("cmdSimEnd")->click();
            screen.accept();
        });
        screen.exec();
        QVERIFY(seen);
        QCOMPARE(text, QStringLiteral("Free agency is over. The training camps come next."));
        QVERIFY(!covered && onTop);
        QCOMPARE(league().state.SeasonDay, Phase::TrainingCamps);
    }

    void resigningScreen() {
        QVERIFY(MakeResignScreen(league(), host) == nullptr);
        QCOMPARE(host.LastMessage(), std::string("No player of a human team waits to re-sign."));
        const std::vector<int> ospreys = TwoWaiting();
        auto screen = MakeResignScreen(league(), host);
        QVERIFY(screen != nullptr);
        screen->show();
        QCOMPARE(screen->Table().rowKeys, (std::vector<int>{ospreys[0], ospreys[1]}));
        test::Screenshot(*screen, QStringLiteral("resign_players"));
        screen->SelectKey(ospreys[0]);
        host.answers = {false}; // each answer asks first; No changes nothing
        screen->findChild<QPushButton*>(QStringLiteral("cmdResign"))->click();
        QCOMPARE(league().player(ospreys[0]).contract1, 0);
        QCOMPARE(host.questions.back().rfind("Re-sign " + league().player(ospreys[0]).Name, 0), size_t(0));
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
        // A computer team filled to 15 healthy players stashes two on injured reserve and must cut one.
        int crowded = 0;
        for (int t = 1; t <= kLeagueTeams && crowded == 0; ++t)
            if (!IsHuman(league().team(t)) && league().team(t).NumPlayers < kMaxRoster) crowded = t;
        QVERIFY(crowded != 0);
        for (int id = 1; league().team(crowded).NumPlayers < kMaxRoster; ++id)
            if (league().player(id).Team == "FA")
                QVERIFY(SignPlayer(league(), id, league().team(crowded).Name));
        cuts->click();
        QCOMPARE(league().team(1).ActivePlayers, int16_t(12));
        // The message names the computer teams' cuts, as the log has them.
        const std::string said = host.LastMessage();
        QCOMPARE(host.messages.back().title, std::string("Cut Players"));
        int logged = 0;
        for (const Transaction& t : league().tables.transactions)
            if (t.SeasonDay == Phase::TrainingCamps && t.Action.rfind("Cut ", 0) == 0) {
                ++logged;
                QVERIFY2(said.find(t.Action.substr(4)) != std::string::npos, t.Action.c_str());
            }
        QVERIFY(logged > 0);
        camps->click();
        QCOMPARE(league().state.SeasonDay, Phase::BeforeSeason);
        int changed = 0;
        for (const auto& row : screen->Table().rows)
            changed += row[7].text != "0";
        QVERIFY(changed > 0);
        test::Screenshot(*screen, QStringLiteral("training_camps"));
    }
};

QTEST_MAIN(OffseasonScreensTest)
#include "offseason_screens_test.moc"
