// League Leaders: the season's leaders among qualified players, every category or one.
#pragma once

#include "league/league.h"
#include "table_screen.h"

namespace hv {

class frmLeaders : public TableScreen {
    Q_OBJECT
  public:
    explicit frmLeaders(const League& league, QWidget* parent = nullptr);
};

} // namespace hv
