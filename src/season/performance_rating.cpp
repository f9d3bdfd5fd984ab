#include "season/performance_rating.h"

#include <algorithm>

#include "platform/random.h"

namespace hv {

namespace {

struct Line {
    double points, rebounds, assists, steals, blocks, fg, fga, ft, fta, turnovers, fouls, dq;
};

double Rate(const Line& l) {
    return l.points + l.rebounds + 1.75 * l.assists + 2 * l.steals + 1.5 * l.blocks + 0.2 * l.fta -
           (l.fga - l.fg) - (l.fta - l.ft) - 2 * l.turnovers - 0.2 * l.fouls - 5 * l.dq;
}

} // namespace

int16_t PerformanceRating(const SeasonTotals& t) {
    double rating = Rate({double(t.Points), double(t.Rebounds), double(t.Assists), double(t.Steals),
                          double(t.Blocks), double(t.FG), double(t.FGA), double(t.FT), double(t.FTA),
                          double(t.Turnovers), double(t.Fouls), double(t.DQ)});
    return static_cast<int16_t>(NearestInt(std::clamp(rating, -32768.0, 32767.0)));
}

double GameRating(const GameLogEntry& g) {
    return Rate({double(g.Points), double(g.Rebounds), double(g.Assists), double(g.Steals), double(g.Blocks),
                 double(g.FG), double(g.FGA), double(g.FT), double(g.FTA), double(g.Turnovers),
                 double(g.Fouls), g.Fouls >= 6 ? 1.0 : 0.0});
}

} // namespace hv
