#include "reports/history_tables.h"

#include <algorithm>
#include <string>
#include <vector>

#include "reports/awards_tables.h"

namespace hv {

namespace {

ReportCell Percentage(int wins, int losses) {
    return ReportTable::Decimal(wins + losses == 0 ? 0.0 : double(wins) / (wins + losses), 3, true);
}

std::string FullName(const Team& t) {
    return t.City.empty() ? t.Name : t.City + " " + t.Name;
}

bool Names(const Team& t, const std::string& name) {
    return !name.empty() && (name == t.Name || name == FullName(t));
}

} // namespace

ReportTable TeamPerformanceTable(const League& league, int team) {
    ReportTable table;
    if (team == 0) {
        table.title = "Historical Team Performance";
        table.Column("Team")
            .Column("W", Align::Right)
            .Column("L", Align::Right)
            .Column("Pct", Align::Right)
            .Column("Playoffs", Align::Right)
            .Column("Playoff W", Align::Right)
            .Column("Playoff L", Align::Right)
            .Column("Finals", Align::Right)
            .Column("Titles", Align::Right)
            .Column("Last Playoffs", Align::Right);
        for (int t = 1; t <= kLeagueTeams; ++t) {
            const Team& x = league.team(t);
            table.Row(t)
                .Add(FullName(x))
                .Add(int64_t(x.TotalWins))
                .Add(int64_t(x.TotalLosses))
                .Add(Percentage(x.TotalWins, x.TotalLosses))
                .Add(int(x.Playoffs))
                .Add(int64_t(x.PlayoffWins))
                .Add(int64_t(x.PlayoffLosses))
                .Add(int(x.FinalsAppearances))
                .Add(int(x.Championships))
                .Add(x.LastPlayoffYear == 0 ? ReportTable::Keyed("", 0)
                                            : ReportTable::Number(x.LastPlayoffYear));
        }
        return table;
    }

    const Team& x = league.team(team);
    table.title = "Historical Team Performance: " + FullName(x);
    table.Column("Season", Align::Right)
        .Column("W", Align::Right)
        .Column("L", Align::Right)
        .Column("Pct", Align::Right)
        .Column("Finish");
    auto lineOf = [&](int16_t season) -> const StandingLine* {
        for (const SeasonArchive& a : league.tables.archive)
            if (a.Season == season)
                for (const StandingLine& l : a.Standings)
                    if (Names(x, l.TeamName)) return &l;
        return nullptr;
    };
    // The season under way, before its final standings are archived.
    const int16_t day = league.state.SeasonDay;
    if (!lineOf(league.state.Season) && day >= Phase::FirstDay && day <= Phase::LastEndSeason)
        table.Row(league.state.Season)
            .Add(int(league.state.Season))
            .Add(int(x.Wins()))
            .Add(int(x.Losses()))
            .Add(Percentage(x.Wins(), x.Losses()))
            .Add("In progress");
    for (int16_t season : ArchivedSeasons(league)) {
        const StandingLine* line = lineOf(season);
        if (!line) continue;
        const SeasonArchive& a = *std::find_if(league.tables.archive.begin(), league.tables.archive.end(),
                                               [&](const SeasonArchive& s) { return s.Season == season; });
        table.Row(season)
            .Add(int(season))
            .Add(int(line->Wins))
            .Add(int(line->Losses))
            .Add(Percentage(line->Wins, line->Losses))
            .Add(Names(x, a.Champion)   ? "Champion"
                 : Names(x, a.RunnerUp) ? "Finals"
                                        : "");
    }
    return table;
}

ReportTable VsOpponentsTable(const League& league, int team) {
    const Team& x = league.team(team);
    ReportTable table;
    table.title = "Record Vs. Opponents: " + FullName(x);
    table.Column("Opponent")
        .Column("Season W", Align::Right)
        .Column("Season L", Align::Right)
        .Column("All-Time W", Align::Right)
        .Column("All-Time L", Align::Right)
        .Column("Pct", Align::Right)
        .Column("Margin", Align::Right);
    for (int o = 1; o <= kLeagueTeams; ++o) {
        if (o == team) continue;
        const size_t i = static_cast<size_t>(o);
        table.Row(o)
            .Add(FullName(league.team(o)))
            .Add(int(x.SeasonWinsVs[i]))
            .Add(int(x.SeasonLossesVs[i]))
            .Add(int(x.AllTimeWinsVs[i]))
            .Add(int(x.AllTimeLossesVs[i]))
            .Add(Percentage(x.AllTimeWinsVs[i], x.AllTimeLossesVs[i]))
            .Add(int(x.PointsVs[i]));
    }
    return table;
}

ReportTable HallOfFameTable(const League& league) {
    ReportTable table;
    table.title = "Hall of Fame";
    table.Column("Player")
        .Column("Position")
        .Column("Inducted", Align::Right)
        .Column("Seasons", Align::Right)
        .Column("Career Points", Align::Right)
        .Column("Titles", Align::Right)
        .Column("G", Align::Right)
        .Column("PTS", Align::Right)
        .Column("PPG", Align::Right)
        .Column("REB", Align::Right)
        .Column("AST", Align::Right);
    std::vector<const RetiredPlayer*> players;
    for (const RetiredPlayer& r : league.tables.retiredPlayers)
        players.push_back(&r);
    std::stable_sort(players.begin(), players.end(), [](const RetiredPlayer* a, const RetiredPlayer* b) {
        return a->RetiredSeason > b->RetiredSeason;
    });
    for (const RetiredPlayer* r : players)
        table.Row()
            .Add(r->Name)
            .Add(r->DefaultPosition)
            .Add(int(r->RetiredSeason))
            .Add(int(r->Experience))
            .Add(int64_t(r->CAREERPOINTS))
            .Add(int(r->Championships))
            .Add(int(r->CareerGames))
            .Add(int64_t(r->Points))
            .Add(ReportTable::Decimal(r->CareerGames == 0 ? 0.0 : double(r->Points) / r->CareerGames, 1))
            .Add(int64_t(r->Rebounds))
            .Add(int64_t(r->Assists));
    return table;
}

} // namespace hv
