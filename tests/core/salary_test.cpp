// Salaries: the minimum and maximum salary tables, a player's worth by rank, and the drafts' pay scales.
#include <gtest/gtest.h>

#include "personnel/salary.h"

namespace hv {
namespace {

TEST(Salary, MinimumByExperience) {
    const int32_t minimum[] = {332817, 465850, 540850, 565850, 590850, 653350,
                               715850, 778350, 840850, 965850, 1000000};
    for (int experience = 0; experience <= 10; ++experience)
        EXPECT_EQ(MinimumSalary(experience), minimum[experience]) << experience;
    EXPECT_EQ(MinimumSalary(17), 1000000);
}

TEST(Salary, MaximumIsAShareOfTheCap) {
    SeasonState s;
    s.SetSalaryCapDollars(40000000);
    for (auto [experience, maximum] :
         {std::pair{0, 10000000}, {6, 10000000}, {7, 12000000}, {9, 12000000}, {10, 14000000}})
        EXPECT_EQ(MaximumSalary(s, experience), maximum) << experience;
}

TEST(Salary, WorthFollowsTheRankAtThePosition) {
    League league;
    // 60 centres rated 100 down to 41, both ratings alike; one guard that counts for nobody's rank.
    for (int id = 1; id <= 60; ++id) {
        Player& p = league.player(id);
        p.Name = "C " + std::to_string(id);
        p.DefaultPosition = "C";
        p.CurrentRating = p.FutureRating = static_cast<int16_t>(101 - id);
    }
    league.player(61) = league.player(1);
    league.player(61).DefaultPosition = "PG";
    const struct {
        int rank;
        double worth;
    } cases[] = {{1, 1.5},  {2, 1.25}, {4, 1.25}, {5, 1.1},  {8, 0.8},  {9, 0.8},  {16, 0.5}, {17, 0.5},
                 {29, 0.2}, {30, 0.2}, {45, 0.1}, {46, 0.1}, {58, 0.0}, {59, 0.0}, {60, 0.0}};
    for (const auto& c : cases)
        EXPECT_NEAR(PlayerWorth(league, c.rank), c.worth, 1e-9) << "rank " << c.rank;
    // The better of the two ranks counts.
    league.player(30).FutureRating = 99;
    EXPECT_NEAR(PlayerWorth(league, 30), 1.25, 1e-9);
}

TEST(Salary, RookieScaleByPick) {
    ContractYears first = DraftContract(DraftKind::Rookie, 1, 1);
    EXPECT_EQ(first, (ContractYears{2888256, 3104934, 3321514, 3517514, 0, 0, 0, 0}));
    ContractYears tenth = DraftContract(DraftKind::Rookie, 1, 10);
    EXPECT_EQ(tenth[0], 2408077); // 2947200 x 0.98^10
    for (int pick : {1, 15, 29})
        EXPECT_EQ(DraftContract(DraftKind::Rookie, 2, pick),
                  (ContractYears{332817, 465850, 0, 0, 0, 0, 0, 0}));
}

TEST(Salary, CreationScaleByRound) {
    const struct {
        int round, pick;
        int32_t amount;
        int years;
    } cases[] = {{1, 1, 8910000, 4}, {1, 29, 6724549, 4}, {2, 1, 6930000, 3}, {3, 2, 4900500, 3},
                 {4, 1, 2970000, 2}, {5, 1, 1980000, 2},  {6, 3, 970299, 2}};
    for (const auto& c : cases) {
        ContractYears y = DraftContract(DraftKind::Creation, c.round, c.pick);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(y[static_cast<size_t>(i)], i < c.years ? c.amount : 0)
                << c.round << "/" << c.pick << " " << i;
    }
    for (int round : {7, 10})
        EXPECT_EQ(DraftContract(DraftKind::Creation, round, 5),
                  (ContractYears{500000, 550000, 0, 0, 0, 0, 0, 0}));
    for (int round : {11, 12})
        EXPECT_EQ(DraftContract(DraftKind::Creation, round, 5), (ContractYears{400000, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(Salary, ContractLengthByShareOfTheMaximum) {
    Random rng(5);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(ContractLength(0.05, rng), 1);
        EXPECT_EQ(ContractLength(0.9, rng), 7);
        int mid = ContractLength(0.5, rng);
        EXPECT_TRUE(mid >= 3 && mid <= 5) << mid;
    }
}

} // namespace
} // namespace hv
