// Edit Current League (player and team editors) and Import Players from Statistics, driven as a user would.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include "dialog_fit.h"
#include "frm_edit_league.h"
#include "frm_import_stats.h"
#include "frm_new_league.h"
#include "league/league_options.h"
#include "league/ratings.h"
#include "league/save_file.h"
#include "platform/sqlite_db.h"
#include "screen_test.h"
#include "setup/default_league_files.h"

using namespace hv;

class LeagueEditorScreensTest : public QObject {
    Q_OBJECT
  private:
    League& league() { return session.league; }
    std::string Bytes() { return EncodeLeague(league(), "Edit"); }
    // The player of the editor's list whose name is `name`.
    void Choose(frmEditLeague& screen, int id) {
        auto* roster = screen.findChild<QComboBox*>(QStringLiteral("cboRoster"));
        roster->setCurrentIndex(roster->findData(QString::fromStdString(league().player(id).Team)));
        screen.PlayerChoice()->setCurrentIndex(screen.PlayerChoice()->findData(id));
        QCOMPARE(screen.PlayerChoice()->currentData().toInt(), id);
    }

  private slots:
    void initTestCase() {
        home = std::make_unique<test::TempHome>();
        test::OpenDefaultLeague(*home, session, "Editors", 5);
    }

    // The editor shows the player's values; a changed rating is saved, logged and rated afresh.
    void playerEditorSavesAndRefuses() {
        frmEditLeague screen(league(), host);
        screen.show();
        QVERIFY(screen.width() <= 1366 && screen.height() <= 768);
        QVERIFY(screen.width() >= TitleWidth(screen));
        const int id = 1;
        Choose(screen, id);
        auto* inside = qobject_cast<QSpinBox*>(screen.PlayerField("InsideScoring"));
        QCOMPARE(inside->value(), int(league().player(id).InsideScoring));
        auto* name = qobject_cast<QLineEdit*>(screen.PlayerField("Name"));
        QCOMPARE(name->text().toStdString(), league().player(id).Name);
        test::Screenshot(screen, QStringLiteral("edit_league_player"));

        inside->setValue(inside->value() == 95 ? 94 : 95);
        const int wanted = inside->value();
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("cmdSavePlayer")), Qt::LeftButton);
        QVERIFY2(host.messages.empty(), host.LastMessage().c_str());
        QCOMPARE(int(league().player(id).InsideScoring), wanted);

        // An age out of range cannot be typed; a name with a comma is refused and changes nothing.
        const std::string before = Bytes();
        name->setText(QStringLiteral("Bad, Name"));
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("cmdSavePlayer")), Qt::LeftButton);
        QCOMPARE(host.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(host.messages.back().title), QStringLiteral("Edit League"));
        QVERIFY(Bytes() == before);
        // Revert shows the stored values again.
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("cmdRevertPlayer")), Qt::LeftButton);
        QCOMPARE(name->text().toStdString(), league().player(id).Name);
        host.messages.clear();
    }

    void teamEditorRenamesATeam() {
        frmEditLeague screen(league(), host);
        screen.show();
        screen.TeamChoice()->setCurrentIndex(1);
        auto* teamName = qobject_cast<QLineEdit*>(screen.TeamField("Name"));
        const std::string old = league().team(2).Name;
        QCOMPARE(teamName->text().toStdString(), old);
        teamName->setText(QStringLiteral("Renamed"));
        QVERIFY(screen.SaveTeam());
        QCOMPARE(QString::fromStdString(league().team(2).Name), QStringLiteral("Renamed"));
        QVERIFY(screen.TeamChoice()->currentText().endsWith(QStringLiteral("Renamed")));
        teamName->setText(QString::fromStdString(league().team(3).Name));
        QVERIFY(!screen.SaveTeam());
        QCOMPARE(QString::fromStdString(league().team(2).Name), QStringLiteral("Renamed"));
        host.messages.clear();
    }

    void withoutRightsTheHubRefuses() {
        league().state.Password = "pw";
        league().state.CommissionerRights = false;
        QtHost qtHost;
        QWidget parent;
        HubContext ctx{session, qtHost, &parent, [] {}};
        bool refused = false;
        test::WhenModal<QMessageBox>([&](QMessageBox* box) {
            refused = box->text().toStdString() == kEditLeagueRefusal;
            box->accept();
        });
        HubScreens().at("mnuEditCurrent")(ctx);
        QVERIFY(refused);
        league().state.Password = kNoPassword;
        league().state.CommissionerRights = true;
    }

    // The import dialog previews the file's players with their ratings and adds them.
    void importDialogPreviewsAndImports() {
        home->Write(
            "import/season.csv",
            "Name,Position,Age,Height,Weight,Team,G,MIN,FG,FGA,3P,3PA,FT,FTA,ORB,DRB,AST,STL,BLK,TOV,PF,"
            "PTS\n"
            "Pat Guard,PG,27,75,190,FA,80,2600,500,1100,80,230,200,240,40,200,550,110,15,190,170,1280\n"
            "Cy Centre,C,24,85,265,FA,70,1800,330,600,0,3,150,260,210,420,90,40,130,110,230,810\n"
            "Flo Forward,SF,22,80,220,Draft,60,1500,250,560,60,170,90,120,60,180,100,50,20,70,120,650\n");
        home->Write("import/broken.csv", "Name,Position,Age\nA B,C,30\n");
        frmImportStats screen(league(), host);
        screen.show();
        QVERIFY(screen.width() <= 1366 && screen.height() <= 768);
        screen.FileChoice()->setCurrentIndex(screen.FileChoice()->findText(QStringLiteral("broken.csv")));
        QVERIFY(screen.Status()->text().contains(QStringLiteral("Line 1: the header names no column")));
        QVERIFY(!screen.findChild<QPushButton*>(QStringLiteral("cmdImport"))->isEnabled());
        screen.FileChoice()->setCurrentIndex(screen.FileChoice()->findText(QStringLiteral("season.csv")));
        QCOMPARE(screen.Preview()->model()->rowCount(), 3);
        QVERIFY(screen.Status()->text().startsWith(QStringLiteral("3 players")));
        test::Screenshot(screen, QStringLiteral("import_stats"));
        const size_t free = league().freeIDs.size();
        QCOMPARE(screen.Import(), 3);
        QCOMPARE(league().freeIDs.size(), free - 3);
        QCOMPARE(QString::fromStdString(host.LastMessage()), QStringLiteral("3 players imported."));
    }

    // Edit Default League writes each saved edit to the working database; the shipped file stays as it was.
    void defaultLeagueEditorWritesTheWorkingDatabase() {
        QtHost qtHost;
        QWidget parent;
        HubContext ctx{session, qtHost, &parent, [] {}};
        bool seen = false;
        test::WhenModal<frmEditLeague>([&](frmEditLeague* screen) {
            seen = true;
            QCOMPARE(screen->windowTitle(), QStringLiteral("Edit Default League"));
            QVERIFY(screen->findChild<QPushButton*>(QStringLiteral("cmdSaveLeagueAs"))->isVisible());
            QVERIFY(!screen->findChild<QPushButton*>(QStringLiteral("cmdImportStats"))->isVisible());
            test::Screenshot(*screen, QStringLiteral("edit_default_league"));
            screen->TeamChoice()->setCurrentIndex(0);
            qobject_cast<QLineEdit*>(screen->TeamField("City"))->setText(QStringLiteral("Harbour Town"));
            QVERIFY(screen->SaveTeam());
            screen->reject();
        });
        HubScreens().at("mnuEditLeague")(ctx);
        QVERIFY(seen);
        auto city = [](const std::filesystem::path& file) {
            SqliteDb db(file, true);
            auto row = db.Prepare("SELECT City FROM Team ORDER BY ID");
            row->Step();
            return row->Text("City");
        };
        QCOMPARE(QString::fromStdString(city(*home / "current.lge")), QStringLiteral("Harbour Town"));
        QVERIFY(city(*home / "default.lge") != "Harbour Town");
    }

    // The edited default league saved as a file of its own is offered on the New League screen, and choosing
    // it shows its teams.
    void newLeagueScreenStartsFromASavedDefaultLeague() {
        host.messages.clear();
        QCOMPARE(QString::fromStdString(SaveDefaultLeagueAs(session, host, "Harbour")),
                 QStringLiteral("Harbour.lge"));
        QVERIFY(UseDefaultLeague(session, host, "default.lge"));
        frmNewLeague screen(session, host);
        auto* choice = screen.findChild<QComboBox*>(QStringLiteral("cboDefaultLeague"));
        auto* teams = screen.findChild<QTableWidget*>(QStringLiteral("lstTeams"));
        QCOMPARE(choice->count(), 2);
        QVERIFY(!teams->item(0, 0)->text().startsWith(QStringLiteral("Harbour Town")));
        choice->setCurrentIndex(choice->findText(QStringLiteral("Harbour.lge")));
        QVERIFY(teams->item(0, 0)->text().startsWith(QStringLiteral("Harbour Town")));
        QVERIFY2(host.messages.empty(), host.LastMessage().c_str());
    }

  private:
    std::unique_ptr<test::TempHome> home;
    Session session;
    ScriptedHost host;
};

QTEST_MAIN(LeagueEditorScreensTest)
#include "league_editor_screens_test.moc"
