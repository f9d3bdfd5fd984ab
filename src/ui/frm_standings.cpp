#include "frm_standings.h"

#include "reports/standings_table.h"
#include "season/standings.h"

namespace hv {

frmStandings::frmStandings(League& league, QWidget* parent)
    : TableScreen(
          QStringLiteral("Standings"),
          [&league](int view) {
              return StandingsTable(league, view == 1 ? StandingsView::Conference : StandingsView::Division);
          },
          parent) {
    UpdateWinningPercentages(league);
    ComputeStandings(league);
    SetChoices(QStringLiteral("&View:"), {QStringLiteral("Division"), QStringLiteral("Conference")});
}

} // namespace hv
