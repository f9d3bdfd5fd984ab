// The ratings-from-statistics model checked by the engine itself: a league of known ratings plays a season,
// its statistics are read back as a file, and the ratings the model gives them are compared with the known
// ones; then the league, with the model's ratings in place of the known ones, plays the season again and its
// per-minute statistics are compared with the first season's.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>

#include "league/lineup.h"
#include "league/ratings.h"
#include "season/sim_commands.h"
#include "setup/stats_import.h"
#include "support/season_run_support.h"

namespace hv {
namespace {

// The tolerances of docs/ratings_from_stats.md.
// A derived rating is "close" within this many points of the known one ...
constexpr int kRatingTolerance = 12;
// ... which must hold for at least this share of the players, for every rating ...
constexpr double kLeastShareClose = 0.55;
// ... and on average over the fifteen ratings for at least this share.
constexpr double kLeastMeanShareClose = 0.70;
// Per-minute statistics of the second season against the first, over the players with at least
// kLeastMinutes in both: each statistic's correlation across players at least this.
constexpr double kLeastCorrelation = 0.70;
// Steals are the exception: the engine's steals per minute vary so much from season to season that the same
// league with the same ratings, played twice, correlates only about 0.57 with itself.
constexpr double kLeastStealsCorrelation = 0.40;
constexpr int kLeastMinutes = 500;

constexpr unsigned kSeed = 20261;
// Each known rating is the default league's, moved by up to this much either way, so that the league the
// model is checked on is not the one its weights were fitted to.
constexpr int kShake = 12;

void ShakeRatings(League& league) {
    std::mt19937 gen(kSeed);
    std::uniform_int_distribution<int> shift(-kShake, kShake);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        for (const SourceSkill& skill : kSourceSkills)
            p.*skill.field = static_cast<int16_t>(std::clamp(p.*skill.field + shift(gen), 5, 100));
        CalculatePlayerRatings(p);
    }
    for (int t = 1; t <= kLeagueTeams; ++t)
        SetLineup(league, t);
}

// The regular season played from day 1 to day 120.
void PlaySeason(test::SeasonLeague& season) {
    ASSERT_TRUE(BeginSeason(season.league(), season.host, true));
    SimRun run;
    run.unattended = true;
    ASSERT_EQ(RunSimCommand(season.league(), season.host, run, SimSpan::Season).outcome, SimOutcome::Done);
}

// The season's statistics as a file would give them, with the header's columns in another order and case.
std::string StatsFile(const League& league, std::vector<int>& ids) {
    std::string text = "name,team,POSITION,age,height,weight,pts,g,min,fg,fga,3p,3pa,ft,fta,reb,ast,stl,blk,"
                       "tov,pf,gs\n";
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        const SeasonTotals& s = p.SeasonStats;
        if (p.IsEmpty() || s.Games == 0) continue;
        ids.push_back(id);
        text += p.Name + "," + p.Team + "," + p.DefaultPosition;
        for (int v : {int(p.Age), int(p.Height), int(p.Weight), int(s.Points), int(s.Games), int(s.Minutes),
                      int(s.FG), int(s.FGA), int(s.ThreeP), int(s.ThreePA), int(s.FT), int(s.FTA),
                      int(s.Rebounds), int(s.Assists), int(s.Steals), int(s.Blocks), int(s.Turnovers),
                      int(s.Fouls), int(s.GamesStarted)})
            text += "," + std::to_string(v);
        text += "\n";
    }
    return text;
}

double Correlation(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double mx = 0, my = 0;
    for (size_t i = 0; i < x.size(); ++i)
        mx += x[i] / n, my += y[i] / n;
    double sxy = 0, sxx = 0, syy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

// Per-minute rates of one season's line: points, rebounds, assists, steals, blocks, turnovers, fouls,
// three-point attempts, free-throw attempts, field-goal attempts.
std::array<double, 10> PerMinute(const SeasonTotals& s) {
    const double m = s.Minutes;
    return {s.Points / m,    s.Rebounds / m, s.Assists / m, s.Steals / m, s.Blocks / m,
            s.Turnovers / m, s.Fouls / m,    s.ThreePA / m, s.FTA / m,    s.FGA / m};
}
const char* const kRateNames[10] = {"PTS", "REB", "AST", "STL", "BLK", "TOV", "PF", "3PA", "FTA", "FGA"};

TEST(StatsRoundTrip, TheModelGivesBackTheRatingsAndTheStatisticsOfASeason) {
    // A season of a league of known ratings.
    auto first = std::make_unique<test::SeasonLeague>();
    ASSERT_TRUE(first->Load(kSeed, "Known"));
    ShakeRatings(first->league());
    PlaySeason(*first);
    const League& known = first->league();

    std::vector<int> ids;
    auto knownTeam = [&](const std::string& name) { return known.FindTeam(name) != 0; };
    const StatsReadResult read = ParseStatsText(StatsFile(known, ids), knownTeam, 650);
    ASSERT_FALSE(read.problem) << ImportErrorText(*read.problem);
    ASSERT_EQ(read.lines.size(), ids.size());
    const auto derived = RatingsFromStats(read.lines);

    // Ratings: the known against the derived, for the players with a few games' minutes.
    double meanShare = 0;
    std::printf("%-17s %6s %6s\n", "rating", "MAE", "close");
    for (size_t k = 0; k < kSourceSkills.size(); ++k) {
        int counted = 0, close = 0;
        double error = 0;
        for (size_t n = 0; n < ids.size(); ++n) {
            if (read.lines[n].MIN < 100) continue;
            const int diff = std::abs(known.player(ids[n]).*kSourceSkills[k].field - derived[n][k]);
            error += diff;
            close += diff <= kRatingTolerance;
            ++counted;
        }
        const double share = static_cast<double>(close) / counted;
        meanShare += share / static_cast<double>(kSourceSkills.size());
        std::printf("%-17s %6.1f %5.0f%%\n", kSourceSkills[k].column, error / counted, 100 * share);
        EXPECT_GE(share, kLeastShareClose) << kSourceSkills[k].column;
    }
    std::printf("mean share close: %.0f%%\n", 100 * meanShare);
    EXPECT_GE(meanShare, kLeastMeanShareClose);

    // The same league with the derived ratings plays the season again.
    auto second = std::make_unique<test::SeasonLeague>();
    ASSERT_TRUE(second->Load(kSeed, "Derived"));
    ShakeRatings(second->league());
    for (size_t n = 0; n < ids.size(); ++n) {
        Player& p = second->league().player(ids[n]);
        for (size_t k = 0; k < kSourceSkills.size(); ++k)
            p.*kSourceSkills[k].field = derived[n][k];
        CalculatePlayerRatings(p);
    }
    for (int t = 1; t <= kLeagueTeams; ++t)
        SetLineup(second->league(), t);
    PlaySeason(*second);

    std::array<std::vector<double>, 10> before, after;
    for (int id : ids) {
        const SeasonTotals& a = known.player(id).SeasonStats;
        const SeasonTotals& b = second->league().player(id).SeasonStats;
        if (a.Minutes < kLeastMinutes || b.Minutes < kLeastMinutes) continue;
        auto ra = PerMinute(a), rb = PerMinute(b);
        for (size_t i = 0; i < ra.size(); ++i)
            before[i].push_back(ra[i]), after[i].push_back(rb[i]);
    }
    ASSERT_GE(before[0].size(), 200u);
    for (size_t i = 0; i < before.size(); ++i) {
        const double r = Correlation(before[i], after[i]);
        std::printf("%-4s per minute: correlation %.2f over %zu players\n", kRateNames[i], r,
                    before[i].size());
        const bool steals = std::string(kRateNames[i]) == "STL";
        EXPECT_GE(r, steals ? kLeastStealsCorrelation : kLeastCorrelation) << kRateNames[i];
    }
}

} // namespace
} // namespace hv
