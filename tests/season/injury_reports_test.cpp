// The day's injury reports, daily and playoff healing, and the season's end clear-out.
#include <gtest/gtest.h>

#include "league/transactions.h"
#include "platform/scripted_host.h"
#include "season/injuries.h"
#include "season/playoffs.h"
#include "season/roster_checks.h"
#include "season/roster_manager.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

class InjuryReports : public ::testing::Test {
  protected:
    void SetUp() override {
        hawks = rl.Fill(1, 12);
        owls = rl.Fill(2, 12);
        SetHuman(rl.league.team(2), true);
        rl.FreeAgents(3);
    }
    void Hurt(int id, int team, int days) {
        rl.league.player(id).TimeInjured = static_cast<int16_t>(days);
        rl.league.player(id).Injury = "Sore Back";
        rl.league.dayInjuries.push_back({static_cast<int16_t>(id), static_cast<int16_t>(team)});
    }
    test::RosterLeague rl;
    ScriptedHost host;
    int hawks = 0, owls = 0;
};

TEST_F(InjuryReports, ComputerTeamsReserveInjuriesOfMoreThanThreeDaysTheUserIsAskedAboutMoreThanOne) {
    Hurt(hawks, 1, 3);
    ReportInjuries(rl.league, host);
    EXPECT_TRUE(!rl.league.player(hawks).IR && rl.league.tables.transactions.empty());
    Hurt(hawks + 1, 1, 4);
    ReportInjuries(rl.league, host);
    EXPECT_TRUE(rl.league.player(hawks + 1).IR);
    EXPECT_EQ(rl.league.team(1).ActivePlayers, 12) << "the manager filled the place";
    EXPECT_TRUE(rl.league.dayInjuries.empty() && host.messages.empty() && host.questions.empty());
    test::ExpectCountsAgree(rl.league, 1);

    const std::string first = rl.league.player(owls).Name, second = rl.league.player(owls + 1).Name;
    Hurt(owls + 2, 2, 1);
    Hurt(owls, 2, 5);
    Hurt(owls + 1, 2, 12);
    host.answers = {false};
    ReportInjuries(rl.league, host);
    EXPECT_EQ(host.questions, (std::vector<std::string>{first + " of the Owls is injured for 5 days due to a "
                                                                "Sore Back. Would you like to continue?"}));
    EXPECT_TRUE(host.StopRequested());
    ASSERT_EQ(host.messages.size(), 1u) << "after No, the day's later injuries are told without a question";
    EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text,
              "Injury: " + second + " of the Owls is injured for 12 days due to a Sore Back.");
    EXPECT_FALSE(rl.league.player(owls).IR) << "the user decides about injured reserve";
}

TEST_F(InjuryReports, HealingReturnsComputerPlayersAndTellsTheUser) {
    const int hawk = rl.Add(1, 3, 90, 1, true);
    const int owl1 = rl.Add(2, 3, 90, 1, true), owl2 = rl.Add(2, 4, 90, 1, true),
              owl3 = rl.Add(2, 5, 90, 1, true);
    const int stillOut = rl.Add(2, 1, 90, 2, true);
    const int shaky = owls + 4; // one day left, not on injured reserve
    rl.league.player(shaky).TimeInjured = 1;
    host.answers = {true, false};
    HealOneDay(rl.league, host);

    EXPECT_FALSE(rl.league.player(hawk).IR);
    EXPECT_EQ(rl.league.tables.transactions.front().Action,
              "Activate SF " + rl.league.player(hawk).Name + " from Injured Reserve.");
    EXPECT_EQ(rl.league.team(1).ActivePlayers, 12) << "back at 13 active, the manager trimmed the team";
    test::ExpectCountsAgree(rl.league, 1);

    const std::string asked = " has recovered from his injury. Would you like to continue?";
    EXPECT_EQ(host.questions, (std::vector<std::string>{rl.league.player(owl1).Name + asked,
                                                        rl.league.player(owl2).Name + asked}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, rl.league.player(owl3).Name + " has recovered from his injury.");
    EXPECT_TRUE(host.StopRequested());
    for (int id : {owl1, owl2, owl3, stillOut})
        EXPECT_TRUE(rl.league.player(id).IR) << "a human team's player waits for the user";
    EXPECT_EQ(rl.league.player(stillOut).TimeInjured, 1);
    EXPECT_EQ(rl.league.player(shaky).TimeInjured, 0);

    rl.league.state.ScreenInjuries = false; // as in the unattended seasons: no notice when stillOut is back
    HealOneDay(rl.league, host);
    EXPECT_TRUE(host.questions.size() == 2 && host.messages.size() == 1 && rl.league.player(stillOut).IR);
}

// A playoff day ends with the day's injury reports and a day of healing that brings nobody back from
// injured reserve.
TEST_F(InjuryReports, APlayoffDayReportsInjuriesButReturnsNobodyAndTheSeasonsEndClearsInjuredReserve) {
    rl.league.state.SiteDuringSim = false;
    rl.league.state.SeasonDay = 123; // the next day, 124, has no games
    const int hawk = rl.Add(1, 3, 90, 1, true);
    Hurt(hawks + 1, 1, 6);
    Hurt(owls, 2, 5);
    host.answers = {true};
    EndPlayoffDay(rl.league, host);
    EXPECT_EQ(std::tie(rl.league.player(hawk).TimeInjured, rl.league.player(hawk).IR,
                       rl.league.player(hawks + 1).TimeInjured, rl.league.player(hawks + 1).IR),
              std::make_tuple(0, true, 5, true));
    // The PF out for six days goes on injured reserve and the manager signs a PF in his place.
    ASSERT_EQ(rl.league.tables.transactions.size(), 2u);
    EXPECT_EQ(rl.league.tables.transactions[0].Action,
              "Place PF " + rl.league.player(hawks + 1).Name + " on Injured Reserve.");
    EXPECT_EQ(rl.league.tables.transactions[1].Action.rfind("Sign PF ", 0), 0u);
    EXPECT_EQ(rl.league.team(1).ActivePlayers, 12);
    EXPECT_EQ(host.questions.size(), 1u) << "the user is told of his player";
    EXPECT_EQ(rl.league.state.SeasonDay, 124);

    const int hurt = rl.Add(1, 3, 90, 25, true), stashed = rl.Add(2, 5, 60, 0, true);
    rl.league.player(stashed).Injury = "Flu";
    ClearInjuredReserve(rl.league);
    const Player &a = rl.league.player(hurt), &b = rl.league.player(stashed);
    EXPECT_EQ(std::tie(a.IR, b.IR, a.TimeInjured, a.Injury, b.Injury, rl.league.team(1).ActivePlayers),
              std::make_tuple(false, false, 25, "Bruised Knee", "Flu", 15));
    test::ExpectCountsAgree(rl.league, 1);
    test::ExpectCountsAgree(rl.league, 2);
}

} // namespace
} // namespace hv
