#include "reports/teams_table.h"

#include <array>

namespace hv {

ReportTable TeamsTable(const League& league) {
    std::array<int, kLeagueTeams + 1> players{};
    std::array<int64_t, kLeagueTeams + 1> payroll{};
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        if (int slot = league.FindTeam(p.Team); slot != 0) {
            ++players[static_cast<size_t>(slot)];
            payroll[static_cast<size_t>(slot)] += p.contract1;
        }
    }
    ReportTable table;
    table.Column("Slot", Align::Right)
        .Column("City")
        .Column("Name")
        .Column("Conference")
        .Column("Division")
        .Column("Owner")
        .Column("Players", Align::Right)
        .Column("Payroll", Align::Right);
    for (int slot = 1; slot <= kLeagueTeams; ++slot) {
        const Team& t = league.team(slot);
        table.Row(slot)
            .Add(slot)
            .Add(t.City)
            .Add(t.Name)
            .Add(t.Conference)
            .Add(t.Division)
            .Add(t.Owner)
            .Add(players[static_cast<size_t>(slot)])
            .Add(ReportTable::Money(payroll[static_cast<size_t>(slot)]));
    }
    return table;
}

} // namespace hv
