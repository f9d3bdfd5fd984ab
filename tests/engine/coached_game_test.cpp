// The coached game: the engine driven possession by possession with the coach's commands in between.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "engine/box_score.h"
#include "engine/box_score_files.h"
#include "engine/coached_game.h"
#include "platform/scripted_host.h"
#include "support/seeded_games.h"
#include "support/temp_home.h"

namespace hv {
namespace {

using test::EngineLeague;

// A league of two teams whose game files go to a temporary program folder.
struct CoachLeague {
    explicit CoachLeague(unsigned seed) : el(seed) {
        el.league.programFolder = home.path();
        el.league.state.LeagueName = "Coached";
    }
    League& league() { return el.league; }
    test::TempHome home;
    EngineLeague el;
};

std::vector<std::string> Titles(const ScriptedHost& host) {
    std::vector<std::string> titles;
    for (const auto& m : host.messages)
        titles.push_back(m.title);
    return titles;
}

// The first dressed player of the side off the court who may play.
int16_t BenchPlayer(const CoachedGame& g, CoachSide side) {
    for (int16_t id : g.Dressed(side)) {
        const Player& p = g.GameLeague().player(id);
        bool onCourt = false;
        for (int slot = 1; slot <= 5; ++slot)
            onCourt = onCourt || g.OnCourt(side, slot) == id;
        if (!onCourt && p.Game.Fouls < 6 && p.TimeInjured <= 0) return id;
    }
    return 0;
}

// A coach who only replaces the players the line-up check refuses.
void CoachToTheEnd(CoachedGame& g, ScriptedHost& host) {
    for (int guard = 0; !g.Over() && guard < 200; ++guard) {
        g.Sim(CoachSim::Game, host);
        for (CoachSide side : {CoachSide::Home, CoachSide::Away})
            for (int slot = 1; slot <= 5; ++slot) {
                const Player& p = g.GameLeague().player(g.OnCourt(side, slot));
                if (p.Game.Fouls >= 6 || p.TimeInjured > 0) g.SetLineUp(side, slot, BenchPlayer(g, side));
            }
    }
}

// The box score and the play-by-play of a finished game agree, and five players a side played every second.
// Before exit the box comes from the players' game lines, afterwards (`written`) from the box file.
void ExpectWholeGame(const League& league, const clsGame& g, bool written = false) {
    const std::optional<BoxScore> fromFile =
        written ? ReadBoxScoreFile(BoxFilePath(league, g.Finished())) : std::nullopt;
    ASSERT_TRUE(!written || fromFile.has_value());
    const BoxScore box = written ? *fromFile : BuildBoxScore(league, g.Finished(), 0);
    const int periods = g.PeriodsPlayed();
    for (const BoxSide* side : {&box.Home, &box.Away}) {
        int points = 0, seconds = 0;
        for (const BoxPlayerLine& l : side->Players) {
            EXPECT_EQ(l.Points, 2 * l.FG + l.ThreeP + l.FT) << l.Name;
            points += l.Points;
            seconds += l.Seconds;
        }
        EXPECT_EQ(points, side->Score());
        if (!written) {
            EXPECT_EQ(seconds, 5 * (2880 + (periods - 4) * 300));
        }
    }
    const test::PlayByPlayFindings found = test::ReadPlayByPlay(g.PlayByPlay(), box);
    EXPECT_TRUE(found.faults.empty()) << test::Joined(found.faults);
    EXPECT_EQ(found.jumpBalls, periods - 3);
}

TEST(CoachedGame, OpensWithCaptionHeadingsAndTheCoachSwitchesOfTheTeams) {
    CoachLeague cl(3);
    cl.league().team(2).CoachTeam = true;
    CoachedGame g(cl.league(), 1, 2, 1, "Regular");
    EXPECT_EQ(g.Caption(), "Bulls @ Hawks");
    EXPECT_EQ(g.SettingsHeading(CoachSide::Home), "Hawks Settings");
    EXPECT_EQ(g.SettingsHeading(CoachSide::Away), "Bulls Settings");
    EXPECT_FALSE(g.Coached(CoachSide::Home));
    EXPECT_TRUE(g.Coached(CoachSide::Away));
    EXPECT_TRUE(g.Game().CoachGame());
    EXPECT_EQ(g.Dressed(CoachSide::Home).size(), 15u);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_NE(g.OnCourt(CoachSide::Away, slot), 0) << "the starters are on the court";
}

// With nobody touching anything, the coached game is the simulated game: same draws, same lines, same score.
TEST(CoachedGame, UntouchedItPlaysExactlyAsTheSimulatedGame) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        CoachLeague simulated(seed), coached(seed);
        clsGame sim(simulated.league());
        sim.StartGame(1, 2, true, 1, "Regular");
        sim.SimGame();
        CoachedGame g(coached.league(), 1, 2, 1, "Regular");
        ScriptedHost host;
        EXPECT_TRUE(g.Sim(CoachSim::Game, host));
        EXPECT_TRUE(g.Over());
        ExpectWholeGame(coached.league(), g.Game());
        g.Finish();
        EXPECT_EQ(g.Game().PlayByPlay(), sim.PlayByPlay());
        EXPECT_EQ(std::make_pair(g.Game().HomeScore(), g.Game().AwayScore()),
                  std::make_pair(sim.HomeScore(), sim.AwayScore()));
        for (int id = 1; id <= 30; ++id)
            EXPECT_EQ(coached.league().player(id).SeasonStats.Points,
                      simulated.league().player(id).SeasonStats.Points);
        EXPECT_TRUE(host.messages.empty());
    }
}

// Coached by a user who only replaces fouled-out and hurt players, both sides keep every rule of a game, and
// over many seeds the scoring agrees with simulated games of other seeds.
TEST(CoachedGame, CoachedGamesKeepTheRulesAndTheLeagueAverages) {
    constexpr int kGames = 40;
    std::vector<double> coachedPoints, simulatedPoints;
    for (unsigned seed = 1; seed <= kGames; ++seed) {
        SCOPED_TRACE(seed);
        CoachLeague cl(seed);
        CoachedGame g(cl.league(), 1, 2, 1, "Regular");
        g.SetCoach(CoachSide::Home, seed % 2 == 0);
        ScriptedHost host;
        CoachToTheEnd(g, host);
        ASSERT_TRUE(g.Over());
        for (const std::string& title : Titles(host))
            EXPECT_EQ(title, "Roster Error");
        ExpectWholeGame(cl.league(), g.Game());
        coachedPoints.push_back(g.Game().HomeScore() + g.Game().AwayScore());

        CoachLeague other(seed + 1000);
        clsGame sim(other.league());
        sim.StartGame(1, 2, false, 1, "Regular");
        sim.SimGame();
        simulatedPoints.push_back(sim.HomeScore() + sim.AwayScore());
    }
    auto mean = [](const std::vector<double>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / v.size();
    };
    auto variance = [&](const std::vector<double>& v) {
        const double m = mean(v);
        double s = 0;
        for (double x : v)
            s += (x - m) * (x - m);
        return s / (v.size() - 1);
    };
    const double se = std::sqrt(variance(coachedPoints) / kGames + variance(simulatedPoints) / kGames);
    EXPECT_LT(std::abs(mean(coachedPoints) - mean(simulatedPoints)), 4 * se);
}

// Each line-up fault is refused with its message, and the refused command plays nothing.
TEST(CoachedGame, EveryLineupFaultIsRefusedWithItsMessage) {
    CoachLeague cl(5);
    League& league = cl.league();
    CoachedGame g(league, 1, 2, 1, "Regular");
    ScriptedHost host;
    ASSERT_TRUE(g.Sim(CoachSim::Possession, host));
    g.SetCoach(CoachSide::Home, true);
    const int16_t center = g.OnCourt(CoachSide::Home, 1);
    const std::string name = league.player(center).Name;
    auto refused = [&](const std::string& text) {
        const auto lines = g.Game().PlayByPlay().size();
        const int clock = g.Game().TimeRemaining();
        EXPECT_FALSE(g.Sim(CoachSim::Quarter, host));
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back().title, "Roster Error");
        EXPECT_EQ(host.messages.back().text, text);
        EXPECT_EQ(g.Game().PlayByPlay().size(), lines);
        EXPECT_EQ(g.Game().TimeRemaining(), clock);
    };

    g.SetLineUp(CoachSide::Home, 2, center);
    refused(name + " is listed at two positions.");
    g.SetLineUp(CoachSide::Home, 2, BenchPlayer(g, CoachSide::Home));

    league.player(center).Game.Fouls = 6;
    refused(name + " has fouled out and must be removed from the game.");
    league.player(center).Game.Fouls = 0;

    league.player(center).TimeInjured = 4;
    refused(name + " is injured and must be removed from the game.");
    league.player(center).TimeInjured = 0;

    // The same fault on a side the computer coaches is the computer's to mend: nothing is refused.
    g.SetCoach(CoachSide::Home, false);
    league.player(center).Game.Fouls = 6;
    host.messages.clear();
    EXPECT_TRUE(g.Sim(CoachSim::Possession, host));
    EXPECT_TRUE(host.messages.empty());
}

TEST(CoachedGame, TheFreeThrowShooterMustStayOnTheCourt) {
    bool seen = false;
    for (unsigned seed = 1; seed <= 20 && !seen; ++seed) {
        CoachLeague cl(seed);
        CoachedGame g(cl.league(), 1, 2, 1, "Regular");
        ScriptedHost host;
        for (int n = 0; n < 400 && !g.Over() && g.Game().FreeThrowShooter() == 0; ++n)
            g.Sim(CoachSim::Possession, host);
        const int16_t shooter = g.Game().FreeThrowShooter();
        if (shooter == 0) continue;
        seen = true;
        const std::vector<int16_t> home = g.Dressed(CoachSide::Home);
        const CoachSide side =
            std::find(home.begin(), home.end(), shooter) != home.end() ? CoachSide::Home : CoachSide::Away;
        g.SetCoach(side, true);
        int slot = 1;
        while (g.OnCourt(side, slot) != shooter)
            ++slot;
        g.SetLineUp(side, slot, BenchPlayer(g, side));
        EXPECT_FALSE(g.Sim(CoachSim::Possession, host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text,
                  cl.league().player(shooter).Name + " is shooting freethows and must remain in the game.");
        g.SetLineUp(side, slot, shooter);
        EXPECT_TRUE(g.Sim(CoachSim::Possession, host));
        EXPECT_EQ(host.messages.size(), 1u);
    }
    EXPECT_TRUE(seen) << "no possession ended with free throws to shoot";
}

// After a tie at the end of the 4th quarter, Sim Possession starts an overtime period of 300 seconds.
TEST(CoachedGame, ATieAfterTheFourthQuarterStartsAFiveMinuteOvertime) {
    bool tied = false;
    for (unsigned seed = 1; seed <= 600 && !tied; ++seed) {
        CoachLeague cl(seed);
        CoachedGame g(cl.league(), 1, 2, 1, "Regular");
        ScriptedHost host;
        for (int q = 1; q <= 4; ++q)
            g.Sim(CoachSim::Quarter, host);
        if (g.Game().HomeScore() != g.Game().AwayScore()) {
            EXPECT_TRUE(g.Over());
            continue;
        }
        tied = true;
        EXPECT_FALSE(g.Over());
        EXPECT_EQ(g.Game().quarter(), 5);
        EXPECT_EQ(g.PeriodScore(CoachSide::Home, 5), -1);
        ASSERT_TRUE(g.Sim(CoachSim::Possession, host));
        EXPECT_EQ(g.Game().quarter(), 5);
        EXPECT_LT(g.Game().TimeRemaining(), 300);
        EXPECT_GT(g.Game().TimeRemaining(), 240);
        EXPECT_EQ(g.Game().HomeTimeOuts() + g.Game().AwayTimeOuts() >= 5, true);
        const auto& pbp = g.Game().PlayByPlay();
        EXPECT_NE(std::find(pbp.begin(), pbp.end(), "Overtime:"), pbp.end());
        g.Sim(CoachSim::Game, host);
        EXPECT_TRUE(g.Over());
        EXPECT_GE(g.Game().PeriodsPlayed(), 5);
        EXPECT_EQ(g.PeriodScore(CoachSide::Home, 5),
                  g.Game().HomeScore() - g.PeriodScore(CoachSide::Home, 1) -
                      g.PeriodScore(CoachSide::Home, 2) - g.PeriodScore(CoachSide::Home, 3) -
                      g.PeriodScore(CoachSide::Home, 4));
        ExpectWholeGame(cl.league(), g.Game());
    }
    EXPECT_TRUE(tied) << "no seed gave a tie after regulation";
}

// Exit writes the play-by-play file and adds the game to the records once, however often it is called; a
// game left unfinished is played to its end by the engine first.
TEST(CoachedGame, ExitCompletesTheGameAndCountsItOnce) {
    for (bool early : {false, true}) {
        SCOPED_TRACE(early);
        CoachLeague cl(8);
        League& league = cl.league();
        CoachedGame g(league, 1, 2, 1, "Regular");
        g.SetCoach(CoachSide::Home, true);
        ScriptedHost host;
        if (early)
            g.Sim(CoachSim::Quarter, host);
        else
            CoachToTheEnd(g, host);
        g.Finish();
        g.Finish();
        EXPECT_TRUE(g.Over() && g.Finished());
        EXPECT_EQ(league.team(1).HomeWins + league.team(1).HomeLosses, 1);
        EXPECT_EQ(league.team(2).RoadWins + league.team(2).RoadLosses, 1);
        int games = 0, points = 0;
        for (int id = 1; id <= 30; ++id) {
            const Player& p = league.player(id);
            EXPECT_LE(p.SeasonStats.Games, 1);
            games += p.SeasonStats.Games;
            points += p.SeasonStats.Points;
        }
        EXPECT_GE(games, 10);
        EXPECT_EQ(points, g.Game().HomeScore() + g.Game().AwayScore());
        const auto pbp = ReadTextLines(PbpFilePath(league, g.Game().Finished()));
        ASSERT_TRUE(pbp.has_value());
        EXPECT_EQ(*pbp, g.Game().PlayByPlay());
        ExpectWholeGame(league, g.Game(), true);
        EXPECT_FALSE(g.Sim(CoachSim::Possession, host)) << "nothing plays after exit";
    }
}

TEST(CoachedGame, SettingsMatchUpsKeyPlayersAndTimeouts) {
    CoachLeague cl(4);
    CoachedGame g(cl.league(), 1, 2, 1, "Regular");
    g.SetPace(CoachSide::Home, 3);
    g.SetTrap(CoachSide::Home, 1);
    g.SetPress(CoachSide::Away, 3);
    g.SetOffense(CoachSide::Away, 2);
    EXPECT_EQ(std::make_tuple(g.Pace(CoachSide::Home), g.Trap(CoachSide::Home), g.Press(CoachSide::Away),
                              g.Offense(CoachSide::Away)),
              std::make_tuple(75, 25, 75, 100));
    // The center guards the small forward now; the small forward's defender takes the center.
    g.SetMatchUp(CoachSide::Home, 1, 2);
    EXPECT_EQ(g.MatchUp(CoachSide::Home, 1), 3);
    EXPECT_EQ(g.MatchUp(CoachSide::Home, 3), 1);
    EXPECT_EQ(g.MatchUp(CoachSide::Home, 2), 2);
    const int16_t bench = g.Dressed(CoachSide::Away).back();
    g.SetKeyPlayer(CoachSide::Away, 2, bench);
    EXPECT_EQ(g.KeyPlayer(CoachSide::Away, 2), bench);

    ScriptedHost host;
    g.Sim(CoachSim::Possession, host);
    const int before = g.Game().HomeTimeOuts();
    ASSERT_GT(before, 0);
    EXPECT_TRUE(g.TimeOut(CoachSide::Home));
    EXPECT_EQ(g.Game().HomeTimeOuts(), before - 1);
    EXPECT_EQ(g.Game().PlayByPlay().back(), "The Hawks call a timeout.");
    while (g.Game().HomeTimeOuts() > 0)
        g.TimeOut(CoachSide::Home);
    EXPECT_FALSE(g.TimeOut(CoachSide::Home));
}

// The coach's screen shows every player's energy after each possession: the bench has recovered about half a
// point a second of play (each clock step's half point rounded to even), never more than a point a second.
TEST(CoachedGame, TheBenchsRecoveryIsThereAfterEachPossession) {
    CoachLeague cl(5);
    CoachedGame g(cl.league(), 1, 2, 1, "Regular");
    ScriptedHost host;
    ASSERT_TRUE(g.Sim(CoachSim::Possession, host)); // the quarter is under way
    const int16_t resting = BenchPlayer(g, CoachSide::Home);
    ASSERT_NE(resting, 0);
    cl.league().player(resting).STAMINA = 500;
    const int before = g.Game().TimeRemaining();
    ASSERT_TRUE(g.Sim(CoachSim::Possession, host));
    const int seconds = before - g.Game().TimeRemaining();
    ASSERT_GE(seconds, 4);
    ASSERT_EQ(BenchPlayer(g, CoachSide::Home), resting) << "still resting";
    const int energy = g.GameLeague().player(resting).STAMINA;
    EXPECT_GT(energy, 500) << seconds << " seconds";
    EXPECT_LE(energy, 500 + seconds) << seconds << " seconds";
}

TEST(CoachedGame, TheScoreboardCountsThePeriodBeingPlayed) {
    CoachLeague cl(6);
    CoachedGame g(cl.league(), 1, 2, 1, "Regular");
    EXPECT_EQ(g.PeriodScore(CoachSide::Home, 1), -1);
    ScriptedHost host;
    g.Sim(CoachSim::Quarter, host);
    const int first = g.Game().HomeScore();
    EXPECT_EQ(g.PeriodScore(CoachSide::Home, 1), first);
    EXPECT_EQ(g.PeriodScore(CoachSide::Home, 2), -1);
    EXPECT_EQ(g.Period(), 1);
    for (int n = 0; n < 6; ++n)
        g.Sim(CoachSim::Possession, host);
    EXPECT_EQ(g.Period(), 2);
    EXPECT_EQ(g.PeriodScore(CoachSide::Home, 2), g.Game().HomeScore() - first);
    const std::vector<std::string> board = g.ScoreboardLines();
    ASSERT_GE(board.size(), 6u);
    EXPECT_EQ(board[0].rfind("Bulls @ Hawks - Quarter 2 ", 0), 0u) << board[0];
}

} // namespace
} // namespace hv
