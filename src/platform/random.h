// The league's one random stream. A fixed seed makes a run reproducible on every machine.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>

namespace hv {

class Random {
  public:
    explicit Random(uint64_t seed = 5489u) : engine_(seed) {}
    void Seed(uint64_t seed) { engine_.seed(seed); }

    // A fresh uniform draw in [0, 1), built from 53 random bits so that every platform agrees.
    double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_;
};

// Round to the nearest whole number, halves to even (the default floating-point rounding mode).
inline double Nearest(double x) {
    return std::nearbyint(x);
}
inline int NearestInt(double x) {
    return static_cast<int>(std::nearbyint(x));
}

} // namespace hv
