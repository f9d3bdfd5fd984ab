// Setting a game up: who dresses, the depth rows, the rotation plan, the period adjustments, the starters
// block and the setters and readers of the engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "core/engine_test_access.h"
#include "core/engine_test_support.h"

namespace hv {
namespace {

using test::EngineLeague;

bool Dresses(const clsGame& g, int16_t id) {
    return std::find(g.HomeRoster().begin(), g.HomeRoster().end(), id) != g.HomeRoster().end();
}

TEST(EngineSetup, StartGameCopiesTheTeamsAndPlaysNothing) {
    EngineLeague el(1);
    clsGame g(el.league);
    g.StartGame(2, 1, true, 7, "Playoff", true);
    EXPECT_EQ(std::tie(g.HomeName(), g.AwayName(), g.sType()), std::make_tuple("Bulls", "Hawks", "Playoff"));
    EXPECT_EQ(g.iGame(), 7);
    EXPECT_TRUE(g.bNeutralCourt());
    EXPECT_EQ(std::make_tuple(g.quarter(), g.TimeRemaining(), g.HomeScore() + g.AwayScore()),
              std::make_tuple(1, -1, 0));
    EXPECT_TRUE(g.PlayByPlay().empty());
    const std::pair<int, std::string> times[] = {
        {65, "1:05"}, {720, "12:00"}, {9, "0:09"}, {0, "0:00"}, {-1, "0:00"}};
    for (const auto& [seconds, text] : times) {
        GameTestAccess::SetClock(g, seconds, 0);
        EXPECT_EQ(g.DisplayTime(), text) << seconds;
    }
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
        for (int slot = 1; slot <= 5; ++slot)
            for (int row = 1; row <= clsGame::kDepthRows; ++row)
                if (!rookie) {
                    EXPECT_NE(g.HomeDepth(slot, row), 2);
                }
        EXPECT_EQ(std::count(g.HomeRoster().begin(), g.HomeRoster().end(), 1), 1);
        EXPECT_EQ(g.HomeDepth(2, 3), 1);
        EXPECT_EQ(g.HomeOnCourt(1), 1);
        const Player& p = el.league.player(1);
        EXPECT_EQ(std::make_tuple(p.Game.Points, p.Game.Fouls, p.STAMINA), std::make_tuple(0, 0, 1000));
    }
}

// Rows 4 to 6 of a column: the three best fits for that position among the others, best first.
TEST(EngineSetup, DepthRowsFourToSixHoldTheBestFits) {
    EngineLeague el(3);
    clsGame g(el.league);
    g.StartGame(1, 2, false, 1, "Regular");
    g.Loadteams();
    for (int slot = 1; slot <= 5; ++slot) {
        std::set<int16_t> listed = {g.HomeDepth(slot, 1), g.HomeDepth(slot, 2), g.HomeDepth(slot, 3)};
        int lastFit = 1000;
        for (int row = 4; row <= 6; ++row) {
            const int16_t id = g.HomeDepth(slot, row);
            ASSERT_NE(id, 0);
            EXPECT_TRUE(listed.insert(id).second);
            EXPECT_LE(FitAt(el.league.player(id), slot), lastFit);
            lastFit = FitAt(el.league.player(id), slot);
        }
        for (int16_t id : g.HomeRoster())
            if (!listed.count(id)) {
                EXPECT_LE(FitAt(el.league.player(id), slot), lastFit);
            }
    }
}

// Each starter opens and closes the game and sits out two segments R and R + 5, never the same ones as
// another starter; his stand-in comes from rows 2 to 6 of that column and plays nowhere else then.
TEST(EngineSetup, TheRotationPlanRestsEachStarterTwice) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        EngineLeague el(seed);
        clsGame g(el.league);
        g.StartGame(1, 2, false, 1, "Regular");
        g.Loadteams();
        std::set<int> rested;
        for (int slot = 1; slot <= 5; ++slot) {
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

TEST(EngineSetup, StartingLineupsBlockAndGamesStarted) {
    EngineLeague el(4);
    clsGame g(el.league);
    g.StartGame(1, 2, true, 1, "Regular");
    g.Loadteams();
    g.ProcessStarters();
    const std::string rule(124, '-');
    std::vector<std::string> expected = {rule, "Starting Lineups:"};
    const char* captions[] = {"Center - ", "Power Forward - ", "Small Forward - ", "Shooting Guard - ",
                              "Point Guard - "};
    for (bool home : {true, false}) {
        expected.push_back(home ? "Hawks:" : "Bulls:");
        for (int slot = 1; slot <= 5; ++slot)
            expected.push_back(captions[slot - 1] +
                               el.league.player(home ? g.HomeOnCourt(slot) : g.AwayOnCourt(slot)).Name);
    }
    expected.push_back(rule);
    EXPECT_EQ(g.PlayByPlay(), expected);
    int started = 0;
    for (const Player& p : el.league.players)
        started += p.Game.Started;
    EXPECT_EQ(started, 10);
}

// Taking over a match-up swaps it with the defender who had it, so every slot stays guarded once.
TEST(EngineSetup, DefenceMatchUpsSwapAndKeyPlayersAndLineUpSlotsAreReadBack) {
    EngineLeague el(1);
    clsGame g(el.league);
    g.CurrentPosition(2);
    g.HomeDefense(4);
    EXPECT_EQ(std::make_tuple(g.HomeDefending(4), g.HomeDefending(2), g.HomeDefending(1)),
              std::make_tuple(2, 4, 1));
    g.HomeDefense(4); // already his man
    EXPECT_EQ(g.HomeDefending(4), 2);
    g.CurrentPosition(5);
    g.HomeDefense(4);
    EXPECT_EQ(std::make_tuple(g.HomeDefending(4), g.HomeDefending(5), g.HomeDefending(2)),
              std::make_tuple(5, 2, 4));
    EXPECT_EQ(g.AwayDefending(4), 4) << "the other side is untouched";
    g.CurrentPosition(0);
    g.AwayDefense(3);
    EXPECT_EQ(g.AwayDefending(3), 3);

    g.StartGame(1, 2, false, 1, "Regular");
    g.Loadteams();
    EXPECT_EQ(std::make_tuple(g.HomeKeyPlayer(1), g.AwayKeyPlayer(3), g.HomeKeyPlayer(0), g.HomeKeyPlayer(4)),
              std::make_tuple(el.league.team(1).keyplayer1, el.league.team(2).keyplayer3, 0, 0));
    g.HomeKeyPlayerTwo(9);
    EXPECT_EQ(g.HomeKeyPlayer(2), 9);
    EXPECT_EQ(g.HomeLineUp(), 0) << "no current position";
    g.CurrentPosition(1);
    g.HomeLineUp(3);
    EXPECT_EQ(std::make_tuple(g.HomeLineUp(), g.HomeOnCourt(1)), std::make_tuple(3, 3));
}

struct Adjustments {
    int minHome = 99, maxHome = -99, minAway = 99, maxAway = -99;
    double sumHome = 0, sumAway = 0;
    int n = 0;
};

Adjustments DrawAdjustments(bool neutral, int seasonDay, const char* type, int homeBracket = 0,
                            int awayBracket = 0) {
    Adjustments a;
    EngineLeague el(1);
    el.league.state.SeasonDay = static_cast<int16_t>(seasonDay);
    el.league.team(1).PlayoffBracket() = static_cast<int16_t>(homeBracket);
    el.league.team(2).PlayoffBracket() = static_cast<int16_t>(awayBracket);
    clsGame g(el.league);
    g.StartGame(1, 2, false, 1, type, neutral);
    g.Loadteams();
    for (int period = 0; period < 400; ++period) {
        g.StartQuarter(720);
        const int h = g.HomeQuarterAdjustment(), w = g.AwayQuarterAdjustment();
        a.minHome = std::min(a.minHome, h), a.maxHome = std::max(a.maxHome, h);
        a.minAway = std::min(a.minAway, w), a.maxAway = std::max(a.maxAway, w);
        a.sumHome += h, a.sumAway += w, ++a.n;
    }
    return a;
}

// nearest(5r - 2) for both on a neutral court; nearest(6.25r - 2) and nearest(4r - 2) at home; in the
// playoffs nearest(3r + 1 + h) and nearest(3r + a) from the brackets' home-court amounts.
TEST(EngineSetup, PeriodAdjustmentsByCourtAndBracket) {
    const Adjustments neutral = DrawAdjustments(true, 10, "Regular");
    EXPECT_EQ(std::tie(neutral.minHome, neutral.maxHome, neutral.minAway, neutral.maxAway),
              std::make_tuple(-2, 3, -2, 3));
    EXPECT_NEAR(neutral.sumHome / neutral.n, neutral.sumAway / neutral.n, 0.25);
    const Adjustments home = DrawAdjustments(false, 10, "Regular");
    EXPECT_EQ(std::tie(home.minHome, home.maxHome, home.minAway, home.maxAway),
              std::make_tuple(-2, 4, -2, 2));
    const Adjustments top = DrawAdjustments(false, 130, "Playoff", 1, 8);
    EXPECT_EQ(std::tie(top.minHome, top.maxHome, top.minAway, top.maxAway), std::make_tuple(2, 5, 0, 3));
    const Adjustments low = DrawAdjustments(false, 130, "Playoff", 4, 1);
    EXPECT_EQ(std::tie(low.minHome, low.maxHome, low.minAway, low.maxAway), std::make_tuple(1, 4, 1, 3));
    const Adjustments regular = DrawAdjustments(false, 130, "Regular", 1, 1);
    EXPECT_EQ(std::tie(regular.minHome, regular.maxHome, regular.minAway, regular.maxAway),
              std::make_tuple(1, 4, 0, 3));
}

TEST(EngineSetup, AnAbandonedGameGivesTheRatingsBack) {
    EngineLeague el(5);
    const auto before = test::AdjustedRatings(el.league.player(1));
    {
        clsGame g(el.league);
        g.StartGame(1, 2, false, 1, "Regular");
        g.Loadteams();
        g.StartQuarter(720);
        for (int i = 0; i < 5; ++i)
            g.RunPlay();
    }
    EXPECT_EQ(test::AdjustedRatings(el.league.player(1)), before);
}

} // namespace
} // namespace hv
