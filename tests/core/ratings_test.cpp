// Player ratings: worked cases computed by hand from the rating rules, and invariants over random players.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "league/league.h"
#include "personnel/ratings.h"

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
    p.PositionNumber = 3;
    p.OriginalPosition = 3;
    p.PotentialGrade = "C";
    for (int16_t* a : {&p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Scoring, &p.Handling, &p.Passing,
                       &p.Quickness, &p.PostDefense, &p.PerimeterDefense, &p.DriveDefense, &p.Stealing,
                       &p.ShotBlocking, &p.OffenseRebound, &p.DefenseRebound, &p.Jumping, &p.Strength})
        *a = 50;
    p.STAMINA = 50;
    return p;
}

TEST(AttributeLimits, RaisesLowAndLowersHighValues) {
    Player p = AveragePlayer();
    p.InsideScoring = 0;
    p.Jumping = -7;
    p.Strength = 120;
    p.Scoring = 101;
    p.STAMINA = 150;
    ApplyAttributeLimits(p);
    EXPECT_EQ(p.InsideScoring, 5);
    EXPECT_EQ(p.Jumping, 5);
    EXPECT_EQ(p.Strength, 100);
    EXPECT_EQ(p.Scoring, 100);
    EXPECT_EQ(p.STAMINA, 150) << "stamina is not a skill the limits touch";
}

TEST(AttributeLimits, PositionCapsFollowOriginalPosition) {
    const struct {
        int position;
        int16_t Player::*skill;
        int16_t value, limited;
    } cases[] = {{1, &Player::Passing, 90, 75},           {1, &Player::Handling, 76, 75},
                 {1, &Player::PerimeterDefense, 100, 75}, {1, &Player::DefenseRebound, 100, 100},
                 {2, &Player::Passing, 85, 80},           {2, &Player::Handling, 81, 80},
                 {2, &Player::PerimeterDefense, 80, 75},  {3, &Player::Passing, 100, 100},
                 {3, &Player::OffenseRebound, 100, 100},  {4, &Player::OffenseRebound, 61, 60},
                 {4, &Player::DefenseRebound, 99, 60},    {4, &Player::PostDefense, 99, 99},
                 {5, &Player::PostDefense, 80, 75},       {5, &Player::OffenseRebound, 51, 50},
                 {5, &Player::DefenseRebound, 70, 50},    {5, &Player::Passing, 100, 100}};
    for (const auto& c : cases) {
        Player p = AveragePlayer();
        p.OriginalPosition = static_cast<int16_t>(c.position);
        p.*c.skill = c.value;
        ApplyAttributeLimits(p);
        EXPECT_EQ(p.*c.skill, c.limited) << "position " << c.position << " value " << c.value;
    }
}

TEST(AttributeLimits, ApplyBeforeAnyRatingIsComputed) {
    // Zero passing and quickness would give a handling rating of 0; raised to 5 they give
    // R(R(0.2*5 + 0.85*5) * m(50)) = R(R(5.25) * 0.98) = R(4.9) = 5.
    Player p = AveragePlayer();
    p.Passing = 0;
    p.Quickness = 0;
    CalculatePlayerRatings(p);
    EXPECT_EQ(p.Passing, 5);
    EXPECT_EQ(p.RatingHandling, 5);
}

TEST(Composites, InsideOutsideReboundingRoundHalfToEven) {
    Player p = AveragePlayer();
    p.Strength = 45;
    p.InsideScoring = 61;
    p.Jumping = 40; // 9 + 30.5 + 12 = 51.5 -> 52
    p.ThreePointShot = 51;
    p.JumpShot = 50; // 50.5 -> 50
    p.DefenseRebound = 60;
    p.OffenseRebound = 40;
    p.Quickness = 50; // 27 + 14 + 6.75 + 2.5 = 50.25 -> 50
    CalculatePlayerRatings(p);
    EXPECT_EQ(p.RatingInsideScoring, 52);
    EXPECT_EQ(p.RatingOutsideScoring, 50);
    EXPECT_EQ(p.RatingRebounding, 50);
}

TEST(Composites, HandlingAtTheTopIsCutTo100) {
    // R(0.2*100 + 0.85*100) = 105; R(105 * 1.08) = 113, cut to 100.
    Player p = AveragePlayer();
    p.Passing = 100;
    p.Quickness = 100;
    p.Handling = 100;
    CalculatePlayerRatings(p);
    EXPECT_EQ(p.RatingHandling, 100);
}

TEST(Composites, HandlingFactorDropsAfterSixty) {
    // Base R(0.2*50 + 0.85*50) = R(52.5) = 52 (half to even).
    Player p = AveragePlayer();
    auto handlingWith = [&](int h) {
        Player q = p;
        q.Handling = static_cast<int16_t>(h);
        CalculatePlayerRatings(q);
        return q.RatingHandling;
    };
    EXPECT_EQ(handlingWith(60), 53);  // 52 * 1.02 = 53.04
    EXPECT_EQ(handlingWith(61), 51);  // 52 * 0.984 = 51.168
    EXPECT_EQ(handlingWith(5), 42);   // 52 * 0.80 = 41.6
    EXPECT_EQ(handlingWith(10), 43);  // 52 * 0.82 = 42.64
    EXPECT_EQ(handlingWith(11), 43);  // 52 * 0.824 = 42.848
    EXPECT_EQ(handlingWith(30), 47);  // 52 * 0.90 = 46.8
    EXPECT_EQ(handlingWith(75), 54);  // 52 * 1.03 = 53.56
    EXPECT_EQ(handlingWith(100), 56); // 52 * 1.08 = 56.16
}

TEST(Composites, DefenseAtOwnPositionOrPlainAverage) {
    // Small forward, every defensive input 50:
    // 0.8333*0.20 + 0.7692*0.15 + 0.7692*0.15 + 0.7143*0.15 + 0.7692*0.10 + 0.8333*0.15 + 0.8333*0.10
    // = 0.78984; (0.78984 - 0.3) / 0.7 * 100 = 69.98 -> 70.
    Player sf = AveragePlayer();
    CalculatePlayerRatings(sf);
    EXPECT_EQ(sf.RatingDefense, 70);

    // No known position: the plain average R(0.2 * (50+50+50+50+52)) = R(50.4) = 50 stands.
    Player unknown = AveragePlayer();
    unknown.DefaultPosition = "G";
    unknown.ShotBlocking = 52;
    CalculatePlayerRatings(unknown);
    EXPECT_EQ(unknown.RatingDefense, 50);

    // The weakest centre falls below zero and is lifted to 1.
    Player weak = AveragePlayer();
    weak.DefaultPosition = "C";
    for (int16_t* a : {&weak.PostDefense, &weak.PerimeterDefense, &weak.DriveDefense, &weak.Stealing,
                       &weak.ShotBlocking, &weak.Quickness, &weak.Strength})
        *a = 5;
    CalculatePlayerRatings(weak);
    EXPECT_LT(PositionDefense(weak, 1), 0);
    EXPECT_EQ(weak.RatingDefense, 1);

    // Every term at its 1.05 ceiling: (1.05 - 0.3) / 0.7 * 100 = 107.1, limited to 100.
    Player best = AveragePlayer();
    best.DefaultPosition = "PG";
    for (int16_t* a : {&best.PostDefense, &best.PerimeterDefense, &best.DriveDefense, &best.Stealing,
                       &best.ShotBlocking, &best.Quickness, &best.Strength})
        *a = 100;
    CalculatePlayerRatings(best);
    EXPECT_NEAR(PositionDefense(best, 5), 107.142857, 1e-4);
    EXPECT_EQ(best.RatingDefense, 100);
}

TEST(Styles, LabelsFromOutsideOverInsideRatio) {
    // inside = 0.4*50 + 0.25*40 + 0.25*60 + 0.1*50 = 50;
    // outside = 0.5*50 + 0.3*40 + 0.2*50 = 47 (centre: 0.55*50 + 0.25*40 + 0.2*50 = 47.5).
    Player p = AveragePlayer();
    p.OffenseRebound = 40;
    p.DefenseRebound = 60;
    p.ThreePointShot = 40;
    CalculatePlayerRatings(p);
    EXPECT_EQ(p.StyleC, "Balanced");  // 0.95
    EXPECT_EQ(p.StylePF, "Balanced"); // 0.94
    EXPECT_EQ(p.StyleSF, "Balanced"); // 0.94 > 0.9
    EXPECT_EQ(p.StyleSG, "Inside");   // 0.94 <= 1.25
    EXPECT_EQ(p.StylePG, "Inside");

    // A pure shooter: outside 100 over inside 20.
    Player shooter = AveragePlayer();
    shooter.JumpShot = shooter.ThreePointShot = shooter.Quickness = 100;
    shooter.InsideScoring = shooter.OffenseRebound = shooter.DefenseRebound = shooter.Strength = 20;
    CalculatePlayerRatings(shooter);
    for (int pos = 1; pos <= 5; ++pos)
        EXPECT_EQ(StyleAt(shooter, pos), "Outside") << pos;

    // Guard bands: inside 50, outside 0.5*100 + 0.3*100 + 0.2*50 = 90 -> r = 1.8.
    Player guard = AveragePlayer();
    guard.JumpShot = guard.ThreePointShot = 100;
    CalculatePlayerRatings(guard);
    EXPECT_EQ(guard.StyleSF, "Outside");
    EXPECT_EQ(guard.StyleSG, "Balanced");
    EXPECT_EQ(guard.StylePG, "Balanced");

    Player empty = AveragePlayer();
    empty.Name = "N/A";
    CalculatePlayerRatings(empty);
    for (int pos = 1; pos <= 5; ++pos)
        EXPECT_EQ(StyleAt(empty, pos), "N/A") << pos;
}

// Centre with every skill 50, 6'11'' and 290 pounds.
// Physical: height 50*0.24 + weight 50*0.16 + quickness 83.33*0.25 + jumping 57.14*0.10 + strength 0
// = 46.548, times 0.28 = 13.033; skills 50 * 0.71 = 35.5; rating R(48.533) = 49.
Player AverageCentre() {
    Player p = AveragePlayer();
    p.DefaultPosition = "C";
    p.PositionNumber = p.OriginalPosition = 1;
    p.Height = 83;
    p.Weight = 290;
    return p;
}

TEST(PositionRatingTest, WorkedCentreAndPointGuard) {
    EXPECT_EQ(PositionRating(AverageCentre(), 1), 49);

    // Point guard, 6'2'', 175 pounds: inside term (50-20)*100/80*0.09 = 3.375; other skills 50*0.80 = 40;
    // physical 50*0.10 + 50*0.05 + 0 + 30*0.10 + 62.5*0.05 = 13.625, times 0.12 = 1.635; R(45.01) = 45.
    Player pg = AveragePlayer();
    pg.Height = 74;
    pg.Weight = 175;
    EXPECT_EQ(PositionRating(pg, 5), 45);
    // The point guard's inside term is not limited below zero: (5-20)*100/80*0.09 = -1.6875 -> R(39.9475).
    pg.InsideScoring = 5;
    EXPECT_EQ(PositionRating(pg, 5), 40);
    pg.InsideScoring = 20;
    EXPECT_EQ(PositionRating(pg, 5), 42);

    // Small forward 6'8'', 220: skills 50*0.81 = 40.5; physical (7.5 + 6 + 5 + 2 + 2.5) * 0.20 = 4.6.
    Player sf = AveragePlayer();
    EXPECT_EQ(PositionRating(sf, 3), 45);
    CalculatePlayerRatings(sf);
    EXPECT_EQ(sf.CurrentRating, 45);
    EXPECT_EQ(sf.FutureRating, 45); // age 28, grade C: no change
}

TEST(PositionRatingTest, CentreHeightScoreRunsFrom78To88) {
    Player c = AverageCentre();
    c.Height = 78; // score 0: 48.533 - 50*0.24*0.28 = 45.173
    EXPECT_EQ(PositionRating(c, 1), 45);
    c.Height = 70;
    EXPECT_EQ(PositionRating(c, 1), 45);
    c.Height = 88; // score 100: 48.533 + 3.36 = 51.893
    EXPECT_EQ(PositionRating(c, 1), 52);
    c.Height = 95;
    EXPECT_EQ(PositionRating(c, 1), 52);
}

TEST(PositionRatingTest, ExtremeBuildSaturatesInsteadOfOverflowing) {
    // Weight 340 already scores 100 for a centre: 35.5 + (12 + 16 + 20.833 + 5.714) * 0.28 = 50.77 -> 51.
    Player c = AverageCentre();
    c.Weight = 340;
    EXPECT_EQ(PositionRating(c, 1), 51);
    // (1000 - 240) * 100 does not fit 16 bits; the score is still the top of the scale.
    c.Weight = 1000;
    EXPECT_EQ(PositionRating(c, 1), 51);
    c.Weight = 32767;
    EXPECT_EQ(PositionRating(c, 1), 51);
    c.Weight = -32768;
    EXPECT_EQ(PositionRating(c, 1), PositionRating(
                                        [] {
                                            Player light = AverageCentre();
                                            light.Weight = 240;
                                            return light;
                                        }(),
                                        1));
    c.Height = 32767;
    EXPECT_NO_THROW(PositionRating(c, 1));
    EXPECT_THROW(PositionRating(c, 0), std::out_of_range);
    EXPECT_THROW(PositionRating(c, 6), std::out_of_range);
}

Player WithStaleRating(int age, const std::string& grade) {
    Player p = AveragePlayer();
    p.DefaultPosition = "G"; // no known position: the current rating is kept
    p.CurrentRating = 60;
    p.Age = static_cast<int16_t>(age);
    p.PotentialGrade = grade;
    CalculatePlayerRatings(p);
    return p;
}

TEST(FutureRatingTest, AgeThenGradeEachRounded) {
    Player young = WithStaleRating(24, "A");
    EXPECT_EQ(young.CurrentRating, 60);
    EXPECT_EQ(young.FutureRating, 66);                    // R(R(63) * 1.05) = R(66.15)
    EXPECT_EQ(WithStaleRating(25, "B").FutureRating, 64); // R(63 * 1.02) = R(64.26)
    EXPECT_EQ(WithStaleRating(26, "A").FutureRating, 63); // R(60 * 1.05)
    EXPECT_EQ(WithStaleRating(33, "C").FutureRating, 60);
    EXPECT_EQ(WithStaleRating(34, "F").FutureRating, 54); // R(57 * 0.95) = R(54.15)
    EXPECT_EQ(WithStaleRating(36, "D").FutureRating, 56); // R(57 * 0.98) = R(55.86)
    EXPECT_EQ(WithStaleRating(37, "D").FutureRating, 50); // R(51 * 0.98) = R(49.98)
    EXPECT_EQ(WithStaleRating(40, "").FutureRating, 51);  // unknown grade: no change
}

// A player whose composites are set by hand; the fit reads them as they stand.
// Defensive skills in the order post, perimeter, drive, stealing, blocking, quickness, strength.
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

TEST(Fits, WorkedCentreAndPowerForward) {
    // Centre: every defensive term at 1 -> D = 100.
    // base = R(0.3*50 + 0.3*100 + 0.1*40 + 0.05*35 + 0.25*60) = R(65.75) = 66;
    // height -3.77 -> 0.85: R(56.1) = 56; weight -26 -> 0.95: R(53.2) = 53; fit R(59.5) = 60.
    EXPECT_EQ(FitRating(FitCase(), 1), 60);

    // Power forward: D = (0.2415 + 0.0909 + 0.15 + 0.05 + 0.2 + 0.096 + 0.1575 - 0.3) / 0.7 * 100 = 97.99;
    // base = R(18 + 14.698 + 4 + 3.5 + 17.4) = 58; height -1.21 -> 0.93: 54; weight -12 -> 0.98: 53;
    // quickness -10 -> 0.98: 52; strength +10 -> 1.01: 53; fit R(55.5) = 56.
    EXPECT_EQ(FitRating(FitCase(), 2), 56);
}

TEST(Fits, WorkedSmallForwardAndPointGuard) {
    // Small forward: every defensive term at 1 -> D = 100;
    // base = R(0.32*50 + 0.125*100 + 0.115*40 + 0.27*35 + 0.17*60) = R(52.75) = 53;
    // height 78 - 80.04 = -2.04 -> 0.9: R(47.7) = 48; weight -44 -> 0.9: R(43.2) = 43; quickness and
    // strength even -> 1; fit R(0.5*43 + 0.5*53) = 48.
    Player sf = FitCase({60, 65, 65, 70, 65, 60, 60}, 78, 180);
    EXPECT_EQ(FitRating(sf, 3), 48);
    // Quickness 44 (-16 -> 0.6) also lowers D to (0.96 - 0.3) / 0.7 * 100 = 94.29: base R(52.04) = 52;
    // 52 -> 47 -> 42 -> R(25.2) = 25; fit R(38.5) = 38.
    sf.Quickness = 44;
    EXPECT_EQ(FitRating(sf, 3), 38);

    // Point guard: D = 100; base = R(5 + 15 + 23.6 + 4.55 + 1.8) = R(49.95) = 50; height +0.35 -> 1;
    // weight +64 -> 1.02: 51; quickness even -> 1; no strength factor; fit R(50.5) = 50.
    Player pg = FitCase({40, 80, 70, 80, 30, 80, 40}, 74, 250);
    EXPECT_EQ(FitRating(pg, 5), 50);
}

TEST(Fits, ShootingGuardHeightBands) {
    // Every shooting-guard defensive term at 1 -> D = 100;
    // base = R(0.4*50 + 0.08*100 + 0.08*40 + 0.39*35 + 0.05*60) = R(47.85) = 48.
    Player p = FitCase({50, 80, 75, 80, 50, 70, 50}, 80, 204);
    auto fitAt = [&](int height) {
        Player q = p;
        q.Height = static_cast<int16_t>(height);
        return FitRating(q, 4);
    };
    EXPECT_EQ(fitAt(82), 38); // +5.09 -> 0.6: R(28.8) = 29, R(38.5) = 38
    EXPECT_EQ(fitAt(81), 48); // +4.09 -> 0.98: 47, R(47.5) = 48
    EXPECT_EQ(fitAt(80), 48); // +3.09 -> 1.02: 49, R(48.5) = 48
    EXPECT_EQ(fitAt(77), 48); // +0.09 -> 1
    EXPECT_EQ(fitAt(70), 43); // -6.91 -> 0.8: R(38.4) = 38, R(43) = 43
}

TEST(Fits, NeverBelowOne) {
    Player p = FitCase({5, 5, 5, 5, 5, 5, 5});
    p.RatingInsideScoring = p.RatingOutsideScoring = p.RatingHandling = p.RatingRebounding = 0;
    for (int pos = 1; pos <= 5; ++pos)
        EXPECT_EQ(FitRating(p, pos), 1) << pos;
}

TEST(ScoringCurveTest, InterpolatesBetweenItsPointsAndIsZeroOutsideTheScale) {
    const std::pair<int, double> cases[] = {{0, 0},     {30, 27.5}, {45, 42.5}, {50, 50},
                                            {97, 98.8}, {100, 100}, {-1, 0},    {101, 0}};
    for (auto [x, y] : cases)
        EXPECT_DOUBLE_EQ(ScoringCurve(x), y) << x;
}

TEST(LetterGradeTest, BandEdges) {
    const std::pair<int, const char*> cases[] = {
        {-3, "F-"}, {5, "F-"},  {6, "F"},   {10, "F"},  {11, "F+"}, {15, "F+"}, {16, "D-"}, {20, "D-"},
        {21, "D"},  {25, "D"},  {26, "D+"}, {30, "D+"}, {31, "C-"}, {38, "C-"}, {39, "C"},  {52, "C"},
        {53, "C+"}, {60, "C+"}, {61, "B-"}, {65, "B-"}, {66, "B"},  {70, "B"},  {71, "B+"}, {75, "B+"},
        {76, "A-"}, {85, "A-"}, {86, "A"},  {95, "A"},  {96, "A+"}, {100, "A+"}};
    for (auto [value, grade] : cases)
        EXPECT_EQ(LetterGrade(value), grade) << value;
}

class AbsoluteRatings : public ::testing::Test {
  protected:
    void Add(int id, const std::string& team, int position, int futureRating) {
        Player& p = league.player(id);
        p.Name = "Prospect " + std::to_string(id);
        p.Team = team;
        p.PositionNumber = static_cast<int16_t>(position);
        p.FutureRating = static_cast<int16_t>(futureRating);
    }
    League league;
};

TEST_F(AbsoluteRatings, RatioToPositionAverage) {
    Add(1, kDraft, 1, 50);
    Add(2, kDraft, 1, 30); // centres average 40
    Add(3, kDraft, 2, 60);
    Add(4, kDraft, 2, 40);
    Add(5, kDraft, 2, 50); // power forwards average 50
    Add(6, kFreeAgent, 1, 99);
    Add(7, kNextDraft, 2, 99);
    Add(650, kDraft, 5, 70); // the only point guard is his position's average
    league.player(6).DraftRatio = -1;
    CalculateAbsoluteRatings(league);

    EXPECT_DOUBLE_EQ(league.player(1).DraftRatio, 1.25);
    EXPECT_NEAR(league.player(1).AbsoluteRating, 2.625, 1e-9); // 1.5 * 1.75
    EXPECT_DOUBLE_EQ(league.player(2).DraftRatio, 0.75);
    EXPECT_DOUBLE_EQ(league.player(2).AbsoluteRating, 0);
    EXPECT_DOUBLE_EQ(league.player(3).DraftRatio, 1.2);
    EXPECT_NEAR(league.player(3).AbsoluteRating, 1.875, 1e-9);
    EXPECT_DOUBLE_EQ(league.player(5).DraftRatio, 1.0);
    EXPECT_DOUBLE_EQ(league.player(5).AbsoluteRating, 0);
    EXPECT_DOUBLE_EQ(league.player(650).DraftRatio, 1.0);
    EXPECT_DOUBLE_EQ(league.player(6).DraftRatio, -1) << "free agents are not graded";
}

TEST_F(AbsoluteRatings, TopOfScaleAndEmptyPositions) {
    Add(1, kDraft, 3, 90);
    Add(2, kDraft, 3, 30); // average 60: ratio 1.5 -> 7.5
    Add(3, kDraft, 4, 100);
    Add(4, kDraft, 4, 20);
    Add(5, kDraft, 4, 30); // average 50: ratio 2 -> 7.5
    Add(6, kDraft, 4, 55); // average of 4 is 51.25 -> ratio 1.0732
    CalculateAbsoluteRatings(league);
    EXPECT_NEAR(league.player(1).AbsoluteRating, 7.5, 1e-9);
    EXPECT_NEAR(league.player(3).AbsoluteRating, 7.5, 1e-9);
    EXPECT_NEAR(league.player(6).DraftRatio, 55 / 51.25, 1e-12);
    EXPECT_NEAR(league.player(6).AbsoluteRating, 1.5 * (55 / 51.25 - 1) * 5, 1e-9);
}

TEST_F(AbsoluteRatings, AllZeroPositionGivesAverageInsteadOfDividingByZero) {
    Add(1, kDraft, 1, 0);
    Add(2, kDraft, 1, 0);
    CalculateAbsoluteRatings(league);
    EXPECT_DOUBLE_EQ(league.player(1).DraftRatio, 1.0);
    EXPECT_DOUBLE_EQ(league.player(1).AbsoluteRating, 0);
}

// Random players drawn from the league's seeded stream.
class RandomPlayers : public ::testing::Test {
  protected:
    int Draw(int low, int high) { return low + static_cast<int>(rng.Uniform() * (high - low + 1)); }
    Player Make() {
        Player p;
        p.Name = Draw(0, 50) == 0 ? "N/A" : "Random Player";
        for (int16_t* a :
             {&p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Scoring, &p.Handling, &p.Passing,
              &p.Quickness, &p.PostDefense, &p.PerimeterDefense, &p.DriveDefense, &p.Stealing,
              &p.ShotBlocking, &p.OffenseRebound, &p.DefenseRebound, &p.Jumping, &p.Strength})
            *a = static_cast<int16_t>(Draw(-10, 130));
        p.Height = static_cast<int16_t>(Draw(64, 94));
        p.Weight = static_cast<int16_t>(Draw(140, 330));
        p.Age = static_cast<int16_t>(Draw(18, 42));
        p.OriginalPosition = static_cast<int16_t>(Draw(1, 5));
        p.PositionNumber = static_cast<int16_t>(Draw(1, 5));
        p.DefaultPosition = PositionText(p.PositionNumber);
        const char* grades[] = {"A", "B", "C", "D", "F"};
        p.PotentialGrade = grades[Draw(0, 4)];
        return p;
    }
    Random rng{20240611};
};

TEST_F(RandomPlayers, RatingsKeepTheirInvariants) {
    const std::set<std::string> labels{"Inside", "Balanced", "Outside"};
    for (int i = 0; i < 5000; ++i) {
        Player p = Make();
        CalculatePlayerRatings(p);
        SCOPED_TRACE(i);
        for (int v : {p.InsideScoring, p.JumpShot, p.ThreePointShot, p.Scoring, p.Handling, p.Passing,
                      p.Quickness, p.PostDefense, p.PerimeterDefense, p.DriveDefense, p.Stealing,
                      p.ShotBlocking, p.OffenseRebound, p.DefenseRebound, p.Jumping, p.Strength}) {
            ASSERT_GE(v, 5);
            ASSERT_LE(v, 100);
        }
        switch (p.OriginalPosition) {
        case 1:
            ASSERT_TRUE(p.Handling <= 75 && p.Passing <= 75 && p.PerimeterDefense <= 75);
            break;
        case 2:
            ASSERT_TRUE(p.Handling <= 80 && p.Passing <= 80 && p.PerimeterDefense <= 75);
            break;
        case 4:
            ASSERT_TRUE(p.OffenseRebound <= 60 && p.DefenseRebound <= 60);
            break;
        case 5:
            ASSERT_TRUE(p.PostDefense <= 75 && p.OffenseRebound <= 50 && p.DefenseRebound <= 50);
            break;
        }
        ASSERT_GE(p.RatingDefense, 1);
        ASSERT_LE(p.RatingDefense, 100);
        ASSERT_LE(p.RatingHandling, 100);
        // Handling 5 scales the weakest handling composite R(5.25) = 5 down to 4.
        for (int v : {p.RatingInsideScoring, p.RatingOutsideScoring, p.RatingHandling, p.RatingRebounding}) {
            ASSERT_GE(v, 4);
            ASSERT_LE(v, 100);
        }
        ASSERT_EQ(p.CurrentRating, PositionRating(p, p.PositionNumber));
        ASSERT_GE(p.CurrentRating, 0);
        ASSERT_LE(p.CurrentRating, 100);
        for (int pos = 1; pos <= 5; ++pos) {
            ASSERT_GE(FitAt(p, pos), 1);
            ASSERT_LE(FitAt(p, pos), 105);
            ASSERT_EQ(FitAt(p, pos), FitRating(p, pos));
            if (p.Name == "N/A")
                ASSERT_EQ(StyleAt(p, pos), "N/A");
            else
                ASSERT_TRUE(labels.count(StyleAt(p, pos))) << StyleAt(p, pos);
        }
        // The future rating moves the current one by at most the largest age and grade factors.
        ASSERT_LE(p.FutureRating, p.CurrentRating * 1.05 * 1.05 + 1);
        ASSERT_GE(p.FutureRating, p.CurrentRating * 0.85 * 0.95 - 1);

        // A second pass changes nothing: the limits and every derived value are stable.
        Player again = p;
        CalculatePlayerRatings(again);
        ASSERT_EQ(again.CurrentRating, p.CurrentRating);
        ASSERT_EQ(again.FutureRating, p.FutureRating);
        ASSERT_EQ(again.RatingHandling, p.RatingHandling);
        ASSERT_EQ(again.FitPG, p.FitPG);
    }
}

TEST_F(RandomPlayers, BetterSkillsNeverLowerThePositionRating) {
    for (int i = 0; i < 2000; ++i) {
        Player p = Make();
        ApplyAttributeLimits(p);
        Player better = p;
        int16_t* skills[] = {&better.JumpShot, &better.ThreePointShot, &better.Passing, &better.Stealing,
                             &better.DefenseRebound};
        int16_t* s = skills[Draw(0, 4)];
        *s = static_cast<int16_t>(std::min(100, *s + 10));
        for (int pos = 1; pos <= 5; ++pos)
            ASSERT_GE(PositionRating(better, pos), PositionRating(p, pos)) << i;
    }
}

TEST_F(RandomPlayers, LetterGradesRiseWithTheValue) {
    const std::vector<std::string> order{"F-", "F",  "F+", "D-", "D",  "D+", "C-", "C",
                                         "C+", "B-", "B",  "B+", "A-", "A",  "A+"};
    auto rank = [&](const std::string& g) {
        return std::find(order.begin(), order.end(), g) - order.begin();
    };
    for (int v = -5; v < 105; ++v) {
        ASSERT_LT(rank(LetterGrade(v)), 15) << v;
        ASSERT_LE(rank(LetterGrade(v)), rank(LetterGrade(v + 1))) << v;
    }
}

} // namespace
} // namespace hv
