// The computer's offers worked by hand: a centre with three seasons (cap 40,000,000: maximum 10,000,000,
// minimum 565,850) ranked 17th at his position (worth 0.5), offered by a team with two better centres
// (team factor 0.85).
#include <gtest/gtest.h>

#include "personnel/contract_offer.h"
#include "personnel/salary.h"
#include "support/roster_league.h"

namespace hv {
namespace {

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

TEST_F(Offers, FactorAndWorthOfTheCase) {
    EXPECT_DOUBLE_EQ(PlayerWorth(league(), id), 0.5);
    EXPECT_DOUBLE_EQ(TeamFactor(league(), 2, id), 0.85);
    EXPECT_DOUBLE_EQ(TeamFactor(league(), 1, id), 1.15 * 1.1)
        << "no centre at all: he starts and they are thin";
}

TEST_F(Offers, NewContract) {
    EXPECT_EQ(Amount(BidKind::New), 4250000); // 10,000,000 x 0.85 x 0.5
    SetPayroll(37000000);
    EXPECT_EQ(Amount(BidKind::New), 3000000); // limited to the room
    SetPayroll(39900000);
    EXPECT_EQ(Amount(BidKind::New), 565850); // but never below his minimum
}

TEST_F(Offers, Resigning) {
    EXPECT_EQ(Amount(BidKind::Resign), 4750000); // 10,000,000 x (0.85 x 0.5 + 0.05)
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
    EXPECT_EQ(Amount(BidKind::Resign), 10000000);
}

TEST_F(Offers, ExceptionsAndMinimum) {
    EXPECT_EQ(Amount(BidKind::Mid), 4250000);
    EXPECT_EQ(Amount(BidKind::Low), 1200000);
    EXPECT_EQ(Amount(BidKind::Min), 565850);
    player().CurrentRating = player().FutureRating = 99;
    EXPECT_EQ(Amount(BidKind::Mid), 4500000) << "within the mid-level limit";
    league().team(2).UsedMidException = true;
    league().team(2).UsedLowException = true;
    EXPECT_EQ(Amount(BidKind::Mid), -1);
    EXPECT_EQ(Amount(BidKind::Low), -1);
}

TEST_F(Offers, LengthFollowsTheShareOfTheMaximum) {
    // 4,250,000 is 0.425 of the maximum: 3 years a fifth of the time, 4 years seven tenths, 5 a tenth.
    int years[8] = {};
    const int runs = 3000;
    for (int i = 0; i < runs; ++i) {
        auto offer = ComputerOffer(league(), id, 2, BidKind::New);
        ASSERT_TRUE(offer);
        ++years[offer->years];
        for (int y = 0; y < 7; ++y)
            EXPECT_EQ(offer->amounts[static_cast<size_t>(y)], y < offer->years ? 4250000 : 0);
        if (HasFailure()) return;
    }
    EXPECT_EQ(years[3] + years[4] + years[5], runs);
    EXPECT_NEAR(years[4] / double(runs), 0.7, 0.03);
    EXPECT_NEAR(years[5] / double(runs), 0.1, 0.02);
    auto minimum = ComputerOffer(league(), id, 2, BidKind::Min);
    EXPECT_EQ(minimum->years, 1) << "below a tenth of the maximum: one year";
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
