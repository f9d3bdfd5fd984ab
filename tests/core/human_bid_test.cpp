// A human team's bids: every refusal of the contract checks with its message, the raise limits of a former
// team, the over-the-cap rule, the kind a bid counts as, and placing and withdrawing bids.
#include <gtest/gtest.h>

#include "league/team_control.h"
#include "personnel/free_agency_bids.h"
#include "personnel/human_bid.h"
#include "platform/scripted_host.h"
#include "support/roster_league.h"

namespace hv {
namespace {

class HumanBid : public ::testing::Test {
  protected:
    HumanBid() {
        League& l = league();
        l.state.SetSalaryCapDollars(40000000);
        l.state.Season = 2006;
        l.state.SeasonDay = Phase::FirstFreeAgency;
        id = roster.Add(0, 3, 70);
        Player& p = l.player(id);
        p.Experience = 3; // minimum 565,850, maximum 10,000,000
        p.LastTeam = "Hawks";
        p.LastFASeason = 2003;
        p.BirdYears = 1;
        for (int team : {1, 2, 3})
            SetHuman(l.team(team), true);
        l.team(1).TotalSalary = 30000000; // the Hawks, his former team
        l.team(2).TotalSalary = 20000000; // the Owls
        l.team(3).TotalSalary = 45000000; // over the cap, exceptions used
        l.team(3).UsedMidException = l.team(3).UsedLowException = true;
    }
    League& league() { return roster.league; }
    bool Check(int team, std::vector<int32_t> amounts) {
        host.messages.clear();
        return ValidateHumanBid(league(), id, team, amounts, host);
    }

    test::RosterLeague roster;
    ScriptedHost host;
    int id = 0;
};

TEST_F(HumanBid, EveryRefusal) {
    const std::string name = league().player(id).Name;
    const struct {
        int team;
        std::vector<int32_t> amounts;
        std::string message;
    } cases[] = {
        {2, {1000000, 0}, "Contract value must be greater than 0."},
        {2, {1000000, -5}, "Contract value must be greater than 0."},
        {2, {565849, 600000}, "Illegal Contract: Year 1 is lower than the minimum salary"},
        {2, {1000000, 500000}, "Illegal Contract: Year 2 is lower than the minimum salary"},
        {2, {10000001}, "Illegal Contract: Salary in year 1 exceeds maximum salary."},
        {2, {9500000, 10500000}, "Illegal Contract: Salary in year 2 exceeds maximum salary."},
        {2, {2000000, 1999999}, "Contract Value may not decrease from year to year"},
        {2,
         {1000000, 1100000, 1240000},
         "12.7% raise from year 2 to year 3 is greater than the maximum raise of 10%"},
        {1,
         {1000000, 1100000, 1240000},
         "12.7% raise from year 2 to year 3 is greater than the maximum raise of 12.5%"},
        {2,
         {1000000, 1100000, 1237000},
         "12.5% raise from year 2 to year 3 is greater than the maximum raise of 10%"},
        {3, {1000000}, "You may only sign players for two years at the minimum salary when over the cap."},
        {3, {565850, 565850, 565850}, name + " will only sign for two years at the minimum salary"},
        {2,
         {1000000, 1000000, 1000000, 1000000, 1000000, 1000000, 1000000, 1000000},
         "A contract runs for 1 to 7 years."},
        {2, {}, "A contract runs for 1 to 7 years."},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Check(c.team, c.amounts)) << c.message;
        ASSERT_EQ(host.messages.size(), 1u) << c.message;
        EXPECT_EQ(host.messages[0].text, c.message);
        EXPECT_EQ(host.messages[0].title, "Free Agency");
    }
}

TEST_F(HumanBid, AcceptedContracts) {
    EXPECT_TRUE(Check(1, {1000000, 1100000, 1237000})) << "his former team may raise by 12.5 %";
    EXPECT_TRUE(Check(2, {1000000, 1100000, 1210000})) << "10 % exactly";
    EXPECT_TRUE(Check(2, {10000000, 10000000, 10000000, 10000000, 10000000, 10000000, 10000000}));
    EXPECT_TRUE(Check(3, {565850, 565850})) << "over the cap: the minimum for two years";
    league().team(3).UsedLowException = false;
    EXPECT_TRUE(Check(3, {1200000, 1300000})) << "the low-level exception covers the first year";
    EXPECT_FALSE(Check(3, {1200001}));
    league().team(3).UsedMidException = false;
    EXPECT_TRUE(Check(3, {4500000})) << "the mid-level exception";
    // Without three seasons since his last signing his former team is held to 10 % as well.
    league().player(id).LastFASeason = 2004;
    EXPECT_FALSE(Check(1, {1000000, 1100000, 1237000}));
    // His Bird rights let his former team go over the cap.
    league().team(1).TotalSalary = 45000000;
    league().team(1).UsedMidException = league().team(1).UsedLowException = true;
    EXPECT_FALSE(Check(1, {6000000}));
    league().player(id).BirdYears = 3;
    EXPECT_TRUE(Check(1, {6000000}));
}

TEST_F(HumanBid, KindOfBid) {
    EXPECT_EQ(HumanBidKind(league(), id, 1, 6000000), BidKind::Resign);
    EXPECT_EQ(HumanBidKind(league(), id, 2, 6000000), BidKind::New);
    league().team(3).UsedMidException = false;
    EXPECT_EQ(HumanBidKind(league(), id, 3, 4500000), BidKind::Mid);
    league().team(3).UsedMidException = true;
    league().team(3).UsedLowException = false;
    EXPECT_EQ(HumanBidKind(league(), id, 3, 1200000), BidKind::Low);
    EXPECT_EQ(HumanBidKind(league(), id, 3, 1200001), BidKind::Min);
    league().team(3).UsedLowException = true;
    EXPECT_EQ(HumanBidKind(league(), id, 3, 565850), BidKind::Min);
}

TEST_F(HumanBid, PlacingAndWithdrawing) {
    ASSERT_TRUE(PlaceHumanBid(league(), 2, id, {3000000, 3300000}, host));
    ASSERT_EQ(league().tables.bids.size(), 1u);
    const FreeAgentBid& b = league().tables.bids[0];
    EXPECT_EQ(b.PlayerID, id);
    EXPECT_EQ(b.TeamID, 2);
    EXPECT_EQ(b.Kind, BidKind::New);
    EXPECT_EQ(b.Years, 2);
    EXPECT_EQ(b.Amounts, (std::array<int32_t, 7>{3000000, 3300000, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(PlaceHumanBid(league(), 2, id, {4000000}, host));
    ASSERT_EQ(league().tables.bids.size(), 1u) << "a new bid replaces the team's earlier one";
    EXPECT_EQ(league().tables.bids[0].Amounts[0], 4000000);

    EXPECT_FALSE(PlaceHumanBid(league(), 2, id, {100}, host));
    EXPECT_EQ(league().tables.bids[0].Amounts[0], 4000000) << "a refused bid changes nothing";
    EXPECT_FALSE(PlaceHumanBid(league(), 4, id, {4000000}, host));
    EXPECT_EQ(host.LastMessage(), "Only a human team's bids are made by hand.");
    const int signed_ = roster.Add(5, 2, 60);
    EXPECT_FALSE(PlaceHumanBid(league(), 2, signed_, {4000000}, host));
    EXPECT_EQ(host.LastMessage(), league().player(signed_).Name + " is not a free agent.");

    EXPECT_TRUE(WithdrawHumanBid(league(), 2, id, host));
    EXPECT_TRUE(league().tables.bids.empty());
    EXPECT_FALSE(WithdrawHumanBid(league(), 2, id, host));
    EXPECT_EQ(host.LastMessage(), "The Owls have no bid for " + league().player(id).Name + ".");

    league().state.SeasonDay = 185;
    EXPECT_FALSE(PlaceHumanBid(league(), 2, id, {4000000}, host));
    EXPECT_EQ(host.LastMessage(), "Bids are made during the free agency period.");
}

} // namespace
} // namespace hv
