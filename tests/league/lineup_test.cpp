// Computer line-ups: depth chart, key players and coaching settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "league/league.h"
#include "league/lineup.h"
#include "league/ratings.h"

namespace hv {
namespace {

class Lineup : public ::testing::Test {
  protected:
    void SetUp() override { league.team(1).Name = "Hawks", league.team(2).Name = "Owls"; }

    // A player of a position with a current rating; his fits favour his own position.
    int Add(int id, const std::string& team, int position, int rating, int stealing = 50) {
        Player& p = league.player(id);
        p = Player{};
        p.Name = "Player " + std::to_string(id), p.Team = team, p.DefaultPosition = PositionText(position);
        p.PositionNumber = int16_t(position), p.CurrentRating = int16_t(rating),
        p.Stealing = int16_t(stealing);
        p.RatingInsideScoring = p.RatingOutsideScoring = p.Handling = 40;
        int16_t* fits[] = {&p.FitC, &p.FitPF, &p.FitSF, &p.FitSG, &p.FitPG};
        for (int pos = 1; pos <= 5; ++pos)
            *fits[pos - 1] = static_cast<int16_t>(rating - 10 * std::abs(pos - position));
        league.AddToRoster(id);
        return id;
    }

    // Two players per position, then a third centre and a third small forward: ids 1 to 12.
    void TwelvePlayers() {
        int id = 1;
        for (int pos = 1; pos <= 5; ++pos) {
            Add(id++, "Hawks", pos, 70);
            Add(id++, "Hawks", pos, 60);
        }
        Add(id++, "Hawks", 1, 50);
        Add(id++, "Hawks", 3, 55);
    }

    // Every slot holds an available player, no column or starting five repeats one, every available player
    // has a place, and the key players are three different available players.
    void ExpectSoundChart(int team) {
        const Team& t = league.team(team);
        const std::vector<int> available = AvailablePlayersOf(league, team);
        const std::set<int> availableSet(available.begin(), available.end());
        std::set<int> starters, inChart, keys{t.keyplayer1, t.keyplayer2, t.keyplayer3};
        for (int pos = 1; pos <= 5; ++pos) {
            const std::set<int> column{t.Depth(pos, 1), t.Depth(pos, 2), t.Depth(pos, 3)};
            EXPECT_EQ(column.size(), 3u) << "column " << pos << " repeats a player";
            inChart.insert(column.begin(), column.end());
            starters.insert(t.Depth(pos, 1));
        }
        EXPECT_EQ(std::make_tuple(starters.size(), inChart.size(), keys.size()),
                  std::make_tuple(size_t(5), std::min<size_t>(15, available.size()), size_t(3)));
        for (const std::set<int>* s : {&inChart, &keys})
            EXPECT_TRUE(std::includes(availableSet.begin(), availableSet.end(), s->begin(), s->end()));
    }

    League league;
};

TEST_F(Lineup, SevenActivePlayersAreTheMinimum) {
    for (int active : {6, 7}) {
        league = League{};
        league.team(1).Name = "Hawks";
        for (int id = 1; id <= 8; ++id)
            Add(id, "Hawks", (id - 1) % 5 + 1, 60 + id);
        for (int id = active + 1; id <= 8; ++id)
            league.player(id).IR = true, --league.team(1).ActivePlayers;
        Team& t = league.team(1);
        t.C1 = 99, t.keyplayer1 = 98, t.Pace = 33, t.Press = 44;
        SetLineup(league, 1);
        // With seven, the best available centre starts and everything is chosen afresh.
        EXPECT_EQ(std::make_tuple(t.C1, t.keyplayer1 == 98, t.Pace == 33, t.Press == 44),
                  std::make_tuple(active < 7 ? 99 : 6, active < 7, active < 7, active < 7))
            << active << " active";
    }
}

TEST_F(Lineup, PlayersAtTheirPositionBestFirstInjuredAndOthersLeftOut) {
    TwelvePlayers();
    Add(13, "Hawks", 1, 99);
    Add(14, "Hawks", 5, 99);
    Add(15, "Owls", 4, 99);
    league.player(13).TimeInjured = 1, league.player(14).IR = true, league.team(1).ActivePlayers = 13;
    SetLineup(league, 1);
    const Team& t = league.team(1);
    const std::array<int16_t, 15> expected = {1, 2, 11, 3, 4, 0, 5, 6, 12, 7, 8, 0, 9, 10, 0};
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row) {
            const int16_t want = expected[static_cast<size_t>((pos - 1) * 3 + row - 1)],
                          got = t.Depth(pos, row);
            EXPECT_TRUE((want == 0 || got == want) && got != 13 && got != 14 && got != 15)
                << pos << "/" << row;
        }
    ExpectSoundChart(1);
}

TEST_F(Lineup, AMissingPositionTakesTheBestFitFromElsewhere) {
    int id = 1;
    for (int pos = 2; pos <= 5; ++pos) {
        Add(id++, "Hawks", pos, 70);
        Add(id++, "Hawks", pos, 60);
    }
    Add(id++, "Hawks", 2, 50); // the third power forward is the only spare one
    league.player(9).FitC = 80;
    SetLineup(league, 1);
    const Team& t = league.team(1);
    EXPECT_EQ(std::tie(t.PF1, t.PF2, t.C1), std::make_tuple(1, 2, 9));
    ExpectSoundChart(1);
}

// Scoring value by position (C 0.75 x inside; PF 0.17 x outside + 0.61 x inside; SF 0.4 + 0.4; SG 0.36 +
// 0.42; PG 0.2 x outside + 0.4 x inside + 0.2 x Handling); ties keep roster order; Pace and Offense follow.
TEST_F(Lineup, KeyPlayersByScoringValueTiesKeepRosterOrder) {
    Player p;
    p.RatingInsideScoring = 60, p.RatingOutsideScoring = 50, p.Handling = 70;
    const double expected[] = {0, 45, 0.17 * 50 + 0.61 * 60, 20 + 24, 18 + 25.2, 10 + 24 + 14};
    for (int pos = 1; pos <= 5; ++pos) {
        p.PositionNumber = static_cast<int16_t>(pos);
        EXPECT_NEAR(KeyPlayerValue(p), expected[pos], 1e-9) << pos;
    }
    TwelvePlayers();
    league.player(6).RatingInsideScoring = league.player(6).RatingOutsideScoring = 75; // SF: 60
    league.player(2).RatingInsideScoring = 80;                                         // C: 60, earlier
    league.player(10).RatingOutsideScoring = league.player(10).RatingInsideScoring = 90;
    league.player(10).Handling = 100; // PG: 74
    // Press from the starting SG and PG (60 + 46 = 106: 50), Trap from the starting PF and SF (65 + 66 = 131:
    // 100); a backup's stealing does not count.
    league.player(7).Stealing = 60, league.player(9).Stealing = 46, league.player(8).Stealing = 100;
    league.player(3).Stealing = 65, league.player(5).Stealing = 66;
    SetLineup(league, 1);
    const Team& t = league.team(1);
    EXPECT_EQ(std::tie(t.keyplayer1, t.keyplayer2, t.keyplayer3), std::make_tuple(10, 2, 6));
    EXPECT_EQ(std::tie(t.Pace, t.Offense, t.Press, t.Trap), std::make_tuple(50, 50, 50, 100)); // PG, C, SF
}

TEST(PaceOffenseTable, CellsReadByKeyPlayerPositions) {
    const struct {
        int k1, k2, k3, pace, offense;
    } cases[] = {
        {1, 1, 1, 0, 0},    {1, 1, 5, 0, 50},   {1, 2, 4, 0, 50},   {1, 3, 2, 25, 0},   {1, 3, 3, 25, 50},
        {1, 4, 1, 25, 0},   {1, 5, 5, 50, 100}, {2, 1, 5, 0, 0},    {2, 2, 5, 25, 50},  {2, 3, 4, 50, 50},
        {2, 4, 5, 75, 100}, {2, 5, 1, 50, 0},   {2, 5, 2, 75, 50},  {3, 1, 4, 25, 50},  {3, 2, 3, 50, 50},
        {3, 3, 1, 50, 0},   {3, 4, 3, 50, 50},  {3, 4, 4, 75, 100}, {3, 5, 3, 75, 100}, {4, 1, 3, 50, 50},
        {4, 2, 5, 75, 100}, {4, 3, 3, 75, 50},  {4, 4, 2, 75, 50},  {4, 5, 1, 75, 50},  {4, 5, 2, 100, 100},
        {5, 1, 5, 50, 100}, {5, 2, 4, 75, 100}, {5, 3, 2, 50, 50},  {5, 4, 1, 75, 50},  {5, 5, 1, 100, 100}};
    for (const auto& c : cases) {
        const PaceOffense po = PaceOffenseFor(c.k1, c.k2, c.k3);
        EXPECT_EQ(std::tie(po.Pace, po.Offense), std::tie(c.pace, c.offense)) << c.k1 << c.k2 << c.k3;
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

} // namespace
} // namespace hv
