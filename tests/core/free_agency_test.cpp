// Free agency: which bids hold, the signing and its line, the asking salary through the days, a human
// team's bids and their refusals, the players still waiting to re-sign, and whole free-agency periods of the
// default league over many seeds (rosters, the cap and its exceptions, nobody lost).
#include <gtest/gtest.h>

#include <map>

#include "core/draft_support.h"
#include "league/team_control.h"
#include "personnel/free_agency.h"
#include "personnel/free_agency_bids.h"
#include "personnel/human_bid.h"
#include "personnel/resign.h"
#include "personnel/salary.h"
#include "platform/scripted_host.h"
#include "support/roster_league.h"

namespace hv {
namespace {

class Bids : public ::testing::Test {
  protected:
    Bids() {
        League& l = league();
        l.state.SetSalaryCapDollars(40000000);
        l.state.Season = 2006;
        l.state.SeasonDay = Phase::FirstFreeAgency;
        id = roster.Add(0, 2, 70);
        l.player(id).Experience = 4; // minimum 590,850
        l.team(1).TotalSalary = 30000000;
        l.team(2).TotalSalary = 41000000;
    }
    League& league() { return roster.league; }
    FreeAgentBid Bid(int team, BidKind kind, std::vector<int32_t> amounts) {
        FreeAgentBid b;
        b.PlayerID = static_cast<int16_t>(id);
        b.TeamID = static_cast<int16_t>(team);
        b.Kind = kind;
        b.Years = static_cast<int16_t>(amounts.size());
        for (size_t y = 0; y < amounts.size(); ++y)
            b.Amounts[y] = amounts[y];
        return b;
    }

    test::RosterLeague roster;
    int id = 0;
};

TEST_F(Bids, WhichBidsHold) {
    const struct {
        const char* what;
        int team;
        BidKind kind;
        int32_t amount;
        CapPass pass;
    } cases[] = {
        {"within the room", 1, BidKind::New, 10000000, CapPass::Room},
        {"beyond the room", 1, BidKind::New, 10000001, CapPass::None},
        {"over the cap, new", 2, BidKind::New, 1000000, CapPass::None},
        {"mid-level", 2, BidKind::Mid, 4500000, CapPass::MidException},
        {"above the mid-level", 2, BidKind::Mid, 4500001, CapPass::None},
        {"low-level", 2, BidKind::Low, 1200000, CapPass::LowException},
        {"minimum", 2, BidKind::Min, 590850, CapPass::Minimum},
    };
    for (const auto& c : cases) {
        const FreeAgentBid b = Bid(c.team, c.kind, {c.amount});
        EXPECT_EQ(HowBidFitsCap(league(), b), c.pass) << c.what;
        EXPECT_EQ(BidIsValid(league(), b), c.pass != CapPass::None) << c.what;
    }
    league().team(2).UsedMidException = true;
    EXPECT_FALSE(BidIsValid(league(), Bid(2, BidKind::Mid, {4500000}))) << "the exception is used";
    EXPECT_FALSE(BidIsValid(league(), Bid(1, BidKind::New, {590849}))) << "below his minimum";
    EXPECT_FALSE(BidIsValid(league(), Bid(2, BidKind::Min, {590850, 590850, 590850})))
        << "minimum for 3 years";
    league().player(id).LastTeam = league().team(2).Name;
    league().player(id).BirdYears = 3;
    EXPECT_EQ(HowBidFitsCap(league(), Bid(2, BidKind::Resign, {9000000})), CapPass::BirdRights);
    roster.Fill(1, 15);
    EXPECT_FALSE(BidIsValid(league(), Bid(1, BidKind::New, {1000000}))) << "a team with 15 players";
}

TEST_F(Bids, TheBestValidBidIsSigned) {
    roster.Fill(3, 15);
    PlaceBid(league(), Bid(3, BidKind::New, {9000000, 9000000})); // full roster: dropped
    PlaceBid(league(), Bid(2, BidKind::New, {8000000, 8000000})); // no cap room: dropped
    PlaceBid(league(), Bid(1, BidKind::New, {2000000, 2000000}));
    PlaceBid(league(), Bid(4, BidKind::Min, {590850}));
    league().team(4).TotalSalary = 50000000;
    const int best = BestBid(league(), id);
    ASSERT_EQ(league().tables.bids.size(), 2u);
    ASSERT_GE(best, 0);
    // The money term decides between two teams alike: 2,000,000 for two years against the minimum.
    EXPECT_EQ(league().tables.bids[static_cast<size_t>(best)].TeamID, 1);
    for (const FreeAgentBid& b : league().tables.bids)
        EXPECT_GT(b.Score, 0);

    const FreeAgentBid chosen = league().tables.bids[static_cast<size_t>(best)];
    const int16_t players = league().team(1).NumPlayers;
    SignBid(league(), chosen);
    const Player& p = league().player(id);
    EXPECT_EQ(
        std::tie(p.Team, p.contract1, p.contract2, p.contract3, p.LastFASeason, p.BirdYears, p.Exception),
        std::make_tuple("Hawks", 2000000, 2000000, 0, 2006, 0, false));
    EXPECT_EQ(std::tie(league().team(1).NumPlayers, league().team(1).TotalSalary),
              std::make_tuple(players + 1, 32000000));
    EXPECT_TRUE(league().tables.bids.empty()) << "his other bids go";
    EXPECT_EQ(league().tables.transactions.back().Action,
              "Sign PF " + p.Name + " for $2,000,000 over 2 years.");
}

TEST_F(Bids, SigningWithAnException) {
    SignBid(league(), Bid(2, BidKind::Mid, {4000000, 4200000, 4400000}));
    EXPECT_EQ(std::tie(league().player(id).Exception, league().team(2).UsedMidException,
                       league().team(2).UsedLowException),
              std::make_tuple(true, true, false));
    EXPECT_EQ(SigningLine(league().player(id), 700000, 1),
              "Sign PF " + league().player(id).Name + " for $700,000 over one year.");
}

TEST_F(Bids, AskingFallsThroughTheDays) {
    Player& p = league().player(id);
    p.ResignDemand = {5000000};
    const int32_t asks[] = {6000000, 5500000, 5000000, 4500000, 4000000, 4000000};
    for (int day = 0; day < 6; ++day) {
        league().state.SeasonDay = static_cast<int16_t>(Phase::FirstFreeAgency + day);
        EXPECT_EQ(AskingSalary(league(), id), asks[day]) << "day " << day + 1;
    }
    p.ResignDemand = {600000};
    league().state.SeasonDay = 184;
    EXPECT_EQ(AskingSalary(league(), id), 590850) << "never below his minimum";
}

TEST_F(Bids, UndecidedPlayersBecomeFreeAgentsWhenFreeAgencyOpens) {
    SetHuman(league().team(1), true);
    const int waiting = roster.Add(1, 1, 65);
    league().player(waiting).contract1 = league().player(waiting).contract2 = 0;
    league().player(waiting).ResignDemand = {1500000};
    ASSERT_TRUE(AwaitsResignDecision(league(), waiting));
    ScriptedHost host;
    ASSERT_TRUE(RunFreeAgencyDay(league(), host));
    EXPECT_EQ(std::tie(league().player(waiting).LastTeam, league().state.SeasonDay),
              std::make_tuple("Hawks", 181));
    EXPECT_NE(league().player(waiting).Team, "Hawks");
    league().state.SeasonDay = 170;
    EXPECT_FALSE(RunFreeAgencyDay(league(), host) || EndFreeAgency(league(), host));
    EXPECT_EQ(league().state.SeasonDay, 170);
}

// Whole periods of the default league, which opens at free-agency day 1.
class Market : public test::StartedHome {};

TEST_F(Market, PeriodsOverManySeeds) {
    ASSERT_TRUE(Create(PlayerSource::DefaultLeague, LeagueType::KeepRosters));
    const League start = league();
    const int64_t cap = start.state.SalaryCapDollars();
    int signedTotal = 0;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        League l = start;
        l.rng.Seed(seed);
        std::map<int, int16_t> birdYears;
        int players = 0;
        for (int id = 1; id <= kLastLeaguePlayer; ++id) {
            birdYears[id] = l.player(id).BirdYears;
            players += !l.player(id).IsEmpty();
        }
        for (int step = 0; step < 10 && FreeAgencyOpen(l.state); ++step)
            ASSERT_TRUE(FreeAgencyStep(l, host));
        ASSERT_EQ(l.state.SeasonDay, Phase::TrainingCamps) << seed;
        EXPECT_TRUE(l.tables.bids.empty());

        int after = 0;
        std::map<int, int64_t> exempt;
        for (int id = 1; id <= kLastLeaguePlayer; ++id) {
            const Player& p = l.player(id);
            if (p.IsEmpty()) continue;
            ++after;
            const Player& was = start.player(id);
            if (was.Team != kFreeAgent) {
                EXPECT_EQ(p.Team, was.Team) << "only free agents move";
                continue;
            }
            if (p.Team == kFreeAgent) {
                EXPECT_EQ(p.BirdYears, 0);
                continue;
            }
            const int team = l.FindTeam(p.Team);
            ASSERT_NE(team, 0) << p.Team;
            ++signedTotal;
            const bool bird = was.LastTeam == p.Team && birdYears[id] >= 3;
            if (p.Exception || bird || p.contract1 == MinimumSalary(p.Experience))
                exempt[team] += p.contract1;
            EXPECT_TRUE(!p.Exception || p.contract1 <= kMidLevelException);
        }
        EXPECT_EQ(after, players) << "every free agent signs or stays a free agent";
        for (int team = 1; team <= kLeagueTeams; ++team) {
            const Team& t = l.team(team);
            int counted = 0;
            int64_t salaries = 0;
            for (int id = 1; id <= kLastLeaguePlayer; ++id)
                if (!l.player(id).IsEmpty() && l.player(id).Team == t.Name) {
                    ++counted;
                    salaries += l.player(id).contract1;
                }
            EXPECT_TRUE(t.NumPlayers <= 15 && t.NumPlayers == counted && t.TotalSalary == salaries) << t.Name;
            // Signings that needed cap room fit under the cap; only exceptions, Bird rights and minimum
            // contracts go above it.
            const int64_t before = Payroll(start.team(team));
            EXPECT_LE(Payroll(t) - exempt[team], std::max(cap, before)) << t.Name << " seed " << seed;
        }
    }
    EXPECT_GT(signedTotal, 6 * 10) << "free agents find teams";
}

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
        {2, {565849, 600000}, "Illegal Contract: Year 1 is lower than the minimum salary"},
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
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Check(c.team, c.amounts)) << c.message;
        ASSERT_EQ(host.messages.size(), 1u) << c.message;
        EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text, "Free Agency: " + c.message);
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
}

TEST_F(HumanBid, PlacingAndWithdrawing) {
    ASSERT_TRUE(PlaceHumanBid(league(), 2, id, {3000000, 3300000}, host));
    ASSERT_EQ(league().tables.bids.size(), 1u);
    const FreeAgentBid& b = league().tables.bids[0];
    EXPECT_EQ(std::tie(b.PlayerID, b.TeamID, b.Kind, b.Years), std::make_tuple(id, 2, BidKind::New, 2));
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
