// The playoffs screen: the bracket with each series' standing, the games of the selected series, the day's
// games, the result lines of the runs, and the commands Sim (the day), Sim All, Sim Game, Stop, and the box
// score of a played game. The champion and the Playoff MVP are shown once the finals are over.
#pragma once

#include <QLabel>
#include <QTabWidget>

#include "report_view.h"
#include "sim_screen.h"

namespace hv {

class frmPlayoffs : public SimScreen {
    Q_OBJECT
  public:
    frmPlayoffs(League& league, Host& host, QWidget* parent = nullptr);

    void Refresh() override;
    ReportView* Bracket() const { return bracket_; }
    ReportView* SeriesGames() const { return series_; }
    ReportView* Today() const { return today_; }
    QLabel* Champion() const { return champion_; }

  private:
    void ShowSeries();
    // The game Sim Game plays: the one selected among the day's games, else the day's first unplayed one.
    int GameToPlay() const;

    ReportView* bracket_;
    ReportView* series_;
    ReportView* today_;
    QTabWidget* tabs_;
    QLabel* champion_;
};

// Opens the playoffs screen from the hub: on day 121 the playoffs are begun first (refused, with its message,
// where the league lets only the commissioner simulate).
void OpenPlayoffs(League& league, Host& host, QWidget* parent);

} // namespace hv
