#include "frm_start.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <set>

#include "frm_box_score.h"
#include "help_viewer.h"
#include "hub_screens.h"
#include "league/hub_commands.h"
#include "league/saved_games.h"
#include "league/status_line.h"
#include "platform/program_folder.h"
#include "row_links.h"
#include "window_placement.h"

namespace hv {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

QString frmStart::NotBuiltTip() {
    return QStringLiteral("Not available yet: this version of Hoopvale has no screen for this command.");
}

bool frmStart::IsBuilt(const std::string& name) {
    static const std::set<std::string> own{"mnuNewGame", "mnuQuit", "mnuHelpContents", "mnuShowAbout"};
    return own.count(name) != 0 || HubScreens().count(name) != 0;
}

frmStart::frmStart(Session& session, QtHost& host, QWidget* parent)
    : QMainWindow(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(Q(WindowCaption()));
    background_ = new QLabel(this);
    background_->setObjectName(QStringLiteral("background"));
    background_->setAlignment(Qt::AlignCenter);
    background_->setText(QStringLiteral("<div style='color:#f0f0f0'><h1 style='font-size:36pt'>Hoopvale</h1>"
                                        "<p style='font-size:14pt'>Basketball league simulation</p></div>"));
    background_->setAutoFillBackground(true);
    QPalette palette = background_->palette();
    palette.setColor(QPalette::Window, QColor(0x1d, 0x3b, 0x5c));
    background_->setPalette(palette);
    setCentralWidget(background_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLine"));
    statusBar()->addWidget(status_, 1);
    leagueName_ = new QLabel(this);
    leagueName_->setObjectName(QStringLiteral("leagueName"));
    statusBar()->addPermanentWidget(leagueName_);
    BuildMenus();
    InstallRowOpeners({.player = {}, .team = {}, .game = [this](QWidget* from, int key) {
                           frmBoxScore::Show(session_.league, host_, key / 100, key % 100, from);
                       }});
    Connect("mnuNewGame", [this] { OnNewGame(); });
    Connect("mnuQuit", [this] { OnQuit(); });
    Connect("mnuHelpContents", [this] { OnHelpContents(); });
    Connect("mnuShowAbout", [this] { OnAbout(); });
    for (const auto& [name, open] : HubScreens()) {
        ScreenOpener opener = open;
        Connect(name.c_str(), [this, opener] {
            HubContext hub{session_, host_, this, [this] { RefreshFormStart(); }};
            opener(hub);
        });
    }
}

frmStart::~frmStart() {
    InstallRowOpeners({}); // they reach this window's league
}

void frmStart::BuildMenus() {
    QMap<QString, QMenu*> menus;
    for (const HubCommand& c : HubCommands()) {
        QString menuTitle = Q(c.menu);
        QMenu* menu = menus.value(menuTitle);
        if (!menu) {
            menu = menuBar()->addMenu(menuTitle);
            menu->setObjectName(menuTitle.remove(QLatin1Char('&')));
            menu->setToolTipsVisible(true);
            menu->installEventFilter(this);
            connect(menu, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage);
            menus.insert(Q(c.menu), menu);
        }
        auto* action = menu->addAction(Q(c.caption));
        action->setObjectName(Q(c.name));
        if (!IsBuilt(c.name)) {
            action->setStatusTip(NotBuiltTip());
            action->setToolTip(NotBuiltTip());
        }
        actions_.insert(Q(c.name), action);
        if (c.name == "mnuQuit") menu->insertSeparator(action);
    }
    Command(QStringLiteral("mnuNewGame"))->setShortcut(QKeySequence::New);
    Command(QStringLiteral("mnuLoadGame"))->setShortcut(QKeySequence::Open);
    Command(QStringLiteral("mnuSaveGame"))->setShortcut(QKeySequence::Save);
    Command(QStringLiteral("mnuQuit"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    Command(QStringLiteral("mnuHelpContents"))->setShortcut(QKeySequence::HelpContents);
}

bool frmStart::eventFilter(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu && event->type() == QEvent::MouseMove) {
        QAction* action = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (action && !action->isEnabled() && !action->statusTip().isEmpty())
            statusBar()->showMessage(action->statusTip());
        else if (!action || action->statusTip().isEmpty())
            statusBar()->clearMessage();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmStart::Connect(const char* name, std::function<void()> action) {
    // No failure of a command may leave the event loop as an exception: it ends with a message instead.
    connect(Command(QLatin1String(name)), &QAction::triggered, this, [this, action] {
        try {
            action();
        } catch (const FatalError& fatal) {
            host_.ShowMessage(fatal.text, fatal.title, fatal.icon);
            QCoreApplication::exit(3);
        } catch (const std::exception& e) {
            host_.ShowMessage(std::string("The command failed: ") + e.what(), "Error", MessageIcon::Critical);
        }
        RefreshFormStart();
    });
}

void frmStart::RefreshFormStart() {
    std::map<std::string, bool> previous;
    for (auto it = actions_.begin(); it != actions_.end(); ++it)
        previous[it.key().toStdString()] = it.value()->isEnabled();
    auto on = CommandAvailability(session_.league.state, session_.league.leagueOpen, previous);
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        std::string name = it.key().toStdString();
        it.value()->setEnabled(on[name] && IsBuilt(name));
    }
    status_->setText(StatusText());
    leagueName_->setText(LeagueText());
}

QString frmStart::StatusText() const {
    return session_.league.leagueOpen ? Q(StatusLine(session_.league.state)) : QString();
}

QString frmStart::LeagueText() const {
    return session_.league.leagueOpen ? QStringLiteral("League: ") + Q(session_.league.state.LeagueName)
                                      : QString();
}

void frmStart::ShowBackground(const QString& file) {
    QPixmap picture(file);
    if (picture.isNull()) return;
    background_->setPixmap(picture);
    background_->setScaledContents(true);
}

void frmStart::RestorePlacement() {
    QSize screen =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1024, 768);
    QSettings settings(QStringLiteral("Hoopvale"), QStringLiteral("Hoopvale"));
    WindowPlacement p = ReadPlacement(settings, screen);
    setGeometry(p.geometry);
    if (p.maximized) setWindowState(Qt::WindowMaximized);
}

void frmStart::StorePlacement() {
    if (placementStored_) return;
    placementStored_ = true;
    QSize screen =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1024, 768);
    QSettings settings(QStringLiteral("Hoopvale"), QStringLiteral("Hoopvale"));
    WritePlacement(settings, isMaximized(), geometry(), screen);
}

void frmStart::closeEvent(QCloseEvent* event) {
    if (!OfferToSaveChanges(session_.league, host_)) {
        event->ignore();
        return;
    }
    StorePlacement();
    session_.database.reset();
    event->accept();
}

void frmStart::OnNewGame() {
    // Only an open league with changes since it was saved has anything to lose.
    const League& league = session_.league;
    if (league.leagueOpen && HasUnsavedChanges(league) &&
        !host_.AskYesNo(
            "Starting a new game will end the current game without saving. Would you like to continue?", {}))
        return;
    // The new-league screen answers this signal; until a build has one, say so instead of doing nothing.
    if (isSignalConnected(QMetaMethod::fromSignal(&frmStart::newGameRequested))) {
        emit newGameRequested();
    } else {
        host_.ShowMessage(
            "This version cannot create a new league yet. Load a saved league with File > Load Game.",
            "New Game", MessageIcon::Information);
    }
}

void frmStart::OnQuit() {
    close();
}

void frmStart::OnHelpContents() {
    if (!help_) help_ = new HelpViewer(session_.league.programFolder / "help", this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void frmStart::OnAbout() {
    QMessageBox::about(
        this, QStringLiteral("About Hoopvale"),
        QStringLiteral("<h3>%1</h3><p>Basketball league management and simulation.</p>"
                       "<p>Program folder: %2</p>")
            .arg(Q(WindowCaption()), Q(session_.league.programFolder.string()).toHtmlEscaped()));
}

} // namespace hv
