// The Sim Multiple Seasons screen: the number of seasons to sim, the status line of each step, a progress bar
// over the whole run, and Sim, Stop and Close. The computer plays the games and makes every choice until the
// league stands on day 0 of the last season asked for.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "league/league.h"
#include "screen_host.h"

namespace hv {

class frmSimSeasons : public QDialog {
    Q_OBJECT
  public:
    frmSimSeasons(League& league, Host& host, QWidget* parent = nullptr);

    QLineEdit* SeasonsBox() const { return seasons_; }
    QLabel* Status() const { return status_; }
    QProgressBar* Progress() const { return progress_; }
    QPushButton* Button(const char* name) const;
    bool Running() const { return running_; }
    // Runs what the Sim button runs: the number typed, then the seasons.
    void Sim();

    void reject() override;

  private:
    void SetRunning(bool running);

    League& league_;
    Host& host_;
    ScreenHost runHost_;
    QLineEdit* seasons_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* sim_;
    QPushButton* stop_;
    QPushButton* close_;
    bool running_ = false;
};

// Opens the screen from the hub; refused (with its message) where the league does not allow it.
void OpenSimSeasons(League& league, Host& host, QWidget* parent);

} // namespace hv
