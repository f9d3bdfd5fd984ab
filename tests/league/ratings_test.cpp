// Player ratings: cases worked by hand from the rating rules and the band tables at their edges.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "league/league.h"
#include "league/ratings.h"
#include "league/ratings_internal.h"

namespace hv {
namespace {

// A small forward with every skill at 50 and an average build.
Player AveragePlayer() {
    Player p;
    p.Name = "Average Joe";
    p.Height = 80;
    p.Weight = 220;
    p.Age = 28;
    p.DefaultPosition = "SF";
    p.PositionNumber = p.OriginalPosition = 3;
    p.PotentialGrade = "C";
    for (int16_t* a : {&p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Scoring, &p.Handling, &p.Passing,
                       &p.Quickness, &p.PostDefense, &p.PerimeterDefense, &p.DriveDefense, &p.Stealing,
                       &p.ShotBlocking, &p.OffenseRebound, &p.DefenseRebound, &p.Jumping, &p.Strength})
        *a = 50;
    p.STAMINA = 50;
    return p;
}

// Below 5 raised to 5, above 100 lowered to 100, then the caps of the original position; STAMINA untouched.
TEST(AttributeLimits, RangeThenPositionCaps) {
    const struct {
        int position;
        int16_t Player::*skill;
        int16_t value, limited;
    } cases[] = {{3, &Player::InsideScoring, 0, 5},      {3, &Player::Strength, 120, 100},
                 {1, &Player::Handling, 76, 75},         {1, &Player::PerimeterDefense, 100, 75},
                 {1, &Player::DefenseRebound, 100, 100}, {2, &Player::Passing, 85, 80},
                 {2, &Player::PerimeterDefense, 80, 75}, {4, &Player::OffenseRebound, 61, 60},
                 {4, &Player::DefenseRebound, 99, 60},   {4, &Player::PostDefense, 99, 99},
                 {5, &Player::PostDefense, 80, 75},      {5, &Player::DefenseRebound, 70, 50}};
    for (const auto& c : cases) {
        Player p = AveragePlayer();
        p.OriginalPosition = static_cast<int16_t>(c.position);
        p.*c.skill = c.value;
        p.STAMINA = 150;
        ApplyAttributeLimits(p);
        EXPECT_EQ(p.*c.skill, c.limited) << "position " << c.position << " value " << c.value;
        EXPECT_EQ(p.STAMINA, 150);
    }
}

TEST(Composites, WorkedCasesRoundHalfToEven) {
    Player p = AveragePlayer();
    p.Strength = 45, p.InsideScoring = 61, p.Jumping = 40;                             // 9 + 30.5 + 12 = 51.5
    p.ThreePointShot = 51, p.JumpShot = 50;                                            // 50.5
    p.DefenseRebound = 60, p.OffenseRebound = 40, p.Quickness = 50;                    // 27 + 14 + 6.75 + 2.5
    p.PerimeterDefense = 41, p.PostDefense = 50, p.DriveDefense = 50, p.Stealing = 50; // plain average 48.2
    p.DefaultPosition = "G";
    CalculatePlayerRatings(p);
    EXPECT_EQ(std::tie(p.RatingInsideScoring, p.RatingOutsideScoring, p.RatingRebounding, p.RatingDefense),
              std::make_tuple(52, 50, 50, 48))
        << "no known position: the plain defence average stands";
    // Zero passing and quickness are raised to 5 first: R(R(5.25) x 0.98) = 5.
    Player weak = AveragePlayer();
    weak.Passing = weak.Quickness = 0;
    CalculatePlayerRatings(weak);
    EXPECT_EQ(weak.RatingHandling, 5);
}

// Base R(0.2 x 50 + 0.85 x 50) = R(52.5) = 52 times the Handling band's factor; 105 x 1.08 is cut to 100.
TEST(Composites, HandlingFactorBands) {
    const std::pair<int, int> cases[] = {{5, 42},  {10, 43}, {30, 47}, {50, 51}, {60, 53},
                                         {61, 51}, {70, 53}, {80, 54}, {90, 55}, {100, 56}};
    for (auto [handling, rating] : cases) {
        Player p = AveragePlayer();
        p.Handling = static_cast<int16_t>(handling);
        CalculatePlayerRatings(p);
        EXPECT_EQ(p.RatingHandling, rating) << "Handling " << handling;
    }
    Player top = AveragePlayer();
    top.Passing = top.Quickness = top.Handling = 100;
    CalculatePlayerRatings(top);
    EXPECT_EQ(top.RatingHandling, 100);
}

TEST(Composites, DefenseAtTheOwnPositionLimitedToOneToHundred) {
    // Small forward, every input 50: 0.8333 x 0.20 + 0.7692 x 0.15 x 2 + 0.7143 x 0.15 + 0.7692 x 0.10 +
    // 0.8333 x 0.15 + 0.8333 x 0.10 = 0.78984; (0.78984 - 0.3) / 0.7 x 100 = 69.98.
    Player sf = AveragePlayer();
    CalculatePlayerRatings(sf);
    EXPECT_EQ(sf.RatingDefense, 70);
    Player weak = AveragePlayer(), best = AveragePlayer(); // the best: every term at its 1.05 ceiling, 107.14
    weak.DefaultPosition = "C", best.DefaultPosition = "PG";
    for (int16_t Player::*a :
         {&Player::PostDefense, &Player::PerimeterDefense, &Player::DriveDefense, &Player::Stealing,
          &Player::ShotBlocking, &Player::Quickness, &Player::Strength})
        weak.*a = 5, best.*a = 100;
    CalculatePlayerRatings(weak);
    CalculatePlayerRatings(best);
    EXPECT_EQ(std::make_tuple(weak.RatingDefense, best.RatingDefense), std::make_tuple(1, 100));
}

// Centre with every skill 50, 6'11'' and 290 pounds: physical 46.548 x 0.28 = 13.033, skills 35.5: R(48.533).
Player AverageCentre() {
    Player p = AveragePlayer();
    p.DefaultPosition = "C";
    p.PositionNumber = p.OriginalPosition = 1;
    p.Height = 83;
    p.Weight = 290;
    return p;
}

TEST(PositionRatingTest, WorkedCases) {
    EXPECT_EQ(PositionRating(AverageCentre(), 1), 49);
    // Point guard 6'2'', 175: inside (50 - 20) x 100 / 80 x 0.09 = 3.375; skills 40; physical 13.625 x 0.12.
    Player pg = AveragePlayer();
    pg.Height = 74, pg.Weight = 175;
    EXPECT_EQ(PositionRating(pg, 5), 45);
    // Small forward 6'8'', 220: skills 40.5, physical 4.6; current and future ratings (age 28, grade C).
    Player sf = AveragePlayer();
    CalculatePlayerRatings(sf);
    EXPECT_EQ(std::tie(sf.CurrentRating, sf.FutureRating), std::make_tuple(45, 45));
    // The centre's height scores 0 at 78 inches and below, 100 at 88 and above: 45.173 and 51.893.
    const std::pair<int, int> heights[] = {{70, 45}, {78, 45}, {88, 52}, {95, 52}};
    for (auto [height, rating] : heights) {
        Player c = AverageCentre();
        c.Height = static_cast<int16_t>(height);
        EXPECT_EQ(PositionRating(c, 1), rating) << height;
    }
}

// R(R(current x age factor) x grade factor) with the current rating kept at 60 (no known position).
TEST(FutureRatingTest, AgeThenGradeEachRounded) {
    const struct {
        int age;
        const char* grade;
        int future;
    } cases[] = {{24, "A", 66}, {26, "A", 63}, {33, "C", 60}, {34, "F", 54},
                 {36, "D", 56}, {37, "D", 50}, {40, "", 51},  {25, "D", 62}};
    for (const auto& c : cases) {
        Player p = AveragePlayer();
        p.DefaultPosition = "G";
        p.CurrentRating = 60;
        p.Age = static_cast<int16_t>(c.age);
        p.PotentialGrade = c.grade;
        CalculatePlayerRatings(p);
        EXPECT_EQ(p.CurrentRating, 60);
        EXPECT_EQ(p.FutureRating, c.future) << c.age << " " << c.grade;
    }
}

// A player whose composites are set by hand; the fit reads them as they stand. Defensive skills in the order
// post, perimeter, drive, stealing, blocking, quickness, strength.
Player FitCase(std::array<int16_t, 7> defence = {80, 50, 75, 60, 80, 40, 80}, int16_t height = 80,
               int16_t weight = 230) {
    Player p;
    p.Name = "Fit Case";
    int16_t* fields[] = {&p.PostDefense,  &p.PerimeterDefense, &p.DriveDefense, &p.Stealing,
                         &p.ShotBlocking, &p.Quickness,        &p.Strength};
    for (size_t k = 0; k < 7; ++k)
        *fields[k] = defence[k];
    p.RatingInsideScoring = 50;  // curve 50
    p.RatingOutsideScoring = 40; // curve 35
    p.RatingHandling = 40;
    p.RatingRebounding = 60;
    p.Height = height;
    p.Weight = weight;
    return p;
}

TEST(Fits, WorkedCasesAtEachPosition) {
    // Centre: D = 100; base R(65.75) = 66; height -3.77 -> 0.85: 56; weight -26 -> 0.95: 53; R(59.5) = 60.
    EXPECT_EQ(FitRating(FitCase(), 1), 60);
    // Power forward: D = 97.99; base 58; height 0.93: 54; weight 0.98: 53; quickness -10: 0.98: 52;
    // strength +10: 1.01: 53; R(55.5) = 56.
    EXPECT_EQ(FitRating(FitCase(), 2), 56);
    // Small forward: D = 100; base R(52.75) = 53; height -2.04 -> 0.9: 48; weight -44 -> 0.9: 43; R(48).
    Player sf = FitCase({60, 65, 65, 70, 65, 60, 60}, 78, 180);
    EXPECT_EQ(FitRating(sf, 3), 48);
    // Shooting guard: base R(47.85) = 48; 6'10'' is 5.09 above the reference: 0.6 -> 29; R(38.5) = 38.
    EXPECT_EQ(FitRating(FitCase({50, 80, 75, 80, 50, 70, 50}, 82, 204), 4), 38);
    // Point guard: base R(49.95) = 50; weight +64 -> 1.02: 51; R(50.5) = 50.
    EXPECT_EQ(FitRating(FitCase({40, 80, 70, 80, 30, 80, 40}, 74, 250), 5), 50);
    Player nothing = FitCase({5, 5, 5, 5, 5, 5, 5});
    nothing.RatingInsideScoring = nothing.RatingOutsideScoring = nothing.RatingHandling = 0;
    nothing.RatingRebounding = 0;
    for (int pos = 1; pos <= 5; ++pos)
        EXPECT_EQ(FitRating(nothing, pos), 1) << "a fit is at least 1, position " << pos;
}

// The four factor tables of the fit ratings, each band at its lower and upper edge (closed at the top).
TEST(Fits, FactorTablesAtEveryBandEdge) {
    using namespace ratings_internal;
    // Height difference: below -6, -6 to -5, above -5 to -4, ... above -1 to -0.5, -0.5 to 0.5, above 0.5 to
    // 1, above 1 (the SG's last band is checked below).
    const double heightEdges[10][2] = {{-40, -6.01}, {-6, -5},      {-4.99, -4},  {-3.99, -3}, {-2.99, -2},
                                       {-1.99, -1},  {-0.99, -0.5}, {-0.49, 0.5}, {0.51, 1},   {1.01, 3.9}};
    const double heights[5][10] = {{0.4, 0.6, 0.725, 0.85, 0.9, 0.95, 0.98, 1, 1.01, 1.05},
                                   {0.4, 0.6, 0.8, 0.85, 0.9, 0.93, 0.95, 1, 1.01, 1.02},
                                   {0.4, 0.6, 0.8, 0.85, 0.9, 0.93, 0.95, 1, 1.01, 1.02},
                                   {0.8, 0.84, 0.88, 0.9, 0.94, 0.96, 0.98, 1, 1.01, 1.02},
                                   {0.75, 0.8, 0.85, 0.9, 0.93, 0.95, 0.98, 1, 1.01, 1.02}};
    for (int pos = 1; pos <= 5; ++pos)
        for (size_t band = 0; band < 10; ++band)
            for (double d : heightEdges[band])
                EXPECT_EQ(FitHeightFactor(d, pos), heights[pos - 1][band])
                    << "position " << pos << ", d " << d;
    for (auto [d, factor] : {std::pair{4.0, 1.02}, {4.01, 0.98}, {5.0, 0.98}, {5.01, 0.6}, {9.0, 0.6}})
        EXPECT_EQ(FitHeightFactor(d, 4), factor) << "shooting guard, d " << d;

    const int weightEdges[11][2] = {{-90, -61}, {-60, -50}, {-49, -40}, {-39, -30}, {-29, -20}, {-19, -10},
                                    {-9, 10},   {11, 20},   {21, 40},   {41, 50},   {51, 90}};
    const double weights[5][11] = {{0.6, 0.7, 0.8, 0.9, 0.95, 0.98, 1, 1.01, 1.02, 1.03, 1.05},
                                   {0.6, 0.7, 0.8, 0.9, 0.95, 0.98, 1, 1.02, 1.02, 1.02, 1.02},
                                   {0.6, 0.7, 0.9, 0.95, 0.96, 0.98, 1, 1.02, 1.02, 1.02, 1.02},
                                   {0.9, 0.95, 0.96, 0.97, 0.98, 0.99, 1, 1.02, 1.02, 1.02, 1.02},
                                   {0.6, 0.7, 0.8, 0.9, 0.95, 0.98, 1, 1.02, 1.02, 1.02, 1.02}};
    for (int pos = 1; pos <= 5; ++pos)
        for (size_t band = 0; band < 11; ++band)
            for (int w : weightEdges[band])
                EXPECT_EQ(FitWeightFactor(w, pos), weights[pos - 1][band])
                    << "position " << pos << ", w " << w;

    const std::array<std::pair<int, int>, 9> quicknessEdges = {
        {{-40, -21}, {-20, -16}, {-15, -15}, {-14, -10}, {-9, -5}, {-4, 5}, {6, 10}, {11, 15}, {16, 40}}};
    const double quickness[4][9] = {{0.97, 0.97, 0.98, 0.98, 0.99, 1, 1.01, 1.01, 1.01},
                                    {0.4, 0.6, 0.6, 0.8, 0.96, 1, 1.01, 1.02, 1.02},
                                    {0.6, 0.8, 0.8, 0.9, 0.95, 1, 1.01, 1.02, 1.04},
                                    {0.6, 0.8, 0.8, 0.9, 0.95, 1, 1.01, 1.01, 1.01}};
    for (int pos = 2; pos <= 5; ++pos)
        for (size_t band = 0; band < quicknessEdges.size(); ++band)
            for (int q : {quicknessEdges[band].first, quicknessEdges[band].second})
                EXPECT_EQ(FitQuicknessFactor(q, pos), quickness[pos - 2][band])
                    << "position " << pos << ", q " << q;

    const std::pair<int, double> strength[] = {{-40, 0.97}, {-16, 0.97}, {-15, 0.98}, {-10, 0.98},
                                               {-9, 0.99},  {-5, 0.99},  {-4, 1},     {5, 1},
                                               {6, 1.01},   {40, 1.01}};
    for (auto [t, factor] : strength)
        EXPECT_EQ(FitStrengthFactor(t), factor) << "t " << t;
}

TEST(ScoringCurveTest, InterpolatesBetweenItsPointsAndIsZeroOutsideTheScale) {
    const std::pair<int, double> cases[] = {{0, 0},   {30, 27.5}, {45, 42.5}, {55, 57.5}, {65, 70},
                                            {83, 88}, {93, 96.8}, {97, 98.8}, {-1, 0},    {101, 0}};
    for (auto [x, y] : cases)
        EXPECT_NEAR(ScoringCurve(x), y, 1e-12) << x;
}

TEST(LetterGradeTest, BandEdges) {
    const std::pair<int, const char*> cases[] = {
        {-3, "F-"}, {5, "F-"},  {6, "F"},   {11, "F+"}, {16, "D-"}, {21, "D"},  {26, "D+"},
        {31, "C-"}, {38, "C-"}, {39, "C"},  {52, "C"},  {53, "C+"}, {61, "B-"}, {66, "B"},
        {71, "B+"}, {76, "A-"}, {85, "A-"}, {86, "A"},  {95, "A"},  {96, "A+"}, {100, "A+"}};
    for (auto [value, grade] : cases)
        EXPECT_EQ(LetterGrade(value), grade) << value;
}

// The ratio to the position's average of the class, and 1.5 x A(ratio), A through (1, 0), (1.1, 0.5),
// (1.2, 1.25), (1.3, 2.25), (1.4, 3.5), (1.5, 5), and 5 above. Free agents and next year's class are not
// graded; an average of 0 counts as 1 for everyone.
TEST(AbsoluteRatings, RatioToThePositionAverage) {
    auto league = std::make_unique<League>();
    const struct {
        int id;
        const char* team;
        int position, future;
        double ratio, absolute;
    } cases[] = {{1, kDraft, 1, 50, 1.25, 2.625}, {2, kDraft, 1, 30, 0.75, 0}, {3, kDraft, 2, 60, 1.2, 1.875},
                 {4, kDraft, 2, 40, 0.8, 0},      {5, kDraft, 2, 50, 1.0, 0},  {8, kDraft, 3, 90, 1.5, 7.5},
                 {9, kDraft, 3, 30, 0.5, 0},      {10, kDraft, 4, 0, 1.0, 0},  {11, kDraft, 4, 0, 1.0, 0},
                 {6, kFreeAgent, 1, 99, -1, 0},   {7, kNextDraft, 2, 99, 0, 0}};
    for (const auto& c : cases) {
        Player& p = league->player(c.id);
        p.Name = "Prospect", p.Team = c.team, p.DraftRatio = c.ratio < 0 ? -1 : 0;
        p.PositionNumber = static_cast<int16_t>(c.position), p.FutureRating = static_cast<int16_t>(c.future);
    }
    CalculateAbsoluteRatings(*league);
    for (const auto& c : cases)
        EXPECT_TRUE(std::abs(league->player(c.id).DraftRatio - c.ratio) < 1e-12 &&
                    std::abs(league->player(c.id).AbsoluteRating - c.absolute) < 1e-9)
            << c.id << ": " << league->player(c.id).DraftRatio << ", " << league->player(c.id).AbsoluteRating;
}

} // namespace
} // namespace hv
