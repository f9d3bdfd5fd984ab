#include "season/performance_rating.h"

#include "platform/random.h"

namespace hv {

namespace {

constexpr int kFoulsToDisqualify = 6;

} // namespace

int PerformanceRating(const PerformanceLine& s) {
    const double pr = s.Points + s.Rebounds + 1.75 * s.Assists + 2.0 * s.Steals + 1.5 * s.Blocks +
                      0.2 * s.FTA - (s.FGA - s.FG) - (s.FTA - s.FT) - 2.0 * s.Turnovers - 0.2 * s.Fouls -
                      5.0 * s.DQ;
    return NearestInt(pr);
}

int SeasonPerformanceRating(const Player& player) {
    const SeasonTotals& t = player.SeasonStats;
    return PerformanceRating({t.Points, t.Rebounds, t.Assists, t.Steals, t.Blocks, t.FG, t.FGA, t.FT, t.FTA,
                              t.Turnovers, t.Fouls, t.DQ});
}

int GamePerformanceRating(const GameLogEntry& g) {
    return PerformanceRating({g.Points, g.Rebounds, g.Assists, g.Steals, g.Blocks, g.FG, g.FGA, g.FT, g.FTA,
                              g.Turnovers, g.Fouls, g.Fouls >= kFoulsToDisqualify ? 1 : 0});
}

} // namespace hv
