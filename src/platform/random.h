// The league's one random stream. A fixed seed makes a run reproducible on every machine.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

namespace hv {

// The 64-bit Mersenne Twister (the stream of std::mt19937_64 for the same seed), turned into uniform draws a
// block at a time: the engine draws tens of thousands of numbers per game, and working out a whole block in
// one tight loop costs far less than tempering and converting each number as it is drawn.
class Random {
  public:
    explicit Random(uint64_t seed = 5489u) { Seed(seed); }
    void Seed(uint64_t seed);

    // A fresh uniform draw in [0, 1), built from the top 53 bits of the next number, so that every platform
    // agrees.
    double Uniform() {
        if (next_ == kStateSize) Refill();
        return draws_[next_++];
    }

    // Draws `count` numbers at once when none of them is above `limit`, and returns true; otherwise draws
    // nothing and returns false, so that the caller draws them one by one. Rare events tested on every
    // player of every action take this path: nearly always nothing happens, and the check costs no branch
    // per draw.
    bool DrawnAllAtMost(int count, double limit) {
        if (next_ + count > kStateSize) return false;
        bool none = true;
        for (int i = 0; i < count; ++i)
            none &= draws_[static_cast<size_t>(next_ + i)] <= limit;
        if (none) next_ += count;
        return none;
    }

    // The next raw 64-bit number of the stream (the tests compare it with the standard library's).
    uint64_t Next64();

  private:
    static constexpr int kStateSize = 312;
    void Refill();

    std::array<uint64_t, kStateSize> state_{};
    std::array<double, kStateSize> draws_{};
    int next_ = kStateSize;
};

// Round to the nearest whole number, halves to even (the default floating-point rounding mode).
inline double Nearest(double x) {
    return std::nearbyint(x);
}
inline int NearestInt(double x) {
    return static_cast<int>(std::nearbyint(x));
}

} // namespace hv
