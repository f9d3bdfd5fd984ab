#include "reports/injury_report.h"

#include <functional>

#include "league/lineup.h"

namespace hv {

namespace {

ReportTable InjuredPlayers(const League& league, int team, const std::function<bool(const Player&)>& keep) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.Column("ID", Align::Right, false)
        .Column("Team")
        .Column("Pos")
        .Column("Name")
        .Column("Injury")
        .Column("Days", Align::Right)
        .Column("IR")
        .Column("Rating", Align::Right);
    const int first = team == 0 ? 1 : team, last = team == 0 ? kLeagueTeams : team;
    for (int t = first; t <= last; ++t)
        for (int id : RosterOf(league, t)) {
            const Player& p = league.player(id);
            if (!keep(p)) continue;
            table.Row(id)
                .Add(id)
                .Add(league.team(t).Name)
                .Add(ReportTable::Keyed(p.DefaultPosition, p.PositionNumber))
                .Add(p.Name)
                .Add(p.Injury)
                .Add(p.TimeInjured)
                .Add(p.IR ? "Yes" : "No")
                .Add(p.CurrentRating);
        }
    return table;
}

} // namespace

ReportTable InjuryListTable(const League& league, int team) {
    return InjuredPlayers(league, team, [](const Player& p) { return p.TimeInjured > 0; });
}

ReportTable InjuredReserveTable(const League& league, int team) {
    return InjuredPlayers(league, team, [](const Player& p) { return p.IR; });
}

} // namespace hv
