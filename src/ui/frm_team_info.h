// Team Information: a team's city, name, owner, conference and division, its record, streak and ranks, its
// payroll and cap room, what the franchise has won, and a chart of its wins by season. The standings are
// computed when the screen opens.
#pragma once

#include <QChartView>

#include "league/league.h"
#include "table_screen.h"

namespace hv {

class frmTeamInfo : public TableScreen {
    Q_OBJECT
  public:
    explicit frmTeamInfo(League& league, QWidget* parent = nullptr);

    QChartView* WinsChart() const { return chart_; }

  private:
    // Draws the chosen team's wins by season in place of the chart shown.
    void ShowWinsChart();

    League& league_;
    QChartView* chart_ = nullptr;
};

} // namespace hv
