// The league object's helpers: positions, grades, player IDs, rosters and team lookup.
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

TEST(LeagueHelpers, PositionsAndGrades) {
    const char* positions[] = {"", "C", "PF", "SF", "SG", "PG", ""};
    for (int pos = 0; pos <= 6; ++pos)
        EXPECT_EQ(std::make_pair(PositionText(pos), PositionNumberOf(positions[pos])),
                  std::make_pair(std::string(positions[pos]), pos >= 1 && pos <= 5 ? pos : 0));
    EXPECT_EQ(PositionNumberOf("G"), 0);
    const std::pair<int, const char*> grades[] = {{0, "F"},  {20, "F"}, {21, "D"}, {40, "D"}, {41, "C"},
                                                  {60, "C"}, {61, "B"}, {80, "B"}, {81, "A"}, {100, "A"}};
    for (auto [value, grade] : grades)
        EXPECT_EQ(GradeOf(value), grade) << value;
}

// Free IDs are the empty slots in order, handed out last in first out; with none left the weakest free agent
// (lowest ID on a tie, never a prospect) gives up his slot; with no free agent either it is fatal.
TEST(LeagueHelpers, PlayerIdAllocation) {
    League league;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        league.player(id) = MakePlayer("Some Body", "Hawks", 1, 70);
    league.player(7).Name = "";
    league.player(300).Name = "N/A";
    league.RebuildFreeIDs();
    EXPECT_EQ(league.freeIDs, (std::vector<int16_t>{7, 300}));
    league.ReleasePlayerID(12);
    for (int expected : {12, 300, 7})
        EXPECT_EQ(league.AllocatePlayerID(), expected);
    league.player(40) = MakePlayer("Free One", kFreeAgent, 2, 35);
    league.player(20) = MakePlayer("Free Two", kFreeAgent, 2, 35);
    league.player(10) = MakePlayer("Free Three", kFreeAgent, 2, 60);
    league.player(5) = MakePlayer("Drafted Kid", kDraft, 2, 10);
    EXPECT_EQ(league.AllocatePlayerID(), 20);
    for (int id : {10, 20, 40})
        league.player(id).Team = "Hawks";
    EXPECT_THROW(league.AllocatePlayerID(), FatalError);
}

TEST(LeagueHelpers, RostersCountTheNamedTeamOnlyAndTeamsAreFoundByExactName) {
    League league;
    league.team(3).Name = "Comets";
    league.team(9).Name = "Comets";
    league.team(30).Name = "Stars";
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
    EXPECT_EQ(std::make_tuple(t.NumPlayers, t.ActivePlayers, t.Cs, t.PFs, t.PGs),
              std::make_tuple(2, 1, 0, 1, 1));
    league.team(3).TotalSalary = 3000000;
    league.RemoveFromRoster(1);
    EXPECT_EQ(std::make_tuple(t.NumPlayers, t.ActivePlayers, t.PFs, t.TotalSalary),
              std::make_tuple(1, 0, 0, 2000000));
    const std::pair<const char*, int> lookups[] = {{"Comets", 3}, {"comets", 0}, {"Stars", 0}, {"FA", 0}};
    for (auto [name, slot] : lookups)
        EXPECT_EQ(league.FindTeam(name), slot) << name;
}

} // namespace
} // namespace hv
