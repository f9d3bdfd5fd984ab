// Development at the training camps: the potential revision by age, the bands and their tables, the limits of
// a year's change, the re-scouting, the camps of a league's first season, and the mean rating change of many
// seeded players by age and potential.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/engine_test_support.h"
#include "personnel/development.h"
#include "personnel/ratings.h"
#include "platform/scripted_host.h"

namespace hv {
namespace {

constexpr int kDraws = 4000;

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
        for (int i = 0; i < kDraws; ++i) {
            int v = RevisedPotential(c.potential, c.age, rng);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        EXPECT_EQ(lo, c.lowest) << c.age << "/" << c.potential;
        EXPECT_EQ(hi, c.highest) << c.age << "/" << c.potential;
    }
}

TEST(Development, BandEdges) {
    const std::pair<int, int> cases[] = {{-1, -1}, {0, 0},  {20, 0}, {21, 1}, {40, 1}, {41, 2},  {60, 2},
                                         {61, 3},  {80, 3}, {81, 4}, {90, 4}, {91, 5}, {100, 5}, {101, -1}};
    for (auto [value, band] : cases)
        EXPECT_EQ(DevelopmentBand(value), band) << value;
}

TEST(Development, BandTablesAsWritten) {
    struct Entry {
        int band;
        Skill skill;
        int position;
        bool multiply;
        double value;
    };
    const Entry entries[] = {
        {0, Skill::JumpShot, 3, true, 0.95},       {0, Skill::ThreePointShot, 2, true, 0.95},
        {0, Skill::ThreePointShot, 3, false, 4},   {0, Skill::Passing, 1, false, 4},
        {1, Skill::ThreePointShot, 5, false, 7},   {1, Skill::Stealing, 2, false, 7},
        {2, Skill::OffenseRebound, 1, false, 11},  {2, Skill::DefenseRebound, 3, false, 10},
        {2, Skill::ThreePointShot, 1, true, 0.95}, {2, Skill::ShotBlocking, 4, false, 10},
        {3, Skill::InsideScoring, 2, false, 13},   {3, Skill::JumpShot, 3, true, 0.97},
        {3, Skill::ThreePointShot, 4, false, 18},  {3, Skill::Handling, 5, false, 16},
        {3, Skill::PostDefense, 2, false, 14},     {3, Skill::PerimeterDefense, 4, false, 16},
        {3, Skill::DriveDefense, 1, false, 14},    {3, Skill::Stealing, 3, false, 14},
        {3, Skill::ShotBlocking, 1, false, 16},    {3, Skill::DefenseRebound, 5, false, 11},
        {4, Skill::InsideScoring, 4, false, 12},   {4, Skill::JumpShot, 5, true, 0.98},
        {4, Skill::ThreePointShot, 5, false, 22},  {4, Skill::Passing, 5, false, 20},
        {4, Skill::PostDefense, 1, false, 20},     {4, Skill::DriveDefense, 3, false, 18},
        {4, Skill::OffenseRebound, 2, false, 21},  {4, Skill::ShotBlocking, 3, false, 15},
        {5, Skill::InsideScoring, 1, false, 18},   {5, Skill::InsideScoring, 5, false, 15},
        {5, Skill::JumpShot, 1, true, 0.96},       {5, Skill::ThreePointShot, 4, false, 23},
        {5, Skill::Handling, 5, false, 20},        {5, Skill::OffenseRebound, 1, false, 22},
    };
    for (const Entry& e : entries) {
        SkillChange c = BandChange(e.band, e.skill, e.position);
        EXPECT_EQ(c.multiply, e.multiply) << e.band << "/" << int(e.skill) << "/" << e.position;
        EXPECT_DOUBLE_EQ(c.value, e.value) << e.band << "/" << int(e.skill) << "/" << e.position;
    }
}

TEST(Development, OneYearsChangeStaysWithinItsEntry) {
    Random rng(12);
    for (int band = 0; band <= 5; ++band) {
        for (int i = 0; i < 300; ++i) {
            Player centre;
            centre.OriginalPosition = 1;
            centre.ThreePointShot = 60;
            ChangeSkills(centre, band, rng);
            EXPECT_GE(centre.ThreePointShot, 57) << band; // 60 x 0.95
            EXPECT_LE(centre.ThreePointShot, 63) << band; // 60 x 1.05
        }
    }
    // Scoring is never changed; a position outside 1 to 5 changes nothing.
    Player odd;
    odd.OriginalPosition = 0;
    odd.Scoring = odd.Handling = 50;
    ChangeSkills(odd, 3, rng);
    EXPECT_EQ(odd.Handling, 50);
    EXPECT_EQ(odd.Scoring, 50);
}

TEST(Development, BodyAgesFromThirty) {
    const std::pair<int, int> cases[] = {{29, 50}, {30, 49}, {32, 49}, {33, 48},
                                         {35, 48}, {36, 48}, {40, 48}};
    for (auto [age, quickness] : cases) {
        Player p;
        p.Age = static_cast<int16_t>(age);
        p.Quickness = p.Strength = p.Jumping = 50;
        AgeBody(p);
        EXPECT_EQ(p.Quickness, quickness) << age; // 50 x 0.98 = 49, x 0.97 = 48.5 -> 48, x 0.95 = 47.5 -> 48
        EXPECT_EQ(p.Strength, quickness) << age;
        EXPECT_EQ(p.Jumping, quickness) << age;
    }
}

TEST(Development, RescoutingAveragesTheEstimate) {
    Random rng(21);
    for (int i = 0; i < 500; ++i) {
        Player p;
        p.Potential = 70;
        p.KnownPotential = 40;
        Rescout(p, rng);
        // The estimate lies in 40 .. 100; the average of 40 and it in 40 .. 70.
        EXPECT_GE(p.KnownPotential, 40);
        EXPECT_LE(p.KnownPotential, 70);
        EXPECT_EQ(p.PotentialGrade, GradeOf(p.KnownPotential));
    }
}

TEST(Development, FirstSeasonCampsOnlyHeal) {
    League league;
    std::mt19937 gen(4);
    for (int id = 1; id <= 20; ++id)
        test::MakePlayer(league.player(id), id, 1 + id % 5, "FA", gen);
    league.player(3).TimeInjured = 70;
    league.player(4).TimeInjured = 12;
    league.state.Season = league.state.FirstSeason = 2010;
    league.state.SeasonDay = Phase::TrainingCamps;
    League before = league;
    ScriptedHost host;
    ASSERT_TRUE(RunTrainingCamps(league, host));
    EXPECT_EQ(league.state.SeasonDay, Phase::BeforeSeason);
    EXPECT_EQ(league.player(3).TimeInjured, 20);
    EXPECT_EQ(league.player(4).TimeInjured, 0);
    for (int id = 1; id <= 20; ++id)
        EXPECT_EQ(std::tie(league.player(id).Potential, league.player(id).Handling),
                  std::tie(before.player(id).Potential, before.player(id).Handling));

    league.state.Season = 2011; // a later season: players develop
    league.state.SeasonDay = Phase::TrainingCamps;
    ASSERT_TRUE(RunTrainingCamps(league, host));
    int changed = 0;
    for (int id = 1; id <= 20; ++id)
        changed += league.player(id).Handling != before.player(id).Handling;
    EXPECT_GE(changed, 5);
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
        p.KnownPotential = 50; // the current rating does not depend on the scouting, keep it alike
        p.PotentialGrade = GradeOf(50);
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
        EXPECT_GE(mean, c.lowest) << "age " << c.age << " potential " << c.potential;
        EXPECT_LE(mean, c.highest) << "age " << c.age << " potential " << c.potential;
    }
    EXPECT_LT(MeanRatingChange(3, 37, 60, 77), MeanRatingChange(3, 31, 60, 77));
}

} // namespace
} // namespace hv
