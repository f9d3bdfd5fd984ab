// Salaries, the drafts' pay scales and the computer's contract offers.
#include <gtest/gtest.h>

#include "league/salary.h"
#include "personnel/contract_offer.h"
#include "support/roster_league.h"

namespace hv {
namespace {

TEST(Salary, MinimumAndMaximumByExperience) {
    const int32_t minimum[] = {332817, 465850, 540850, 565850, 590850,  653350,
                               715850, 778350, 840850, 965850, 1000000, 1000000};
    SeasonState s;
    s.SetSalaryCapDollars(40000000);
    for (int experience = 0; experience <= 11; ++experience)
        EXPECT_EQ(std::make_pair(MinimumSalary(experience), MaximumSalary(s, experience)),
                  std::make_pair(minimum[experience], experience < 7    ? 10000000
                                                      : experience < 10 ? 12000000
                                                                        : 14000000))
            << experience;
}

TEST(Salary, WorthFollowsTheRankAtThePosition) {
    League league;
    // 60 centres rated 100 down to 41, both ratings alike; one guard that counts for nobody's rank.
    for (int id = 1; id <= 61; ++id) {
        Player& p = league.player(id);
        p.Name = "C " + std::to_string(id), p.DefaultPosition = id <= 60 ? "C" : "PG";
        p.CurrentRating = p.FutureRating = static_cast<int16_t>(id <= 60 ? 101 - id : 100);
    }
    const std::pair<int, double> cases[] = {{1, 1.5},  {2, 1.25}, {4, 1.25}, {5, 1.1},  {8, 0.8},
                                            {9, 0.8},  {16, 0.5}, {17, 0.5}, {29, 0.2}, {30, 0.2},
                                            {45, 0.1}, {46, 0.1}, {58, 0.0}, {59, 0.0}, {60, 0.0}};
    for (const auto& [rank, worth] : cases)
        EXPECT_NEAR(PlayerWorth(league, rank), worth, 1e-9) << "rank " << rank;
    league.player(30).FutureRating = 99; // the better of the two ranks counts
    EXPECT_NEAR(PlayerWorth(league, 30), 1.25, 1e-9);
}

TEST(Salary, DraftScales) {
    EXPECT_EQ(DraftContract(DraftKind::Rookie, 1, 1),
              (ContractYears{2888256, 3104934, 3321514, 3517514, 0, 0, 0, 0}));
    EXPECT_EQ(DraftContract(DraftKind::Rookie, 1, 10)[0], 2408077); // 2947200 x 0.98^10
    EXPECT_EQ(DraftContract(DraftKind::Rookie, 2, 29), (ContractYears{332817, 465850, 0, 0, 0, 0, 0, 0}));
    // The creation draft: the same amount for a round's years; from round 7 on, fixed contracts.
    const struct {
        int round, pick;
        int32_t amount;
        int years;
    } cases[] = {{1, 1, 8910000, 4}, {1, 29, 6724549, 4}, {2, 1, 6930000, 3}, {3, 2, 4900500, 3},
                 {4, 1, 2970000, 2}, {5, 1, 1980000, 2},  {6, 3, 970299, 2}};
    for (const auto& c : cases) {
        ContractYears expected{};
        std::fill_n(expected.begin(), c.years, c.amount);
        EXPECT_EQ(DraftContract(DraftKind::Creation, c.round, c.pick), expected) << c.round << "/" << c.pick;
    }
    for (int round : {7, 10, 11, 12})
        EXPECT_EQ(DraftContract(DraftKind::Creation, round, 5),
                  (round <= 10 ? ContractYears{500000, 550000} : ContractYears{400000}));
}

class Offers : public ::testing::Test {
  protected:
    Offers() {
        league().state.SetSalaryCapDollars(40000000);
        league().state.Season = 2006;
        league().state.SeasonDay = Phase::FirstFreeAgency;
        // 16 better centres, two of them with the Owls (team 2); then the player, a free agent.
        for (int i = 0; i < 16; ++i)
            Better(roster.Add(i < 2 ? 2 : 3 + i % 10, 1, 90 - i));
        id = roster.Add(0, 1, 60);
        Player& p = player();
        p.FutureRating = 60;
        p.Experience = 3;
        p.LastTeam = "Owls";
        p.LastSalary = 3000000;
        for (int i = 0; i < 5; ++i)
            roster.Add(4, 1, 40); // worse centres count for nothing
        SetPayroll(20000000);
    }
    League& league() { return roster.league; }
    Player& player() { return league().player(id); }
    void Better(int other) { league().player(other).FutureRating = 95; }
    void SetPayroll(int32_t payroll) { league().team(2).TotalSalary = payroll; }
    int32_t Amount(BidKind kind) {
        auto offer = ComputerOffer(league(), id, 2, kind);
        return offer ? offer->FirstYear() : -1;
    }

    test::RosterLeague roster;
    int id = 0;
};

TEST_F(Offers, AmountsWorkedByHand) {
    // He ranks 17th of the centres (worth 0.5); the Owls have two better ones (factor 0.85), the Hawks none
    // (he starts and they are thin: 1.15 x 1.1).
    EXPECT_EQ(std::make_pair(PlayerWorth(league(), id), TeamFactor(league(), 2, id)),
              std::make_pair(0.5, 0.85));
    EXPECT_DOUBLE_EQ(TeamFactor(league(), 1, id), 1.15 * 1.1);
    const std::tuple<BidKind, int32_t, int32_t> cases[] = {
        {BidKind::New, 20000000, 4250000},    // 10,000,000 x 0.85 x 0.5
        {BidKind::New, 37000000, 3000000},    // limited to the room
        {BidKind::New, 39900000, 565850},     // but never below his minimum
        {BidKind::Resign, 20000000, 4750000}, // 10,000,000 x (0.85 x 0.5 + 0.05)
        {BidKind::Mid, 20000000, 4250000},    {BidKind::Low, 20000000, 1200000},
        {BidKind::Min, 20000000, 565850},
    };
    for (const auto& [kind, payroll, amount] : cases) {
        SetPayroll(payroll);
        EXPECT_EQ(Amount(kind), amount) << int(kind) << " " << payroll;
    }
    SetPayroll(37000000);
    player().BirdYears = 2;
    EXPECT_EQ(Amount(BidKind::Resign), 3000000) << "two Bird years: within the cap room";
    player().BirdYears = 3;
    EXPECT_EQ(Amount(BidKind::Resign), 4750000) << "three Bird years: beyond the cap";
    // The best centre of the league is worth 1.5 and starts for them (factor 1.15): 17,750,000 is above both
    // his maximum and 120 % of a last salary of 9,000,000, which is the limit.
    player().CurrentRating = player().FutureRating = 99;
    player().LastSalary = 9000000;
    EXPECT_EQ(Amount(BidKind::Resign), 10800000);
    player().LastSalary = 5000000;
    EXPECT_EQ(std::make_pair(Amount(BidKind::Resign), Amount(BidKind::Mid)),
              std::make_pair(10000000, 4500000))
        << "the maximum, and the mid-level limit";
    league().team(2).UsedMidException = league().team(2).UsedLowException = true;
    EXPECT_EQ(std::make_pair(Amount(BidKind::Mid), Amount(BidKind::Low)), std::make_pair(-1, -1));
}

TEST_F(Offers, LengthFollowsTheShareOfTheMaximum) {
    // 4,250,000 is 0.425 of the maximum: 3 years a fifth of the time, 4 years seven tenths, 5 a tenth.
    int years[8] = {};
    for (int i = 0; i < 3000; ++i)
        ++years[ComputerOffer(league(), id, 2, BidKind::New).value().years];
    EXPECT_TRUE(years[3] + years[4] + years[5] == 3000 && std::abs(years[4] - 2100) < 90 &&
                std::abs(years[5] - 300) < 60)
        << years[3] << " " << years[4] << " " << years[5];
    EXPECT_EQ(ComputerOffer(league(), id, 2, BidKind::Min)->years, 1)
        << "below a tenth of the maximum: one year";
    EXPECT_EQ(ContractLength(0.9, league().rng), 7);
}

TEST_F(Offers, RoomBeforeTheSeasonEnds) {
    // During the season an offer looks at next season: the contracts that run on and next year's cut salary.
    league().state.SeasonDay = 121;
    league().team(2).CutSalary = {0, 1000000};
    int64_t committed = 1000000;
    for (int other = 1; other <= kLastLeaguePlayer; ++other)
        if (league().player(other).Team == "Owls") committed += league().player(other).contract2;
    EXPECT_EQ(OfferRoom(league(), 2), 40000000 - committed);
    EXPECT_EQ(SalaryBeforeResigning(league(), player()), player().contract1);
    league().state.SeasonDay = Phase::RookieDraft;
    EXPECT_EQ(OfferRoom(league(), 2), CapRoom(league(), 2));
    EXPECT_EQ(SalaryBeforeResigning(league(), player()), 3000000);
}

} // namespace
} // namespace hv
