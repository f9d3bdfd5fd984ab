#include "reports/team_control_table.h"

namespace hv {

ReportTable TeamControlTable(const League& league) {
    ReportTable table;
    table.Column("Team").Column("Owner").Column("Coach").Column("PBP");
    for (int slot = 1; slot <= kLeagueTeams; ++slot) {
        const Team& t = league.team(slot);
        table.Row(slot)
            .Add(t.City + " " + t.Name)
            .Add(t.Owner)
            .Add(t.CoachTeam ? "Yes" : "No")
            .Add(t.pbp ? "On" : "Off");
    }
    return table;
}

} // namespace hv
