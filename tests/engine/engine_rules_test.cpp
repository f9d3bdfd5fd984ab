// Rules of a game that leave no trace in its totals, each set up as a single situation.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/engine_test_access.h"
#include "support/engine_test_support.h"

namespace hv {
namespace {

using A = GameTestAccess;
constexpr int kHome = A::kHome;
constexpr int kAway = A::kAway;

// A game loaded and in its first period, with play-by-play.
struct Running {
    test::EngineLeague el;
    clsGame g;
    explicit Running(unsigned seed) : el(seed), g(el.league) {
        g.StartGame(1, 2, true, 1, "Regular");
        g.Loadteams();
        g.StartQuarter(720);
    }
    Player& Home(int slot) { return el.league.player(g.HomeOnCourt(slot)); }
    Player& Away(int slot) { return el.league.player(g.AwayOnCourt(slot)); }
    size_t Mark() const { return g.PlayByPlay().size(); }
    bool Told(size_t from, const std::string& text) const {
        return std::any_of(g.PlayByPlay().begin() + static_cast<long>(from), g.PlayByPlay().end(),
                           [&](const std::string& l) { return l.find(text) != std::string::npos; });
    }
};

// Under 6 seconds on the shot clock a player past the timeline shoots; in the Backcourt he never does.
TEST(EngineRules, TheShotClockForcesAShotExceptInTheBackcourt) {
    for (int zone : {6, 3, 1})
        for (unsigned seed = 1; seed <= 5; ++seed) {
            Running r(seed);
            A::SetBall(r.g, kHome, zone == 1 ? 5 : 3);
            A::SetZone(r.g, kHome, zone == 1 ? 5 : 3, zone);
            A::SetClock(r.g, 300, 295);
            const size_t from = r.Mark();
            A::ChooseAndPlay(r.g);
            EXPECT_EQ(r.Told(from, " shoots ") || r.Told(from, " attempts a "), zone != 1)
                << zone << " " << seed;
        }
}

// A missed or blocked shot restarts the shot clock whoever gets the rebound.
TEST(EngineRules, AMissRestartsTheShotClock) {
    std::set<std::string> rebounders;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        Running r(seed);
        A::SetBall(r.g, kHome, 1);
        A::SetAllZones(r.g, 3);
        A::SetClock(r.g, 300, 290);
        const size_t from = r.Mark();
        A::Shot(r.g);
        if (!r.Told(from, ") gets the rebound.")) continue; // made, fouled, or stopped by an injury
        rebounders.insert(r.g.Possession());
        EXPECT_EQ(A::ShotClockMark(r.g), 276) << "seed " << seed << ", " << r.g.Possession() << " rebound";
    }
    EXPECT_EQ(rebounders, (std::set<std::string>{"Away", "Home"}));
}

TEST(EngineRules, TheFifthTeamFoulPutsTheOpponentInThePenalty) {
    Running r(2);
    A::SetBall(r.g, kHome, 4);
    A::SetTeamFouls(r.g, kAway, 3);
    A::NonShootingFoul(r.g, 4);
    EXPECT_EQ(std::make_tuple(r.g.AwayFouls(), A::FreeThrowsPending(r.g)), std::make_tuple(4, 0));
    const size_t from = r.Mark();
    A::NonShootingFoul(r.g, 4);
    EXPECT_EQ(std::make_tuple(r.g.AwayFouls(), A::FreeThrowsPending(r.g)), std::make_tuple(5, 2));
    EXPECT_EQ(r.g.FreeThrowShooter(), r.g.HomeOnCourt(4));
    EXPECT_TRUE(r.Told(from, "The Bulls are in the penalty."));
    EXPECT_TRUE(r.Told(from, r.Home(4).Name + " will shoot two free throws."));
    EXPECT_EQ(r.Away(4).Game.Fouls, 2);
}

// The first period and every overtime open with a jump ball; the 2nd and 3rd quarters go to the side that
// lost it, the 4th to the side that won it, each to its PG.
TEST(EngineRules, JumpBallsOpenTheGameAndEveryOvertime) {
    Running r(7);
    const auto jump =
        std::find_if(r.g.PlayByPlay().begin(), r.g.PlayByPlay().end(), [](const std::string& l) {
            return l.find(" wins the Jump ball.") != std::string::npos;
        });
    ASSERT_NE(jump, r.g.PlayByPlay().end());
    const std::string winner = jump->rfind("Hawks(", 0) == 0 ? "Home" : "Away";
    const std::string loser = winner == "Home" ? "Away" : "Home";
    const std::pair<int, std::string> periods[] = {{2, loser}, {3, loser}, {4, winner}, {5, ""}, {7, ""}};
    for (const auto& [quarter, side] : periods) {
        A::SetClock(r.g, 0, 0);
        r.g.EndQuarter();
        A::SetQuarter(r.g, quarter);
        const size_t from = r.Mark();
        r.g.StartQuarter(quarter <= 4 ? 720 : 300);
        EXPECT_EQ(r.Told(from, " wins the Jump ball."), side.empty()) << "period " << quarter;
        if (!side.empty()) {
            EXPECT_EQ(std::make_tuple(r.g.Possession(), A::BallHandler(r.g)),
                      std::make_tuple(side, int16_t{5}));
        }
    }
}

TEST(EngineRules, ARunOfSixBringsATimeoutUnlessTheSideIsCoached) {
    for (bool coached : {false, true}) {
        Running r(5);
        r.g.HomeCoach(coached);
        A::SetRun(r.g, 4);
        A::AddScore(r.g, kAway, 3); // the other side's score restarts the run
        EXPECT_EQ(r.g.ScoringRun(), -3);
        A::AddScore(r.g, kHome, 2);
        A::AddScore(r.g, kHome, 4);
        EXPECT_EQ(r.g.ScoringRun(), 6);
        A::SetBall(r.g, kHome, 5);
        const size_t from = r.Mark();
        r.g.RunPlay();
        EXPECT_EQ(r.g.HomeTimeOuts(), coached ? 7 : 6);
        EXPECT_EQ(r.Told(from, "The Hawks call a timeout."), !coached);
    }
}

// 0.85 energy a second on the court, 0.5 back for everybody dressed; a timeout gives all of them 50; an
// action never takes more than the time left.
TEST(EngineRules, TheClockAndEnergy) {
    Running r(3);
    int16_t bench = 0;
    for (int16_t id : r.g.HomeRoster())
        if (id != 0)
            r.el.league.player(id).STAMINA = 600, bench = r.el.league.player(id).Game.CourtSlot ? bench : id;
    ASSERT_NE(bench, 0);
    A::ClockStep(r.g, 10);
    EXPECT_EQ(r.Home(1).STAMINA, 597); // 600 - 8.5 = 591.5 -> 592, then + 5
    EXPECT_EQ(r.el.league.player(bench).STAMINA, 605);
    Player& fresh = r.Home(2);
    Player& away = r.Away(3); // the timeout may bring on others
    fresh.STAMINA = 980;
    away.STAMINA = 700;
    r.g.RunTimeOut("Home");
    EXPECT_EQ(
        std::make_tuple(r.g.HomeTimeOuts(), fresh.STAMINA, away.STAMINA, r.el.league.player(bench).STAMINA),
        std::make_tuple(6, 1000, 750, 655));
    const int16_t seconds = r.Home(1).Game.Seconds;
    A::SetClock(r.g, 2, 0);
    A::ClockStep(r.g, 4);
    EXPECT_EQ(std::make_tuple(r.g.TimeRemaining(), r.Home(1).Game.Seconds), std::make_tuple(0, seconds + 2));
}

// The bench recovers step by step, each step's half second rounded to even on its own: 600 after steps of 3,
// 4 and 5 seconds is 602, 604, then 606; 999 after 3 seconds is 1000, as nobody passes 1000.
// Those steps are all there when the substitutions or the coach's screen look at the bench, however many
// steps came before.
TEST(EngineRules, TheBenchHasEveryStepsRecoveryWhenTheSubstitutionsLookAtIt) {
    Running r(4);
    std::vector<int16_t> bench;
    for (int16_t id : r.g.HomeRoster())
        if (id != 0 && r.el.league.player(id).Game.CourtSlot == 0) bench.push_back(id);
    ASSERT_GE(bench.size(), 3u);
    Player& tired = r.el.league.player(bench[0]);
    Player& nearlyRested = r.el.league.player(bench[1]);
    Player& odd = r.el.league.player(bench[2]);
    tired.STAMINA = 600, nearlyRested.STAMINA = 999, odd.STAMINA = 301;
    A::SetClock(r.g, 600, 590);
    for (int seconds : {3, 4, 5})
        A::ClockStepInPlay(r.g, seconds);
    r.g.SettleBenchEnergy();
    // 301 + 1 = 302 is even and stays, then + 2 and + 2.
    EXPECT_EQ(std::make_tuple(tired.STAMINA, nearlyRested.STAMINA, odd.STAMINA),
              std::make_tuple(606, 1000, 306));
    for (int step = 0; step < 70; ++step)
        A::ClockStepInPlay(r.g, 2);
    r.g.SettleBenchEnergy();
    EXPECT_EQ(odd.STAMINA, 376) << "70 steps of one whole point each, more than are ever kept at once";

    // An old star needs 700 to play in the first quarter: at 699 he sits; one second on the bench later he
    // has 700 and is back, though nothing has given the bench its recovery since he sat down.
    Running fresh(8);
    Player& star = fresh.Home(1);
    const int16_t starID = fresh.g.HomeOnCourt(1);
    star.Age = 36, star.CurrentRating = 80, star.STAMINA = 699;
    fresh.g.GetSubs();
    ASSERT_NE(fresh.g.HomeOnCourt(1), starID);
    A::SetClock(fresh.g, 600, 590);
    A::ClockStepInPlay(fresh.g, 2);
    fresh.g.GetSubs();
    EXPECT_EQ(fresh.g.HomeOnCourt(1), starID);
    EXPECT_EQ(star.STAMINA, 700) << "he comes on with the recovery he had on the bench";
}

// Worked thresholds: 0.6 x 0.75 + 0.25 = 0.7 for an old star, 0.6 x 1.4 = 0.84 for a weak young player, at
// most 0.9; an old star below his stays on the bench.
TEST(EngineRules, RestThresholdsAndAnOldStarBelowHisIsNotPutIn) {
    Running r(8);
    Player p = r.Home(1);
    const struct {
        int age, rating;
        double threshold;
    } cases[] = {{36, 80, 0.7},  {25, 45, 0.84}, {37, 45, 0.9},  {28, 50, 0.84}, {28, 51, 0.78},
                 {28, 56, 0.72}, {28, 61, 0.66}, {28, 66, 0.6},  {28, 71, 0.51}, {28, 76, 0.45},
                 {29, 66, 0.5},  {33, 66, 0.5},  {34, 66, 0.65}, {36, 66, 0.85}};
    for (const auto& c : cases) {
        p.Age = static_cast<int16_t>(c.age);
        p.CurrentRating = static_cast<int16_t>(c.rating);
        EXPECT_NEAR(A::RestThreshold(r.g, p), c.threshold, 1e-12) << c.age << " " << c.rating;
    }
    for (int energy : {699, 700}) {
        Running fresh(8);
        Player& s = fresh.Home(1);
        const int16_t star = fresh.g.HomeOnCourt(1);
        s.Age = 36, s.CurrentRating = 80, s.STAMINA = static_cast<int16_t>(energy);
        fresh.g.GetSubs();
        EXPECT_EQ(fresh.g.HomeOnCourt(1) == star, energy >= 700) << "energy " << energy;
    }
}

TEST(EngineRules, TheFreeThrowShooterStaysForHisThree) {
    Running r(12);
    A::SetBall(r.g, kHome, 2);
    const int16_t shooter = r.g.HomeOnCourt(2);
    r.el.league.player(shooter).TimeInjured = 3; // would have to leave otherwise
    A::AwardFreeThrows(r.g, 3);
    r.g.GetSubs();
    EXPECT_EQ(r.g.HomeOnCourt(2), shooter);
    const int16_t fta = r.Home(2).Game.FTA;
    A::FreeThrows(r.g);
    EXPECT_EQ(r.Home(2).Game.FTA, fta + 3);
}

// Team-mates in the Backcourt can only receive from the Backcourt; with nobody else the passer keeps the
// ball.
TEST(EngineRules, PassesPastTheTimelineNeverGoBack) {
    int passes = 0;
    for (unsigned seed = 1; seed <= 20; ++seed)
        for (int passerZone : {1, 2}) {
            Running r(seed);
            A::SetAllZones(r.g, 1);
            A::SetBall(r.g, kHome, 5);
            A::SetZone(r.g, kHome, 5, passerZone);
            const int16_t turnovers = r.Home(5).Game.Turnovers;
            const size_t from = r.Mark();
            A::Pass(r.g);
            const bool nobody = r.Told(from, " is looking to pass but nobody is available.");
            EXPECT_EQ(nobody, passerZone == 2) << seed;
            if (nobody) {
                EXPECT_EQ(std::make_tuple(r.Mark(), r.Home(5).Game.Turnovers, A::BallHandler(r.g)),
                          std::make_tuple(from + 1, turnovers, int16_t{5}));
            }
            passes += r.Told(from, " passes the ball to ");
        }
    EXPECT_GT(passes, 15);
}

// Rows of the off-ball movement table at their band edges (closed at the top): slot, zone, style
// (0 Inside, 1 Balanced, 2 Outside), draw, zone reached.
TEST(EngineRules, OffBallMovementFollowsThePositionTables) {
    const struct {
        int slot, zone, style;
        double r;
        int to;
    } cases[] = {{1, 1, 1, 0.5, 2},  {1, 1, 1, 0.51, 6}, {5, 1, 0, 0.3, 1},   {5, 1, 2, 0.9, 7},
                 {1, 3, 0, 0.16, 2}, {1, 3, 0, 0.5, 5},  {1, 3, 0, 0.95, 6},  {1, 3, 0, 0.96, 7},
                 {3, 5, 0, 0.8, 7},  {4, 7, 0, 0.9, 5},  {4, 2, 2, 0.7, 6},   {4, 2, 2, 0.73, 7},
                 {3, 6, 1, 0.2, 2},  {3, 6, 1, 0.31, 3}, {2, 4, 2, 0.475, 3}, {2, 4, 2, 0.476, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(A::NextZone(c.slot, c.zone, c.style, c.r), c.to)
            << "slot " << c.slot << " zone " << c.zone << " style " << c.style << " r " << c.r;
}

} // namespace
} // namespace hv
