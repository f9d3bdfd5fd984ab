#include "reports/player_stats_tables.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace hv {

namespace {

// One line of figures, whichever of the player's stores of totals it comes from.
struct StatLine {
    int games = 0;
    int started = -1; // -1: not kept (the playoff totals keep no starts)
    int minutes = 0, fg = 0, fga = 0, threeP = 0, threePA = 0, ft = 0, fta = 0, rebounds = 0, assists = 0,
        steals = 0, blocks = 0, turnovers = 0, fouls = 0, points = 0;

    StatLine& operator+=(const StatLine& o);
};

constexpr int StatLine::*kSummed[] = {
    &StatLine::games,   &StatLine::minutes, &StatLine::fg,        &StatLine::fga,      &StatLine::threeP,
    &StatLine::threePA, &StatLine::ft,      &StatLine::fta,       &StatLine::rebounds, &StatLine::assists,
    &StatLine::steals,  &StatLine::blocks,  &StatLine::turnovers, &StatLine::fouls,    &StatLine::points};

StatLine& StatLine::operator+=(const StatLine& o) {
    for (int StatLine::*f : kSummed)
        this->*f += o.*f;
    if (started >= 0 && o.started >= 0) started += o.started;
    return *this;
}

// The season totals, the playoff totals, a season-history entry and the career totals name their figures
// alike; the career totals keep games, starts and fouls in fields of the player's own.
template <typename Totals> StatLine LineOf(const Totals& t) {
    StatLine l;
    if constexpr (requires { t.Games; }) l.games = t.Games;
    if constexpr (requires { t.GamesStarted; }) l.started = t.GamesStarted;
    if constexpr (requires { t.Fouls; }) l.fouls = t.Fouls;
    l.minutes = t.Minutes, l.fg = t.FG, l.fga = t.FGA, l.threeP = t.ThreeP, l.threePA = t.ThreePA;
    l.ft = t.FT, l.fta = t.FTA, l.rebounds = t.Rebounds, l.assists = t.Assists, l.steals = t.Steals;
    l.blocks = t.Blocks, l.turnovers = t.Turnovers, l.points = t.Points;
    return l;
}

StatLine CareerLineOf(const Player& p) {
    StatLine l = LineOf(p.Career);
    l.games = p.CareerGames, l.started = p.CareerGamesStarted, l.fouls = p.CareerFouls;
    return l;
}

struct TeamLine {
    std::string team;
    StatLine line;
};

// The player's regular-season line of `season`: filed in his history once the season has ended, in his
// season totals while it is the TotalsSeason and not yet filed. Nothing when he did not play in it.
std::optional<TeamLine> SeasonLineOf(const League& league, const Player& p, int16_t season) {
    for (const SeasonHistoryEntry& h : p.SeasonHistory)
        if (h.Season == season) return TeamLine{h.Team, LineOf(h)};
    if (season != TotalsSeason(league.state) || p.SeasonStats.Games <= 0) return std::nullopt;
    return TeamLine{p.Team, LineOf(p.SeasonStats)};
}

struct StatColumn {
    const char* title;
    std::function<ReportCell(const StatLine&)> cell;
};

const std::vector<StatColumn>& StatColumns() {
    using F = int StatLine::*;
    auto total = [](const char* title, F f) {
        return StatColumn{title, [f](const StatLine& l) { return ReportTable::Number(l.*f); }};
    };
    auto perGame = [](const char* title, F f) {
        return StatColumn{title, [f](const StatLine& l) {
                              return ReportTable::Decimal(l.games > 0 ? double(l.*f) / l.games : 0, 1);
                          }};
    };
    // A shooting percentage as ".456"; blank without an attempt.
    auto share = [](const char* title, F made, F tried) {
        return StatColumn{title, [made, tried](const StatLine& l) {
                              return l.*tried > 0 ? ReportTable::Decimal(double(l.*made) / l.*tried, 3, true)
                                                  : ReportTable::Keyed("", -1);
                          }};
    };
    static const std::vector<StatColumn> columns{
        total("G", &StatLine::games),
        {"GS",
         [](const StatLine& l) {
             return l.started < 0 ? ReportTable::Keyed("", -1) : ReportTable::Number(l.started);
         }},
        total("MIN", &StatLine::minutes),
        total("FG", &StatLine::fg),
        total("FGA", &StatLine::fga),
        total("3P", &StatLine::threeP),
        total("3PA", &StatLine::threePA),
        total("FT", &StatLine::ft),
        total("FTA", &StatLine::fta),
        total("REB", &StatLine::rebounds),
        total("AST", &StatLine::assists),
        total("STL", &StatLine::steals),
        total("BLK", &StatLine::blocks),
        total("TO", &StatLine::turnovers),
        total("PF", &StatLine::fouls),
        total("PTS", &StatLine::points),
        perGame("MPG", &StatLine::minutes),
        share("FG%", &StatLine::fg, &StatLine::fga),
        share("3P%", &StatLine::threeP, &StatLine::threePA),
        share("FT%", &StatLine::ft, &StatLine::fta),
        perGame("RPG", &StatLine::rebounds),
        perGame("APG", &StatLine::assists),
        perGame("SPG", &StatLine::steals),
        perGame("BPG", &StatLine::blocks),
        perGame("TOPG", &StatLine::turnovers),
        perGame("PPG", &StatLine::points),
    };
    return columns;
}

void AddStatColumns(ReportTable& table) {
    for (const StatColumn& c : StatColumns())
        table.Column(c.title, Align::Right);
}

void AddStatCells(ReportTable& table, const StatLine& line) {
    for (const StatColumn& c : StatColumns())
        table.Add(c.cell(line));
}

} // namespace

int16_t TotalsSeason(const SeasonState& state) {
    const bool inSeason = state.SeasonDay >= Phase::FirstDay && state.SeasonDay <= Phase::LastEndSeason;
    return inSeason ? state.Season : static_cast<int16_t>(state.Season - 1);
}

std::vector<int16_t> StatsSeasons(const League& league) {
    std::vector<int16_t> seasons;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        for (const SeasonHistoryEntry& h : p.SeasonHistory)
            seasons.push_back(h.Season);
        if (p.SeasonStats.Games > 0 || p.PlayoffStats.Games > 0)
            seasons.push_back(TotalsSeason(league.state));
    }
    std::sort(seasons.begin(), seasons.end(), std::greater<>());
    seasons.erase(std::unique(seasons.begin(), seasons.end()), seasons.end());
    return seasons;
}

ReportTable PlayerStatsTable(const League& league, int16_t season, bool playoffs, const std::string& team) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = std::string(playoffs ? "Playoff Statistics " : "Player Statistics ") +
                  std::to_string(season) + (team.empty() ? "" : ": " + team);
    table.Column("ID", Align::Right).Column("Player").Column("Pos").Column("Team");
    AddStatColumns(table);
    struct Entry {
        int id;
        TeamLine line;
    };
    std::vector<Entry> entries;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        std::optional<TeamLine> line;
        if (!playoffs)
            line = SeasonLineOf(league, p, season);
        else if (season == TotalsSeason(league.state) && p.PlayoffStats.Games > 0)
            line = TeamLine{p.Team, LineOf(p.PlayoffStats)};
        if (line && (team.empty() || line->team == team)) entries.push_back({id, *line});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.line.line.points > b.line.line.points; });
    for (const Entry& e : entries) {
        const Player& p = league.player(e.id);
        table.Row(e.id)
            .Add(e.id)
            .Add(p.Name)
            .Add(ReportTable::Keyed(p.DefaultPosition, p.PositionNumber))
            .Add(e.line.team);
        AddStatCells(table, e.line.line);
    }
    return table;
}

ReportTable CareerStatsTable(const League& league, int id) {
    const Player& p = league.player(id);
    ReportTable table;
    table.title = "Career Statistics";
    table.Column("Season", Align::Right).Column("Team");
    AddStatColumns(table);
    std::vector<int16_t> seasons;
    for (const SeasonHistoryEntry& h : p.SeasonHistory)
        seasons.push_back(h.Season);
    const int16_t current = TotalsSeason(league.state);
    const bool currentUnfiled = std::find(seasons.begin(), seasons.end(), current) == seasons.end();
    if (currentUnfiled) seasons.push_back(current);
    std::sort(seasons.begin(), seasons.end());
    for (int16_t season : seasons)
        if (std::optional<TeamLine> line = SeasonLineOf(league, p, season)) {
            table.Row(season).Add(int{season}).Add(line->team);
            AddStatCells(table, line->line);
        }
    // The career totals take a season in when it ends; until then the season in play is added here.
    StatLine career = CareerLineOf(p);
    if (currentUnfiled && p.SeasonStats.Games > 0) career += LineOf(p.SeasonStats);
    table.Row(0).Add(ReportTable::Keyed("Career", 1e9)).Add("");
    AddStatCells(table, career);
    return table;
}

ReportTable PlayerPlayoffTable(const League& league, int id) {
    const Player& p = league.player(id);
    ReportTable table;
    table.title = "Playoff Statistics";
    table.Column("Season", Align::Right).Column("Team");
    AddStatColumns(table);
    if (p.PlayoffStats.Games > 0) {
        const int16_t season = TotalsSeason(league.state);
        table.Row(season).Add(int{season}).Add(p.Team);
        AddStatCells(table, LineOf(p.PlayoffStats));
    }
    return table;
}

} // namespace hv
