// The Output HTML screen: options and colours stored with the league, Output with its steps, Stop, Clear
// Files and Open in Browser.
#include <filesystem>

#include "frm_output_html.h"
#include "reports/league_site.h"
#include "screen_test.h"
#include "setup/startup.h"

using namespace hv;

class OutputHtmlScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { test::OpenDefaultLeague(home, session, "Screens Site", 5); }

    void optionsAndColoursAreStoredWithTheLeague() {
        frmOutputHtml screen(session.league, host);
        screen.PageBox(0)->click();
        QCOMPARE(session.league.state.SitePages[0], false);
        screen.PageBox(0)->click();
        QCOMPARE(session.league.state.SitePages[0], true);
        screen.colourChooser = [](const QColor&, const QString&) { return QColor(10, 2, 255); };
        screen.ColourButton(3)->click();
        QCOMPARE(session.league.state.SiteStyle[3], std::string("#0A02FF"));
        QCOMPARE(screen.ColourButton(3)->text(), QStringLiteral("#0A02FF"));
        // A cancelled chooser changes nothing.
        screen.colourChooser = [](const QColor&, const QString&) { return QColor(); };
        screen.ColourButton(3)->click();
        QCOMPARE(session.league.state.SiteStyle[3], std::string("#0A02FF"));
        screen.Button("cmdResetColours")->click();
        QCOMPARE(session.league.state.SiteStyle, DefaultSiteStyle());
    }

    void outputWritesTheSiteWithEveryStepAndOpensIt() {
        frmOutputHtml screen(session.league, host);
        screen.show();
        QString opened;
        screen.browser = [&](const QString& file) {
            opened = file;
            return true;
        };
        screen.Button("cmdOutput")->click();
        QCOMPARE(screen.Log()->count(), 28);
        QCOMPARE(screen.Log()->item(0)->text(), QStringLiteral("Outputting All-Star Weekend Winners"));
        QVERIFY(screen.Log()->item(27)->text().startsWith(QStringLiteral("Done: ")));
        QCOMPARE(screen.Progress()->value(), screen.Progress()->maximum());
        const auto index = SiteFolderOf(session.league) / "index.html";
        QVERIFY(std::filesystem::exists(index));
        test::Screenshot(screen, QStringLiteral("output_html_done"));
        QVERIFY(screen.Button("cmdOpenBrowser")->isEnabled());
        screen.Button("cmdOpenBrowser")->click();
        QCOMPARE(opened, QString::fromStdString(index.string()));
    }

    // Stopped, the run leaves the site the previous test wrote.
    void stopKeepsThePreviousSite() {
        frmOutputHtml screen(session.league, host);
        screen.show();
        QVERIFY(std::filesystem::exists(SiteFolderOf(session.league) / "index1.htm"));
        const auto before = std::filesystem::last_write_time(SiteFolderOf(session.league) / "index1.htm");
        bool sawRun = false;
        QTimer::singleShot(0, &screen, [&] {
            sawRun = screen.Running() && !screen.Button("cmdOutput")->isEnabled() &&
                     !screen.Button("cmdClose")->isEnabled() && screen.Button("cmdStop")->isEnabled();
            screen.Button("cmdStop")->click();
        });
        screen.Button("cmdOutput")->click();
        QVERIFY(sawRun);
        QVERIFY(!screen.Running());
        QCOMPARE(screen.Log()->item(screen.Log()->count() - 1)->text(),
                 QStringLiteral("Stopped: the previous site is kept as it was."));
        QVERIFY(std::filesystem::last_write_time(SiteFolderOf(session.league) / "index1.htm") == before);
        QVERIFY(screen.Button("cmdOutput")->isEnabled());
    }

    void clearFilesAsksFirst() {
        frmOutputHtml screen(session.league, host);
        const auto index = SiteFolderOf(session.league) / "index.html";
        if (!std::filesystem::exists(index)) screen.Output();
        host.answers = {false};
        screen.Button("cmdClearFiles")->click();
        QVERIFY(std::filesystem::exists(index));
        host.answers = {true};
        screen.Button("cmdClearFiles")->click();
        QVERIFY(!std::filesystem::exists(index));
        QVERIFY(screen.Log()->item(screen.Log()->count() - 1)->text().startsWith(QStringLiteral("Cleared ")));
        QVERIFY(!screen.Button("cmdOpenBrowser")->isEnabled());
    }

  private:
    test::TempHome home;
    Session session;
    ScriptedHost host;
};

QTEST_MAIN(OutputHtmlScreenTest)
#include "output_html_screen_test.moc"
