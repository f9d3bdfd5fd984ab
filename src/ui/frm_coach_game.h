// The coached game: the user on the bench of one or both sides, the engine playing possession by possession.
// A scoreboard, both line-ups with each player's minutes, points, fouls and energy, the play-by-play
// scrolling at the chosen speed, a settings page per side ("NAME Settings"), timeouts, and a box score that
// fills as the game goes. Closing before the end asks, and the engine then plays the game to its end.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <array>
#include <deque>

#include "engine/coached_game.h"
#include "platform/host.h"
#include "report_view.h"

namespace hv {

class frmCoachGame : public QDialog {
    Q_OBJECT
  public:
    // The screen over an opened session; the session's game ends (and is saved) when the screen closes.
    frmCoachGame(CoachedGame& game, Host& host, QWidget* parent = nullptr);

    // A coached game of the league's schedule, played on this screen to its end: true when it was.
    static bool PlayScheduled(League& league, Host& host, int game, int home, int away, const char* type,
                              QWidget* parent);

    static constexpr int kInstant = 10; // the speed slider's last step: no delay at all

    QPushButton* Command(const char* name) const;
    QSlider* Speed() const { return speed_; }
    QListWidget* PlayByPlay() const { return pbp_; }
    QTabWidget* Tabs() const { return tabs_; }
    ReportView* Score() const { return score_; }
    ReportView* Lineup(CoachSide side) const { return side_[Index(side)].lineup; }
    QCheckBox* CoachBox(CoachSide side) const { return side_[Index(side)].coach; }
    QComboBox* SlotChoice(CoachSide side, int slot) const { return side_[Index(side)].court[slot - 1]; }
    QLabel* Clock() const { return clock_; }
    ReportView* BoxLines(CoachSide side) const { return side_[Index(side)].box; }

    // Plays as the Sim Possession, Sim Quarter and Sim Game commands do.
    void Simulate(CoachSim span);
    // Escape, the window's close button and Exit: asks before an unfinished game is left to the engine.
    void reject() override;

  private:
    struct SidePanel {
        QCheckBox* coach = nullptr;
        QComboBox* pace = nullptr;
        QComboBox* trap = nullptr;
        QComboBox* press = nullptr;
        QComboBox* offense = nullptr;
        std::array<QComboBox*, 5> court{};
        std::array<QComboBox*, 5> matchups{};
        std::array<QComboBox*, 3> keys{};
        ReportView* lineup = nullptr;
        ReportView* box = nullptr;
        QPushButton* timeout = nullptr;
        QLabel* heading = nullptr;
    };
    static int Index(CoachSide side) { return side == CoachSide::Home ? 0 : 1; }

    void Build();
    QWidget* BuildCourtPage();
    QWidget* BuildSettingsPage(CoachSide side);
    QWidget* BuildBoxPage();
    void Connect(CoachSide side);
    void Refresh();
    void RefreshBoard();
    void RefreshBox();
    void RefreshChoices(CoachSide side);
    void EnableCommands();
    void ShowNextLine();
    void WaitForTheDisplay();
    void CallTimeOut(CoachSide side);
    bool LeaveGame();
    int DelayMs() const;

    CoachedGame& game_;
    Host& host_;
    QLabel* caption_ = nullptr;
    QLabel* clock_ = nullptr;
    ReportView* score_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QListWidget* pbp_ = nullptr;
    QSlider* speed_ = nullptr;
    QLabel* speedText_ = nullptr;
    std::array<SidePanel, 2> side_{};
    std::deque<QString> queue_;
    QTimer* timer_ = nullptr;
    bool stop_ = false;
    bool closeAfterRun_ = false;
    bool filling_ = false; // the choices are being filled from the game: no command
    int pendingTimeout_ = -1;
    int instantSteps_ = 0;
};

} // namespace hv
