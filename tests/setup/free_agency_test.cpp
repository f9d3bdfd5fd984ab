// Free agency: the computer's and the human teams' bids, the signing, the asking salary, whole periods.
#include <gtest/gtest.h>

#include <array>

#include "league/salary.h"
#include "league/team_control.h"
#include "personnel/free_agency.h"
#include "personnel/free_agency_bids.h"
#include "personnel/human_bid.h"
#include "personnel/resign.h"
#include "platform/scripted_host.h"
#include "support/draft_support.h"
#include "support/roster_league.h"

namespace hv {
namespace {

// A free agent, PF, three years in the league (minimum 565,850, maximum 10,000,000), last with the Hawks
// (team 1, 30,000,000 paid), who signed in 2003 and has one Bird year. The Hawks, the Owls (20,000,000) and
// team 3 (45,000,000, its exceptions used) are human; team 4 is over the cap with its exceptions unused.
class FreeAgency : public ::testing::Test {
  protected:
    FreeAgency() {
        League& l = league();
        l.state.SetSalaryCapDollars(40000000);
        l.state.Season = 2006, l.state.SeasonDay = Phase::FirstFreeAgency;
        id = roster.Add(0, 2, 70);
        Player& p = l.player(id);
        p.Experience = 3, p.LastTeam = "Hawks", p.LastFASeason = 2003, p.BirdYears = 1;
        for (int team : {1, 2, 3})
            SetHuman(l.team(team), true);
        const int32_t payroll[] = {0, 30000000, 20000000, 45000000, 41000000};
        for (int team = 1; team <= 4; ++team)
            l.team(team).TotalSalary = payroll[team];
        l.team(3).UsedMidException = l.team(3).UsedLowException = true;
    }
    League& league() { return roster.league; }
    FreeAgentBid Bid(int team, BidKind kind, std::vector<int32_t> amounts) {
        FreeAgentBid b;
        b.PlayerID = static_cast<int16_t>(id), b.TeamID = static_cast<int16_t>(team), b.Kind = kind;
        b.Years = static_cast<int16_t>(amounts.size());
        std::copy(amounts.begin(), amounts.end(), b.Amounts.begin());
        return b;
    }
    bool Check(int team, std::vector<int32_t> amounts) {
        host.messages.clear();
        return ValidateHumanBid(league(), id, team, amounts, host);
    }
    BidKind Kind(int team, std::vector<int32_t> amounts) {
        return HumanBidKind(league(), Bid(team, BidKind::None, amounts));
    }

    test::RosterLeague roster;
    ScriptedHost host;
    int id = 0;
};

TEST_F(FreeAgency, WhichComputerBidsHold) {
    const struct {
        const char* what;
        int team;
        BidKind kind;
        int32_t amount;
        CapPass pass;
    } cases[] = {
        {"within the room", 1, BidKind::New, 10000000, CapPass::Room},
        {"beyond the room", 1, BidKind::New, 10000001, CapPass::None},
        {"over the cap, new", 4, BidKind::New, 1000000, CapPass::None},
        {"mid-level", 4, BidKind::Mid, 4500000, CapPass::MidException},
        {"above the mid-level", 4, BidKind::Mid, 4500001, CapPass::None},
        {"low-level", 4, BidKind::Low, 1200000, CapPass::LowException},
        {"minimum", 4, BidKind::Min, 565850, CapPass::Minimum},
    };
    for (const auto& c : cases) {
        const FreeAgentBid b = Bid(c.team, c.kind, {c.amount});
        EXPECT_EQ(HowBidFitsCap(league(), b), c.pass) << c.what;
        EXPECT_EQ(BidIsValid(league(), b), c.pass != CapPass::None) << c.what;
    }
    EXPECT_FALSE(BidIsValid(league(), Bid(1, BidKind::New, {565849}))) << "below his minimum";
    EXPECT_FALSE(BidIsValid(league(), Bid(4, BidKind::Min, {565850, 565850, 565850})))
        << "minimum for 3 years";
    league().team(4).UsedMidException = true;
    EXPECT_FALSE(BidIsValid(league(), Bid(4, BidKind::Mid, {4500000}))) << "the exception is used";
    league().player(id).LastTeam = league().team(4).Name;
    league().player(id).BirdYears = 3;
    EXPECT_EQ(HowBidFitsCap(league(), Bid(4, BidKind::Resign, {9000000})), CapPass::BirdRights);
}

TEST_F(FreeAgency, TheBestValidBidIsSigned) {
    league().player(id).LastTeam.clear();
    roster.Fill(5, 15);
    PlaceBid(league(), Bid(5, BidKind::New, {9000000, 9000000})); // full roster: dropped
    PlaceBid(league(), Bid(4, BidKind::New, {8000000, 8000000})); // no cap room: dropped
    PlaceBid(league(), Bid(1, BidKind::New, {2000000, 2000000}));
    PlaceBid(league(), Bid(6, BidKind::Min, {565850}));
    league().team(6).TotalSalary = 50000000;
    const int best = BestBid(league(), id, host);
    ASSERT_EQ(league().tables.bids.size(), 2u);
    ASSERT_GE(best, 0);
    // The money term decides between two teams alike: 2,000,000 for two years against the minimum.
    const FreeAgentBid chosen = league().tables.bids[static_cast<size_t>(best)];
    EXPECT_EQ(chosen.TeamID, 1);
    const int16_t players = league().team(1).NumPlayers;
    SetHuman(league().team(6), true);
    SignBid(league(), chosen, host);
    const Player& p = league().player(id);
    EXPECT_EQ(
        std::tie(p.Team, p.contract1, p.contract2, p.contract3, p.LastFASeason, p.BirdYears, p.Exception),
        std::make_tuple("Hawks", 2000000, 2000000, 0, 2006, 0, false));
    EXPECT_EQ(std::tie(league().team(1).NumPlayers, league().team(1).TotalSalary),
              std::make_tuple(players + 1, 32000000));
    EXPECT_TRUE(league().tables.bids.empty()) << "his other bids go";
    EXPECT_EQ(host.LastMessage(), "The bid of the Team6 for " + p.Name + " no longer holds. " + p.Name +
                                      " signed with the Hawks.");
    EXPECT_EQ(league().tables.transactions.back().Action,
              "Sign PF " + p.Name + " for $2,000,000 over 2 years.");
    // An exception is used up by the signing.
    SignBid(league(), Bid(4, BidKind::Mid, {4000000, 4200000, 4400000}), host);
    EXPECT_EQ(std::tie(p.Exception, league().team(4).UsedMidException, league().team(4).UsedLowException),
              std::make_tuple(true, true, false));
}

TEST_F(FreeAgency, AskingFallsThroughTheDays) {
    Player& p = league().player(id);
    p.ResignDemand = {5000000}; // his opening ask, kept from the first day on
    const int32_t asks[] = {5500000, 5000000, 4500000, 4000000, 4000000};
    for (int day = 2; day <= 6; ++day) {
        league().state.SeasonDay = static_cast<int16_t>(Phase::FirstFreeAgency + day - 1);
        EXPECT_EQ(AskingSalary(league(), id), asks[day - 2]) << "day " << day;
    }
    p.ResignDemand = {500000};
    league().state.SeasonDay = 184;
    EXPECT_EQ(AskingSalary(league(), id), 565850) << "never below his minimum";
    p.ResignDemand = {10000000};
    league().state.SeasonDay = 181;
    EXPECT_EQ(AskingSalary(league(), id), 10000000) << "110 % of his maximum is his maximum";
    // Up to the first day the demand he holds is the one his old team heard: the best power forward opens
    // at 150 % of his worth, held to his maximum of 10,000,000, and asks no more on day 1.
    p.ResignDemand = {2000000};
    p.CurrentRating = p.FutureRating = 100;
    for (int16_t day : {Phase::RookieDraft, Phase::FirstFreeAgency}) {
        league().state.SeasonDay = day;
        EXPECT_EQ(AskingSalary(league(), id), 10000000) << day;
    }
}

TEST_F(FreeAgency, UndecidedPlayersBecomeFreeAgentsWhenFreeAgencyOpens) {
    const int waiting = roster.Add(1, 1, 65);
    league().player(waiting).contract1 = league().player(waiting).contract2 = 0;
    league().player(waiting).ResignDemand = {1500000};
    ASSERT_TRUE(AwaitsResignDecision(league(), waiting));
    ASSERT_TRUE(RunFreeAgencyDay(league(), host));
    EXPECT_EQ(std::tie(league().player(waiting).LastTeam, league().state.SeasonDay),
              std::make_tuple("Hawks", 181));
    EXPECT_NE(league().player(waiting).Team, "Hawks");
}

TEST_F(FreeAgency, HumanBidsRefused) {
    const std::string name = league().player(id).Name,
                      raise = " raise from year 2 to year 3 is greater than ";
    const struct {
        int team;
        std::vector<int32_t> amounts;
        std::string message;
    } cases[] = {
        {2, {1000000, 0}, "Contract value must be greater than 0."},
        {2, {565849, 600000}, "Illegal Contract: Year 1 is lower than the minimum salary"},
        {2, {10000001}, "Illegal Contract: Salary in year 1 exceeds maximum salary."},
        {2, {2000000, 1999999}, "Contract Value may not decrease from year to year"},
        {2, {1000000, 1100000, 1240000}, "12.7%" + raise + "the maximum raise of 10%"},
        {1, {1000000, 1100000, 1240000}, "12.7%" + raise + "the maximum raise of 12.5%"},
        {1, {1000000, 1000000, 1125600}, "12.6%" + raise + "the maximum raise of 12.5%"},
        {3, {1000000}, "You may only sign players for two years at the minimum salary when over the cap."},
        {3, {565850, 565850, 565850}, name + " will only sign for two years at the minimum salary"},
        {2, std::vector<int32_t>(8, 1000000), "A contract runs for 1 to 7 years."},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Check(c.team, c.amounts)) << c.message;
        ASSERT_EQ(host.messages.size(), 1u) << c.message;
        EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text, "Free Agency: " + c.message);
    }
}

TEST_F(FreeAgency, HumanBidsAcceptedAndTheirKind) {
    EXPECT_TRUE(Check(1, {1000000, 1100000, 1237000})) << "his former team may raise by 12.5 %";
    EXPECT_TRUE(Check(1, {1000000, 1125400})) << "12.54 % shows as 12.5 %";
    EXPECT_TRUE(Check(2, {1000000, 1100000, 1210000})) << "10 % exactly";
    EXPECT_TRUE(Check(2, std::vector<int32_t>(7, 10000000)));
    EXPECT_TRUE(Check(3, {565850, 565850})) << "over the cap: the minimum for two years";
    EXPECT_EQ(std::make_pair(Kind(1, {6000000}), Kind(2, {6000000})),
              std::make_pair(BidKind::Resign, BidKind::New));
    league().team(3).UsedLowException = false;
    EXPECT_TRUE(Check(3, {1200000, 1300000})) << "the low-level exception covers the first year";
    EXPECT_EQ(std::make_tuple(Kind(3, {1200000}), Kind(3, {1200001}), Kind(3, {565850})),
              std::make_tuple(BidKind::Low, BidKind::None, BidKind::Min));
    league().team(3).UsedMidException = false;
    EXPECT_TRUE(Check(3, {4500000})) << "the mid-level exception";
    EXPECT_EQ(std::make_pair(Kind(3, {4500000}), Kind(3, {565850, 565850})),
              std::make_pair(BidKind::Mid, BidKind::Min));
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

TEST_F(FreeAgency, HumanBidsPlacedAndWithdrawn) {
    ASSERT_TRUE(PlaceHumanBid(league(), 2, id, {3000000, 3300000}, host));
    ASSERT_EQ(league().tables.bids.size(), 1u);
    const FreeAgentBid& b = league().tables.bids[0];
    EXPECT_EQ(std::tie(b.PlayerID, b.TeamID, b.Kind, b.Years, b.Amounts[1]),
              std::make_tuple(id, 2, BidKind::New, 2, 3300000));
    ASSERT_TRUE(PlaceHumanBid(league(), 2, id, {4000000}, host));
    EXPECT_FALSE(PlaceHumanBid(league(), 2, id, {100}, host));
    ASSERT_EQ(league().tables.bids.size(), 1u)
        << "a new bid replaces the team's earlier one, a refused one nothing";
    EXPECT_EQ(league().tables.bids[0].Amounts[0], 4000000);
    EXPECT_TRUE(WithdrawHumanBid(league(), 2, id, host) && league().tables.bids.empty());
    EXPECT_FALSE(PlaceHumanBid(league(), 4, id, {4000000}, host)) << "a computer team";
    roster.Fill(2, 15);
    EXPECT_FALSE(PlaceHumanBid(league(), 2, id, {4000000}, host));
    EXPECT_EQ(host.LastMessage(), "The Owls have 15 players.");
}

TEST_F(FreeAgency, ExceptionBidsThroughTheDays) {
    // Every team is human, so only these bids are made. Over the cap with their exceptions unused (a player
    // holds the payroll, which each day recounts): his former team the Hawks, team 4 and team 5.
    for (int team = 1; team <= kLeagueTeams; ++team)
        SetHuman(league().team(team), true);
    for (int team : {1, 4, 5})
        league().player(roster.Add(team, 1, 50)).contract1 = 41000000 + team;
    RecountPayrolls(league());
    const int rookie = roster.Add(0, 3, 40), first = roster.Add(0, 4, 60), second = roster.Add(0, 5, 50);
    league().player(rookie).Experience = 0;
    ASSERT_TRUE(PlaceHumanBid(league(), 1, id, {4000000}, host)) << "his former team, the mid-level";
    ASSERT_TRUE(PlaceHumanBid(league(), 4, rookie, {332817, 332817}, host)) << "the minimum";
    ASSERT_TRUE(PlaceHumanBid(league(), 5, first, {3000000}, host));
    ASSERT_TRUE(PlaceHumanBid(league(), 5, second, {2500000}, host)) << "the same exception again";
    for (int step = 0; step < 10 && FreeAgencyOpen(league().state); ++step)
        ASSERT_TRUE(FreeAgencyStep(league(), host));

    const Player &p = league().player(id), &r = league().player(rookie);
    EXPECT_EQ(std::tie(p.Team, p.contract1, p.contract2, p.Exception, league().team(1).UsedMidException),
              std::make_tuple("Hawks", 4000000, 0, true, true));
    EXPECT_EQ(std::tie(r.Team, r.contract1, r.contract2, r.Exception),
              std::make_tuple("Team4", 332817, 332817, false));
    EXPECT_EQ(std::tie(league().team(4).UsedMidException, league().team(4).UsedLowException),
              std::make_tuple(false, false))
        << "a minimum contract uses no exception";
    // Team 5's exception went to one of its two players; the other's bid was lost, and the user told why.
    const bool firstSigned = league().player(first).Team == "Team5";
    const Player& lost = league().player(firstSigned ? second : first);
    EXPECT_EQ(std::make_tuple(league().player(firstSigned ? first : second).Exception, lost.Team),
              std::make_tuple(true, "FA"));
    const std::string told = "The bid of the Team5 for " + lost.Name +
                             " no longer holds. The Team5 have used their mid-level exception.";
    EXPECT_EQ(std::count_if(host.messages.begin(), host.messages.end(),
                            [&](const auto& m) { return m.title == "Free Agency" && m.text == told; }),
              1);
}

// Whole periods of the default league, which opens at free-agency day 1.
class Market : public test::StartedHome {};

TEST_F(Market, PeriodsOverManySeeds) {
    ASSERT_TRUE(Create(PlayerSource::DefaultLeague, LeagueType::KeepRosters));
    const League start = league();
    const int64_t cap = start.state.SalaryCapDollars();
    int players = 0, signedTotal = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        players += !start.player(id).IsEmpty();
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        League l = start;
        l.rng.Seed(seed);
        for (int step = 0; step < 10 && FreeAgencyOpen(l.state); ++step)
            ASSERT_TRUE(FreeAgencyStep(l, host));
        ASSERT_EQ(l.state.SeasonDay, Phase::TrainingCamps) << seed;
        EXPECT_TRUE(l.tables.bids.empty());
        int after = 0;
        std::array<int64_t, kLeagueTeams + 1> exempt{}, salaries{}, counted{};
        for (int id = 1; id <= kLastLeaguePlayer; ++id) {
            const Player &p = l.player(id), &was = start.player(id);
            if (p.IsEmpty()) continue;
            ++after;
            const auto team = static_cast<size_t>(l.FindTeam(p.Team));
            ++counted[team], salaries[team] += p.contract1;
            if (was.Team != kFreeAgent || p.Team == kFreeAgent) {
                EXPECT_EQ(p.Team, was.Team) << "only free agents move";
                EXPECT_TRUE(p.Team != kFreeAgent || p.BirdYears == 0);
                continue;
            }
            ASSERT_NE(team, 0u) << p.Team;
            ++signedTotal;
            const bool bird = was.LastTeam == p.Team && was.BirdYears >= 3;
            if (p.Exception || bird || p.contract1 == MinimumSalary(p.Experience))
                exempt[team] += p.contract1;
            EXPECT_TRUE(!p.Exception || p.contract1 <= kMidLevelException);
        }
        EXPECT_EQ(after, players) << "every free agent signs or stays a free agent";
        for (int team = 1; team <= kLeagueTeams; ++team) {
            const Team& t = l.team(team);
            const auto i = static_cast<size_t>(team);
            EXPECT_TRUE(t.NumPlayers <= 15 && t.NumPlayers == counted[i] && t.TotalSalary == salaries[i])
                << t.Name;
            // Signings that needed cap room fit under the cap; only exceptions, Bird rights and minimum
            // contracts go above it.
            EXPECT_LE(Payroll(t) - exempt[i], std::max(cap, Payroll(start.team(team))))
                << t.Name << " seed " << seed;
        }
    }
    EXPECT_GT(signedTotal, 6 * 10) << "free agents find teams";
}

} // namespace
} // namespace hv
