// Every window the hub opens, at a phase where its command is enabled, on the smallest supported screen
// (1366x768): it fits the screen and opens at a size that shows its main list without a horizontal scroll
// bar; no two visible controls share an Alt letter, and every label's letter has a control to go to.
#include <QAbstractButton>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryFile>
#include <QTreeView>

#include <map>

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

// The Alt letter of a caption ("Sim &Week" -> 'w'); 0 when it has none ("&&" is a plain ampersand).
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

// The clashes and the letters without a target in one window, as readable lines.
QStringList AcceleratorProblems(QWidget& window) {
    std::map<QChar, QStringList> users;
    QStringList problems;
    const QString title = window.windowTitle();
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || !w->isVisibleTo(&window)) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (QChar c = Mnemonic(b->text()); !c.isNull()) users[c] << b->text();
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            const QChar c = Mnemonic(l->text());
            if (c.isNull() || l->textFormat() == Qt::RichText) continue;
            if (!l->buddy())
                problems << title + QStringLiteral(": \"") + l->text() + QStringLiteral("\" has no buddy");
            else
                users[c] << l->text();
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (QChar c = Mnemonic(tabs->tabText(i)); !c.isNull()) users[c] << tabs->tabText(i);
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : bar->actions())
                if (QChar c = Mnemonic(a->text()); !c.isNull()) users[c] << a->text();
        }
    }
    for (const auto& [letter, texts] : users)
        if (texts.size() > 1)
            problems << title + QStringLiteral(": Alt+") + letter + QStringLiteral(" on ") +
                            texts.join(QStringLiteral(", "));
    return problems;
}

// The commands of each menu: one letter each within the menu.
QStringList MenuProblems(QMenuBar& bar) {
    QStringList problems;
    for (QAction* top : bar.actions()) {
        if (!top->menu()) continue;
        std::map<QChar, QStringList> users;
        for (QAction* a : top->menu()->actions())
            if (QChar c = Mnemonic(a->text()); !c.isNull()) users[c] << a->text();
        for (const auto& [letter, texts] : users)
            if (texts.size() > 1)
                problems << top->text() + QStringLiteral(": Alt+") + letter + QStringLiteral(" on ") +
                                texts.join(QStringLiteral(", "));
    }
    return problems;
}

} // namespace

class HubWindowsTest : public QObject {
    Q_OBJECT
  private:
    test::TempHome home;
    Session session;

  private slots:
    void initTestCase() {
        test::PlayFirstDays(home, session, "Windows", 5, 0);
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

    // The checker itself: a clash, a letterless label and "&&" are told apart.
    void theCheckerFindsAClashAndALabelWithoutABuddy() {
        QDialog d;
        d.setWindowTitle(QStringLiteral("Probe"));
        auto* a = new QPushButton(QStringLiteral("&Close"), &d);
        auto* b = new QPushButton(QStringLiteral("&Cut"), &d);
        auto* plain = new QLabel(QStringLiteral("Salt && &Pepper"), &d);
        auto* buddy = new QLabel(QStringLiteral("&Team:"), &d);
        buddy->setBuddy(a);
        (void)b;
        (void)plain;
        d.show();
        const QStringList problems = AcceleratorProblems(d);
        QCOMPARE(problems.size(), 2);
        QVERIFY(problems.contains(QStringLiteral("Probe: \"Salt && &Pepper\" has no buddy")));
        QVERIFY(problems.contains(QStringLiteral("Probe: Alt+c on &Close, &Cut")));
    }

    void everyHubWindowFitsTheSmallestScreenWithUniqueAccelerators() {
        QStringList problems;
        const QSet<QString> opened = test::WalkHubWindows(
            session,
            [&](frmStart& hub) {
                problems += SizeProblems(hub) + AcceleratorProblems(hub) + MenuProblems(*hub.menuBar());
            },
            [&](QWidget& window) {
                problems += SizeProblems(window) + BracketProblems(window) + AcceleratorProblems(window);
                test::Screenshot(window, ShotName(window.windowTitle()));
            });
        // The screens of the off-season and the season are among those looked at.
        for (const char* title :
             {"Sim Games", "Propose Trade", "Free Agency Period", "Training Camps", "Team Roster",
              "Rookie Draft", "Playoffs", "Player Contracts", "Team Salary Cap Room", "Free Agents"})
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
    HubWindowsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "hub_windows_test.moc"
