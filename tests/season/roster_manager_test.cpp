// The computer roster manager and its callers.
#include <gtest/gtest.h>

#include <set>

#include "league/transactions.h"
#include "season/roster_checks.h"
#include "season/roster_manager.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

std::vector<std::string> Actions(const League& league) {
    std::vector<std::string> lines;
    for (const Transaction& t : league.tables.transactions)
        lines.push_back(t.Action);
    return lines;
}

std::string Named(const League& league, int id) {
    return league.player(id).DefaultPosition + " " + league.player(id).Name;
}

// Teams 3 to 29 hold no players; as human teams the league-wide steps leave them alone.
void OnlyTwoComputerTeams(League& league) {
    for (int t = 3; t <= kLeagueTeams; ++t)
        SetHuman(league.team(t), true);
}

// Free agents with two seasons of experience: they sign for $540,850.
void SeasonedFreeAgents(test::RosterLeague& rl, int perPosition) {
    rl.FreeAgents(perPosition);
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (rl.league.player(id).Team == kFreeAgent) rl.league.player(id).Experience = 2;
}

TEST(RosterManager, ThreeInjuredGoOnReserveAndTheNeedIsSigned) {
    test::RosterLeague rl;
    rl.Fill(1, 11);
    const int pg = rl.Add(1, 5, 70, 5), pf = rl.Add(1, 2, 70, 20), sg = rl.Add(1, 4, 70, 9);
    SeasonedFreeAgents(rl, 3);
    const int forward = BestFreeAgentAt(rl.league, 2);
    ASSERT_TRUE(ManageRoster(rl.league, 1));
    // Most days first. Active then: C 3, PF 2, SF 2, SG 2, PG 2; the first position short of 3 is PF.
    EXPECT_EQ(Actions(rl.league), (std::vector<std::string>{
                                      "Place " + Named(rl.league, pf) + " on Injured Reserve.",
                                      "Place " + Named(rl.league, sg) + " on Injured Reserve.",
                                      "Place " + Named(rl.league, pg) + " on Injured Reserve.",
                                      "Sign " + Named(rl.league, forward) + " for $540,850 over one year."}));
    EXPECT_EQ(std::tie(rl.league.team(1).ActivePlayers, rl.league.team(1).NumPlayers),
              std::make_tuple(12, 15));
    test::ExpectCountsAgree(rl.league, 1);
    EXPECT_TRUE(LineupSettingsValid(rl.league.team(1)));
}

TEST(RosterManager, APositionBelowTwoIsNeededBeforeAnEarlierOneBelowThree) {
    // Active C, PF, SF, SG and PG, then the position needed.
    const std::array<int, 6> cases[] = {{3, 3, 2, 3, 1, 5}, {3, 1, 3, 3, 1, 2}, {3, 3, 3, 3, 3, 0}};
    for (const auto& c : cases) {
        Team t;
        for (int pos = 1; pos <= 5; ++pos)
            t.PositionCount(pos) = static_cast<int16_t>(c[static_cast<size_t>(pos - 1)]);
        EXPECT_EQ(FirstNeededPosition(t), c[5]) << c[5];
    }
}

// Thirteen healthy: the thirteenth is stashed; fifteen: two stashed and the lowest cut.
TEST(RosterManager, SurplusHealthyPlayersAreStashedThenCut) {
    for (int size : {13, 15}) {
        test::RosterLeague rl;
        const int first = rl.Fill(1, size);
        ASSERT_TRUE(ManageRoster(rl.league, 1));
        std::vector<std::string> expected;
        for (int id = first + 12; id < first + std::min(size, 14); ++id)
            expected.push_back("Place " + Named(rl.league, id) + " on Injured Reserve.");
        if (size == 15) expected.push_back("Cut " + Named(rl.league, first + 14));
        EXPECT_EQ(Actions(rl.league), expected);
        EXPECT_EQ(std::tie(rl.league.team(1).ActivePlayers, rl.league.team(1).NumPlayers),
                  std::make_tuple(12, std::min(size, 14)));
        // A healthy player stashed is listed with one of five ailments and no days out.
        const std::set<std::string> ailments{"Flu", "Sprained Knee", "Sprained Ankle", "Severe Migraines",
                                             "Groin Pull"};
        const Player& stashed = rl.league.player(first + 12);
        EXPECT_TRUE(stashed.TimeInjured == 0 && ailments.count(stashed.Injury)) << stashed.Injury;
        test::ExpectCountsAgree(rl.league, 1);
    }
}

// Fourteen healthy and one injured: the injured one counts as the first on reserve, so only the thirteenth
// is stashed and the fourteenth is cut.
TEST(RosterManager, OneInjuredLeavesRoomForOneStashed) {
    test::RosterLeague rl;
    const int first = rl.Fill(1, 14);
    const int hurt = rl.Add(1, 2, 75, 5);
    ASSERT_TRUE(ManageRoster(rl.league, 1));
    EXPECT_EQ(Actions(rl.league),
              (std::vector<std::string>{"Place " + Named(rl.league, hurt) + " on Injured Reserve.",
                                        "Place " + Named(rl.league, first + 12) + " on Injured Reserve.",
                                        "Cut " + Named(rl.league, first + 13)}));
    EXPECT_EQ(std::tie(rl.league.team(1).ActivePlayers, rl.league.team(1).NumPlayers),
              std::make_tuple(12, 14));
    test::ExpectCountsAgree(rl.league, 1);
}

TEST(RosterManager, AFullRosterActivatesTheSoonestBackInsteadOfSigning) {
    test::RosterLeague rl;
    rl.Fill(1, 11);
    rl.Add(1, 1, 70, 30, true);
    const int soonest = rl.Add(1, 2, 70, 6, true);
    rl.Add(1, 3, 70, 6, true); // as soon, later in the roster
    rl.Add(1, 4, 70, 12, true);
    SeasonedFreeAgents(rl, 3);
    ASSERT_TRUE(ManageRoster(rl.league, 1));
    EXPECT_EQ(Actions(rl.league),
              (std::vector<std::string>{"Activate " + Named(rl.league, soonest) + " from Injured Reserve."}));
    EXPECT_EQ(rl.league.team(1).NumPlayers, 15);
    test::ExpectCountsAgree(rl.league, 1);
}

TEST(RosterManager, WithoutAFreeAgentAtTheNeedTheBestFitIsSigned) {
    test::RosterLeague rl;
    rl.Fill(1, 11); // needs a PF
    const int scorer = rl.Add(0, 4, 75), fitter = rl.Add(0, 5, 45);
    rl.league.player(scorer).FitPF = 30;
    rl.league.player(fitter).FitPF = 52;
    ASSERT_TRUE(ManageRoster(rl.league, 1));
    EXPECT_EQ(std::tie(rl.league.player(fitter).Team, rl.league.player(scorer).Team),
              std::make_tuple("Hawks", kFreeAgent));
}

TEST(RosterManager, WithNoFreeAgentAndNoFreeSlotItFailsInsteadOfLooping) {
    test::RosterLeague rl; // no free slot is listed, so no free agent can be generated
    rl.Fill(1, 9);
    rl.Add(0, 3, 50);
    EXPECT_FALSE(ManageRoster(rl.league, 1));
    EXPECT_EQ(rl.league.team(1).ActivePlayers, 10) << "the one free agent was signed before the pool ran dry";
    test::ExpectCountsAgree(rl.league, 1);
    rl.league.RebuildFreeIDs(); // with free slots, free agents are generated
    ASSERT_TRUE(ManageRoster(rl.league, 1));
    EXPECT_EQ(rl.league.team(1).ActivePlayers, 12);
    test::ExpectCountsAgree(rl.league, 1);
}

TEST(RosterManager, DailyPickupsSignOnlyBetterPlayersForComputerTeamsWithRoom) {
    test::RosterLeague rl;
    OnlyTwoComputerTeams(rl.league);
    rl.Fill(1, 12);
    rl.Fill(2, 12);
    SetHuman(rl.league.team(2), true);
    const int star = rl.Add(0, 1, 85), nextStar = rl.Add(0, 1, 84), forward = rl.Add(0, 2, 50);
    SignBetterFreeAgents(rl.league);
    // The Owls are run by the user; the forward is worse than the first-string PF.
    EXPECT_EQ(std::tie(rl.league.player(star).Team, rl.league.team(1).C1, rl.league.player(nextStar).Team,
                       rl.league.player(forward).Team),
              std::make_tuple("Hawks", star, kFreeAgent, kFreeAgent));
    EXPECT_EQ(rl.league.team(1).ActivePlayers, 12);
    test::ExpectCountsAgree(rl.league, 1);
}

TEST(RosterManager, PlayoffRostersBringBackTheThreeBestSoonWellPlayers) {
    test::RosterLeague rl;
    OnlyTwoComputerTeams(rl.league);
    rl.Fill(1, 9);
    const int a = rl.Add(1, 1, 70, 10, true), b = rl.Add(1, 2, 60, 19, true), c = rl.Add(1, 3, 56, 5, true);
    const int d = rl.Add(1, 4, 80, 20, true), e = rl.Add(1, 5, 55, 3, true), f = rl.Add(1, 5, 65, 2, true);
    rl.Fill(2, 12);
    SetHuman(rl.league.team(2), true);
    const int humanHurt = rl.Add(2, 1, 90, 4, true);
    PreparePlayoffRosters(rl.league);
    for (auto [id, days] : {std::pair{a, 10}, std::pair{f, 2}, std::pair{b, 19}}) // keeping their injury days
        EXPECT_TRUE(!rl.league.player(id).IR && rl.league.player(id).TimeInjured == days) << id;
    for (int id : {c, d, e, humanHurt})
        EXPECT_TRUE(rl.league.player(id).IR) << id;
    EXPECT_EQ(rl.league.team(1).ActivePlayers, 12);
    test::ExpectCountsAgree(rl.league, 1);
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            EXPECT_EQ(rl.league.player(rl.league.team(1).Depth(pos, row)).TimeInjured, 0);
}

TEST(RosterManager, CampCutsBringEveryComputerTeamToTwelve) {
    test::RosterLeague rl;
    OnlyTwoComputerTeams(rl.league);
    rl.Fill(1, 15);
    rl.Fill(2, 15);
    SetHuman(rl.league.team(2), true);
    EXPECT_TRUE(CampCuts(rl.league));
    EXPECT_EQ(std::tie(rl.league.team(1).ActivePlayers, rl.league.team(2).ActivePlayers),
              std::make_tuple(12, 15));
}

} // namespace
} // namespace hv
