#include "league/ratings.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "league/ratings_internal.h"

namespace hv {

using ratings_internal::RoundToInt16;

namespace {

// The sixteen skill attributes that the limits apply to (STAMINA is not one of them).
std::array<int16_t*, 16> SkillAttributes(Player& p) {
    return {&p.InsideScoring,    &p.JumpShot,       &p.ThreePointShot, &p.Scoring,
            &p.Handling,         &p.Passing,        &p.Quickness,      &p.PostDefense,
            &p.PerimeterDefense, &p.DriveDefense,   &p.Stealing,       &p.ShotBlocking,
            &p.OffenseRebound,   &p.DefenseRebound, &p.Jumping,        &p.Strength};
}

void Cap(int16_t& value, int16_t cap) {
    value = std::min(value, cap);
}

std::string& StyleField(Player& p, int position) {
    switch (position) {
    case 1:
        return p.StyleC;
    case 2:
        return p.StylePF;
    case 3:
        return p.StyleSF;
    case 4:
        return p.StyleSG;
    case 5:
        return p.StylePG;
    }
    throw std::out_of_range("position");
}

int16_t& FitField(Player& p, int position) {
    switch (position) {
    case 1:
        return p.FitC;
    case 2:
        return p.FitPF;
    case 3:
        return p.FitSF;
    case 4:
        return p.FitSG;
    case 5:
        return p.FitPG;
    }
    throw std::out_of_range("position");
}

// Style label of one position from the ratio of outside to inside game.
void SetStyles(Player& p) {
    struct Band {
        double low, high;
    };
    static const Band bands[5] = {{0.6, 1.1}, {0.6, 1.1}, {0.9, 1.25}, {1.25, 2.25}, {1.5, 2.25}};
    for (int pos = 1; pos <= 5; ++pos) {
        std::string& label = StyleField(p, pos);
        if (p.Name == "N/A") {
            label = "N/A";
            continue;
        }
        double inside =
            0.4 * p.InsideScoring + 0.25 * p.OffenseRebound + 0.25 * p.DefenseRebound + 0.1 * p.Strength;
        double outside = pos == 1 ? 0.55 * p.JumpShot + 0.25 * p.ThreePointShot + 0.2 * p.Quickness
                                  : 0.5 * p.JumpShot + 0.3 * p.ThreePointShot + 0.2 * p.Quickness;
        double r = outside / inside;
        const Band& band = bands[pos - 1];
        if (r <= band.low)
            label = "Inside";
        else if (r <= band.high)
            label = "Balanced";
        else
            label = "Outside";
    }
}

// Passing skill is worth more with good ball handling; the factor drops back at 61 on purpose.
double HandlingFactor(int h, bool& applies) {
    struct Band {
        int top, start;
        double base, step;
    };
    static const Band bands[] = {{10, 0, 0.78, 0.04},  {20, 10, 0.82, 0.04}, {30, 20, 0.86, 0.04},
                                 {40, 30, 0.90, 0.04}, {50, 40, 0.94, 0.04}, {60, 50, 0.98, 0.04},
                                 {70, 60, 0.98, 0.04}, {80, 70, 1.02, 0.02}, {90, 80, 1.04, 0.02},
                                 {100, 90, 1.06, 0.02}};
    applies = h >= 0 && h <= 100;
    if (!applies) return 1.0;
    for (const Band& b : bands)
        if (h <= b.top) return b.base + (h - b.start) * b.step / 10;
    return 1.0;
}

void SetComposites(Player& p) {
    p.RatingInsideScoring = RoundToInt16(0.2 * p.Strength + 0.5 * p.InsideScoring + 0.3 * p.Jumping);
    p.RatingOutsideScoring = RoundToInt16(0.5 * p.ThreePointShot + 0.5 * p.JumpShot);

    int16_t handling = RoundToInt16(0.2 * p.Quickness + 0.85 * p.Passing);
    bool applies = false;
    double factor = HandlingFactor(p.Handling, applies);
    if (applies) handling = RoundToInt16(handling * factor);
    p.RatingHandling = std::min<int16_t>(handling, 100);

    p.RatingDefense = RoundToInt16(
        0.2 * (p.PerimeterDefense + p.PostDefense + p.DriveDefense + p.Stealing + p.ShotBlocking));
    p.RatingRebounding = RoundToInt16(0.45 * p.DefenseRebound + 0.35 * p.OffenseRebound + 0.15 * p.Strength +
                                      0.05 * p.Quickness);
}

double AgeFactor(int age) {
    if (age <= 25) return 1.05;
    if (age <= 33) return 1.0;
    if (age <= 36) return 0.95;
    return 0.85;
}

double PotentialFactor(const std::string& grade) {
    if (grade == "A") return 1.05;
    if (grade == "B") return 1.02;
    if (grade == "D") return 0.98;
    if (grade == "F") return 0.95;
    return 1.0;
}

// Grade of a prospect's ratio to his position's average: 0 at or below average, 5 from 1.5 up.
double DraftScale(double ratio) {
    static const double xs[] = {1.0, 1.1, 1.2, 1.3, 1.4, 1.5};
    static const double ys[] = {0, 0.5, 1.25, 2.25, 3.5, 5};
    if (ratio < 1.0) return 0;
    if (ratio > 1.5) return 5;
    for (int i = 1; i < 6; ++i)
        if (ratio <= xs[i])
            return ys[i - 1] + (ratio - xs[i - 1]) * (ys[i] - ys[i - 1]) / (xs[i] - xs[i - 1]);
    return 5;
}

} // namespace

void ApplyAttributeLimits(Player& p) {
    for (int16_t* a : SkillAttributes(p))
        *a = std::clamp<int16_t>(*a, 5, 100);
    switch (p.OriginalPosition) {
    case 1:
        Cap(p.Handling, 75);
        Cap(p.Passing, 75);
        Cap(p.PerimeterDefense, 75);
        break;
    case 2:
        Cap(p.Handling, 80);
        Cap(p.Passing, 80);
        Cap(p.PerimeterDefense, 75);
        break;
    case 4:
        Cap(p.OffenseRebound, 60);
        Cap(p.DefenseRebound, 60);
        break;
    case 5:
        Cap(p.PostDefense, 75);
        Cap(p.OffenseRebound, 50);
        Cap(p.DefenseRebound, 50);
        break;
    default:
        break;
    }
}

void CalculatePlayerRatings(Player& p) {
    ApplyAttributeLimits(p);
    SetStyles(p);
    SetComposites(p);

    int position = PositionNumberOf(p.DefaultPosition);
    if (position != 0) {
        p.RatingDefense = std::clamp<int16_t>(RoundToInt16(PositionDefense(p, position)), 1, 100);
        p.CurrentRating = PositionRating(p, position);
    }
    p.FutureRating =
        RoundToInt16(RoundToInt16(p.CurrentRating * AgeFactor(p.Age)) * PotentialFactor(p.PotentialGrade));

    for (int pos = 1; pos <= 5; ++pos)
        FitField(p, pos) = FitRating(p, pos);
}

int16_t FitAt(const Player& p, int position) {
    return FitField(const_cast<Player&>(p), position);
}

const std::string& StyleAt(const Player& p, int position) {
    return StyleField(const_cast<Player&>(p), position);
}

double ScoringCurve(int value) {
    static const int xs[] = {0, 20, 40, 50, 60, 70, 80, 85, 90, 95, 100};
    static const int ys[] = {0, 20, 35, 50, 65, 75, 85, 90, 95, 98, 100};
    if (value < 0 || value > 100) return 0;
    for (int i = 1; i < 11; ++i)
        if (value <= xs[i])
            return ys[i - 1] +
                   static_cast<double>(value - xs[i - 1]) * (ys[i] - ys[i - 1]) / (xs[i] - xs[i - 1]);
    return 0;
}

std::string LetterGrade(int value) {
    struct Band {
        int top;
        const char* grade;
    };
    static const Band bands[] = {{5, "F-"},  {10, "F"},  {15, "F+"}, {20, "D-"}, {25, "D"},
                                 {30, "D+"}, {38, "C-"}, {52, "C"},  {60, "C+"}, {65, "B-"},
                                 {70, "B"},  {75, "B+"}, {85, "A-"}, {95, "A"}};
    for (const Band& b : bands)
        if (value <= b.top) return b.grade;
    return "A+";
}

void CalculateAbsoluteRatings(League& league) {
    std::array<double, 6> sum{};
    std::array<int, 6> count{};
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.Team != kDraft || p.PositionNumber < 1 || p.PositionNumber > 5) continue;
        sum[p.PositionNumber] += p.FutureRating;
        ++count[p.PositionNumber];
    }
    std::array<double, 6> average{};
    for (int pos = 1; pos <= 5; ++pos)
        average[pos] = count[pos] == 0 ? 50.0 : sum[pos] / count[pos];

    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.Team != kDraft || p.PositionNumber < 1 || p.PositionNumber > 5) continue;
        // A class whose every prospect at the position rates 0 has no spread: each one is the average.
        double avg = average[p.PositionNumber];
        p.DraftRatio = avg == 0 ? 1.0 : p.FutureRating / avg;
        p.AbsoluteRating = 1.5 * DraftScale(p.DraftRatio);
    }
}

} // namespace hv
