// CSV Output and Output MDB, driven as a user would.
#include <QMessageBox>

#include "frm_csv_output.h"
#include "reports/csv_export.h"
#include "reports/database_export.h"
#include "screen_test.h"
#include "support/build_paths.h"

using namespace hv;

class ExportScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        home = std::make_unique<test::TempHome>();
        host = ScriptedHost();
        league = League();
        league.programFolder = home->path();
        for (int t = 1; t <= kLeagueTeams; ++t)
            league.team(t).Name = "Team" + std::to_string(t);
        league.state.LeagueName = "Spring";
        league.state.Season = 2004;
        league.player(1).Name = "Ana Lee";
        league.player(1).Team = kFreeAgent;
        league.player(2).Name = "Bo Kim";
        league.player(2).Team = "Team3";
    }

    // The kinds and scopes as listed; the scope is off for the two kinds that ignore it.
    void csvScreenChoices() {
        frmCSVOutput screen(league, host);
        QCOMPARE(screen.KindChoice()->count(), 4);
        QCOMPARE(screen.KindChoice()->itemText(2), QStringLiteral("League Import"));
        QCOMPARE(screen.ScopeChoice()->count(), 4 + kLeagueTeams);
        QCOMPARE(screen.ScopeChoice()->itemText(1), QStringLiteral("All Teams"));
        QCOMPARE(screen.ScopeChoice()->itemText(4), QStringLiteral("Team1"));
        QVERIFY(screen.ScopeChoice()->isEnabled());
        screen.KindChoice()->setCurrentIndex(2);
        QVERIFY(!screen.ScopeChoice()->isEnabled());
        screen.show();
        QVERIFY(screen.width() <= 1366 && screen.height() <= 768);
        test::Screenshot(screen, QStringLiteral("csv_output"));
    }

    // Export writes the chosen kind and scope and tells where.
    void csvScreenExports() {
        frmCSVOutput screen(league, host);
        screen.ScopeChoice()->setCurrentText(QStringLiteral("FA"));
        QTest::mouseClick(screen.ExportButton(), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(home->path() / "output" / "SpringFAStats.csv"));
        QCOMPARE(host.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(host.messages[0].title), QStringLiteral("CSV Output"));
        league.state.Password = "Secret";
        league.state.CommissionerRights = false;
        screen.KindChoice()->setCurrentIndex(3);
        QTest::mouseClick(screen.ExportButton(), Qt::LeftButton);
        QCOMPARE(host.LastMessage(), std::string(kDraftFileRefusal));
        QVERIFY(!std::filesystem::exists(home->path() / "output" / "SpringDraftFile2004.txt"));
    }

    // The hub's two commands: CSV Output opens its screen, Output MDB writes the database and says so.
    void hubCommands() {
        Session session;
        session.league = league;
        std::filesystem::copy_file(std::filesystem::path(build_paths::kTestData) / "blank.dat",
                                   home->path() / "blank.dat");
        QtHost qt;
        QWidget parent;
        HubContext ctx{session, qt, &parent, [] {}};
        bool csvSeen = false;
        test::WhenModal<frmCSVOutput>([&](frmCSVOutput* screen) {
            csvSeen = true;
            screen->reject();
        });
        HubScreens().at("mnuCSVoutput")(ctx);
        QVERIFY(csvSeen);
        QString told;
        test::WhenModal<QMessageBox>([&](QMessageBox* box) {
            told = box->windowTitle() + QStringLiteral(": ") + box->text();
            test::Screenshot(*box, QStringLiteral("output_mdb_done"));
            box->accept();
        });
        HubScreens().at("mnuOutputMDB")(ctx);
        const auto file = home->path() / "output" / "Spring.sqlite";
        QVERIFY(std::filesystem::exists(file));
        QCOMPARE(told,
                 QStringLiteral("File Created: File created: ") + QString::fromStdString(file.string()));
    }

  private:
    std::unique_ptr<test::TempHome> home;
    ScriptedHost host;
    League league;
};

QTEST_MAIN(ExportScreensTest)
#include "export_screens_test.moc"
