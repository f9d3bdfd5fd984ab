// What the schedule screen and the playoffs screen share: the list of result lines that a run adds day by
// day, a progress bar for multi-day runs, the injuries check box, the Stop, Box Score and Close buttons, and
// the run itself: the screen's commands are disabled while it plays, events are pumped between games, and
// Stop really stops it before the next day.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <functional>
#include <vector>

#include "league/league.h"
#include "screen_host.h"
#include "season/sim_commands.h"

namespace hv {

class SimScreen : public QDialog {
    Q_OBJECT
  public:
    SimScreen(League& league, Host& host, const QString& title, QWidget* parent = nullptr);

    QPushButton* Button(const char* name) const;
    QListWidget* Results() const { return results_; }
    QProgressBar* Progress() const { return progress_; }
    QCheckBox* InjuriesBox() const { return injuries_; }
    QLabel* Heading() const { return heading_; }
    bool Running() const { return running_; }
    // The host of the runs, whose stop request Stop sets.
    Host& RunHost() { return runHost_; }

    // Rebuilds the lists and enables the commands that fit the league's day.
    virtual void Refresh() = 0;

  protected:
    // A simulation command, disabled while a run goes on.
    QPushButton* AddCommand(const char* name, const QString& caption, std::function<SimReport()> action);
    // A button that only looks (a box score), enabled whenever no run goes on.
    QPushButton* AddViewButton(const char* name, const QString& caption, std::function<void()> action);
    // Plays a command: commands disabled, the result lines listed as they come, then a refresh.
    void Run(const std::function<SimReport()>& action);
    // Opens the box score of the game with key day x 100 + game.
    void OpenBox(int key);
    // Told when a run begins a day's games and after each game: a screen keeps its headings and lists with
    // the run.
    virtual void RunMoved() {}
    // Enables a command unless a run goes on.
    void EnableCommand(const char* name, bool on);

    void reject() override;

    League& league_;
    Host& host_;
    SimRun run_;
    QLabel* heading_;
    QVBoxLayout* lists_;   // the screen's own lists go here, above the result lines
    QSplitter* splitter_;  // between the screen's lists and the result lines
    QHBoxLayout* options_; // check boxes beside the injuries box

  private:
    ScreenHost runHost_;
    QListWidget* results_;
    QProgressBar* progress_;
    QCheckBox* injuries_;
    QHBoxLayout* commandRow_;
    QHBoxLayout* viewRow_;
    std::vector<QPushButton*> commands_;
    std::vector<QPushButton*> views_;
    bool running_ = false;
};

} // namespace hv
