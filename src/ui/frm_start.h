// The hub: the main window with every menu command, a background and the status line.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QString>
#include <functional>

#include "league/startup.h"
#include "qt_host.h"

namespace hv {

class frmStart : public QMainWindow {
    Q_OBJECT
  public:
    frmStart(Session& session, QtHost& host, QWidget* parent = nullptr);

    // Enables the commands that fit the league's phase and the user's rights, and sets the status line.
    void RefreshFormStart();

    QAction* Command(const QString& name) const { return actions_.value(name); }
    QString StatusText() const;

    void ShowBackground(const QString& file);
    void RestorePlacement();
    void StorePlacement();

    // Commands whose screens exist; the others stay present and disabled.
    static bool IsBuilt(const std::string& name);

  signals:
    void newGameRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void Connect(const char* name, std::function<void()> action);
    void OnNewGame();
    void OnQuit();
    void OnHelpContents();
    void OnAbout();

    Session& session_;
    QtHost& host_;
    QMap<QString, QAction*> actions_;
    QLabel* status_ = nullptr;
    QLabel* background_ = nullptr;
    bool placementStored_ = false;
};

} // namespace hv
