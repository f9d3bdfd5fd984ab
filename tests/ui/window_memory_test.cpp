// Screens reopen at the size the user left them, and never larger than the screen's free area.
#include <QDialog>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "table_screen.h"
#include "window_memory.h"

using namespace hv;

namespace {

// A dialog with two panes in a named splitter, as the screens with splitters have.
struct PanedDialog {
    QDialog dialog;
    QSplitter* splitter;
    PanedDialog() {
        splitter = new QSplitter(Qt::Vertical, &dialog);
        splitter->setObjectName(QStringLiteral("splPanes"));
        splitter->addWidget(new QWidget);
        splitter->addWidget(new QWidget);
        (new QVBoxLayout(&dialog))->addWidget(splitter);
        dialog.resize(300, 200);
    }
};

} // namespace

class WindowMemoryTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    std::unique_ptr<WindowMemory> memory_;

    QString Store() const { return dir_.filePath(QStringLiteral("windows.ini")); }

  private slots:
    void init() {
        QFile::remove(Store());
        memory_ = std::make_unique<WindowMemory>(
            [this] { return std::make_unique<QSettings>(Store(), QSettings::IniFormat); });
        qApp->installEventFilter(memory_.get());
    }
    void cleanup() {
        qApp->removeEventFilter(memory_.get());
        memory_.reset();
    }

    // Worked by hand on a 1366x768 area.
    void fitIntoAreaShrinksAndMovesInside() {
        const QRect area(0, 0, 1366, 768);
        QCOMPARE(FitIntoArea(QRect(0, 0, 1686, 900), area), QRect(0, 0, 1366, 768));
        QCOMPARE(FitIntoArea(QRect(1000, 500, 800, 600), area), QRect(566, 168, 800, 600));
        QCOMPARE(FitIntoArea(QRect(-40, -10, 400, 300), area), QRect(0, 0, 400, 300));
        QCOMPARE(FitIntoArea(QRect(100, 100, 400, 300), area), QRect(100, 100, 400, 300));
        // A free area below a top panel.
        QCOMPARE(FitIntoArea(QRect(0, 0, 500, 900), QRect(0, 30, 1366, 738)), QRect(0, 30, 500, 738));
    }

    void sizeAndSplitterComeBackNextTime() {
        QList<int> keptSizes;
        {
            PanedDialog first;
            first.dialog.show();
            first.dialog.resize(520, 410);
            first.splitter->setSizes({300, 60});
            keptSizes = first.splitter->sizes();
            first.dialog.hide();
        }
        PanedDialog second;
        QCOMPARE(second.dialog.size(), QSize(300, 200));
        second.dialog.show();
        QCOMPARE(second.dialog.size(), QSize(520, 410));
        QCOMPARE(second.splitter->sizes(), keptSizes);
        second.dialog.hide();
    }

    void aKeptSizeLargerThanTheScreenIsFittedIntoIt() {
        QSettings(Store(), QSettings::IniFormat)
            .setValue(WindowKey(QDialog()) + QStringLiteral("/size"), QSize(5000, 4000));
        PanedDialog dialog;
        dialog.dialog.show();
        const QRect area = dialog.dialog.screen()->availableGeometry();
        QVERIFY2(dialog.dialog.width() <= area.width() && dialog.dialog.height() <= area.height(),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                .arg(dialog.dialog.width())
                                .arg(dialog.dialog.height())
                                .arg(area.width())
                                .arg(area.height())));
        dialog.dialog.hide();
    }

    void eachListScreenKeepsItsOwnSize() {
        TableScreen injuries(QStringLiteral("Injuries"), {});
        TableScreen transactions(QStringLiteral("Transactions"), {});
        QVERIFY(WindowKey(injuries) != WindowKey(transactions));
        injuries.show();
        injuries.resize(333, 277);
        injuries.hide();
        transactions.show();
        QVERIFY(transactions.size() != QSize(333, 277));
        transactions.hide();
        TableScreen again(QStringLiteral("Injuries"), {});
        again.show();
        QCOMPARE(again.size(), QSize(333, 277));
        again.hide();
    }
};

QTEST_MAIN(WindowMemoryTest)
#include "window_memory_test.moc"
