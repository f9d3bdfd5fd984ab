// Team Stats: every team's season statistics, its own or its opponents', per game or in total.
#pragma once

#include "league/league.h"
#include "table_screen.h"

namespace hv {

class frmTeamStats : public TableScreen {
    Q_OBJECT
  public:
    explicit frmTeamStats(const League& league, QWidget* parent = nullptr);
};

} // namespace hv
