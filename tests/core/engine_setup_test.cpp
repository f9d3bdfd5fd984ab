// Setting a game up: who dresses, the depth rows, the rotation plan, the period adjustments, the starters
// block and the setters and readers of the engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "core/engine_test_access.h"
#include "core/engine_test_support.h"
#include "season/lineup.h"

namespace hv {
namespace {

using test::EngineLeague;

bool Contains(const std::array<int16_t, clsGame::kRosterSize>& roster, int16_t id) {
    return std::find(roster.begin(), roster.end(), id) != roster.end();
}

TEST(EngineSetup, StartGameCopiesTheTeamsAndPlaysNothing) {
    EngineLeague el(1);
    clsGame g(el.league);
    g.StartGame(2, 1, true, 7, "Playoff", true);
    EXPECT_EQ(g.HomeName(), "Bulls");
    EXPECT_EQ(g.AwayName(), "Hawks");
    EXPECT_EQ(g.sType(), "Playoff");
    EXPECT_EQ(g.iGame(), 7);
    EXPECT_TRUE(g.bNeutralCourt());
    EXPECT_EQ(g.quarter(), 1);
    EXPECT_EQ(g.TimeRemaining(), -1);
    EXPECT_EQ(g.DisplayTime(), "0:00");
    EXPECT_EQ(g.HomeScore() + g.AwayScore(), 0);
    EXPECT_TRUE(g.PlayByPlay().empty());
}

TEST(EngineSetup, DisplayTime) {
    EngineLeague el(1);
    clsGame g(el.league);
    g.StartGame(1, 2, false, 1, "Regular");
    g.Loadteams();
    const std::vector<std::pair<int, std::string>> cases = {{65, "1:05"}, {720, "12:00"}, {9, "0:09"},
                                                            {0, "0:00"},  {-1, "0:00"},   {600, "10:00"}};
    for (const auto& [seconds, text] : cases) {
        GameTestAccess::SetClock(g, seconds, 0);
        EXPECT_EQ(g.DisplayTime(), text) << seconds;
    }
}

TEST(EngineSetup, InjuredPlayersDressOnlyForTheRookieGame) {
    for (const char* type : {"Regular", "Rookie"}) {
        EngineLeague el(2);
        el.league.player(2).TimeInjured = 3; // C2 of the home team
        el.league.player(5).IR = true;       // PF2
        clsGame g(el.league);
        g.StartGame(1, 2, false, 1, type);
        g.Loadteams();
        const bool rookie = std::string(type) == "Rookie";
        EXPECT_EQ(Contains(g.HomeRoster(), 2), rookie);
        EXPECT_EQ(Contains(g.HomeRoster(), 5), rookie);
        EXPECT_EQ(g.HomeDepth(1, 2) == 2, rookie);
        for (int slot = 1; slot <= 5; ++slot)
            for (int row = 1; row <= clsGame::kDepthRows; ++row)
                if (!rookie) {
                    EXPECT_NE(g.HomeDepth(slot, row), 2);
                }
        EXPECT_EQ(el.league.player(1).STAMINA, 1000);
    }
}

TEST(EngineSetup, LoadingClearsTheGameStatisticsAndDressesAPlayerListedTwiceOnce) {
    EngineLeague el(2);
    el.league.player(1).Game.Points = 33;
    el.league.player(1).Game.Fouls = 6;
    el.league.player(1).STAMINA = 12;
    el.league.team(1).PF3 = 1; // the C1 is also the third PF
    clsGame g(el.league);
    g.StartGame(1, 2, false, 1, "Regular");
    g.Loadteams();
    EXPECT_EQ(el.league.player(1).Game.Points, 0);
    EXPECT_EQ(el.league.player(1).Game.Fouls, 0);
    EXPECT_EQ(el.league.player(1).STAMINA, 1000);
    EXPECT_EQ(g.HomeOnCourt(1), 1); // the C1 starts
    EXPECT_EQ(std::count(g.HomeRoster().begin(), g.HomeRoster().end(), 1), 1);
    EXPECT_EQ(g.HomeDepth(2, 3), 1);
}

// Rows 4 to 6 of a column: the three best fits for that position among the others.
TEST(EngineSetup, DepthRowsFourToSixHoldTheBestFits) {
    EngineLeague el(3);
    clsGame g(el.league);
    g.StartGame(1, 2, false, 1, "Regular");
    g.Loadteams();
    for (int slot = 1; slot <= 5; ++slot) {
        std::set<int16_t> top3 = {g.HomeDepth(slot, 1), g.HomeDepth(slot, 2), g.HomeDepth(slot, 3)};
        int lastFit = 1000;
        for (int row = 4; row <= 6; ++row) {
            const int16_t id = g.HomeDepth(slot, row);
            ASSERT_NE(id, 0);
            EXPECT_EQ(top3.count(id), 0u);
            const int fit = FitAt(el.league.player(id), slot);
            EXPECT_LE(fit, lastFit);
            lastFit = fit;
        }
        for (int16_t id : g.HomeRoster()) {
            bool listed = top3.count(id) > 0;
            for (int row = 4; row <= 6; ++row)
                listed = listed || g.HomeDepth(slot, row) == id;
            if (!listed) {
                EXPECT_LE(FitAt(el.league.player(id), slot), lastFit);
            }
        }
    }
}

// Each starter opens and closes the game, sits out two segments, never the same ones as another starter.
TEST(EngineSetup, RotationPlanRestsEachStarterTwice) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
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
            EXPECT_GE(out[0], 2);
            EXPECT_LE(out[0], 6);
            for (int segment : out) {
                EXPECT_TRUE(rested.insert(segment).second);
                // The stand-in comes from rows 2 to 6 of that column and plays nowhere else then.
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
    const auto& lines = g.PlayByPlay();
    ASSERT_EQ(lines.size(), 15u);
    const std::string rule(124, '-');
    EXPECT_EQ(lines[0], rule);
    EXPECT_EQ(lines[1], "Starting Lineups:");
    EXPECT_EQ(lines[2], "Hawks:");
    EXPECT_EQ(lines[3], "Center - " + el.league.player(g.HomeOnCourt(1)).Name);
    EXPECT_EQ(lines[7], "Point Guard - " + el.league.player(g.HomeOnCourt(5)).Name);
    EXPECT_EQ(lines[8], "Bulls:");
    EXPECT_EQ(lines[10], "Power Forward - " + el.league.player(g.AwayOnCourt(2)).Name);
    EXPECT_EQ(lines[14], rule);
    int started = 0;
    for (const Player& p : el.league.players)
        started += p.Game.Started;
    EXPECT_EQ(started, 10);
}

TEST(EngineSetup, DefenceMatchUpsSwap) {
    EngineLeague el(1);
    clsGame g(el.league);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(g.HomeDefending(slot), slot);
    g.CurrentPosition(2);
    g.HomeDefense(4); // slot 2 takes the man of slot 4, slot 4 takes slot 2's
    EXPECT_EQ(g.HomeDefending(4), 2);
    EXPECT_EQ(g.HomeDefending(2), 4);
    EXPECT_EQ(g.HomeDefending(1), 1);
    g.HomeDefense(4); // already his man: nothing changes
    EXPECT_EQ(g.HomeDefending(4), 2);
    g.CurrentPosition(5);
    g.HomeDefense(4);
    EXPECT_EQ(g.HomeDefending(4), 5);
    EXPECT_EQ(g.HomeDefending(5), 2);
    EXPECT_EQ(g.HomeDefending(2), 4);
    std::set<int> guarded;
    for (int slot = 1; slot <= 5; ++slot)
        guarded.insert(g.HomeDefending(slot));
    EXPECT_EQ(guarded.size(), 5u);
    EXPECT_EQ(g.AwayDefending(4), 4); // the other side is untouched
    g.CurrentPosition(0);
    g.AwayDefense(3);
    EXPECT_EQ(g.AwayDefending(3), 3);
}

TEST(EngineSetup, KeyPlayersAndLineUpSlots) {
    EngineLeague el(1);
    clsGame g(el.league);
    g.StartGame(1, 2, false, 1, "Regular");
    g.Loadteams();
    EXPECT_EQ(g.HomeKeyPlayer(1), el.league.team(1).keyplayer1);
    EXPECT_EQ(g.AwayKeyPlayer(3), el.league.team(2).keyplayer3);
    EXPECT_EQ(g.HomeKeyPlayer(0), 0);
    EXPECT_EQ(g.HomeKeyPlayer(4), 0);
    g.HomeKeyPlayerTwo(9);
    EXPECT_EQ(g.HomeKeyPlayer(2), 9);

    g.CurrentPosition(0);
    EXPECT_EQ(g.HomeLineUp(), 0);
    g.HomeLineUp(3);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_NE(g.HomeOnCourt(slot), 3);
    g.CurrentPosition(1);
    g.HomeLineUp(3);
    EXPECT_EQ(g.HomeLineUp(), 3);
    EXPECT_EQ(g.HomeOnCourt(1), 3);
}

struct Adjustments {
    int minHome = 99, maxHome = -99, minAway = 99, maxAway = -99;
    double sumHome = 0, sumAway = 0;
    int n = 0;
};

Adjustments DrawAdjustments(bool neutral, int seasonDay, const char* type, int homeBracket = 0,
                            int awayBracket = 0) {
    Adjustments a;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        EngineLeague el(seed);
        el.league.state.SeasonDay = static_cast<int16_t>(seasonDay);
        el.league.team(1).PlayoffBracket() = static_cast<int16_t>(homeBracket);
        el.league.team(2).PlayoffBracket() = static_cast<int16_t>(awayBracket);
        clsGame g(el.league);
        g.StartGame(1, 2, false, 1, type, neutral);
        g.Loadteams();
        for (int period = 0; period < 4; ++period) {
            g.StartQuarter(720);
            const int h = g.HomeQuarterAdjustment(), w = g.AwayQuarterAdjustment();
            a.minHome = std::min(a.minHome, h), a.maxHome = std::max(a.maxHome, h);
            a.minAway = std::min(a.minAway, w), a.maxAway = std::max(a.maxAway, w);
            a.sumHome += h, a.sumAway += w, ++a.n;
            GameTestAccess::SetClock(g, 0, 0);
            g.EndQuarter();
        }
    }
    return a;
}

// Each period draws an adjustment per side: the same range for both on a neutral court, more for the
// home side at home, by the playoff bracket in the playoffs.
TEST(EngineSetup, PeriodAdjustmentsByCourtAndBracket) {
    const Adjustments neutral = DrawAdjustments(true, 10, "Regular");
    EXPECT_EQ(std::tie(neutral.minHome, neutral.maxHome, neutral.minAway, neutral.maxAway),
              std::make_tuple(-2, 3, -2, 3));
    EXPECT_NEAR(neutral.sumHome / neutral.n, neutral.sumAway / neutral.n, 0.35);

    const Adjustments home = DrawAdjustments(false, 10, "Regular");
    EXPECT_EQ(std::tie(home.minHome, home.maxHome, home.minAway, home.maxAway),
              std::make_tuple(-2, 4, -2, 2));
    EXPECT_GT(home.sumHome / home.n, home.sumAway / home.n + 0.5);

    const Adjustments top = DrawAdjustments(false, 130, "Playoff", 1, 8);
    EXPECT_GE(top.minHome, 2); // nearest(3r + 2)
    EXPECT_LE(top.maxHome, 5);
    EXPECT_GE(top.minAway, 0); // nearest(3r)
    EXPECT_LE(top.maxAway, 3);
    const Adjustments low = DrawAdjustments(false, 130, "Playoff", 4, 1);
    EXPECT_LT(low.sumHome / low.n, top.sumHome / top.n);
    EXPECT_GT(low.sumAway / low.n, top.sumAway / top.n);
}

TEST(EngineSetup, AbandonedGameGivesTheRatingsBack) {
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

// The computer's own line-ups work with the engine: a small league of teams set up by SetLineup.
TEST(EngineSetup, ComputerLineUpsPlayWholeGames) {
    EngineLeague el(21, 6);
    for (int t = 1; t <= 6; ++t)
        SetLineup(el.league, t);
    for (int home = 1; home <= 6; ++home) {
        const int away = home % 6 + 1;
        clsGame g(el.league);
        g.StartGame(static_cast<int16_t>(home), static_cast<int16_t>(away), false, 1, "Regular");
        g.Loadteams();
        while (g.quarter() <= 4 || g.HomeScore() == g.AwayScore()) {
            if (g.quarter() >= 5) g.GetSubs();
            g.StartQuarter(g.quarter() <= 4 ? 720 : 300);
            while (g.TimeRemaining() > 0 || g.FreeThrowShooter() != 0)
                g.RunPlay();
            g.EndQuarter();
        }
        EXPECT_NE(g.HomeScore(), g.AwayScore());
        EXPECT_GT(g.HomeScore() + g.AwayScore(), 100);
    }
}

} // namespace
} // namespace hv
