#include "reports/team_stats_table.h"

namespace hv {

namespace {

// The figures of one side of a team's games.
struct SideTotals {
    int32_t points, pointsAgainst, fg, fga, ft, fta, threes, threesAttempted, rebounds, assists, steals,
        blocks, turnovers;
};

SideTotals SideOf(const Team& t, bool allowed) {
    if (allowed)
        return {t.PointsAllowed, t.Points,        t.FGallowed,       t.FGAallowed,      t.FTallowed,
                t.FTAallowed,    t.ThreePallowed, t.ThreePAallowed,  t.ReboundsAllowed, t.AssistsAllowed,
                t.StealsAllowed, t.BlocksAllowed, t.TurnoversAllowed};
    return {t.Points,  t.PointsAllowed, t.FG,      t.FGA,    t.FT,     t.FTA,      t.ThreeP,
            t.ThreePA, t.Rebounds,      t.Assists, t.Steals, t.Blocks, t.Turnovers};
}

} // namespace

ReportTable TeamStatsTable(const League& league, TeamStatsView view) {
    ReportTable table;
    table.Column("Team").Column("G", Align::Right);
    for (const char* title : {"PTS", "OPP", "DIFF", "FG", "FGA", "FG%", "3P", "3PA", "3P%", "FT", "FTA",
                              "FT%", "REB", "AST", "STL", "BLK", "TO"})
        table.Column(title, Align::Right);

    for (int t = 1; t <= kLeagueTeams; ++t) {
        const Team& team = league.team(t);
        const int games = team.Wins() + team.Losses();
        const SideTotals s = SideOf(team, view.allowed);
        auto figure = [&](int32_t total) {
            if (!view.perGame) return ReportTable::Number(total);
            return ReportTable::Decimal(games > 0 ? static_cast<double>(total) / games : 0.0, 1);
        };
        auto share = [](int32_t made, int32_t attempts) {
            return ReportTable::Decimal(attempts > 0 ? static_cast<double>(made) / attempts : 0.0, 3, true);
        };
        table.Row(t)
            .Add(team.City + " " + team.Name)
            .Add(games)
            .Add(figure(s.points))
            .Add(figure(s.pointsAgainst))
            .Add(figure(s.points - s.pointsAgainst))
            .Add(figure(s.fg))
            .Add(figure(s.fga))
            .Add(share(s.fg, s.fga))
            .Add(figure(s.threes))
            .Add(figure(s.threesAttempted))
            .Add(share(s.threes, s.threesAttempted))
            .Add(figure(s.ft))
            .Add(figure(s.fta))
            .Add(share(s.ft, s.fta))
            .Add(figure(s.rebounds))
            .Add(figure(s.assists))
            .Add(figure(s.steals))
            .Add(figure(s.blocks))
            .Add(figure(s.turnovers));
    }
    return table;
}

} // namespace hv
