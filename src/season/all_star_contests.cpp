#include "season/all_star_contests.h"

#include <algorithm>
#include <numeric>

#include "season/awards.h"

namespace hv {

namespace {

// Odds of a miss, an ordinary, a good, a great and a perfect dunk, by the dunker's tier.
constexpr std::array<std::array<double, 5>, 5> kDunkOdds{{{0.30, 0.40, 0.20, 0.08, 0.02},
                                                          {0.20, 0.40, 0.25, 0.12, 0.03},
                                                          {0.12, 0.33, 0.30, 0.20, 0.05},
                                                          {0.08, 0.25, 0.32, 0.27, 0.08},
                                                          {0.05, 0.15, 0.30, 0.35, 0.15}}};
// The points of each kind of dunk: lowest and highest.
constexpr std::array<std::array<int, 2>, 5> kDunkPoints{{{20, 29}, {30, 37}, {38, 43}, {44, 49}, {50, 50}}};

constexpr int kRacks = 5;
constexpr int kBallsPerRack = 5;
constexpr int kDunksPerRound = 3;

Contest Choose(const League& league, const char* title, int rounds,
               const std::function<bool(const Player&)>& may,
               const std::function<double(const Player&)>& merit) {
    std::vector<int> ids;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (FitForAllStarWeekend(league, p) && may(p)) ids.push_back(id);
    }
    std::stable_sort(ids.begin(), ids.end(),
                     [&](int a, int b) { return merit(league.player(a)) > merit(league.player(b)); });
    Contest c;
    c.Title = title;
    c.Rounds = rounds;
    for (size_t i = 0; i < ids.size() && i < kContestEntrants; ++i) {
        const Player& p = league.player(ids[i]);
        c.Entrants.push_back({static_cast<int16_t>(ids[i]), p.Name, p.Team, 0, {}});
    }
    return c;
}

} // namespace

bool MayPlayInAllStarWeekend(const League& league, const Player& p) {
    return MayWinHonours(p) && league.FindTeam(p.Team) != 0;
}

bool FitForAllStarWeekend(const League& league, const Player& p) {
    return MayPlayInAllStarWeekend(league, p) && p.TimeInjured < 1 && !p.IR;
}

Contest ChooseShootoutEntrants(const League& league) {
    return Choose(
        league, "3-Point Shootout", 3, [](const Player& p) { return p.SeasonStats.ThreePA >= 1; },
        [](const Player& p) {
            const SeasonTotals& t = p.SeasonStats;
            return double(t.ThreeP) * t.ThreeP / t.ThreePA;
        });
}

Contest ChooseDunkContestEntrants(const League& league) {
    return Choose(
        league, "Slam-Dunk Contest", 2, [](const Player&) { return true; },
        [](const Player& p) { return double(p.Jumping); });
}

double ShootoutRound(const Player& p, Random& rng) {
    const double chance = 0.2 + 0.5 * std::clamp<int>(p.ThreePointShot, 0, 100) / 100.0;
    int points = 0;
    for (int rack = 0; rack < kRacks; ++rack)
        for (int ball = 1; ball <= kBallsPerRack; ++ball)
            if (rng.Uniform() < chance) points += ball == kBallsPerRack ? 2 : 1;
    return points;
}

int DunkTier(int rating) {
    if (rating <= 30) return 0;
    if (rating <= 50) return 1;
    if (rating <= 70) return 2;
    if (rating <= 90) return 3;
    return 4;
}

double DunkRound(const Player& p, Random& rng) {
    const auto& odds = kDunkOdds[static_cast<size_t>(DunkTier(p.Jumping))];
    int points = 0;
    for (int dunk = 0; dunk < kDunksPerRound; ++dunk) {
        double r = rng.Uniform();
        size_t kind = 0;
        while (kind + 1 < odds.size() && r >= odds[kind]) {
            r -= odds[kind];
            ++kind;
        }
        const auto [low, high] = kDunkPoints[kind];
        points += low + std::min(high - low, static_cast<int>(rng.Uniform() * (high - low + 1)));
    }
    return points;
}

bool HoldContest(Contest& contest, const std::function<double(int16_t)>& roundScore) {
    if (contest.Entrants.size() < 2) return false;
    std::vector<size_t> in(contest.Entrants.size());
    std::iota(in.begin(), in.end(), size_t{0});
    for (int round = 1; round <= contest.Rounds && !in.empty(); ++round) {
        for (size_t i : in) {
            ContestEntrant& e = contest.Entrants[i];
            e.Score = roundScore(e.PlayerID);
            e.RoundScores.push_back(e.Score);
        }
        // Seed order breaks ties: `in` is kept in seed order.
        std::stable_sort(in.begin(), in.end(), [&](size_t a, size_t b) {
            return contest.Entrants[a].Score > contest.Entrants[b].Score;
        });
        if (round == contest.Rounds || in.size() <= 1) break;
        in.resize((in.size() + 1) / 2);
        std::sort(in.begin(), in.end());
    }
    contest.Winner = contest.Entrants[in.front()].PlayerID;
    return true;
}

} // namespace hv
