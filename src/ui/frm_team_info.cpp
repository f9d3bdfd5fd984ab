#include "frm_team_info.h"

#include "reports/team_info_table.h"
#include "season/standings.h"
#include "team_choices.h"

namespace hv {

frmTeamInfo::frmTeamInfo(League& league, QWidget* parent)
    : TableScreen(
          QStringLiteral("Team Information"),
          [&league](int choice) { return TeamInfoTable(league, choice + 1); }, parent) {
    UpdateWinningPercentages(league);
    ComputeStandings(league);
    SetChoices(QStringLiteral("&Team:"), TeamChoices(league), DefaultTeamChoice(league));
}

} // namespace hv
