// Helpers shared by the rating sources; not part of the public interface.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/random.h"

namespace hv::ratings_internal {

// Nearest whole number (halves to even) stored in a 16-bit field. Values beyond the field's range
// saturate instead of wrapping, so corrupt attributes cannot turn into nonsense ratings.
inline int16_t RoundToInt16(double x) {
    double r = Nearest(x);
    if (std::isnan(r)) return 0;
    if (r > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (r < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(r);
}

// The factors of the fit ratings for a build that differs by d, w, q or t from a position's (1 to 5)
// reference.
double FitHeightFactor(double d, int position);
double FitWeightFactor(int w, int position);
double FitQuicknessFactor(int q, int position);
double FitStrengthFactor(int t);

} // namespace hv::ratings_internal
