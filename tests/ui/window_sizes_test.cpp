// Every window the hub opens fits the smallest supported screen, 1366x768, and opens at a size that shows
// its main list without a horizontal scroll bar.
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryFile>
#include <QTreeView>

#include "hub_walk.h"
#include "report_view.h"

using namespace hv;

namespace {

constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;
// Room left for the window manager's title bar and borders.
constexpr int kDecorations = 30;

QString SizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// The window's largest visible table or tree: the list the window is about.
QAbstractItemView* MainList(QWidget& window) {
    QAbstractItemView* best = nullptr;
    qint64 bestArea = 0;
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        if (!qobject_cast<QTableView*>(view) && !qobject_cast<QTreeView*>(view)) continue;
        if (view->window() != &window || !view->isVisibleTo(&window)) continue;
        const qint64 area = qint64(view->width()) * view->height();
        if (area > bestArea) {
            best = view;
            bestArea = area;
        }
    }
    return best;
}

// How many pixels of the list's columns lie beyond its viewport.
int HiddenWidth(QAbstractItemView& view) {
    QHeaderView* header = nullptr;
    if (auto* table = qobject_cast<QTableView*>(&view)) header = table->horizontalHeader();
    if (auto* tree = qobject_cast<QTreeView*>(&view)) header = tree->header();
    return header ? header->length() - view.viewport()->width() : 0;
}

// What does not fit in one window at the size it opened with, as readable lines.
QStringList SizeProblems(QWidget& window) {
    QStringList problems;
    const QString title = window.windowTitle();
    const QSize frame = window.frameGeometry().size();
    if (frame.width() > kScreenWidth || frame.height() > kScreenHeight - kDecorations)
        problems << title + QStringLiteral(": opens at ") + SizeText(frame) + QStringLiteral(", more than ") +
                        SizeText({kScreenWidth, kScreenHeight - kDecorations});
    if (QAbstractItemView* list = MainList(window); list && list->horizontalScrollBar()->isVisible())
        problems
            << title + QStringLiteral(": the list ") + list->objectName() +
                   QStringLiteral(" scrolls sideways, %1 px of its columns hidden").arg(HiddenWidth(*list));
    return problems;
}

// The playoffs' bracket has room for all its 15 series, the first round's eight and the later seven.
QStringList BracketProblems(QWidget& window) {
    auto* bracket = window.findChild<QTableView*>(QStringLiteral("lstBracket"));
    if (!bracket) return {};
    const int rows = bracket->viewport()->height() / bracket->verticalHeader()->defaultSectionSize();
    if (rows >= 15) return {};
    return {window.windowTitle() + QStringLiteral(": the bracket shows %1 of its 15 rows").arg(rows)};
}

QString ShotName(const QString& title) {
    QString name = title.toLower();
    name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("_"));
    return name;
}

} // namespace

class WindowSizesTest : public QObject {
    Q_OBJECT
  private:
    test::TempHome home;
    Session session;

  private slots:
    void initTestCase() {
        test::PlayFirstDays(home, session, "Sizes", 5, 0);
        session.league.team(3).Owner = "Human"; // the screens' human-team parts show too
    }

    // The test runs on a screen of the smallest supported size, so that a window sized to its screen is
    // sized to that one.
    void theScreenIsTheSmallestSupported() {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QSKIP("not the offscreen platform");
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(kScreenWidth, kScreenHeight));
    }

    // The checker itself: a window too wide and a list too narrow for its columns are named, a window that
    // fits is not.
    void theCheckerNamesAWindowTooBigAndAListThatScrolls() {
        QDialog d;
        d.setWindowTitle(QStringLiteral("Probe"));
        auto* model = new QStandardItemModel(3, 4, &d);
        auto* view = new QTableView(&d);
        view->setObjectName(QStringLiteral("lstProbe"));
        view->setModel(model);
        for (int c = 0; c < 4; ++c)
            view->setColumnWidth(c, 200);
        auto* layout = new QVBoxLayout(&d);
        layout->addWidget(view);
        d.resize(500, 300);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QStringList problems = SizeProblems(d);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(QStringLiteral("Probe: the list lstProbe scrolls sideways, ")),
                 qPrintable(problems[0]));
        QVERIFY2(problems[0].endsWith(QStringLiteral(" px of its columns hidden")), qPrintable(problems[0]));

        d.resize(1400, 300);
        QTRY_VERIFY(!view->horizontalScrollBar()->isVisible());
        problems = SizeProblems(d);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(QStringLiteral("Probe: opens at 14")), qPrintable(problems[0]));
        QVERIFY2(problems[0].endsWith(QStringLiteral(", more than 1366x738")), qPrintable(problems[0]));

        d.resize(900, 700);
        QTRY_VERIFY(!view->horizontalScrollBar()->isVisible());
        QCOMPARE(SizeProblems(d), QStringList());
    }

    // A list's text column takes the width its figures leave, a long name cut short rather than the list
    // scrolling sideways; compact columns are no wider than their titles and cells need.
    void aListsTextColumnTakesTheRoomLeft() {
        ReportTable table;
        table.Column("Name").Column("Rebounding", Align::Right);
        table.Row(1).Add("Bartholomew Montgomery-Worthington III").Add(7);
        QDialog d;
        auto* wide = new ReportView(&d);
        wide->SetTable(table);
        auto* compact = new ReportView(&d);
        compact->SetCompactColumns(true);
        compact->SetStretchColumn(QStringLiteral("Name"));
        compact->SetTable(table);
        auto* layout = new QVBoxLayout(&d);
        layout->addWidget(wide);
        layout->addWidget(compact);
        d.resize(260, 300);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const int title =
            compact->horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Rebounding"));
        QVERIFY(compact->columnWidth(1) >= title);
        QVERIFY2(
            compact->columnWidth(1) < wide->columnWidth(1),
            qPrintable(QStringLiteral("%1 !< %2").arg(compact->columnWidth(1)).arg(wide->columnWidth(1))));
        QTRY_VERIFY(wide->horizontalScrollBar()->isVisible());
        QVERIFY(!compact->horizontalScrollBar()->isVisible());
        QCOMPARE(compact->horizontalHeader()->length(), compact->viewport()->width());
        // The whole name is the cell's tip.
        QCOMPARE(compact->model()->index(0, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Bartholomew Montgomery-Worthington III"));
    }

    void everyHubWindowFitsTheSmallestScreen() {
        QStringList problems;
        const QSet<QString> opened = test::WalkHubWindows(
            session, [&](frmStart& hub) { problems += SizeProblems(hub); },
            [&](QWidget& window) {
                problems += SizeProblems(window) + BracketProblems(window);
                test::Screenshot(window, ShotName(window.windowTitle()));
            });
        for (const char* title : {"Propose Trade", "Free Agency Period", "Rookie Draft", "Playoffs"})
            QVERIFY2(opened.contains(QLatin1String(title)), title);
        QVERIFY2(opened.size() >= 20,
                 qPrintable(QStringList(opened.begin(), opened.end()).join(QStringLiteral(", "))));
        problems.removeDuplicates(); // a window opened at several phases tells its problem once
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

// The offscreen platform takes its screens from a file named in its options; the test's one screen is
// 1366x768 at 96 dots per inch.
int main(int argc, char** argv) {
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/hoopvale_screens_XXXXXX.json"));
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform == "offscreen" && screens.open()) {
        screens.write(
            QStringLiteral("{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, \"width\": %1, "
                           "\"height\": %2, \"logicalDpi\": 96, \"dpr\": 1}]}")
                .arg(kScreenWidth)
                .arg(kScreenHeight)
                .toUtf8());
        screens.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
    }
    QApplication app(argc, argv);
    WindowSizesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "window_sizes_test.moc"
