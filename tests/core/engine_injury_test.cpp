// Injuries: the severity class of a draw, the injury picked for a class and its length by age.
#include <gtest/gtest.h>

#include <map>

#include "core/engine_test_support.h"
#include "season/injuries.h"

namespace hv {
namespace {

TEST(EngineInjury, SeverityClassBoundsBelongToTheHigherClass) {
    EXPECT_EQ(InjurySeverityClass(0.0), 1);
    EXPECT_EQ(InjurySeverityClass(0.8499), 1);
    EXPECT_EQ(InjurySeverityClass(0.85), 2);
    EXPECT_EQ(InjurySeverityClass(0.89), 3);
    EXPECT_EQ(InjurySeverityClass(0.94), 5);
    EXPECT_EQ(InjurySeverityClass(0.9899), 9);
    EXPECT_EQ(InjurySeverityClass(0.99), 10);
    EXPECT_EQ(InjurySeverityClass(0.99999), 10);
}

TEST(EngineInjury, AClassPicksEntryOneOrAnEntryOfThatClass) {
    test::EngineLeague el(1);
    std::map<std::string, int> picked;
    for (int i = 0; i < 4000; ++i) {
        Player& p = el.league.player(1);
        p.Injury = "None";
        InjurePlayer(el.league, 1, 1);
        ++picked[p.Injury];
    }
    // Candidates: entry 1, entry 1 again (class 1) and the class-1 entry; the ends have half the chance.
    ASSERT_EQ(picked.size(), 2u);
    EXPECT_NEAR(picked["Bruised Knee"] / 4000.0, 0.75, 0.03);
    EXPECT_NEAR(picked["Injury of class 1"] / 4000.0, 0.25, 0.03);
}

TEST(EngineInjury, AClassWithoutEntriesStillGivesEntryOne) {
    test::EngineLeague el(1);
    el.league.injuryTypes.resize(2); // only "Bruised Knee", class 1
    InjurePlayer(el.league, 3, 7);
    EXPECT_EQ(el.league.player(3).Injury, "Bruised Knee");
    EXPECT_GE(el.league.player(3).TimeInjured, 2);
}

TEST(EngineInjury, LengthGrowsWithAge) {
    test::EngineLeague el(1);
    auto daysOut = [&](int age) {
        Player& p = el.league.player(4);
        p.Age = static_cast<int16_t>(age);
        int lo = 1000, hi = 0;
        for (int i = 0; i < 500; ++i) {
            el.league.injuryTypes.resize(2);
            el.league.injuryTypes[1].BaseDays = 20;
            InjurePlayer(el.league, 4, 1);
            lo = std::min<int>(lo, p.TimeInjured);
            hi = std::max<int>(hi, p.TimeInjured);
        }
        return std::pair{lo, hi};
    };
    // nearest(20 x factor + 1): up to 25 the factor is 0.7 .. 1.1, above 35 it is 0.9 .. 1.3.
    auto young = daysOut(22);
    EXPECT_GE(young.first, 15);
    EXPECT_LE(young.second, 23);
    auto old = daysOut(37);
    EXPECT_GE(old.first, 19);
    EXPECT_LE(old.second, 27);
}

TEST(EngineInjury, CareerThreateningInjuryLowersPotentialByAtMostATenth) {
    test::EngineLeague el(1);
    for (int i = 0; i < 300; ++i) {
        Player& p = el.league.player(5);
        p.Potential = 80;
        InjurePlayer(el.league, 5, 10);
        EXPECT_LE(p.Potential, 80);
        EXPECT_GE(p.Potential, 72);
    }
    Player& q = el.league.player(6);
    q.Potential = 80;
    InjurePlayer(el.league, 6, 9);
    EXPECT_EQ(q.Potential, 80);
}

TEST(EngineInjury, WithoutAnInjuryTableNothingHappens) {
    test::EngineLeague el(1);
    el.league.injuryTypes.clear();
    InjurePlayer(el.league, 7, 3);
    EXPECT_EQ(el.league.player(7).Injury, "None");
    EXPECT_EQ(el.league.player(7).TimeInjured, 0);
}

// Over many games players get hurt now and then; each one is on the day's list, out of the game at once.
TEST(EngineInjury, InjuriesDuringPlayReachTheDaysList) {
    int hurt = 0;
    for (unsigned seed = 1; seed <= 120; ++seed) {
        test::EngineLeague el(seed);
        clsGame g(el.league);
        g.StartGame(1, 2, true, 1, "Regular");
        g.Loadteams();
        while (g.quarter() <= 4 || g.HomeScore() == g.AwayScore()) {
            if (g.quarter() >= 5) g.GetSubs();
            g.StartQuarter(g.quarter() <= 4 ? 720 : 300);
            while (g.TimeRemaining() > 0 || g.FreeThrowShooter() != 0)
                g.RunPlay();
            g.EndQuarter();
        }
        int stopped = 0;
        for (const auto& line : g.PlayByPlay())
            stopped += line.rfind("Play is stopped due to an injury to ", 0) == 0;
        EXPECT_EQ(static_cast<size_t>(stopped), el.league.dayInjuries.size());
        for (const DayInjury& d : el.league.dayInjuries) {
            const Player& p = el.league.player(d.PlayerID);
            EXPECT_GE(p.TimeInjured, 1);
            EXPECT_NE(p.Injury, "None");
            EXPECT_EQ(d.Team, p.Team == "Hawks" ? 1 : 2);
        }
        hurt += static_cast<int>(el.league.dayInjuries.size());
    }
    EXPECT_GT(hurt, 0);
}

TEST(EngineInjury, NoInjuriesOnAllStarDayOrWithTheOptionOff) {
    for (int variant = 0; variant < 2; ++variant)
        for (unsigned seed = 1; seed <= 40; ++seed) {
            test::EngineLeague el(seed);
            if (variant == 0)
                el.league.state.SeasonDay = 60;
            else
                el.league.state.LeagueInjuries = false;
            clsGame g(el.league);
            g.StartGame(1, 2, false, 1, "Regular");
            g.Loadteams();
            for (int q = 1; q <= 4; ++q) {
                g.StartQuarter(720);
                while (g.TimeRemaining() > 0 || g.FreeThrowShooter() != 0)
                    g.RunPlay();
                g.EndQuarter();
            }
            EXPECT_TRUE(el.league.dayInjuries.empty());
            for (int id = 1; id <= 30; ++id)
                EXPECT_EQ(el.league.player(id).TimeInjured, 0);
        }
}

} // namespace
} // namespace hv
