#include "reports/playoff_tables.h"

#include <algorithm>
#include <vector>

#include "season/playoffs.h"

namespace hv {

namespace {

constexpr size_t kPlayoffMVPSlot = 8; // "PlayoffMVP" among the archive's single awards

std::string WinsText(int a, int b) {
    return std::to_string(a) + "-" + std::to_string(b);
}

} // namespace

std::string StageName(int series) {
    static const char* const kNames[] = {"First Round", "Conference Semifinals", "Conference Finals",
                                         "Finals"};
    for (size_t i = 0; i < kPlayoffStages.size(); ++i)
        if (series >= kPlayoffStages[i].firstSeries && series <= kPlayoffStages[i].lastSeries)
            return kNames[i];
    return "";
}

std::string SeriesConference(int series) {
    if (series == 15) return "League";
    const bool east = (series >= 1 && series <= 4) || series == 9 || series == 10 || series == 13;
    return east ? "East" : "West";
}

std::string SeriesStatus(const League& league, const PlayoffSeries& s) {
    if (s.TeamA == 0 || s.TeamB == 0) return "";
    const int high = std::max(s.WinsA, s.WinsB), low = std::min(s.WinsA, s.WinsB);
    if (high == 0) return "Not started";
    if (s.WinsA == s.WinsB) return "Tied " + WinsText(high, low);
    const std::string& leader = league.team(s.WinsA > s.WinsB ? s.TeamA : s.TeamB).Name;
    return leader + (s.Finished ? " win " : " lead ") + WinsText(high, low);
}

ReportTable BracketTable(const League& league) {
    ReportTable table;
    table.Column("Series", Align::Right)
        .Column("Stage")
        .Column("Conference")
        .Column("Home Court")
        .Column("Opponent")
        .Column("Wins", Align::Right)
        .Column("Status");
    for (int n = 1; n <= kPlayoffSeries; ++n) {
        const PlayoffSeries& s = league.tables.playoffTree[static_cast<size_t>(n)];
        if (s.TeamA == 0 || s.TeamB == 0) continue;
        auto name = [&](int team) {
            const Team& t = league.team(team);
            // Each team with its seed in its conference, in every round.
            const int seed = PlayoffSeedOf(t);
            return seed > 0 ? "(" + std::to_string(seed) + ") " + t.Name : t.Name;
        };
        table.Row(n)
            .Add(n)
            .Add(StageName(n))
            .Add(SeriesConference(n))
            .Add(name(s.TeamA))
            .Add(name(s.TeamB))
            .Add(ReportTable::Keyed(WinsText(s.WinsA, s.WinsB), s.WinsA - s.WinsB))
            .Add(SeriesStatus(league, s));
    }
    return table;
}

ReportTable SeriesGamesTable(const League& league, int series) {
    ReportTable table;
    table.rowKind = RowKind::Game;
    table.Column("Game", Align::Right)
        .Column("Day", Align::Right)
        .Column("Home")
        .Column("Away")
        .Column("Home Score", Align::Right)
        .Column("Away Score", Align::Right);
    if (series < 1 || series > kPlayoffSeries) return table;
    const PlayoffSeries& s = league.tables.playoffTree[static_cast<size_t>(series)];
    if (s.TeamA == 0 || s.TeamB == 0) return table;
    const std::string& a = league.team(s.TeamA).Name;
    const std::string& b = league.team(s.TeamB).Name;
    // Two teams meet at most once in the playoffs: their games are the series' games.
    int number = 0;
    for (int d = kFirstPlayoffGameDay; d <= kScheduleDays; ++d) {
        const ScheduleDay& day = league.schedule[static_cast<size_t>(d)];
        for (int g = 1; g <= std::min<int>(day.NumGames, kGamesPerDay); ++g) {
            const ScheduledGame& game = day.Games[static_cast<size_t>(g)];
            const bool ours =
                (game.HomeTeam == a && game.AwayTeam == b) || (game.HomeTeam == b && game.AwayTeam == a);
            if (!ours) continue;
            auto score = [&](int16_t points) {
                return game.Played ? ReportTable::Number(points) : ReportTable::Keyed("", -1);
            };
            table.Row(GameKey(d, g))
                .Add(++number)
                .Add(d)
                .Add(game.HomeTeam)
                .Add(game.AwayTeam)
                .Add(score(game.HomeScore))
                .Add(score(game.AwayScore));
        }
    }
    return table;
}

std::vector<std::string> ChampionLines(const League& league) {
    const int champion = PlayoffChampion(league);
    if (champion == 0) return {};
    const Team& t = league.team(champion);
    std::vector<std::string> lines{"Champion: " + t.City + " " + t.Name};
    for (const SeasonArchive& a : league.tables.archive) {
        if (a.Season != league.state.Season) continue;
        const AwardSlot& mvp = a.Awards[kPlayoffMVPSlot];
        if (mvp.PlayerID != 0) lines.push_back("Playoff MVP: " + mvp.Name + " (" + mvp.DefaultPosition + ")");
    }
    return lines;
}

ReportTable ChampionsTable(const League& league) {
    ReportTable table;
    table.Column("Season", Align::Right).Column("Champion").Column("Runner-Up").Column("Final", Align::Right);
    std::vector<const SeasonArchive*> seasons;
    for (const SeasonArchive& a : league.tables.archive)
        if (a.ChampionWins == kWinsToAdvance) seasons.push_back(&a);
    std::stable_sort(seasons.begin(), seasons.end(),
                     [](const SeasonArchive* x, const SeasonArchive* y) { return x->Season > y->Season; });
    for (const SeasonArchive* a : seasons)
        table.Row(a->Season)
            .Add(static_cast<int>(a->Season))
            .Add(a->Champion)
            .Add(a->RunnerUp)
            .Add(ReportTable::Keyed(WinsText(a->ChampionWins, a->RunnerUpWins), a->RunnerUpWins));
    return table;
}

} // namespace hv
