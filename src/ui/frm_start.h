// The hub: the main window with every menu command, a background and the status line.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "dashboard_view.h"
#include "qt_host.h"
#include "setup/startup.h"

namespace hv {

class frmStart : public QMainWindow {
    Q_OBJECT
  public:
    frmStart(Session& session, QtHost& host, QWidget* parent = nullptr);
    ~frmStart() override;

    // Enables the commands that fit the league's phase and the user's rights, and sets the status line.
    void RefreshFormStart();

    QAction* Command(const QString& name) const { return actions_.value(name); }
    QString StatusText() const;
    // "League: NAME" while a league is open, else empty.
    QString LeagueText() const;

    void ShowBackground(const QString& file);
    DashboardView* Dashboard() const { return dashboard_; }

    // Loads the saved league NAME as File > Load Game does (its unsaved changes offered a save first); a
    // name without a saved game is told. True when it was loaded.
    bool OpenLeague(const QString& name);
    // The leagues opened or saved lately, latest first, as File lists them.
    static QStringList RecentLeagues();
    static void SetRecentLeagues(const QStringList& names);
    void RestorePlacement();
    void StorePlacement();

  signals:
    void newGameRequested();

  protected:
    // Shows the status tip of a disabled command under the mouse, which a menu does not do by itself.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Quitting offers to save the open league's unsaved changes; Cancel keeps the program running.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void Connect(const char* name, std::function<void()> action);
    void OnNewGame();
    void OnQuit();
    void OnHelpContents();
    void OnAbout();
    // Puts the open league first among the recent leagues and lists them under File.
    void RememberLeague();
    void BuildRecentMenu();
    // Says in the status bar what moved since the last refresh: a new phase, a save, a load.
    void TellChanges();

    Session& session_;
    QtHost& host_;
    QMap<QString, QAction*> actions_;
    QLabel* status_ = nullptr;
    QLabel* leagueName_ = nullptr;
    DashboardView* dashboard_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentEnd_ = nullptr; // the separator after the recent leagues
    QList<QAction*> recent_;
    // What the last refresh saw, so that the next one can tell what changed.
    struct Seen {
        bool open = false;
        std::string name;
        SeasonState state;
        std::optional<uint64_t> digest;
    } seen_;
    QString lastCommand_;
    QPointer<QDialog> help_; // one help window, shown again on every Contents
    bool placementStored_ = false;
};

} // namespace hv
