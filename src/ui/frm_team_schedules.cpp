#include "frm_team_schedules.h"

#include "reports/schedule_table.h"
#include "team_choices.h"

namespace hv {

frmTeamSchedules::frmTeamSchedules(const League& league, QWidget* parent)
    : TableScreen(
          QStringLiteral("Team Schedules"),
          [&league](int choice) {
              // The entries after the teams show every game.
              return ScheduleTable(league, choice < kLeagueTeams ? choice + 1 : 0);
          },
          parent) {
    SetChoices(QStringLiteral("&Team:"), TeamChoices(league) << QStringLiteral("All teams"),
               DefaultTeamChoice(league));
}

} // namespace hv
