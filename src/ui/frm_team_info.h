// Team Information: a team's city, name, owner, conference and division, its record, streak and ranks, its
// payroll and cap room, and what the franchise has won. The standings are computed when the screen opens.
#pragma once

#include "league/league.h"
#include "table_screen.h"

namespace hv {

class frmTeamInfo : public TableScreen {
    Q_OBJECT
  public:
    explicit frmTeamInfo(League& league, QWidget* parent = nullptr);
};

} // namespace hv
