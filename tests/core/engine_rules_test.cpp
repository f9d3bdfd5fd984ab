// Single situations of a game: the shot clock, the late three, timeouts on a run, traps, the penalty, the
// clock, timeouts and energy, substitutions for fouls and injuries, passes and free throws.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/engine_test_access.h"
#include "core/engine_test_support.h"

namespace hv {
namespace {

using A = GameTestAccess;
using test::EngineLeague;

constexpr int kHome = A::kHome;
constexpr int kAway = A::kAway;

// A game loaded and in its first period, with play-by-play.
struct Running {
    EngineLeague el;
    clsGame g;
    explicit Running(unsigned seed, const std::string& type = "Regular") : el(seed), g(el.league) {
        g.StartGame(1, 2, true, 1, type);
        g.Loadteams();
        g.StartQuarter(720);
    }
    Player& home(int slot) { return el.league.player(g.HomeOnCourt(slot)); }
    // Lines added since `from`.
    std::vector<std::string> LinesFrom(size_t from) const {
        return {g.PlayByPlay().begin() + static_cast<long>(from), g.PlayByPlay().end()};
    }
    bool AnyLineHas(size_t from, const std::string& text) const {
        auto lines = LinesFrom(from);
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(text) != l.npos; });
    }
};

TEST(EngineRules, UnderTheShotClockAWingPlayerAlwaysShoots) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        Running r(seed);
        A::SetBall(r.g, kHome, 3);
        A::SetZone(r.g, kHome, 3, 6);
        A::SetClock(r.g, 300, 295);
        const size_t from = r.g.PlayByPlay().size();
        A::ChooseAndPlay(r.g);
        EXPECT_TRUE(r.AnyLineHas(from, " shoots ")) << "seed " << seed;
    }
}

TEST(EngineRules, InTheBackcourtTheShotClockForcesNoShot) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        Running r(seed);
        A::SetBall(r.g, kHome, 5);
        A::SetZone(r.g, kHome, 5, 1);
        A::SetClock(r.g, 300, 295);
        const int16_t fga = r.home(5).Game.FGA;
        const size_t from = r.g.PlayByPlay().size();
        A::ChooseAndPlay(r.g);
        EXPECT_FALSE(r.AnyLineHas(from, " shoots ")) << "seed " << seed;
        EXPECT_EQ(r.home(5).Game.FGA, fga);
    }
}

TEST(EngineRules, TrailingByThreeAtTheEndAShooterOnAWingTriesAThree) {
    int twosWhenDownByTwo = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        for (int deficit : {3, 2}) {
            Running r(seed);
            A::SetQuarter(r.g, 4);
            A::SetScore(r.g, 80, 80 + deficit);
            A::SetBall(r.g, kHome, 3);
            A::SetZone(r.g, kHome, 3, 6);
            A::SetClock(r.g, 5, 0);
            r.home(3).ThreePointShot = 31;
            const size_t from = r.g.PlayByPlay().size();
            A::ChooseAndPlay(r.g);
            if (deficit == 3)
                EXPECT_TRUE(r.AnyLineHas(from, " shoots a three-pointer from the left wing."));
            else
                twosWhenDownByTwo += r.AnyLineHas(from, " shoots from the left wing.");
        }
    }
    EXPECT_GT(twosWhenDownByTwo, 100); // without the rule a shooter of 31 mostly takes the two
}

TEST(EngineRules, ARunOfSixBringsATimeoutOfTheSideWithTheBall) {
    Running r(5);
    A::SetRun(r.g, 4);
    A::AddScore(r.g, kHome, 2);
    EXPECT_EQ(r.g.ScoringRun(), 6);
    A::SetBall(r.g, kHome, 5);
    const size_t from = r.g.PlayByPlay().size();
    r.g.RunPlay();
    EXPECT_EQ(r.g.HomeTimeOuts(), 6);
    EXPECT_EQ(r.g.ScoringRun(), 0);
    EXPECT_TRUE(r.AnyLineHas(from, "The Hawks call a timeout."));
    EXPECT_TRUE(r.g.IsDeadBall());
}

TEST(EngineRules, ACoachedSideOnARunCallsNoTimeoutByItself) {
    Running r(5);
    r.g.HomeCoach(true);
    A::SetRun(r.g, 6);
    A::SetBall(r.g, kHome, 5);
    r.g.RunPlay();
    EXPECT_EQ(r.g.HomeTimeOuts(), 7);
}

TEST(EngineRules, AScoreByTheOtherSideRestartsTheRun) {
    Running r(5);
    A::SetRun(r.g, 4);
    A::AddScore(r.g, kAway, 3);
    EXPECT_EQ(r.g.ScoringRun(), -3);
    A::AddScore(r.g, kAway, 1);
    EXPECT_EQ(r.g.ScoringRun(), -4);
    A::AddScore(r.g, kHome, 2);
    EXPECT_EQ(r.g.ScoringRun(), 2);
}

double TrapShare(int setting) {
    Running r(9);
    A::SetBall(r.g, kHome, 5);
    A::SetTrapSetting(r.g, kAway, setting);
    int traps = 0;
    constexpr int kDraws = 40000;
    for (int i = 0; i < kDraws; ++i) {
        A::ClearTrap(r.g);
        A::DecideTrap(r.g);
        traps += A::Trap(r.g);
    }
    return traps / double(kDraws);
}

TEST(EngineRules, ATrapSettingOfZeroStillTrapsOneActionInTwenty) {
    EXPECT_NEAR(TrapShare(0), 0.05, 0.006);
    EXPECT_NEAR(TrapShare(50), 0.25, 0.012);
    EXPECT_NEAR(TrapShare(100), 0.45, 0.012);
}

// The scorers' trap after a basket takes its draw even when the action had already set the trap flag.
TEST(EngineRules, TheTrapAfterAScoreAlwaysTakesItsDraw) {
    for (int setting : {25, 50, 75}) {
        std::array<double, 2> next{};
        for (int preset = 0; preset < 2; ++preset) {
            Running r(14);
            A::SetBall(r.g, kHome, 3);
            A::SetTrapSetting(r.g, kHome, setting);
            if (preset == 1) A::SetTrap(r.g);
            A::AfterScore(r.g, kHome);
            next[preset] = r.el.league.rng.Uniform();
        }
        EXPECT_EQ(next[0], next[1]) << "trap setting " << setting;
    }
}

TEST(EngineRules, TheFifthTeamFoulPutsTheOpponentInThePenalty) {
    Running r(2);
    A::SetBall(r.g, kHome, 4);
    A::SetTeamFouls(r.g, kAway, 3);
    A::NonShootingFoul(r.g, 4);
    EXPECT_EQ(r.g.AwayFouls(), 4);
    EXPECT_EQ(A::FreeThrowsPending(r.g), 0);

    const size_t from = r.g.PlayByPlay().size();
    A::NonShootingFoul(r.g, 4);
    EXPECT_EQ(r.g.AwayFouls(), 5);
    EXPECT_EQ(A::FreeThrowsPending(r.g), 2);
    EXPECT_EQ(r.g.FreeThrowShooter(), r.g.HomeOnCourt(4));
    EXPECT_TRUE(r.AnyLineHas(from, "The Bulls are in the penalty."));
    EXPECT_TRUE(r.AnyLineHas(from, " will shoot two free throws."));
    EXPECT_EQ(r.el.league.player(r.g.AwayOnCourt(4)).Game.Fouls, 2);
}

TEST(EngineRules, AnActionNeverTakesMoreThanTheTimeLeft) {
    Running r(3);
    const int16_t seconds = r.home(1).Game.Seconds;
    A::SetClock(r.g, 2, 0);
    A::ClockStep(r.g, 4);
    EXPECT_EQ(r.g.TimeRemaining(), 0);
    EXPECT_EQ(r.home(1).Game.Seconds, seconds + 2);
    EXPECT_EQ(r.home(1).Game.SecondsAt[1], seconds + 2);
}

TEST(EngineRules, PlayersTireOnTheCourtAndRestOnTheBench) {
    Running r(3);
    for (int16_t id : r.g.HomeRoster())
        if (id != 0) r.el.league.player(id).STAMINA = 600;
    int16_t bench = 0;
    for (int16_t id : r.g.HomeRoster()) {
        bool onCourt = false;
        for (int slot = 1; slot <= 5; ++slot)
            onCourt = onCourt || r.g.HomeOnCourt(slot) == id;
        if (id != 0 && !onCourt) bench = id;
    }
    ASSERT_NE(bench, 0);
    A::ClockStep(r.g, 10);
    // 0.85 per second on the court (591.5 rounds to the even 592), 0.5 per second back for everybody.
    EXPECT_EQ(r.home(1).STAMINA, 597);
    EXPECT_EQ(r.el.league.player(bench).STAMINA, 605);
}

TEST(EngineRules, ATimeoutGivesEveryDressedPlayerFiftyEnergy) {
    Running r(4);
    for (int16_t id : r.g.HomeRoster())
        if (id != 0) r.el.league.player(id).STAMINA = 500;
    const int16_t fresh = r.g.HomeOnCourt(2);
    r.el.league.player(fresh).STAMINA = 980;
    const int16_t awayPlayer = r.g.AwayOnCourt(3);
    r.el.league.player(awayPlayer).STAMINA = 700;
    r.g.RunTimeOut("Home");
    EXPECT_EQ(r.g.HomeTimeOuts(), 6);
    EXPECT_EQ(r.el.league.player(fresh).STAMINA, 1000);
    EXPECT_EQ(r.el.league.player(awayPlayer).STAMINA, 750);
    for (int16_t id : r.g.HomeRoster()) {
        if (id != 0 && id != fresh) {
            EXPECT_EQ(r.el.league.player(id).STAMINA, 550);
        }
    }
}

TEST(EngineRules, NoTimeoutLeftMeansNoTimeout) {
    Running r(4);
    for (int i = 0; i < 7; ++i)
        r.g.RunTimeOut("Away");
    EXPECT_EQ(r.g.AwayTimeOuts(), 0);
    const size_t lines = r.g.PlayByPlay().size();
    r.g.RunTimeOut("Away");
    EXPECT_EQ(r.g.AwayTimeOuts(), 0);
    EXPECT_EQ(r.g.PlayByPlay().size(), lines);
    r.g.RunTimeOut("Nobody");
    EXPECT_EQ(r.g.HomeTimeOuts(), 7);
}

TEST(EngineRules, TimeoutsPerPeriod) {
    EngineLeague el(6);
    clsGame g(el.league);
    g.StartGame(1, 2, false, 1, "Regular");
    g.Loadteams();
    for (int q = 1; q <= 4; ++q) {
        g.StartQuarter(720);
        if (q == 1) {
            EXPECT_EQ(g.HomeTimeOuts(), 7);
            EXPECT_EQ(g.AwayTimeOuts(), 7);
        }
        if (q == 4) {
            EXPECT_LE(g.HomeTimeOuts(), 4);
            EXPECT_LE(g.AwayTimeOuts(), 4);
        }
        while (g.TimeRemaining() > 0 || g.FreeThrowShooter() != 0)
            g.RunPlay();
        if (q == 4) A::SetScore(g, 100, 100);
        g.EndQuarter();
    }
    ASSERT_EQ(g.quarter(), 5);
    g.GetSubs();
    g.StartQuarter(300);
    EXPECT_EQ(g.HomeTimeOuts(), 3);
    EXPECT_EQ(g.AwayTimeOuts(), 3);
}

TEST(EngineRules, FouledOutAndInjuredPlayersLeaveAtTheNextStoppage) {
    Running r(8);
    const int16_t center = r.g.HomeOnCourt(1);
    const int16_t guard = r.g.HomeOnCourt(5);
    r.el.league.player(center).Game.Fouls = 6;
    r.el.league.player(guard).TimeInjured = 4;
    r.g.GetSubs();
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_NE(r.g.HomeOnCourt(slot), center);
        EXPECT_NE(r.g.HomeOnCourt(slot), guard);
    }
}

TEST(EngineRules, FoulTroubleSitsAPlayerForTheRestOfThePeriodOnly) {
    Running r(8);
    const int16_t forward = r.g.HomeOnCourt(3);
    r.el.league.player(forward).Game.Fouls = 2;
    r.g.GetSubs();
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_NE(r.g.HomeOnCourt(slot), forward);

    // In the 4th quarter, in a segment where he is planned, he plays again.
    A::SetQuarter(r.g, 4);
    r.el.league.player(forward).STAMINA = 1000;
    const int segment = r.g.HomePlanned(3, 10) == forward ? 10 : 11;
    ASSERT_EQ(r.g.HomePlanned(3, segment), forward);
    A::SetClock(r.g, segment == 10 ? 600 : 400, 0);
    r.g.GetSubs();
    EXPECT_EQ(r.g.HomeOnCourt(3), forward);
}

TEST(EngineRules, RestThresholdOfAnOldStar) {
    Running r(8);
    Player p = r.home(1);
    p.Age = 36;
    p.CurrentRating = 80;
    EXPECT_DOUBLE_EQ(A::RestThreshold(r.g, p), 0.7);
    p.Age = 25;
    p.CurrentRating = 45;
    EXPECT_DOUBLE_EQ(A::RestThreshold(r.g, p), 0.84);
    p.Age = 37;
    EXPECT_DOUBLE_EQ(A::RestThreshold(r.g, p), 0.9);
}

// The rest threshold holds for every way onto the court: a tired player planned for the segment is not put
// back in by the depth chart's walk either, while a fresh one is.
TEST(EngineRules, AnOldStarBelowHisRestThresholdIsNotPutIn) {
    for (int energy : {690, 700}) {
        Running r(8);
        const int16_t star = r.g.HomeOnCourt(1);
        ASSERT_EQ(r.g.HomePlanned(1, 1), star);
        Player& p = r.el.league.player(star);
        p.Age = 36;
        p.CurrentRating = 80;
        p.STAMINA = static_cast<int16_t>(energy);
        r.g.GetSubs();
        bool playing = false;
        for (int slot = 1; slot <= 5; ++slot)
            playing = playing || r.g.HomeOnCourt(slot) == star;
        EXPECT_EQ(playing, energy >= 700) << "energy " << energy;
    }
}

// When everybody on the bench is too tired, a tired player stays where he stands, but a fouled-out one still
// makes way for an eligible team-mate.
TEST(EngineRules, AFouledOutPlayerLeavesEvenWhenTheBenchIsTired) {
    Running r(8);
    std::array<int16_t, 6> before{};
    for (int slot = 1; slot <= 5; ++slot)
        before[slot] = r.g.HomeOnCourt(slot);
    for (int16_t id : r.g.HomeRoster())
        if (id != 0) r.el.league.player(id).STAMINA = 100;
    const int16_t center = before[1];
    r.el.league.player(center).Game.Fouls = 6;
    r.g.GetSubs();
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_NE(r.g.HomeOnCourt(slot), center);
        EXPECT_LE(r.el.league.player(r.g.HomeOnCourt(slot)).Game.Fouls, 5);
    }
    for (int slot = 2; slot <= 5; ++slot)
        EXPECT_EQ(r.g.HomeOnCourt(slot), before[slot]) << "tired players stay where they stand";
}

TEST(EngineRules, TheFreeThrowShooterStaysOnTheCourt) {
    Running r(12);
    A::SetBall(r.g, kHome, 2);
    const int16_t shooter = r.g.HomeOnCourt(2);
    r.el.league.player(shooter).TimeInjured = 3; // would have to leave otherwise
    A::AwardFreeThrows(r.g, 2);
    r.g.GetSubs();
    EXPECT_EQ(r.g.HomeOnCourt(2), shooter);
}

TEST(EngineRules, ThreeFreeThrowsAreAnnouncedAsThree) {
    Running r(13);
    A::SetBall(r.g, kHome, 4);
    const int16_t fta = r.home(4).Game.FTA;
    A::AwardFreeThrows(r.g, 3);
    const size_t from = r.g.PlayByPlay().size();
    A::FreeThrows(r.g);
    const auto lines = r.LinesFrom(from);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines[0].find("three") != std::string::npos) << lines[0];
    EXPECT_EQ(r.home(4).Game.FTA, fta + 3);
    EXPECT_TRUE(r.AnyLineHas(from, "The third free throw is"));
    EXPECT_EQ(A::FreeThrowsPending(r.g), 0);
}

TEST(EngineRules, NobodyToPassToPastTheTimeline) {
    Running r(14);
    A::SetAllZones(r.g, 1);
    A::SetBall(r.g, kHome, 5);
    A::SetZone(r.g, kHome, 5, 2);
    const int16_t turnovers = r.home(5).Game.Turnovers;
    const size_t from = r.g.PlayByPlay().size();
    A::Pass(r.g);
    const auto lines = r.LinesFrom(from);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], r.home(5).Name + " is looking to pass but nobody is available.");
    EXPECT_EQ(r.home(5).Game.Turnovers, turnovers);
    EXPECT_EQ(A::BallHandler(r.g), 5);
}

TEST(EngineRules, InTheBackcourtTeamMatesThereCanReceive) {
    int passes = 0;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        Running r(seed);
        A::SetAllZones(r.g, 1);
        A::SetBall(r.g, kHome, 5);
        const size_t from = r.g.PlayByPlay().size();
        A::Pass(r.g);
        passes += r.AnyLineHas(from, " passes the ball to ");
        EXPECT_FALSE(r.AnyLineHas(from, "nobody is available"));
    }
    EXPECT_GT(passes, 40);
}

TEST(EngineRules, AnyShotWithoutAGoodPassIsRare) {
    // Right after the weights are drawn the pass openness is back at 0, so the next action shoots less.
    int shotsAfterOpenPass = 0, shotsOtherwise = 0;
    for (unsigned seed = 1; seed <= 300; ++seed)
        for (double openness : {1.0, 0.0}) {
            Running r(seed);
            A::SetBall(r.g, kHome, 3);
            A::SetZone(r.g, kHome, 3, 3);
            A::SetClock(r.g, 600, 500);
            A::SetPassOpenness(r.g, openness);
            const size_t from = r.g.PlayByPlay().size();
            A::ChooseAndPlay(r.g);
            const bool shot = r.AnyLineHas(from, " shoots from the inside.");
            (openness > 0 ? shotsAfterOpenPass : shotsOtherwise) += shot;
        }
    EXPECT_GT(shotsAfterOpenPass, 2 * shotsOtherwise);
}

TEST(EngineRules, ReboundsGoToAPlayerWhereTheBallComesDown) {
    for (unsigned seed = 1; seed <= 100; ++seed) {
        Running r(seed);
        A::SetBall(r.g, kHome, 3);
        int before = 0;
        for (int slot = 1; slot <= 5; ++slot)
            before += r.home(slot).Game.Rebounds + r.el.league.player(r.g.AwayOnCourt(slot)).Game.Rebounds;
        const size_t from = r.g.PlayByPlay().size();
        A::Rebound(r.g, 3);
        int after = 0;
        for (int slot = 1; slot <= 5; ++slot)
            after += r.home(slot).Game.Rebounds + r.el.league.player(r.g.AwayOnCourt(slot)).Game.Rebounds;
        if (r.g.IsDeadBall()) continue; // play stopped by an injury
        EXPECT_EQ(after, before + 1);
        EXPECT_TRUE(r.AnyLineHas(from, ") gets the rebound."));
    }
}

TEST(EngineRules, ABlockedShotIsAnAttemptAndTheBallIsLoose) {
    int blocks = 0;
    for (unsigned seed = 1; seed <= 100; ++seed) {
        Running r(seed);
        A::SetBall(r.g, kHome, 1);
        A::SetAllZones(r.g, 3);
        for (int slot = 1; slot <= 5; ++slot)
            r.el.league.player(r.g.AwayOnCourt(slot)).ShotBlocking = 100;
        const int16_t fga = r.home(1).Game.FGA;
        const size_t from = r.g.PlayByPlay().size();
        A::Shot(r.g);
        if (!r.AnyLineHas(from, "The shot is blocked by ")) continue;
        ++blocks;
        EXPECT_EQ(r.home(1).Game.FGA, fga + 1);
        EXPECT_TRUE(r.AnyLineHas(from, ") gets the rebound.") || r.g.IsDeadBall());
    }
    EXPECT_GT(blocks, 50); // five shot blockers of 100 in his zone: about seven shots in ten
}

TEST(EngineRules, OffBallMovementFollowsThePositionTables) {
    // From the Backcourt a C goes to the top up to 0.5, a guard may stay back up to 0.3.
    EXPECT_EQ(A::NextZone(1, 1, 1, 0.5), 2);
    EXPECT_EQ(A::NextZone(1, 1, 1, 0.51), 6);
    EXPECT_EQ(A::NextZone(5, 1, 0, 0.3), 1);
    EXPECT_EQ(A::NextZone(5, 1, 2, 0.9), 7);
    // Inside, an "Inside" C: top, right baseline, left baseline, left wing, right wing.
    EXPECT_EQ(A::NextZone(1, 3, 0, 0.16), 2);
    EXPECT_EQ(A::NextZone(1, 3, 0, 0.5), 5);
    EXPECT_EQ(A::NextZone(1, 3, 0, 0.9), 4);
    EXPECT_EQ(A::NextZone(1, 3, 0, 0.95), 6);
    EXPECT_EQ(A::NextZone(1, 3, 0, 0.96), 7);
    // Left baseline, "Inside" SF: he stays up to 0.85 (the right baseline row says 0.75).
    EXPECT_EQ(A::NextZone(3, 4, 0, 0.8), 4);
    EXPECT_EQ(A::NextZone(3, 5, 0, 0.8), 7);
    // Right wing, "Inside" PG: the right baseline only up to 0.85.
    EXPECT_EQ(A::NextZone(5, 7, 0, 0.9), 7);
    EXPECT_EQ(A::NextZone(4, 7, 0, 0.9), 5);
    // Top of the key, "Outside" SG.
    EXPECT_EQ(A::NextZone(4, 2, 2, 0.45), 3);
    EXPECT_EQ(A::NextZone(4, 2, 2, 0.7), 6);
    EXPECT_EQ(A::NextZone(4, 2, 2, 0.73), 7);
}

} // namespace
} // namespace hv
