// Every window the hub opens, at a phase where its command is enabled: no two visible controls share an
// Alt letter, and every label's letter has a control to go to.
#include <QAbstractButton>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

#include <map>
#include <set>

#include "frm_start.h"
#include "screen_test.h"

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
        QtHost host;
        frmStart hub(session, host);
        host.SetParent(&hub);
        hub.show();
        QStringList problems = AcceleratorProblems(hub) + MenuProblems(*hub.menuBar());
        QSet<QString> opened;
        const int days[] = {1,
                            Phase::AllStarDay,
                            Phase::FirstPlayoffDay,
                            Phase::RookieDraft,
                            Phase::FirstFreeAgency,
                            Phase::TrainingCamps};
        for (int day : days) {
            session.league.state.SeasonDay = static_cast<int16_t>(day);
            hub.RefreshFormStart();
            for (const auto& [name, opener] : HubScreens()) {
                QAction* command = hub.Command(QString::fromStdString(name));
                // End Season runs the season's closing steps before its one-button window comes up.
                if (!command || !command->isEnabled() || name == "mnuEndSeason") continue;
                // Every window that comes up is looked at, then closed as Escape closes it.
                QSet<QWidget*> seen;
                QTimer poll;
                connect(&poll, &QTimer::timeout, [&] {
                    QWidget* modal = QApplication::activeModalWidget();
                    if (!modal || seen.contains(modal)) return;
                    seen.insert(modal);
                    opened.insert(modal->windowTitle());
                    problems += AcceleratorProblems(*modal);
                    if (auto* d = qobject_cast<QDialog*>(modal)) QMetaObject::invokeMethod(d, "reject");
                });
                poll.start(10);
                command->trigger();
                poll.stop();
            }
        }
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
