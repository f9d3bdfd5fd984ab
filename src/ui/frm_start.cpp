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
#include <filesystem>

#include "frm_box_score.h"
#include "frm_coach_game.h"
#include "frm_player_card.h"
#include "frm_team_info.h"
#include "help_viewer.h"
#include "hub_screens.h"
#include "league/game_key.h"
#include "league/hub_commands.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "league/status_line.h"
#include "platform/program_folder.h"
#include "reports/dashboard.h"
#include "row_links.h"
#include "season/season_hooks.h"
#include "window_placement.h"

namespace hv {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

frmStart::frmStart(Session& session, QtHost& host, QWidget* parent)
    : QMainWindow(parent), session_(session), host_(host) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(Q(WindowCaption()));
    dashboard_ = new DashboardView([this](const QString& name) { return Command(name); }, this);
    setCentralWidget(dashboard_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLine"));
    statusBar()->addWidget(status_, 1);
    leagueName_ = new QLabel(this);
    leagueName_->setObjectName(QStringLiteral("leagueName"));
    statusBar()->addPermanentWidget(leagueName_);
    BuildMenus();
    InstallRowOpeners(
        {.player = [this](QWidget* from, int id) { frmPlayerCard::Show(session_.league, id, from); },
         .team =
             [this](QWidget* from, int team) {
                 frmTeamInfo screen(session_.league, from);
                 screen.Choices()->setCurrentIndex(team - 1);
                 screen.exec();
             },
         .game =
             [this](QWidget* from, int key) {
                 frmBoxScore::Show(session_.league, host_, DayOfGameKey(key), GameOfGameKey(key), from);
             }});
    // The day loop hands the games of the teams the user coaches to the coached-game screen.
    SetCoachGameScreen(
        [this](League& league, Host& host, int, int game, int home, int away, const char* type) {
            QWidget* over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
            return frmCoachGame::PlayScheduled(league, host, game, home, away, type, over);
        });
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
    SetCoachGameScreen({});
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
        actions_.insert(Q(c.name), action);
        if (c.name == "mnuQuit") {
            recentEnd_ = menu->insertSeparator(action);
            fileMenu_ = menu;
        }
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
    const QString command = QLatin1String(name);
    connect(Command(command), &QAction::triggered, this, [this, action, command] {
        lastCommand_ = command;
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
        it.value()->setEnabled(on[name]);
    }
    status_->setText(StatusText());
    leagueName_->setText(LeagueText());
    const League& league = session_.league;
    setWindowTitle(league.leagueOpen ? Q(league.state.LeagueName + ", Season " +
                                         std::to_string(league.state.Season) + " - " + WindowCaption())
                                     : Q(WindowCaption()));
    dashboard_->Refresh(league);
    TellChanges();
    RememberLeague();
}

void frmStart::TellChanges() {
    const League& league = session_.league;
    Seen now{league.leagueOpen, league.savedGame.name, league.state, league.savedGame.digest};
    const bool saved = now.digest != seen_.digest && !HasUnsavedChanges(league);
    std::string text;
    if (!now.open) {
        if (seen_.open) statusBar()->clearMessage();
    } else if (lastCommand_ == QLatin1String("mnuSaveGame")) {
        if (saved) text = "Saved " + now.name + ".";
    } else if (!seen_.open || now.name != seen_.name ||
               (lastCommand_ == QLatin1String("mnuLoadGame") && saved)) {
        text = "Opened " + (now.name.empty() ? now.state.LeagueName : now.name) + ": " +
               StatusLine(now.state) + ".";
    } else {
        text = PhaseChangeText(seen_.state, now.state);
        if (saved) text += (text.empty() ? "" : " ") + std::string("Saved ") + now.name + ".";
    }
    if (!text.empty()) statusBar()->showMessage(Q(text), 10000);
    seen_ = std::move(now);
    lastCommand_.clear();
}

QStringList frmStart::RecentLeagues() {
    QSettings settings(QStringLiteral("Hoopvale"), QStringLiteral("Hoopvale"));
    return settings.value(QStringLiteral("Recent Leagues/Names")).toStringList();
}

void frmStart::SetRecentLeagues(const QStringList& names) {
    QSettings settings(QStringLiteral("Hoopvale"), QStringLiteral("Hoopvale"));
    settings.setValue(QStringLiteral("Recent Leagues/Names"), names.mid(0, 5));
}

void frmStart::RememberLeague() {
    QStringList names = RecentLeagues();
    const League& league = session_.league;
    if (league.leagueOpen && !league.savedGame.name.empty()) {
        const QString name = Q(league.savedGame.name);
        if (names.value(0) != name) {
            names.removeAll(name);
            names.prepend(name);
            SetRecentLeagues(names);
        }
    }
    BuildRecentMenu();
}

void frmStart::BuildRecentMenu() {
    for (QAction* a : recent_)
        delete a;
    recent_.clear();
    const QStringList names = RecentLeagues().mid(0, 5);
    for (int i = 0; i < names.size(); ++i) {
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(names[i]), fileMenu_);
        a->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        a->setStatusTip(QStringLiteral("Load the league %1").arg(names[i]));
        const QString name = names[i];
        connect(a, &QAction::triggered, this, [this, name] { OpenLeague(name); });
        fileMenu_->insertAction(recentEnd_, a);
        recent_ << a;
    }
    if (!names.isEmpty()) {
        auto* separator = new QAction(fileMenu_);
        separator->setSeparator(true);
        fileMenu_->insertAction(recent_.first(), separator);
        recent_.prepend(separator);
    }
}

bool frmStart::OpenLeague(const QString& name) {
    League& league = session_.league;
    const std::string file = SaveFileName(name.toStdString());
    std::error_code ec;
    if (!std::filesystem::is_regular_file(league.SaveFolder() / file, ec)) {
        QStringList names = RecentLeagues();
        const bool listed = names.removeAll(name) > 0;
        SetRecentLeagues(names);
        host_.ShowMessage("There is no saved league named " + name.toStdString() + "." +
                              (listed ? " It is taken off the recent leagues." : "") +
                              " File > Load Game lists the saved leagues.",
                          "Load Game", MessageIcon::Warning);
        BuildRecentMenu();
        return false;
    }
    if (!OfferToSaveChanges(league, host_)) return false;
    lastCommand_ = QStringLiteral("mnuLoadGame");
    const bool loaded = LoadSavedGame(league, file, host_);
    RefreshFormStart();
    return loaded;
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
    dashboard_->SetBackground(picture);
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
