#include "frm_team_stats.h"

#include "reports/team_stats_table.h"

namespace hv {

frmTeamStats::frmTeamStats(const League& league, QWidget* parent)
    : TableScreen(
          QStringLiteral("Team Stats"),
          [&league](int view) {
              // Own, opponents; per game, then totals.
              return TeamStatsTable(league, {.allowed = view % 2 == 1, .perGame = view < 2});
          },
          parent) {
    SetChoices(QStringLiteral("&View:"),
               {QStringLiteral("Own, per game"), QStringLiteral("Opponents, per game"),
                QStringLiteral("Own, season totals"), QStringLiteral("Opponents, season totals")});
}

} // namespace hv
