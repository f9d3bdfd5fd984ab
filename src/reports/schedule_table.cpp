#include "reports/schedule_table.h"

#include <algorithm>

#include "season/standings.h"

namespace hv {

namespace {

ReportCell Score(const ScheduledGame& game, int16_t score) {
    return game.Played ? ReportTable::Number(score) : ReportTable::Keyed("", -1);
}

} // namespace

ReportTable ScheduleTable(const League& league, int team, int day) {
    const std::string name = team ? league.team(team).Name : std::string();
    ReportTable table;
    table.rowKind = RowKind::Game;
    table.Column("Day", Align::Right)
        .Column("Game", Align::Right)
        .Column("Home")
        .Column("Away")
        .Column("Home Score", Align::Right)
        .Column("Away Score", Align::Right)
        .Column("Played");
    if (team) table.Column("Result").Column("Record", Align::Right);

    WinLoss record; // the team's record after each game; the playoffs count afresh
    for (int d = 1; d <= kScheduleDays; ++d) {
        if (d == Phase::FirstPlayoffDay) record = {};
        const ScheduleDay& games = league.schedule[static_cast<size_t>(d)];
        for (int g = 1; g <= std::min<int>(games.NumGames, kGamesPerDay); ++g) {
            const ScheduledGame& game = games.Games[static_cast<size_t>(g)];
            const bool home = game.HomeTeam == name;
            if (team && !home && game.AwayTeam != name) continue;
            int own = home ? game.HomeScore : game.AwayScore;
            int other = home ? game.AwayScore : game.HomeScore;
            if (team && game.Played) ++(own > other ? record.wins : record.losses);
            if (day && d != day) continue;
            table.Row(GameKey(d, g))
                .Add(d)
                .Add(g)
                .Add(game.HomeTeam)
                .Add(game.AwayTeam)
                .Add(Score(game, game.HomeScore))
                .Add(Score(game, game.AwayScore))
                .Add(game.Played ? "Yes" : "No");
            if (!team) continue;
            if (!game.Played) {
                table.Add("").Add(ReportTable::Keyed("", -1));
                continue;
            }
            table
                .Add(ReportTable::Keyed((own > other ? "W " : "L ") + std::to_string(own) + "-" +
                                            std::to_string(other),
                                        own - other))
                .Add(ReportTable::Keyed(RecordText(record), record.wins - record.losses));
        }
    }
    return table;
}

} // namespace hv
