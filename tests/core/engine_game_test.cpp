// Whole games played step by step, as the coached-game screen drives the engine, over many seeds: the
// score, the statistics, the clock, energy and substitutions must add up in every one of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "core/engine_test_support.h"
#include "engine/box_score_files.h"
#include "support/temp_home.h"

namespace hv {
namespace {

using test::AdjustedRatings;
using test::EngineLeague;

struct GameChecks {
    int deadBallChecks = 0;
    int periods = 0;
};

std::vector<int16_t> Dressed(const clsGame& g) {
    std::vector<int16_t> ids;
    for (int16_t id : g.HomeRoster())
        if (id != 0) ids.push_back(id);
    for (int16_t id : g.AwayRoster())
        if (id != 0) ids.push_back(id);
    return ids;
}

void ExpectCourtClean(const clsGame& g, const League& league) {
    for (bool home : {true, false}) {
        std::set<int16_t> seen;
        for (int slot = 1; slot <= 5; ++slot) {
            const int16_t id = home ? g.HomeOnCourt(slot) : g.AwayOnCourt(slot);
            ASSERT_NE(id, 0);
            EXPECT_TRUE(seen.insert(id).second) << "player " << id << " at two slots";
            EXPECT_LT(league.player(id).Game.Fouls, 6) << "fouled-out player on the court";
            EXPECT_LE(league.player(id).TimeInjured, 0) << "injured player on the court";
        }
    }
}

// Plays a whole game the way the coached-game screen does, checking as it goes.
GameChecks PlayStepwise(clsGame& g, League& league) {
    GameChecks checks;
    g.Loadteams();
    g.ProcessStarters();
    ExpectCourtClean(g, league);
    while (g.quarter() <= 4 || g.HomeScore() == g.AwayScore()) {
        if (g.quarter() >= 5) g.GetSubs();
        std::map<int16_t, std::array<int16_t, 15>> before;
        for (int16_t id : Dressed(g))
            before[id] = AdjustedRatings(league.player(id));
        const int16_t length = g.quarter() <= 4 ? 720 : 300;
        g.StartQuarter(length);
        EXPECT_EQ(g.TimeRemaining() <= length, true);
        int plays = 0;
        while (g.TimeRemaining() > 0 || g.FreeThrowShooter() != 0) {
            g.RunPlay();
            ++plays;
            EXPECT_GE(g.TimeRemaining(), 0);
            for (int16_t id : Dressed(g)) {
                EXPECT_GE(league.player(id).STAMINA, 0);
                EXPECT_LE(league.player(id).STAMINA, 1000);
            }
            if (g.IsDeadBall()) {
                ExpectCourtClean(g, league);
                ++checks.deadBallChecks;
            }
            if (plays > 2000) {
                ADD_FAILURE() << "period does not end";
                return checks;
            }
        }
        const int ended = g.quarter();
        g.EndQuarter();
        ++checks.periods;
        if (ended != 4) ExpectCourtClean(g, league);
        for (const auto& [id, ratings] : before)
            EXPECT_EQ(AdjustedRatings(league.player(id)), ratings) << "ratings of " << id << " not restored";
        if (checks.periods > 30) {
            ADD_FAILURE() << "game does not end";
            break;
        }
    }
    return checks;
}

void ExpectStatisticsAddUp(const clsGame& g, const League& league, int periods) {
    const int gameSeconds = 4 * 720 + (periods - 4) * 300;
    for (bool home : {true, false}) {
        const auto& roster = home ? g.HomeRoster() : g.AwayRoster();
        const int score = home ? g.HomeScore() : g.AwayScore();
        int points = 0, seconds = 0, quarterSum = 0;
        for (int q = 1; q <= 4; ++q) {
            const int qs = home ? g.HomeQuarterScore(q) : g.AwayQuarterScore(q);
            EXPECT_GE(qs, 0);
            quarterSum += qs;
        }
        if (periods == 4)
            EXPECT_EQ(quarterSum, score);
        else
            EXPECT_LE(quarterSum, score);
        for (int16_t id : roster) {
            if (id == 0) continue;
            const PlayerGameState& s = league.player(id).Game;
            EXPECT_EQ(s.Points, 2 * s.FG + s.ThreeP + s.FT) << "player " << id;
            EXPECT_LE(s.FG, s.FGA);
            EXPECT_LE(s.ThreeP, s.ThreePA);
            EXPECT_LE(s.FT, s.FTA);
            EXPECT_LE(s.ThreeP, s.FG);
            EXPECT_LE(s.ThreePA, s.FGA);
            EXPECT_LE(s.Fouls, 6);
            int atSlots = 0;
            for (int slot = 1; slot <= 5; ++slot)
                atSlots += s.SecondsAt[slot];
            EXPECT_EQ(atSlots, s.Seconds);
            points += s.Points;
            seconds += s.Seconds;
        }
        EXPECT_EQ(points, score);
        EXPECT_EQ(seconds, 5 * gameSeconds);
    }
}

TEST(EngineGame, ManySeededGamesAddUp) {
    int overtimeGames = 0, totalPoints = 0;
    constexpr int kGames = 150;
    for (unsigned seed = 1; seed <= kGames; ++seed) {
        EngineLeague el(seed);
        clsGame g(el.league);
        g.StartGame(1, 2, seed % 5 == 0, static_cast<int16_t>(seed), "Regular");
        const GameChecks checks = PlayStepwise(g, el.league);
        ASSERT_FALSE(HasFailure()) << "seed " << seed;
        EXPECT_NE(g.HomeScore(), g.AwayScore());
        EXPECT_EQ(checks.periods, g.PeriodsPlayed());
        ExpectStatisticsAddUp(g, el.league, checks.periods);
        ASSERT_FALSE(HasFailure()) << "seed " << seed;
        overtimeGames += checks.periods > 4;
        totalPoints += g.HomeScore() + g.AwayScore();
    }
    // Plausible basketball: scores of a real game, and overtime now and then but not usually.
    const double average = totalPoints / (2.0 * kGames);
    EXPECT_GT(average, 60);
    EXPECT_LT(average, 160);
    EXPECT_LT(overtimeGames, kGames / 4);
}

// The possession counts equal the changes of the side with the ball seen from outside (plus the ball at
// each period's start), so an offensive rebound or a foul that keeps the ball never counts as a new one.
TEST(EngineGame, PossessionsCountEveryGainOfTheBall) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        EngineLeague el(seed);
        clsGame g(el.league);
        g.StartGame(1, 2, false, 1, "Regular");
        g.Loadteams();
        std::array<int, 2> seen{};
        while (g.quarter() <= 4 || g.HomeScore() == g.AwayScore()) {
            if (g.quarter() >= 5) g.GetSubs();
            g.StartQuarter(g.quarter() <= 4 ? 720 : 300);
            std::string side = g.Possession();
            ++seen[side == "Home" ? 0 : 1];
            while (g.TimeRemaining() > 0 || g.FreeThrowShooter() != 0) {
                g.RunPlay();
                if (g.Possession() != side) {
                    side = g.Possession();
                    ++seen[side == "Home" ? 0 : 1];
                }
            }
            g.EndQuarter();
        }
        EXPECT_EQ(g.HomePossessions(), seen[0]) << "seed " << seed;
        EXPECT_EQ(g.AwayPossessions(), seen[1]) << "seed " << seed;
        EXPECT_LE(std::abs(g.HomePossessions() - g.AwayPossessions()), g.PeriodsPlayed());
    }
}

TEST(EngineGame, PlayByPlayHasNoRepeatedLines) {
    EngineLeague el(42);
    clsGame g(el.league);
    std::vector<std::string> announced;
    g.PlayGame_NewPbP = [&](const std::string& line) { announced.push_back(line); };
    g.StartGame(1, 2, true, 1, "Regular");
    PlayStepwise(g, el.league);
    const auto& lines = g.PlayByPlay();
    ASSERT_GT(lines.size(), 500u);
    EXPECT_EQ(announced, lines);
    for (size_t i = 1; i < lines.size(); ++i)
        if (lines[i] != clsGame::kBlankLine) {
            EXPECT_NE(lines[i], lines[i - 1]) << "line " << i;
        }
    EXPECT_EQ(lines[1], "Starting Lineups:");
}

TEST(EngineGame, NoPlayByPlayKeepsAnEmptyList) {
    EngineLeague el(3);
    clsGame g(el.league);
    int announced = 0;
    g.PlayGame_NewPbP = [&](const std::string&) { ++announced; };
    g.StartGame(1, 2, false, 1, "Regular");
    PlayStepwise(g, el.league);
    EXPECT_TRUE(g.PlayByPlay().empty());
    EXPECT_EQ(announced, 0);
}

TEST(EngineGame, SameSeedPlaysTheSameGameWithOrWithoutPlayByPlay) {
    std::array<std::pair<int, int>, 2> scores;
    for (int pbp = 0; pbp < 2; ++pbp) {
        EngineLeague el(11);
        clsGame g(el.league);
        g.StartGame(1, 2, pbp == 1, 1, "Regular");
        PlayStepwise(g, el.league);
        scores[pbp] = {g.HomeScore(), g.AwayScore()};
    }
    EXPECT_EQ(scores[0], scores[1]);
}

} // namespace
} // namespace hv

namespace hv {
namespace {

// The whole game in one call, output included: overtime periods are told in the play-by-play and shown in
// the box file, regulation ended tied, and the game never ends tied.
TEST(EngineGame, SimGamePlaysOvertimeUntilTheTieIsBroken) {
    test::TempHome home;
    int overtimeGames = 0;
    for (unsigned seed = 1; seed <= 600 && overtimeGames < 2; ++seed) {
        EngineLeague el(seed);
        el.league.programFolder = home.path();
        el.league.state.LeagueName = "Engine Test";
        clsGame g(el.league);
        g.StartGame(1, 2, true, static_cast<int16_t>(seed), "Regular");
        g.SimGame();
        EXPECT_NE(g.HomeScore(), g.AwayScore());
        const auto& lines = g.PlayByPlay();
        const auto count = [&](const std::string& text) {
            return std::count(lines.begin(), lines.end(), text);
        };
        const int overtimes = g.PeriodsPlayed() - 4;
        EXPECT_EQ(count("OT Period Over."), overtimes);
        EXPECT_EQ(count("Overtime:"), overtimes);
        EXPECT_EQ(count("Halftime."), 1);
        EXPECT_EQ(count("Quarter Over."), 3);
        overtimeGames += overtimes > 0;
        if (overtimes == 0) continue;
        std::optional<BoxScore> box = ReadBoxScoreFile(BoxFilePath(el.league, g.Finished()));
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->Home.Score(), g.HomeScore());
        EXPECT_EQ(box->Away.Score(), g.AwayScore());
        EXPECT_GT(box->Home.QuarterScores[4] + box->Away.QuarterScores[4], 0);
        EXPECT_EQ(box->Home.Score() - box->Home.QuarterScores[4],
                  box->Away.Score() - box->Away.QuarterScores[4]);
        const auto final = std::find(lines.begin(), lines.end(), "Final Score - " + g.Summary().FinalLine);
        ASSERT_GE(final - lines.begin(), 3);
        EXPECT_EQ((final - 3)->rfind("Quarter: OT  Time Remaining: 0:00", 0), 0u) << *(final - 3);
    }
    EXPECT_GT(overtimeGames, 0);
}

} // namespace
} // namespace hv
