#include <gtest/gtest.h>

#include "league/league.h"
#include "platform/host.h"

namespace hv {
namespace {

Player MakePlayer(const std::string& name, const std::string& team, int position, int futureRating = 50) {
    Player p;
    p.Name = name;
    p.Team = team;
    p.PositionNumber = static_cast<int16_t>(position);
    p.FutureRating = static_cast<int16_t>(futureRating);
    return p;
}

TEST(HeightText, FeetApostropheInchesTwoApostrophes) {
    EXPECT_EQ(FormatHeight(80), "6'8''");
    EXPECT_EQ(FormatHeight(72), "6'0''");
    EXPECT_EQ(FormatHeight(0), "0'0''");
    EXPECT_EQ(FormatHeight(91), "7'7''");
}

TEST(NameHelpers, SplitAtFirstBlank) {
    EXPECT_EQ(FirstName("Marcus Van Horn"), "Marcus");
    EXPECT_EQ(LastName("Marcus Van Horn"), "Van Horn");
    EXPECT_EQ(FirstName("Prince"), "");
    EXPECT_EQ(LastName("Prince"), "");
    EXPECT_EQ(FirstName(" Lead"), "");
    EXPECT_EQ(LastName(" Lead"), "Lead");
}

TEST(NameHelpers, PositionTextRoundTrips) {
    const char* expected[] = {"", "C", "PF", "SF", "SG", "PG", ""};
    for (int pos = 0; pos <= 6; ++pos)
        EXPECT_EQ(PositionText(pos), expected[pos]) << pos;
    for (int pos = 1; pos <= 5; ++pos)
        EXPECT_EQ(PositionNumberOf(PositionText(pos)), pos);
    EXPECT_EQ(PositionNumberOf("G"), 0);
}

TEST(PotentialGrade, BandEdges) {
    EXPECT_EQ(GradeOf(0), "F");
    EXPECT_EQ(GradeOf(20), "F");
    EXPECT_EQ(GradeOf(21), "D");
    EXPECT_EQ(GradeOf(40), "D");
    EXPECT_EQ(GradeOf(41), "C");
    EXPECT_EQ(GradeOf(60), "C");
    EXPECT_EQ(GradeOf(61), "B");
    EXPECT_EQ(GradeOf(80), "B");
    EXPECT_EQ(GradeOf(81), "A");
    EXPECT_EQ(GradeOf(100), "A");
}

class IdAllocation : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            league.player(id) = MakePlayer("Some Body", "Hawks", 1, 70);
    }
    League league;
};

TEST_F(IdAllocation, RebuildListsEmptySlotsInOrderAndAllocationIsLastInFirstOut) {
    league.player(7).Name = "";
    league.player(300).Name = "N/A";
    league.player(650).Name = "";
    league.RebuildFreeIDs();
    EXPECT_EQ(league.freeIDs, (std::vector<int16_t>{7, 300, 650}));
    league.ReleasePlayerID(12);
    EXPECT_EQ(league.AllocatePlayerID(), 12);
    EXPECT_EQ(league.AllocatePlayerID(), 650);
    EXPECT_EQ(league.AllocatePlayerID(), 300);
    EXPECT_EQ(league.AllocatePlayerID(), 7);
}

TEST_F(IdAllocation, ReclaimsWeakestFreeAgentLowestIdOnTies) {
    league.RebuildFreeIDs();
    ASSERT_TRUE(league.freeIDs.empty());
    league.player(40) = MakePlayer("Free One", kFreeAgent, 2, 35);
    league.player(20) = MakePlayer("Free Two", kFreeAgent, 2, 35);
    league.player(10) = MakePlayer("Free Three", kFreeAgent, 2, 60);
    league.player(5) = MakePlayer("Drafted Kid", kDraft, 2, 10); // prospects are never reclaimed
    EXPECT_EQ(league.AllocatePlayerID(), 20);
}

TEST_F(IdAllocation, NoSlotAndNoFreeAgentIsFatal) {
    league.RebuildFreeIDs();
    try {
        league.AllocatePlayerID();
        FAIL() << "expected a fatal error";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.text, "Player ID error");
        EXPECT_EQ(e.icon, MessageIcon::Critical);
    }
}

TEST(Roster, AddAndRemoveCountTheNamedTeamOnly) {
    League league;
    league.team(3).Name = "Comets";
    league.player(1) = MakePlayer("A B", "Comets", 2);
    league.player(1).contract1 = 1000000;
    league.player(2) = MakePlayer("C D", "Comets", 5);
    league.player(2).IR = true;
    league.player(3) = MakePlayer("E F", kDraft, 1);
    league.player(4) = MakePlayer("G H", kNextDraft, 1);
    league.player(5) = MakePlayer("I J", "comets", 1); // names compare case-sensitively
    for (int id = 1; id <= 5; ++id)
        league.AddToRoster(id);
    const Team& t = league.team(3);
    EXPECT_EQ(t.NumPlayers, 2);
    EXPECT_EQ(t.ActivePlayers, 1);
    EXPECT_EQ(t.PFs, 1);
    EXPECT_EQ(t.PGs, 1);
    EXPECT_EQ(t.Cs, 0);
    league.team(3).TotalSalary = 3000000;
    league.RemoveFromRoster(1);
    EXPECT_EQ(t.NumPlayers, 1);
    EXPECT_EQ(t.ActivePlayers, 0);
    EXPECT_EQ(t.PFs, 0);
    EXPECT_EQ(t.TotalSalary, 2000000);
}

TEST(TeamLookup, ExactNameFirstMatchAmongLeagueTeams) {
    League league;
    league.team(4).Name = "Comets";
    league.team(9).Name = "Comets";
    league.team(30).Name = "Stars";
    EXPECT_EQ(league.FindTeam("Comets"), 4);
    EXPECT_EQ(league.FindTeam("comets"), 0);
    EXPECT_EQ(league.FindTeam("Stars"), 0);
    EXPECT_EQ(league.FindTeam("FA"), 0);
}

TEST(TeamRecord, DepthChartSlotsMapToNamedFields) {
    Team t;
    t.Depth(1, 1) = 11;
    t.Depth(3, 2) = 32;
    t.Depth(5, 3) = 53;
    EXPECT_EQ(t.C1, 11);
    EXPECT_EQ(t.SF2, 32);
    EXPECT_EQ(t.PG3, 53);
    EXPECT_THROW(t.Depth(6, 1), std::out_of_range);
}

} // namespace
} // namespace hv
