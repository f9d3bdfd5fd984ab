#include "season/season_awards.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "season/awards.h"
#include "season/performance_rating.h"

namespace hv {

namespace {

using Score = std::function<double(int id)>;

// The candidates ordered by score, best first; equal scores keep player order.
std::vector<int> Ranked(std::vector<int> ids, const Score& score) {
    std::vector<double> scores(ids.size());
    for (size_t i = 0; i < ids.size(); ++i)
        scores[i] = score(ids[i]);
    std::vector<size_t> order(ids.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return scores[a] > scores[b]; });
    std::vector<int> ranked;
    ranked.reserve(ids.size());
    for (size_t i : order)
        ranked.push_back(ids[i]);
    return ranked;
}

// The best of `ids` by score, 0 when there is none.
int BestOf(const std::vector<int>& ids, const Score& score) {
    std::vector<int> ranked = Ranked(ids, score);
    return ranked.empty() ? 0 : ranked.front();
}

// For each position, its best players in order go to the teams of `codes`: the first to codes[0] ...
void NameTeams(League& league, const std::vector<int>& ids, const Score& score,
               std::initializer_list<const char*> codes) {
    for (int position = 1; position <= 5; ++position) {
        std::vector<int> atPosition;
        for (int id : ids)
            if (league.player(id).PositionNumber == position) atPosition.push_back(id);
        std::vector<int> ranked = Ranked(atPosition, score);
        size_t k = 0;
        for (const char* code : codes) {
            if (k >= ranked.size()) break;
            GiveAward(league, ranked[k++], code);
        }
    }
}

int TeamWins(const League& league, const Player& p) {
    int team = league.FindTeam(p.Team);
    return team == 0 ? 0 : league.team(team).Wins();
}

} // namespace

double DefensiveScore(const SeasonTotals& t) {
    return 4.0 * t.Steals + 0.8 * t.Rebounds + 5.0 * t.Blocks - 0.2 * t.Fouls - 2.0 * t.DQ;
}

void NameSeasonAwards(League& league) {
    std::vector<int> players, rookies;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!MayWinHonours(p) || p.SeasonStats.Games == 0) continue;
        players.push_back(id);
        if (p.Experience == 0) rookies.push_back(id);
    }
    auto rating = [&](int id) { return double(league.player(id).SeasonRating); };
    auto defense = [&](int id) { return DefensiveScore(league.player(id).SeasonStats); };

    // Sixth man: the regular-season games he came off the bench.
    std::vector<int> benchPlayers;
    std::vector<double> benchRating(league.players.size());
    for (int id : players)
        for (const GameLogEntry& g : league.player(id).GameLog) {
            if (g.Starter || !IsRegularSeasonLine(g)) continue;
            if (benchPlayers.empty() || benchPlayers.back() != id) benchPlayers.push_back(id);
            benchRating[static_cast<size_t>(id)] += GamePerformanceRating(g);
        }
    GiveAward(league, BestOf(benchPlayers, [&](int id) { return benchRating[static_cast<size_t>(id)]; }),
              "SixthMan");
    GiveAward(league, BestOf(rookies, rating), "ROY");
    GiveAward(league,
              BestOf(players,
                     [&](int id) {
                         const Player& p = league.player(id);
                         return double(p.SeasonRating) + 10.0 * TeamWins(league, p);
                     }),
              "MVP");
    NameTeams(league, players, rating, {"AL1T", "AL2T", "AL3T"});
    NameTeams(league, rookies, rating, {"ALR1T", "ALR2T"});
    GiveAward(league, BestOf(players, defense), "DPOY");
    NameTeams(league, players, defense, {"ALD1T", "ALD2T"});
}

} // namespace hv
