// Every window the hub opens, at a phase where its command is enabled: no two visible controls share an
// Alt letter, and every label's letter has a control to go to.
#include <QAbstractButton>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

#include <map>
#include <set>

#include "hub_walk.h"

using namespace hv;

namespace {

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

class AcceleratorsTest : public QObject {
    Q_OBJECT
  private:
    test::TempHome home;
    Session session;

  private slots:
    void initTestCase() {
        test::PlayFirstDays(home, session, "Letters", 5, 0);
        session.league.team(3).Owner = "Human"; // the screens' human-team parts show too
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

    void everyHubWindowHasUniqueAccelerators() {
        QStringList problems;
        const QSet<QString> opened = test::WalkHubWindows(
            session,
            [&](frmStart& hub) { problems += AcceleratorProblems(hub) + MenuProblems(*hub.menuBar()); },
            [&](QWidget& window) { problems += AcceleratorProblems(window); });
        // The screens of the off-season and the season are among those looked at.
        for (const char* title :
             {"Sim Games", "Free Agency Period", "Training Camps", "Team Roster", "Rookie Draft", "Playoffs"})
            QVERIFY2(opened.contains(QLatin1String(title)), title);
        QVERIFY2(opened.size() >= 20,
                 qPrintable(QStringList(opened.begin(), opened.end()).join(QStringLiteral(", "))));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(AcceleratorsTest)
#include "accelerators_test.moc"
