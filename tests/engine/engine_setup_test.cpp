// Setting a game up: who dresses, the depth rows, the rotation plan, the period adjustments, the starters
// block and the setters and readers of the engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <tuple>

#include "support/engine_test_access.h"
#include "support/engine_test_support.h"

namespace hv {
namespace {

using test::EngineLeague;

bool Dresses(const clsGame& g, int16_t id) {
    return std::find(g.HomeRoster().begin(), g.HomeRoster().end(), id) != g.HomeRoster().end();
}

// A player with injury days left or on injured reserve dresses only for the rookie game; a player listed at
// two positions dresses once; loading clears his game values and makes him fresh.
TEST(EngineSetup, WhoDressesAndHowLoadingLeavesThem) {
    for (const char* type : {"Regular", "Rookie"}) {
        EngineLeague el(2);
        el.league.player(2).TimeInjured = 3; // C2 of the home team
        el.league.player(5).IR = true;       // PF2
        el.league.player(1).Game.Points = 33;
        el.league.player(1).Game.Fouls = 6;
        el.league.player(1).STAMINA = 12;
        el.league.team(1).PF3 = 1; // the C1 is also the third PF
        clsGame g(el.league);
        g.StartGame(1, 2, false, 1, type);
        g.Loadteams();
        const bool rookie = std::string(type) == "Rookie";
        EXPECT_EQ(Dresses(g, 2), rookie) << type;
        EXPECT_EQ(Dresses(g, 5), rookie) << type;
        EXPECT_EQ(std::count(g.HomeRoster().begin(), g.HomeRoster().end(), 1), 1);
        EXPECT_EQ(g.HomeDepth(2, 3), 1);
        EXPECT_EQ(g.HomeOnCourt(1), 1);
        const Player& p = el.league.player(1);
        EXPECT_EQ(std::make_tuple(p.Game.Points, p.Game.Fouls, p.STAMINA), std::make_tuple(0, 0, 1000));
    }
}

// Rows 4 to 6 of a column hold the three best fits for that position among the others, best first. Each
// starter opens and closes the game and sits out two segments R and R + 5, never the same ones as another
// starter; his stand-in comes from rows 2 to 6 of that column and plays nowhere else then.
TEST(EngineSetup, DepthRowsAndTheRotationPlan) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        EngineLeague el(seed);
        clsGame g(el.league);
        g.StartGame(1, 2, false, 1, "Regular");
        g.Loadteams();
        std::set<int> rested;
        for (int slot = 1; slot <= 5; ++slot) {
            std::set<int16_t> listed = {g.HomeDepth(slot, 1), g.HomeDepth(slot, 2), g.HomeDepth(slot, 3)};
            int lastFit = 1000;
            for (int row = 4; row <= 6; ++row) {
                const int16_t id = g.HomeDepth(slot, row);
                EXPECT_TRUE(id != 0 && listed.insert(id).second &&
                            FitAt(el.league.player(id), slot) <= lastFit);
                lastFit = FitAt(el.league.player(id), slot);
            }
            for (int16_t id : g.HomeRoster())
                EXPECT_TRUE(listed.count(id) || FitAt(el.league.player(id), slot) <= lastFit) << id;
            const int16_t starter = g.HomeDepth(slot, 1);
            EXPECT_EQ(g.HomePlanned(slot, 1), starter);
            EXPECT_EQ(g.HomePlanned(slot, clsGame::kSegments), starter);
            std::vector<int> out;
            for (int segment = 2; segment <= 11; ++segment)
                if (g.HomePlanned(slot, segment) != starter) out.push_back(segment);
            ASSERT_EQ(out.size(), 2u);
            EXPECT_EQ(out[1], out[0] + 5);
            EXPECT_TRUE(out[0] >= 2 && out[0] <= 6);
            for (int segment : out) {
                EXPECT_TRUE(rested.insert(segment).second);
                const int16_t sub = g.HomePlanned(slot, segment);
                bool fromColumn = false;
                for (int row = 2; row <= 6; ++row)
                    fromColumn = fromColumn || g.HomeDepth(slot, row) == sub;
                EXPECT_TRUE(fromColumn);
                for (int other = 1; other <= 5; ++other)
                    if (other != slot) {
                        EXPECT_NE(g.HomePlanned(other, segment), sub);
                    }
            }
        }
        EXPECT_EQ(rested.size(), 10u);
    }
}

// nearest(5r - 2) for both on a neutral court; nearest(6.25r - 2) and nearest(4r - 2) at home; in the
// playoffs nearest(3r + 1 + h) and nearest(3r + a) from the brackets' home-court amounts. The lowest and
// highest of 400 periods, home and away.
TEST(EngineSetup, PeriodAdjustmentsByCourtAndBracket) {
    const struct {
        bool neutral;
        int day;
        const char* type;
        int homeBracket, awayBracket;
        std::array<int, 4> range;
    } cases[] = {{true, 10, "Regular", 0, 0, {-2, 3, -2, 3}},
                 {false, 10, "Regular", 0, 0, {-2, 4, -2, 2}},
                 {false, 130, "Playoff", 1, 8, {2, 5, 0, 3}},
                 {false, 130, "Regular", 1, 1, {1, 4, 0, 3}}};
    for (const auto& c : cases) {
        EngineLeague el(1);
        el.league.state.SeasonDay = static_cast<int16_t>(c.day);
        el.league.team(1).PlayoffBracket() = static_cast<int16_t>(c.homeBracket);
        el.league.team(2).PlayoffBracket() = static_cast<int16_t>(c.awayBracket);
        clsGame g(el.league);
        g.StartGame(1, 2, false, 1, c.type, c.neutral);
        g.Loadteams();
        std::array<int, 4> range = {99, -99, 99, -99};
        for (int period = 0; period < 400; ++period) {
            g.StartQuarter(720);
            const int h = g.HomeQuarterAdjustment(), w = g.AwayQuarterAdjustment();
            range = {std::min(range[0], h), std::max(range[1], h), std::min(range[2], w),
                     std::max(range[3], w)};
        }
        EXPECT_EQ(range, c.range) << c.type << " day " << c.day << " brackets " << c.homeBracket
                                  << c.awayBracket;
    }
}

} // namespace
} // namespace hv
