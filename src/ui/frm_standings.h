// Standings: every team's record, games behind, ranks, last 10 and streak, by division or by conference.
// The standings are computed when the screen opens.
#pragma once

#include "league/league.h"
#include "table_screen.h"

namespace hv {

class frmStandings : public TableScreen {
    Q_OBJECT
  public:
    explicit frmStandings(League& league, QWidget* parent = nullptr);
};

} // namespace hv
