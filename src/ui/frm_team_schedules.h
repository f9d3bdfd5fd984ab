// Team Schedules: a team's games with their results and its record after each, or every game of the season.
#pragma once

#include "league/league.h"
#include "table_screen.h"

namespace hv {

class frmTeamSchedules : public TableScreen {
    Q_OBJECT
  public:
    explicit frmTeamSchedules(const League& league, QWidget* parent = nullptr);
};

} // namespace hv
