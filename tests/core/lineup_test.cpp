// Computer line-ups: depth chart, key players and coaching settings.
#include <gtest/gtest.h>

#include <set>

#include "league/league.h"
#include "personnel/ratings.h"
#include "season/lineup.h"

namespace hv {
namespace {

class Lineup : public ::testing::Test {
  protected:
    void SetUp() override {
        league.team(1).Name = "Hawks";
        league.team(2).Name = "Owls";
    }

    // Adds a player to a team with the given position and current rating; fits favour his own position.
    int Add(int id, const std::string& team, int position, int rating, int stealing = 50) {
        Player& p = league.player(id);
        p = Player{};
        p.Name = "Player " + std::to_string(id);
        p.Team = team;
        p.PositionNumber = static_cast<int16_t>(position);
        p.DefaultPosition = PositionText(position);
        p.CurrentRating = static_cast<int16_t>(rating);
        p.Stealing = static_cast<int16_t>(stealing);
        p.RatingInsideScoring = 40;
        p.RatingOutsideScoring = 40;
        p.Handling = 40;
        int16_t* fits[] = {&p.FitC, &p.FitPF, &p.FitSF, &p.FitSG, &p.FitPG};
        for (int pos = 1; pos <= 5; ++pos)
            *fits[pos - 1] = static_cast<int16_t>(rating - 10 * std::abs(pos - position));
        league.AddToRoster(id);
        return id;
    }

    // Two players per position plus two more centres: 12 players, ids 1..12.
    void TwelvePlayers() {
        int id = 1;
        for (int pos = 1; pos <= 5; ++pos) {
            Add(id++, "Hawks", pos, 70);
            Add(id++, "Hawks", pos, 60);
        }
        Add(id++, "Hawks", 1, 50);
        Add(id++, "Hawks", 3, 55);
    }

    void ExpectSoundChart(int team) {
        const Team& t = league.team(team);
        std::vector<int> available = AvailablePlayersOf(league, team);
        std::set<int> availableSet(available.begin(), available.end());
        ASSERT_TRUE(LineupSettingsValid(t));
        std::set<int> starters, inChart;
        for (int pos = 1; pos <= 5; ++pos) {
            std::set<int> column;
            for (int row = 1; row <= 3; ++row) {
                int id = t.Depth(pos, row);
                EXPECT_TRUE(availableSet.count(id)) << "slot " << pos << "/" << row << " holds " << id;
                column.insert(id);
                inChart.insert(id);
            }
            EXPECT_EQ(column.size(), 3u) << "column " << pos << " repeats a player";
            starters.insert(t.Depth(pos, 1));
        }
        EXPECT_EQ(starters.size(), 5u);
        // Every available player has a place before anyone backs up a second position.
        EXPECT_EQ(inChart.size(), std::min<size_t>(15, available.size()));
        std::set<int> keys{t.keyplayer1, t.keyplayer2, t.keyplayer3};
        EXPECT_EQ(keys.size(), 3u);
        for (int k : keys)
            EXPECT_TRUE(availableSet.count(k));
    }

    League league;
};

TEST_F(Lineup, FewerThanSevenActiveChangesNothing) {
    for (int id = 1; id <= 6; ++id)
        Add(id, "Hawks", (id - 1) % 5 + 1, 60);
    Add(7, "Hawks", 3, 60);
    league.player(7).IR = true;
    league.team(1).ActivePlayers = 6; // the IR player is on the roster but not active
    Team& t = league.team(1);
    t.C1 = 99;
    t.keyplayer1 = 98;
    t.Pace = 33;
    t.Press = 44;
    SetLineup(league, 1);
    EXPECT_EQ(t.C1, 99);
    EXPECT_EQ(t.PG3, 0);
    EXPECT_EQ(t.keyplayer1, 98);
    EXPECT_EQ(t.Pace, 33);
    EXPECT_EQ(t.Press, 44);
}

TEST_F(Lineup, PlayersAtTheirPositionBestFirst) {
    TwelvePlayers();
    SetLineup(league, 1);
    const Team& t = league.team(1);
    EXPECT_EQ(t.C1, 1);
    EXPECT_EQ(t.C2, 2);
    EXPECT_EQ(t.C3, 11);
    EXPECT_EQ(t.PF1, 3);
    EXPECT_EQ(t.PF2, 4);
    EXPECT_EQ(t.SF1, 5);
    EXPECT_EQ(t.SF2, 6);
    EXPECT_EQ(t.SF3, 12);
    EXPECT_EQ(t.SG1, 7);
    EXPECT_EQ(t.SG2, 8);
    EXPECT_EQ(t.PG1, 9);
    EXPECT_EQ(t.PG2, 10);
    ExpectSoundChart(1);
}

TEST_F(Lineup, InjuredAndReservePlayersStayOut) {
    TwelvePlayers();
    Add(13, "Hawks", 1, 99);
    Add(14, "Hawks", 5, 99);
    Add(15, "Owls", 4, 99);
    league.player(13).TimeInjured = 1;
    league.player(14).IR = true;
    league.team(1).ActivePlayers = 13;
    SetLineup(league, 1);
    const Team& t = league.team(1);
    EXPECT_EQ(t.C1, 1);
    EXPECT_EQ(t.PG1, 9);
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row) {
            EXPECT_NE(t.Depth(pos, row), 13);
            EXPECT_NE(t.Depth(pos, row), 14);
            EXPECT_NE(t.Depth(pos, row), 15) << "another team's player";
        }
    ExpectSoundChart(1);
}

TEST_F(Lineup, MissingPositionTakesBestFitFromElsewhere) {
    // No centre at all: the centre slots go to the best centre fits among the others.
    int id = 1;
    for (int pos = 2; pos <= 5; ++pos) {
        Add(id++, "Hawks", pos, 70);
        Add(id++, "Hawks", pos, 60);
    }
    Add(id++, "Hawks", 2, 50); // the third power forward is the only spare one
    league.player(9).FitC = 80;
    SetLineup(league, 1);
    const Team& t = league.team(1);
    EXPECT_EQ(t.PF1, 1);
    EXPECT_EQ(t.PF2, 2);
    EXPECT_EQ(t.C1, 9) << "the spare forward has the best centre fit of the unused players";
    ExpectSoundChart(1);
}

TEST_F(Lineup, KeyPlayersByScoringValueTiesKeepRosterOrder) {
    TwelvePlayers();
    // Equal values: 0.75 * 80 = 60 for the centre, 0.4 * 75 + 0.4 * 75 = 60 for the small forward.
    league.player(6).RatingInsideScoring = 75;
    league.player(6).RatingOutsideScoring = 75;
    league.player(2).RatingInsideScoring = 80;
    // A point guard worth 0.2 * 90 + 0.4 * 90 + 0.2 * 100 = 74.
    league.player(10).RatingOutsideScoring = 90;
    league.player(10).RatingInsideScoring = 90;
    league.player(10).Handling = 100;
    SetLineup(league, 1);
    const Team& t = league.team(1);
    EXPECT_EQ(t.keyplayer1, 10);
    EXPECT_EQ(t.keyplayer2, 2);
    EXPECT_EQ(t.keyplayer3, 6);
    // PG, C, SF -> Pace 50, Offense 50.
    EXPECT_EQ(t.Pace, 50);
    EXPECT_EQ(t.Offense, 50);
}

TEST(KeyPlayerValueTest, ByPosition) {
    Player p;
    p.RatingInsideScoring = 60;
    p.RatingOutsideScoring = 50;
    p.Handling = 70;
    const double expected[] = {0, 45, 0.17 * 50 + 0.61 * 60, 20 + 24, 18 + 25.2, 10 + 24 + 14};
    for (int pos = 1; pos <= 5; ++pos) {
        p.PositionNumber = static_cast<int16_t>(pos);
        EXPECT_NEAR(KeyPlayerValue(p), expected[pos], 1e-9) << pos;
    }
}

TEST(PaceOffenseTable, CellsReadByKeyPlayerPositions) {
    struct Case {
        int k1, k2, k3, pace, offense;
    };
    const Case cases[] = {
        {1, 1, 1, 0, 0},    {1, 1, 5, 0, 50},   {1, 2, 4, 0, 50},   {1, 3, 2, 25, 0},   {1, 3, 3, 25, 50},
        {1, 4, 1, 25, 0},   {1, 5, 5, 50, 100}, {2, 1, 5, 0, 0},    {2, 2, 5, 25, 50},  {2, 3, 4, 50, 50},
        {2, 4, 5, 75, 100}, {2, 5, 1, 50, 0},   {2, 5, 2, 75, 50},  {3, 1, 4, 25, 50},  {3, 2, 3, 50, 50},
        {3, 3, 1, 50, 0},   {3, 4, 3, 50, 50},  {3, 4, 4, 75, 100}, {3, 5, 3, 75, 100}, {4, 1, 3, 50, 50},
        {4, 2, 5, 75, 100}, {4, 3, 3, 75, 50},  {4, 4, 2, 75, 50},  {4, 5, 1, 75, 50},  {4, 5, 2, 100, 100},
        {5, 1, 5, 50, 100}, {5, 2, 4, 75, 100}, {5, 3, 2, 50, 50},  {5, 4, 1, 75, 50},  {5, 5, 1, 100, 100},
    };
    for (const Case& c : cases) {
        PaceOffense po = PaceOffenseFor(c.k1, c.k2, c.k3);
        EXPECT_EQ(po.Pace, c.pace) << c.k1 << c.k2 << c.k3;
        EXPECT_EQ(po.Offense, c.offense) << c.k1 << c.k2 << c.k3;
    }
}

TEST(PressAndTrap, BandsClosedAtTheTop) {
    const std::pair<int, int> press[] = {{10, 0},   {80, 0},   {81, 25},  {105, 25},  {106, 50},
                                         {130, 50}, {131, 75}, {150, 75}, {151, 100}, {200, 100}};
    for (auto [sum, value] : press)
        EXPECT_EQ(PressFor(sum), value) << sum;
    const std::pair<int, int> trap[] = {{10, 0},   {65, 0},   {66, 25},  {95, 25},  {96, 50},
                                        {115, 50}, {116, 75}, {130, 75}, {131, 100}};
    for (auto [sum, value] : trap)
        EXPECT_EQ(TrapFor(sum), value) << sum;
}

TEST_F(Lineup, PressAndTrapFromTheStarters) {
    TwelvePlayers();
    league.player(7).Stealing = 60;  // SG1
    league.player(9).Stealing = 45;  // PG1: 105 -> 25
    league.player(8).Stealing = 100; // a backup guard does not count
    league.player(3).Stealing = 65;  // PF1
    league.player(5).Stealing = 66;  // SF1: 131 -> 100
    SetLineup(league, 1);
    EXPECT_EQ(league.team(1).Press, 25);
    EXPECT_EQ(league.team(1).Trap, 100);
    league.player(9).Stealing = 46; // 106 -> 50
    league.player(5).Stealing = 65; // 130 -> 75
    SetLineup(league, 1);
    EXPECT_EQ(league.team(1).Press, 50);
    EXPECT_EQ(league.team(1).Trap, 75);
}

TEST_F(Lineup, RandomRostersAlwaysGetACompleteChart) {
    Random rng(7321);
    auto draw = [&](int low, int high) { return low + static_cast<int>(rng.Uniform() * (high - low + 1)); };
    int complete = 0;
    for (int round = 0; round < 400; ++round) {
        league = League{};
        league.team(1).Name = "Hawks";
        int size = draw(7, 15);
        for (int id = 1; id <= size; ++id) {
            Player& p = league.player(id);
            p.Name = "P " + std::to_string(id);
            p.Team = "Hawks";
            p.PositionNumber = static_cast<int16_t>(draw(1, 5));
            p.DefaultPosition = PositionText(p.PositionNumber);
            for (int16_t* a :
                 {&p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Handling, &p.Passing, &p.Quickness,
                  &p.PostDefense, &p.PerimeterDefense, &p.DriveDefense, &p.Stealing, &p.ShotBlocking,
                  &p.OffenseRebound, &p.DefenseRebound, &p.Jumping, &p.Strength})
                *a = static_cast<int16_t>(draw(20, 90));
            p.Height = static_cast<int16_t>(draw(70, 88));
            p.Weight = static_cast<int16_t>(draw(170, 290));
            p.IR = draw(0, 9) == 0;
            p.TimeInjured = static_cast<int16_t>(draw(0, 5) == 0 ? draw(1, 20) : 0);
            CalculatePlayerRatings(p);
            league.AddToRoster(id);
        }
        SCOPED_TRACE(round);
        const Team& t = league.team(1);
        SetLineup(league, 1);
        size_t available = AvailablePlayersOf(league, 1).size();
        if (t.ActivePlayers >= 7 && available >= 8) {
            ++complete;
            ExpectSoundChart(1);
        } else if (t.ActivePlayers < 7) {
            EXPECT_EQ(t.C1, 0);
            EXPECT_EQ(t.keyplayer1, 0);
        }
        for (int pos = 1; pos <= 5; ++pos)
            for (int row = 1; row <= 3; ++row) {
                int id = t.Depth(pos, row);
                if (id == 0) continue;
                EXPECT_EQ(league.player(id).TimeInjured, 0);
                EXPECT_FALSE(league.player(id).IR);
            }
        if (::testing::Test::HasFailure()) break;
    }
    EXPECT_GT(complete, 200);
}

} // namespace
} // namespace hv
