// Injuries: the severity class of a draw, the injury picked for a class, its length by age, and when play can
// hurt a player at all.
#include <gtest/gtest.h>

#include <set>

#include "league/player_injury.h"
#include "support/engine_test_access.h"
#include "support/engine_test_support.h"

namespace hv {
namespace {

// Each class from its lower bound on: below 0.85, 0.85 to 0.89, ... 0.99 and above.
TEST(EngineInjury, SeverityClassBands) {
    const std::pair<double, int> cases[] = {{0.8499, 1}, {0.85, 2}, {0.8899, 2}, {0.89, 3},
                                            {0.92, 4},   {0.94, 5}, {0.95, 6},   {0.96, 7},
                                            {0.97, 8},   {0.98, 9}, {0.9899, 9}, {0.99, 10}};
    for (auto [r, cls] : cases)
        EXPECT_EQ(InjurySeverityClass(r), cls) << r;
}

// Candidates are entry 1 and the entries of the class; the table's only entry is always picked.
TEST(EngineInjury, TheClassPicksEntryOneOrAnEntryOfThatClass) {
    test::EngineLeague el(1);
    std::set<std::string> picked;
    for (int i = 0; i < 200; ++i) {
        InjurePlayer(el.league, 1, 5);
        picked.insert(el.league.player(1).Injury);
    }
    EXPECT_EQ(picked, (std::set<std::string>{"Bruised Knee", "Injury of class 5"}));
    el.league.injuryTypes.resize(2);
    InjurePlayer(el.league, 3, 7);
    EXPECT_EQ(el.league.player(3).Injury, "Bruised Knee");
    el.league.injuryTypes.clear();
    InjurePlayer(el.league, 7, 3);
    EXPECT_EQ(el.league.player(7).Injury, "None") << "without an injury table nothing happens";
    EXPECT_EQ(el.league.player(7).TimeInjured, 0);
}

// nearest(20 x factor + 1): up to 25 the factor is 0.7 to 1.1, above 35 it is 0.9 to 1.3; class 10 (not 9)
// may cost up to 8 points of potential.
TEST(EngineInjury, LengthGrowsWithAgeAndClassTenCostsPotential) {
    test::EngineLeague el(1);
    el.league.injuryTypes.resize(2);
    el.league.injuryTypes[1].BaseDays = 20;
    Player& p = el.league.player(4);
    const std::array<int, 5> cases[] = {{25, 1, 15, 23, 80}, {26, 1, 16, 24, 80}, {35, 1, 17, 25, 80},
                                        {36, 1, 19, 27, 80}, {30, 9, 16, 24, 80}, {30, 10, 16, 24, 72}};
    for (const auto& [age, cls, shortest, longest, lowestPotential] : cases) {
        p.Age = static_cast<int16_t>(age);
        int lo = 1000, hi = 0, potential = 80;
        for (int i = 0; i < 300; ++i) {
            p.Potential = 80;
            InjurePlayer(el.league, 4, cls);
            lo = std::min<int>(lo, p.TimeInjured), hi = std::max<int>(hi, p.TimeInjured);
            potential = std::min<int>(potential, p.Potential);
        }
        EXPECT_EQ(std::make_tuple(lo, hi, potential), std::make_tuple(shortest, longest, lowestPotential))
            << "age " << age << ", class " << cls;
    }
}

// Play hurts players only with the league's injury option on and never on All-Star day.
TEST(EngineInjury, NoInjuriesOnAllStarDayOrWithTheOptionOff) {
    for (int variant = 0; variant < 3; ++variant) {
        test::EngineLeague el(5);
        el.league.state.SeasonDay = variant == 1 ? 60 : 10;
        el.league.state.LeagueInjuries = variant != 2;
        clsGame g(el.league);
        g.StartGame(1, 2, false, 1, "Regular");
        g.Loadteams();
        g.StartQuarter(720);
        int hurt = 0;
        for (int i = 0; i < 15000; ++i)
            hurt += GameTestAccess::InjuryCheck(g);
        EXPECT_EQ(hurt > 0, variant == 0) << "variant " << variant;
        EXPECT_EQ(el.league.dayInjuries.size(), static_cast<size_t>(hurt));
    }
}

} // namespace
} // namespace hv
