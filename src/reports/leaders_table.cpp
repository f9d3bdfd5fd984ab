#include "reports/leaders_table.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace hv {

namespace {

// Made shots a shooting leader needs per game his team has played.
constexpr double kFieldGoalsPerGame = 300.0 / 82;
constexpr double kFreeThrowsPerGame = 125.0 / 82;
constexpr double kThreePointersPerGame = 82.0 / 82;
constexpr double kGamesShare = 0.7;

struct Category {
    LeaderCategoryInfo info;
    int decimals;
    bool percentage;
    std::function<double(const SeasonTotals&)> value;
    std::function<bool(const SeasonTotals&, const LeaderMinimums&)> qualifies;
};

double PerGame(int total, const SeasonTotals& s) {
    return static_cast<double>(total) / s.Games;
}
double Share(int made, int attempts) {
    return attempts > 0 ? static_cast<double>(made) / attempts : 0;
}

const std::vector<Category>& Categories() {
    using S = const SeasonTotals&;
    using M = const LeaderMinimums&;
    auto enoughGames = [](S s, M m) { return s.Games > 0 && s.Games >= m.games; };
    static const std::vector<Category> categories{
        {{"Points", "PPG"}, 1, false, [](S s) { return PerGame(s.Points, s); }, enoughGames},
        {{"Rebounds", "RPG"}, 1, false, [](S s) { return PerGame(s.Rebounds, s); }, enoughGames},
        {{"Assists", "APG"}, 1, false, [](S s) { return PerGame(s.Assists, s); }, enoughGames},
        {{"Steals", "SPG"}, 1, false, [](S s) { return PerGame(s.Steals, s); }, enoughGames},
        {{"Blocks", "BPG"}, 1, false, [](S s) { return PerGame(s.Blocks, s); }, enoughGames},
        {{"Minutes", "MPG"}, 1, false, [](S s) { return PerGame(s.Minutes, s); }, enoughGames},
        {{"Field goal percentage", "FG%"},
         3,
         true,
         [](S s) { return Share(s.FG, s.FGA); },
         [](S s, M m) { return s.FG > 0 && s.FG >= m.fieldGoals; }},
        {{"Free throw percentage", "FT%"},
         3,
         true,
         [](S s) { return Share(s.FT, s.FTA); },
         [](S s, M m) { return s.FT > 0 && s.FT >= m.freeThrows; }},
        {{"Three-point percentage", "3P%"},
         3,
         true,
         [](S s) { return Share(s.ThreeP, s.ThreePA); },
         [](S s, M m) { return s.ThreeP > 0 && s.ThreeP >= m.threePointers; }},
    };
    return categories;
}

void AddCategoryRows(ReportTable& table, const League& league, const Category& c, const LeaderMinimums& m,
                     int count, bool withCategory) {
    struct Entry {
        int id;
        double value;
    };
    std::vector<Entry> entries;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty() || !c.qualifies(p.SeasonStats, m)) continue;
        entries.push_back({id, c.value(p.SeasonStats)});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.value > b.value; });
    if (entries.size() > static_cast<size_t>(std::max(count, 0))) entries.resize(static_cast<size_t>(count));
    int rank = 0;
    for (size_t k = 0; k < entries.size(); ++k) {
        if (k == 0 || entries[k].value != entries[k - 1].value) rank = static_cast<int>(k) + 1;
        const Player& p = league.player(entries[k].id);
        table.Row(entries[k].id);
        if (withCategory) table.Add(c.info.name);
        table.Add(rank)
            .Add(p.Name)
            .Add(p.DefaultPosition)
            .Add(p.Team)
            .Add(int{p.SeasonStats.Games})
            .Add(ReportTable::Decimal(entries[k].value, c.decimals, c.percentage));
    }
}

} // namespace

const std::vector<LeaderCategoryInfo>& LeaderCategories() {
    static const std::vector<LeaderCategoryInfo> infos = [] {
        std::vector<LeaderCategoryInfo> list;
        for (const Category& c : Categories())
            list.push_back(c.info);
        return list;
    }();
    return infos;
}

LeaderMinimums LeaderMinimumsOf(const League& league) {
    LeaderMinimums m;
    for (int t = 1; t <= kLeagueTeams; ++t)
        m.teamGames = std::max(m.teamGames, league.team(t).Wins() + league.team(t).Losses());
    auto atLeast = [&](double perGame) { return static_cast<int>(std::ceil(perGame * m.teamGames - 1e-9)); };
    m.games = atLeast(kGamesShare);
    m.fieldGoals = atLeast(kFieldGoalsPerGame);
    m.freeThrows = atLeast(kFreeThrowsPerGame);
    m.threePointers = atLeast(kThreePointersPerGame);
    return m;
}

ReportTable LeadersTable(const League& league, int category, int count) {
    const LeaderMinimums m = LeaderMinimumsOf(league);
    const bool all = category < 0 || category >= static_cast<int>(Categories().size());
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = "Qualified: at least " + std::to_string(m.games) + " games (70% of " +
                  std::to_string(m.teamGames) + "); shooting: at least " + std::to_string(m.fieldGoals) +
                  " field goals, " + std::to_string(m.freeThrows) + " free throws, " +
                  std::to_string(m.threePointers) + " three-pointers made.";
    if (all) table.Column("Category");
    table.Column("Rank", Align::Right)
        .Column("Player")
        .Column("Pos")
        .Column("Team")
        .Column("G", Align::Right)
        .Column(all ? "Value" : Categories()[static_cast<size_t>(category)].info.valueTitle, Align::Right);
    if (all) {
        for (const Category& c : Categories())
            AddCategoryRows(table, league, c, m, count, true);
    } else {
        AddCategoryRows(table, league, Categories()[static_cast<size_t>(category)], m, count, false);
    }
    return table;
}

} // namespace hv
