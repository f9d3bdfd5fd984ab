// Whole seeded games: every game keeps the invariants of the shared harness, and together they look like
// basketball.
#include <gtest/gtest.h>

#include "support/seeded_games.h"

namespace hv {
namespace {

using test::SeededGame;

// Thirty games, and more until one has gone to overtime (about one game in forty does; seed 114 does).
TEST(EngineGame, SeededGamesKeepEveryInvariant) {
    unsigned games = 0;
    int overtimeGames = 0, points = 0, fg = 0, fga = 0, ft = 0, fta = 0;
    for (unsigned seed = 101; (seed <= 130 || overtimeGames == 0) && seed <= 500; ++seed, ++games) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        SeededGame s(seed);
        s.Play();
        test::ExpectGameInvariants(s);
        overtimeGames += s.game.PeriodsPlayed() > 4;
        points += s.game.HomeScore() + s.game.AwayScore();
        for (int16_t id : s.Dressed()) {
            const PlayerGameState& g = s.el.league.player(id).Game;
            fg += g.FG, fga += g.FGA, ft += g.FT, fta += g.FTA;
        }
    }
    EXPECT_GT(overtimeGames, 0) << "the seeds must include an overtime game";
    EXPECT_NEAR(points / (2.0 * games), 100, 30);
    EXPECT_NEAR(double(fg) / fga, 0.45, 0.07);
    EXPECT_NEAR(double(ft) / fta, 0.72, 0.12);
}

// The play-by-play takes no random numbers of its own: a game plays the same with or without it.
TEST(EngineGame, PlayByPlayChangesNothingInTheGame) {
    SeededGame with(11, true), without(11, false);
    with.Play();
    without.Play();
    test::ExpectGameInvariants(without);
    EXPECT_EQ(with.game.HomeScore(), without.game.HomeScore());
    EXPECT_EQ(with.game.AwayScore(), without.game.AwayScore());
    EXPECT_TRUE(without.game.PlayByPlay().empty());
}

} // namespace
} // namespace hv
