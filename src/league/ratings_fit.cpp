// Fit ratings: how well a player would play each position, judged on his composites and his build.
#include <algorithm>
#include <stdexcept>

#include "league/ratings.h"
#include "league/ratings_internal.h"

namespace hv {

using namespace ratings_internal;

namespace {

struct FitProfile {
    double wi, wd, wh, wo, wr;
    double height;
    int weight;
    int quickness; // 0 = no quickness factor
    int strength;  // 0 = no strength factor
};

const FitProfile kProfiles[5] = {
    {0.30, 0.30, 0.10, 0.05, 0.25, 83.77, 256, 0, 0},     {0.36, 0.15, 0.10, 0.10, 0.29, 81.21, 242, 50, 70},
    {0.32, 0.125, 0.115, 0.27, 0.17, 80.04, 224, 60, 60}, {0.40, 0.08, 0.08, 0.39, 0.05, 76.91, 204, 70, 50},
    {0.10, 0.15, 0.59, 0.13, 0.03, 73.65, 186, 80, 0},
};

} // namespace

namespace ratings_internal {

// Height difference bands, closed at the top; the last column is "above 1".
double FitHeightFactor(double d, int position) {
    static const double upper[9] = {-6, -5, -4, -3, -2, -1, -0.5, 0.5, 1};
    static const double factors[5][10] = {
        {0.4, 0.6, 0.725, 0.85, 0.9, 0.95, 0.98, 1, 1.01, 1.05},
        {0.4, 0.6, 0.8, 0.85, 0.9, 0.93, 0.95, 1, 1.01, 1.02},
        {0.4, 0.6, 0.8, 0.85, 0.9, 0.93, 0.95, 1, 1.01, 1.02},
        {0.8, 0.84, 0.88, 0.9, 0.94, 0.96, 0.98, 1, 1.01, 0},
        {0.75, 0.8, 0.85, 0.9, 0.93, 0.95, 0.98, 1, 1.01, 1.02},
    };
    const double* f = factors[position - 1];
    if (d < upper[0]) return f[0];
    for (int i = 1; i < 9; ++i)
        if (d <= upper[i]) return f[i];
    if (position == 4) {
        // A shooting guard much taller than usual loses his quickness edge.
        if (d <= 4) return 1.02;
        if (d <= 5) return 0.98;
        return 0.6;
    }
    return f[9];
}

double FitWeightFactor(int w, int position) {
    static const int upper[10] = {-61, -50, -40, -30, -20, -10, 10, 20, 40, 50};
    static const double factors[5][11] = {
        {0.6, 0.7, 0.8, 0.9, 0.95, 0.98, 1, 1.01, 1.02, 1.03, 1.05},
        {0.6, 0.7, 0.8, 0.9, 0.95, 0.98, 1, 1.02, 1.02, 1.02, 1.02},
        {0.6, 0.7, 0.9, 0.95, 0.96, 0.98, 1, 1.02, 1.02, 1.02, 1.02},
        {0.9, 0.95, 0.96, 0.97, 0.98, 0.99, 1, 1.02, 1.02, 1.02, 1.02},
        {0.6, 0.7, 0.8, 0.9, 0.95, 0.98, 1, 1.02, 1.02, 1.02, 1.02},
    };
    for (int i = 0; i < 10; ++i)
        if (w <= upper[i]) return factors[position - 1][i];
    return factors[position - 1][10];
}

double FitQuicknessFactor(int q, int position) {
    static const int upper[8] = {-21, -16, -15, -10, -5, 5, 10, 15};
    static const double factors[5][9] = {
        {1, 1, 1, 1, 1, 1, 1, 1, 1},
        {0.97, 0.97, 0.98, 0.98, 0.99, 1, 1.01, 1.01, 1.01},
        {0.4, 0.6, 0.6, 0.8, 0.96, 1, 1.01, 1.02, 1.02},
        {0.6, 0.8, 0.8, 0.9, 0.95, 1, 1.01, 1.02, 1.04},
        {0.6, 0.8, 0.8, 0.9, 0.95, 1, 1.01, 1.01, 1.01},
    };
    for (int i = 0; i < 8; ++i)
        if (q <= upper[i]) return factors[position - 1][i];
    return factors[position - 1][8];
}

double FitStrengthFactor(int t) {
    if (t < -15) return 0.97;
    if (t <= -10) return 0.98;
    if (t <= -5) return 0.99;
    if (t <= 5) return 1;
    return 1.01;
}

} // namespace ratings_internal

int16_t FitRating(const Player& p, int position) {
    if (position < 1 || position > 5) throw std::out_of_range("position");
    const FitProfile& f = kProfiles[position - 1];
    double defense = std::min(PositionDefense(p, position), 100.0);
    int16_t base =
        RoundToInt16(f.wi * ScoringCurve(p.RatingInsideScoring) + f.wd * defense + f.wh * p.RatingHandling +
                     f.wo * ScoringCurve(p.RatingOutsideScoring) + f.wr * p.RatingRebounding);
    int16_t adjusted = base;
    adjusted = RoundToInt16(adjusted * FitHeightFactor(p.Height - f.height, position));
    adjusted = RoundToInt16(adjusted * FitWeightFactor(p.Weight - f.weight, position));
    if (f.quickness != 0)
        adjusted = RoundToInt16(adjusted * FitQuicknessFactor(p.Quickness - f.quickness, position));
    if (f.strength != 0) adjusted = RoundToInt16(adjusted * FitStrengthFactor(p.Strength - f.strength));
    return std::max<int16_t>(RoundToInt16(0.5 * adjusted + 0.5 * base), 1);
}

} // namespace hv
