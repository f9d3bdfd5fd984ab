// The rating tables of the game engine: band look-ups and straight-line curves that turn ratings into
// chances. Bands are closed at the top: a band "up to 50" includes 50, the first band that matches wins.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace hv::bands {

struct Point {
    double x, y;
};

// Straight lines between the points; below the first point the first segment goes on, above the last one the
// value is `above`. A point given twice (x equal) makes a step: the lower segment owns the shared x. The
// points rise in x, so the segment is found by halving (the first point at or beyond x) without a branch on
// x, which the possession loop would mispredict.
template <std::size_t N> constexpr double Curve(const std::array<Point, N>& pts, double above, double x) {
    if (x > pts[N - 1].x) return above;
    std::size_t at = 0;
    for (std::size_t n = N; n > 1;) {
        const std::size_t half = n / 2;
        at += static_cast<std::size_t>(pts[at + half - 1].x < x) * half;
        n -= half;
    }
    // pts[at] is the first point with x <= pts[at].x.
    if (at == 0) return pts[0].y + (x - pts[0].x) * (pts[1].y - pts[0].y) / (pts[1].x - pts[0].x);
    return pts[at - 1].y + (x - pts[at - 1].x) * (pts[at].y - pts[at - 1].y) / (pts[at].x - pts[at - 1].x);
}

// Energy 0..1000 -> its fatigue band 0..6, and the factor of each band that scales a tired player's ratings.
constexpr int FatigueBand(int energy) {
    if (energy < 400) return 0;
    if (energy <= 500) return 1;
    if (energy <= 600) return 2;
    if (energy <= 700) return 3;
    if (energy <= 800) return 4;
    if (energy <= 900) return 5;
    return 6;
}
inline constexpr std::array<double, 7> kFatigueFactor = {0.75, 0.85, 0.9, 0.925, 0.95, 0.98, 1.0};
constexpr double Fatigue(int energy) {
    return kFatigueFactor[static_cast<std::size_t>(FatigueBand(energy))];
}

// FatigueBand of every energy 0..1000.
inline const std::array<uint8_t, 1001>& FatigueBands() {
    static const auto bands = [] {
        std::array<uint8_t, 1001> b{};
        for (int e = 0; e <= 1000; ++e)
            b[static_cast<std::size_t>(e)] = static_cast<uint8_t>(FatigueBand(e));
        return b;
    }();
    return bands;
}

// A curve of one rating scaled by fatigue: Curve(pts, above, rating x Fatigue(energy)), read from a table
// worked out once, because the possession loop asks for the same few values again and again.
template <const auto& Pts, const double& Above> double RatedCurve(int rating, int energy) {
    constexpr int kLowest = -20, kHighest = 140; // ratings outside are worked out
    constexpr int kRatings = kHighest - kLowest + 1;
    static const auto table = [] {
        std::array<std::array<double, 7>, kRatings> t{};
        for (int r = 0; r < kRatings; ++r)
            for (std::size_t band = 0; band < 7; ++band)
                t[static_cast<std::size_t>(r)][band] =
                    Curve(Pts, Above, (r + kLowest) * kFatigueFactor[band]);
        return t;
    }();
    static const std::array<uint8_t, 1001>& bandOf = FatigueBands();
    if (rating < kLowest || rating > kHighest || energy < 0 || energy > 1000)
        return Curve(Pts, Above, rating * Fatigue(energy));
    return table[static_cast<std::size_t>(rating - kLowest)][bandOf[static_cast<std::size_t>(energy)]];
}

// Zones 2, 6 and 7 lie beyond the three-point line; zones 3 to 5 are close to the basket.
constexpr bool ThreePointZone(int zone) {
    return zone == 2 || zone == 6 || zone == 7;
}
constexpr bool CloseZone(int zone) {
    return zone >= 3 && zone <= 5;
}

// Pace 0, 25, 50, 75, 100 -> index 0..4 (other values count as 50).
constexpr int PaceIndex(int pace) {
    switch (pace) {
    case 0:
        return 0;
    case 25:
        return 1;
    case 75:
        return 3;
    case 100:
        return 4;
    default:
        return 2;
    }
}

// Band of a rating difference: below -20, -20 to -15, ... 15 to 20, above 20 -> 0..9.
constexpr int DifferenceBand(double d) {
    if (d < -20) return 0;
    if (d <= -15) return 1;
    if (d <= -10) return 2;
    if (d <= -5) return 3;
    if (d <= 0) return 4;
    if (d <= 5) return 5;
    if (d <= 10) return 6;
    if (d <= 15) return 7;
    if (d <= 20) return 8;
    return 9;
}

// Band of a height difference in inches: below -6, -6 to -4, -3 to -2, -1, 0, 1, 2, 3 to 4, 5 to 6, 7+.
constexpr int HeightBand(int h) {
    if (h < -6) return 0;
    if (h <= -4) return 1;
    if (h <= -2) return 2;
    if (h == -1) return 3;
    if (h == 0) return 4;
    if (h == 1) return 5;
    if (h == 2) return 6;
    if (h <= 4) return 7;
    if (h <= 6) return 8;
    return 9;
}

// Band of a weight difference in pounds: below -50, -50 to -40, -39 to -30, -29 to -15, -14 to 0, 1 to 15,
// 16 to 30, 31 to 40, 41 to 50, above 50.
constexpr int WeightBand(int w) {
    if (w < -50) return 0;
    if (w <= -40) return 1;
    if (w <= -30) return 2;
    if (w <= -15) return 3;
    if (w <= 0) return 4;
    if (w <= 15) return 5;
    if (w <= 30) return 6;
    if (w <= 40) return 7;
    if (w <= 50) return 8;
    return 9;
}

// Adjustments by difference band (quickness, strength from a baseline, jumping, weight, height).
inline constexpr std::array<double, 10> kSmallEdge = {-0.02, -0.015, -0.01, -0.005, -0.003,
                                                      0.003, 0.005,  0.01,  0.015,  0.02};
inline constexpr std::array<double, 10> kInsideStrength = {-0.04, -0.035, -0.03, -0.015, -0.006,
                                                           0.006, 0.015,  0.03,  0.035,  0.04};
inline constexpr std::array<double, 10> kGoingUpStrength = {-0.1,  -0.07, -0.05, -0.03, -0.006,
                                                            0.006, 0.03,  0.05,  0.07,  0.1};
inline constexpr std::array<double, 10> kBlockHeight = {-0.01, -0.008, -0.006, -0.004, -0.002,
                                                        0.002, 0.004,  0.006,  0.008,  0.01};

// Defender's rating against a shot: below 35, 35 to 40, ... 90 to 95, above 95.
inline constexpr std::array<double, 14> kDefender = {0.04,   0.034, 0.028,  0.022,  0.016,  0.01,   0.004,
                                                     -0.004, -0.01, -0.016, -0.022, -0.028, -0.034, -0.04};
constexpr double DefenderAdjustment(double rating) {
    if (rating < 35) return kDefender[0];
    for (int band = 1; band <= 12; ++band)
        if (rating <= 35 + 5 * band) return kDefender[band];
    return kDefender[13];
}

// Base make chances of a jump shot, a three-pointer and a close shot from the shooter's rating.
inline constexpr std::array<Point, 14> kJumpShot = {{{0, 0.396},
                                                     {35, 0.404},
                                                     {40, 0.412},
                                                     {45, 0.42},
                                                     {50, 0.428},
                                                     {55, 0.436},
                                                     {60, 0.444},
                                                     {65, 0.452},
                                                     {70, 0.46},
                                                     {75, 0.47},
                                                     {80, 0.48},
                                                     {85, 0.49},
                                                     {90, 0.5},
                                                     {95, 0.52}}};
inline constexpr std::array<Point, 14> kThreePointer = {{{0, 0.05},
                                                         {35, 0.08},
                                                         {40, 0.1},
                                                         {45, 0.2},
                                                         {50, 0.24},
                                                         {55, 0.28},
                                                         {60, 0.32},
                                                         {65, 0.34},
                                                         {70, 0.36},
                                                         {75, 0.38},
                                                         {80, 0.39},
                                                         {85, 0.4},
                                                         {90, 0.42},
                                                         {95, 0.44}}};
inline constexpr std::array<Point, 14> kCloseShot = {{{0, 0.4},
                                                      {35, 0.408},
                                                      {40, 0.416},
                                                      {45, 0.423},
                                                      {50, 0.43},
                                                      {55, 0.437},
                                                      {60, 0.444},
                                                      {65, 0.451},
                                                      {70, 0.463},
                                                      {75, 0.475},
                                                      {80, 0.485},
                                                      {85, 0.5},
                                                      {90, 0.525},
                                                      {95, 0.55}}};
constexpr double kJumpShotAbove = 0.52, kThreePointerAbove = 0.44, kCloseShotAbove = 0.55;

// Block chance from ShotBlocking x fatigue.
inline constexpr std::array<Point, 13> kBlock = {{{0, 0.006},
                                                  {10, 0.01},
                                                  {20, 0.014},
                                                  {30, 0.018},
                                                  {40, 0.032},
                                                  {50, 0.055},
                                                  {60, 0.085},
                                                  {70, 0.1},
                                                  {75, 0.13},
                                                  {80, 0.15},
                                                  {85, 0.18},
                                                  {90, 0.22},
                                                  {95, 0.22}}};
constexpr double kBlockAbove = 0.22;

// Drive success from Handling x fatigue, and the drive defender's amount from DriveDefense x fatigue.
inline constexpr std::array<Point, 10> kDriveSuccess = {{{0, 0.5},
                                                         {40, 0.53},
                                                         {50, 0.56},
                                                         {60, 0.6},
                                                         {70, 0.63},
                                                         {75, 0.66},
                                                         {80, 0.7},
                                                         {85, 0.73},
                                                         {90, 0.76},
                                                         {95, 0.8}}};
constexpr double kDriveSuccessAbove = 0.8;
inline constexpr std::array<Point, 10> kDriveDefense = {{{0, 0.1},
                                                         {40, 0.08},
                                                         {50, 0.06},
                                                         {60, 0.03},
                                                         {70, 0},
                                                         {75, -0.04},
                                                         {80, -0.08},
                                                         {85, -0.12},
                                                         {90, -0.16},
                                                         {95, -0.2}}};
constexpr double kDriveDefenseAbove = -0.2;

// Steal chance of a dribble from Handling x fatigue (travelling is half of it).
inline constexpr std::array<Point, 11> kDribbleSteal = {{{0, 0.05},
                                                         {20, 0.045},
                                                         {30, 0.04},
                                                         {40, 0.035},
                                                         {50, 0.03},
                                                         {60, 0.025},
                                                         {70, 0.02},
                                                         {80, 0.015},
                                                         {85, 0.012},
                                                         {90, 0.009},
                                                         {95, 0.006}}};
constexpr double kDribbleStealAbove = 0.006;
// Defender's stealing factor from Stealing x fatigue.
inline constexpr std::array<Point, 9> kStealFactor = {
    {{0, 0.4}, {40, 0.47}, {50, 0.54}, {60, 0.6}, {70, 0.64}, {80, 0.68}, {85, 0.72}, {90, 0.76}, {95, 0.8}}};
constexpr double kStealFactorAbove = 0.8;
inline constexpr std::array<double, 5> kPaceStealFactor = {0.9, 0.95, 1.0, 1.05, 1.1};

// Pass completion level Q and interception factor B from the passer's Handling x fatigue.
inline constexpr std::array<Point, 12> kPassCompletion = {{{0, 0.9},
                                                           {20, 0.92},
                                                           {30, 0.93},
                                                           {40, 0.94},
                                                           {50, 0.95},
                                                           {60, 0.96},
                                                           {70, 0.9625},
                                                           {75, 0.965},
                                                           {80, 0.9675},
                                                           {85, 0.97},
                                                           {90, 0.9725},
                                                           {95, 0.975}}};
constexpr double kPassCompletionAbove = 0.975;
inline constexpr std::array<Point, 12> kInterceptionFactor = {{{0, 1.25},
                                                               {20, 1.2},
                                                               {30, 1.15},
                                                               {40, 1.1},
                                                               {50, 1.05},
                                                               {60, 1.0},
                                                               {70, 0.95},
                                                               {75, 0.9},
                                                               {80, 0.85},
                                                               {85, 0.8},
                                                               {90, 0.75},
                                                               {95, 0.6}}};
constexpr double kInterceptionFactorAbove = 0.6;
// Base interception chance from the receiver's defender's Stealing x fatigue; it steps up at 70.
inline constexpr std::array<Point, 13> kInterception = {{{0, 0.016},
                                                         {20, 0.02},
                                                         {30, 0.024},
                                                         {40, 0.028},
                                                         {50, 0.032},
                                                         {60, 0.036},
                                                         {70, 0.04},
                                                         {70, 0.042},
                                                         {75, 0.048},
                                                         {80, 0.054},
                                                         {85, 0.057},
                                                         {90, 0.061},
                                                         {95, 0.065}}};
constexpr double kInterceptionAbove = 0.065;

// Trapped receiver: losing the ball T x F, T from his Handling, F from the trapper's Stealing.
inline constexpr std::array<Point, 11> kTrapLoss = {{{0, 0.056},
                                                     {20, 0.052},
                                                     {30, 0.048},
                                                     {40, 0.044},
                                                     {50, 0.04},
                                                     {60, 0.035},
                                                     {70, 0.03},
                                                     {80, 0.025},
                                                     {85, 0.022},
                                                     {90, 0.019},
                                                     {95, 0.016}}};
constexpr double kTrapLossAbove = 0.001;
inline constexpr std::array<Point, 12> kTrapper = {{{0, 0.5},
                                                    {20, 0.7},
                                                    {30, 0.8},
                                                    {40, 0.9},
                                                    {50, 0.95},
                                                    {60, 1.0},
                                                    {70, 1.04},
                                                    {75, 1.08},
                                                    {80, 1.14},
                                                    {85, 1.18},
                                                    {90, 1.22},
                                                    {95, 1.26}}};
constexpr double kTrapperAbove = 1.26;

} // namespace hv::bands
