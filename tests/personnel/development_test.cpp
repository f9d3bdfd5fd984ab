// Development at the training camps: the potential revision, the band tables, aging, re-scouting, the camps.
#include <gtest/gtest.h>

#include <algorithm>

#include "league/ratings.h"
#include "personnel/development.h"
#include "platform/scripted_host.h"
#include "support/engine_test_support.h"

namespace hv {
namespace {

TEST(Development, PotentialRevisionStaysInItsRange) {
    // Range of the revised potential of each case, worked from the table: lowest and highest R(value). A
    // teenager at 80 may fall to 64 or rise to 100, never above.
    const struct {
        int age, potential, lowest, highest;
    } cases[] = {
        {31, 50, 42, 52}, {35, 51, 41, 44}, {31, 70, 60, 63}, {33, 71, 58, 61}, {30, 50, 45, 55},
        {25, 51, 44, 47}, {22, 70, 63, 66}, {20, 71, 61, 64}, {30, 90, 80, 83}, {19, 80, 64, 100},
    };
    Random rng(3);
    for (const auto& c : cases) {
        int lo = 1000, hi = -1000;
        for (int i = 0; i < 4000; ++i) {
            const int v = RevisedPotential(c.potential, c.age, rng);
            lo = std::min(lo, v), hi = std::max(hi, v);
        }
        EXPECT_EQ(std::make_pair(lo, hi), std::make_pair(c.lowest, c.highest)) << c.age << "/" << c.potential;
    }
}

TEST(Development, BandsAndTheirTablesAsWritten) {
    const std::pair<int, int> edges[] = {{-1, -1}, {0, 0},  {20, 0}, {21, 1}, {40, 1}, {41, 2},  {60, 2},
                                         {61, 3},  {80, 3}, {81, 4}, {90, 4}, {91, 5}, {100, 5}, {101, -1}};
    for (auto [value, band] : edges)
        EXPECT_EQ(DevelopmentBand(value), band) << value;
    // A value below 1 multiplies the skill, a larger one is the "+k" of a random change.
    const struct {
        int band;
        Skill skill;
        int position;
        double value;
    } entries[] = {
        {0, Skill::JumpShot, 3, 0.95},     {0, Skill::ThreePointShot, 3, 4},
        {1, Skill::ThreePointShot, 5, 7},  {1, Skill::Stealing, 2, 7},
        {2, Skill::OffenseRebound, 1, 11}, {2, Skill::ThreePointShot, 1, 0.95},
        {3, Skill::InsideScoring, 2, 13},  {3, Skill::JumpShot, 3, 0.97},
        {3, Skill::ThreePointShot, 4, 18}, {3, Skill::ShotBlocking, 1, 16},
        {4, Skill::JumpShot, 5, 0.98},     {4, Skill::ThreePointShot, 5, 22},
        {4, Skill::PostDefense, 1, 20},    {4, Skill::OffenseRebound, 2, 21},
        {5, Skill::InsideScoring, 1, 18},  {5, Skill::JumpShot, 1, 0.96},
        {5, Skill::Handling, 5, 20},       {5, Skill::OffenseRebound, 1, 22},
    };
    for (const auto& e : entries) {
        SkillChange c = BandChange(e.band, e.skill, e.position);
        EXPECT_TRUE(c.multiply == (e.value < 1) && c.value == e.value)
            << e.band << "/" << int(e.skill) << "/" << e.position << ": " << c.value;
    }
}

TEST(Development, RescoutingAveragesTheEstimateWithTheKnownValue) {
    Random rng(12);
    // The estimate (40 .. 100) averaged with the known value: 40 .. 70.
    for (int i = 0; i < 500; ++i) {
        Player p;
        p.Potential = 70, p.KnownPotential = 40;
        Rescout(p, rng);
        EXPECT_TRUE(p.KnownPotential >= 40 && p.KnownPotential <= 70 &&
                    p.PotentialGrade == GradeOf(p.KnownPotential));
    }
}

TEST(Development, BodyAgesFromThirty) {
    // 50 x 0.98 = 49, x 0.97 = 48.5 -> 48, x 0.95 = 47.5 -> 48
    const std::pair<int, int> cases[] = {{29, 50}, {30, 49}, {32, 49}, {33, 48}, {35, 48}, {36, 48}};
    for (auto [age, after] : cases) {
        Player p;
        p.Age = static_cast<int16_t>(age);
        p.Quickness = p.Strength = p.Jumping = 50;
        AgeBody(p);
        EXPECT_EQ(std::make_tuple(int(p.Quickness), int(p.Strength), int(p.Jumping)),
                  std::make_tuple(after, after, after))
            << age;
    }
}

// A potential far below 0 stays negative (-45 to -35 from -40 at 24) and gives no band: body and skills stay.
TEST(Development, ANegativePotentialSkipsDevelopment) {
    League league;
    std::mt19937 gen(8);
    test::MakePlayer(league.player(1), 1, 5, "FA", gen);
    Player& p = league.player(1);
    p.Age = 24, p.Potential = -40;
    CalculatePlayerRatings(p); // within the attribute limits
    const Player before = p;
    for (int year = 0; year < 50; ++year) {
        p.Potential = -40;
        DevelopPlayer(league, 1);
        ASSERT_TRUE(p.Potential >= -45 && p.Potential <= -35) << p.Potential;
        const int16_t Player::*fields[] = {
            &Player::InsideScoring, &Player::JumpShot,     &Player::ThreePointShot,   &Player::Handling,
            &Player::Passing,       &Player::PostDefense,  &Player::PerimeterDefense, &Player::DriveDefense,
            &Player::Stealing,      &Player::ShotBlocking, &Player::OffenseRebound,   &Player::DefenseRebound,
            &Player::Quickness,     &Player::Strength,     &Player::Jumping};
        for (auto field : fields)
            ASSERT_EQ(p.*field, before.*field);
    }
}

TEST(Development, FirstSeasonCampsOnlyHeal) {
    League league;
    std::mt19937 gen(4);
    for (int id = 1; id <= 20; ++id)
        test::MakePlayer(league.player(id), id, 1 + id % 5, "FA", gen);
    league.player(3).TimeInjured = 70, league.player(4).TimeInjured = 12;
    league.state.Season = league.state.FirstSeason = 2010, league.state.SeasonDay = Phase::TrainingCamps;
    League before = league;
    ScriptedHost host;
    ASSERT_TRUE(RunTrainingCamps(league, host));
    EXPECT_EQ(
        std::make_tuple(league.state.SeasonDay, league.player(3).TimeInjured, league.player(4).TimeInjured),
        std::make_tuple(Phase::BeforeSeason, 20, 0));
    for (int id = 1; id <= 20; ++id)
        EXPECT_EQ(std::tie(league.player(id).Potential, league.player(id).Handling),
                  std::tie(before.player(id).Potential, before.player(id).Handling));
}

// The mean change of CurrentRating over many developments of one kind of player: all skills 60, a position,
// an age and a potential.
double MeanRatingChange(int position, int age, int potential, uint64_t seed) {
    League league;
    league.rng.Seed(seed);
    Player model;
    model.Name = "Model Player", model.DefaultPosition = PositionText(position);
    model.PositionNumber = model.OriginalPosition = static_cast<int16_t>(position);
    model.Height = int16_t(test::kTypicalHeight[position]),
    model.Weight = int16_t(test::kTypicalWeight[position]);
    model.Age = int16_t(age), model.Potential = int16_t(potential), model.KnownPotential = 50;
    for (int16_t* a : {&model.InsideScoring, &model.JumpShot, &model.ThreePointShot, &model.Scoring,
                       &model.Handling, &model.Passing, &model.Quickness, &model.PostDefense,
                       &model.PerimeterDefense, &model.DriveDefense, &model.Stealing, &model.ShotBlocking,
                       &model.OffenseRebound, &model.DefenseRebound, &model.Jumping, &model.Strength})
        *a = 60;
    model.PotentialGrade = GradeOf(50);
    CalculatePlayerRatings(model);
    double total = 0;
    const int runs = 600;
    for (int i = 0; i < runs; ++i) {
        league.player(1) = model;
        DevelopPlayer(league, 1);
        Player& p = league.player(1);
        p.KnownPotential = 50, p.PotentialGrade = GradeOf(50); // the rating does not depend on the scouting
        CalculatePlayerRatings(p);
        total += p.CurrentRating - model.CurrentRating;
    }
    return total / runs;
}

TEST(Development, MeanRatingChangeByAgeAndPotential) {
    // From the tables: a band's "+k" moves a skill by k / 2 - 5 on average, so band 61-80 (k 11 to 18) raises
    // every skill, band 41-60 (k 10 and 11) leaves it about level, band 21-40 (k 7) lowers it by 1.5 and band
    // 0-20 (k 4) by 3; from 30 on the body loses 2 %, from 33 3 % and from 36 5 % a year.
    const struct {
        int position, age, potential;
        double lowest, highest;
    } cases[] = {
        {5, 19, 85, 1.0, 8.0},   // band 81-90 or better: a clear rise
        {3, 23, 78, 0.5, 6.0},   // revised to 68-71: band 61-80
        {1, 26, 60, -1.5, 1.5},  // revised to 53-56: band 41-60, about level
        {4, 27, 35, -4.0, -0.5}, // revised to 30-40: band 21-40
        {2, 25, 12, -6.0, -1.5}, // band 0-20
        {3, 31, 60, -3.0, 0.0},  // revised to 50-53 and the body's 2 %
        {3, 37, 60, -5.0, -0.5}, // the same potential and the body's 5 %
    };
    for (const auto& c : cases) {
        const double mean = MeanRatingChange(c.position, c.age, c.potential, 1000 + c.age);
        EXPECT_TRUE(mean >= c.lowest && mean <= c.highest)
            << "age " << c.age << " potential " << c.potential << ": " << mean;
    }
    EXPECT_LT(MeanRatingChange(3, 37, 60, 77), MeanRatingChange(3, 31, 60, 77));
}

} // namespace
} // namespace hv
