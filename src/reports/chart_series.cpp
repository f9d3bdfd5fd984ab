#include "reports/chart_series.h"

#include <algorithm>
#include <map>

#include "reports/player_stats_tables.h"

namespace hv {

namespace {

struct Counts {
    int games = 0, points = 0, rebounds = 0, assists = 0;
};

template <typename Totals> Counts CountsOf(const Totals& t) {
    return {t.Games, t.Points, t.Rebounds, t.Assists};
}

bool NamesTeam(const Team& t, const std::string& name) {
    return !name.empty() && (name == t.Name || name == t.City + " " + t.Name);
}

} // namespace

PerGameSeries PlayerPerGameBySeason(const League& league, int id) {
    const Player& p = league.player(id);
    std::map<int16_t, Counts> seasons;
    for (const SeasonHistoryEntry& h : p.SeasonHistory)
        seasons[h.Season] = CountsOf(h);
    // The season in play is filed in the history only when it ends.
    const int16_t current = TotalsSeason(league.state);
    if (!seasons.contains(current) && p.SeasonStats.Games > 0) seasons[current] = CountsOf(p.SeasonStats);
    PerGameSeries series;
    for (const auto& [season, c] : seasons) {
        if (c.games <= 0) continue;
        series.points.push_back({season, double(c.points) / c.games});
        series.rebounds.push_back({season, double(c.rebounds) / c.games});
        series.assists.push_back({season, double(c.assists) / c.games});
    }
    return series;
}

std::vector<SeasonValue> TeamWinsBySeason(const League& league, int team) {
    const Team& x = league.team(team);
    std::map<int16_t, int> wins;
    for (const SeasonArchive& a : league.tables.archive)
        for (const StandingLine& l : a.Standings)
            if (NamesTeam(x, l.TeamName)) wins[a.Season] = l.Wins;
    const int16_t day = league.state.SeasonDay;
    const bool underWay = day >= Phase::FirstDay && day <= Phase::LastEndSeason;
    if (underWay && !wins.contains(league.state.Season)) wins[league.state.Season] = x.Wins();
    std::vector<SeasonValue> series;
    for (const auto& [season, w] : wins)
        series.push_back({season, double(w)});
    return series;
}

std::vector<NamedRating> CurrentRatings(const Player& p) {
    return {
        {"Overall", p.CurrentRating, "Overall rating: how well he plays his own position now"},
        {"Future", p.FutureRating, "Future rating: the overall rating weighed for his age and potential"},
        {"Inside scoring", p.RatingInsideScoring, "Inside scoring: scoring close to the basket"},
        {"Outside scoring", p.RatingOutsideScoring, "Outside scoring: jump shots and three-pointers"},
        {"Handling", p.RatingHandling, "Handling: ball handling and playmaking"},
        {"Defense", p.RatingDefense, "Defense: defending at his own position"},
        {"Rebounding", p.RatingRebounding, "Rebounding: offensive and defensive rebounds"},
    };
}

} // namespace hv
