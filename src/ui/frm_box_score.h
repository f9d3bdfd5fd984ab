// The box score of a played game of the schedule or the playoffs, read back from its box file: the score by
// quarters, each side's players and the Player of the Game; and the game's play-by-play when it was kept.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "engine/box_score.h"
#include "league/league.h"
#include "platform/host.h"
#include "report_view.h"

namespace hv {

class frmBoxScore : public QDialog {
    Q_OBJECT
  public:
    // The box score of game `game` of day `day`; `pbp` holds the play-by-play lines when kept.
    frmBoxScore(const BoxScore& box, const std::vector<std::string>* pbp, int day, int game,
                QWidget* parent = nullptr);

    // Reads the game's files and shows the screen; a game without a box score is told instead.
    static void Show(const League& league, Host& host, int day, int game, QWidget* parent);

    QLabel* FinalLine() const { return final_; }
    ReportView* Quarters() const { return quarters_; }
    ReportView* AwayPlayers() const { return away_; }
    ReportView* HomePlayers() const { return home_; }
    QPlainTextEdit* PlayByPlay() const { return pbp_; }
    QTabWidget* Tabs() const { return tabs_; }

  private:
    QLabel* final_;
    ReportView* quarters_;
    ReportView* away_;
    ReportView* home_;
    QPlainTextEdit* pbp_;
    QTabWidget* tabs_;
};

} // namespace hv
