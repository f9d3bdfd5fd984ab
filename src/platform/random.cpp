#include "platform/random.h"

#include <array>
#include <cstddef>

namespace hv {

namespace {

// The constants of MT19937-64.
constexpr int kN = 312;
constexpr int kM = 156;
constexpr uint64_t kMatrixA = 0xB5026F5AA96619E9ull;
constexpr uint64_t kUpperMask = 0xFFFFFFFF80000000ull;
constexpr uint64_t kLowerMask = 0x7FFFFFFFull;

uint64_t Twisted(uint64_t upper, uint64_t lower, uint64_t far) {
    const uint64_t y = (upper & kUpperMask) | (lower & kLowerMask);
    return far ^ (y >> 1) ^ ((0 - (y & 1u)) & kMatrixA); // no branch on a random bit
}

uint64_t Tempered(uint64_t y) {
    y ^= (y >> 29) & 0x5555555555555555ull;
    y ^= (y << 17) & 0x71D67FFFEDA60000ull;
    y ^= (y << 37) & 0xFFF7EEE000000000ull;
    y ^= y >> 43;
    return y;
}

// Built for three instruction sets, the best one chosen when the program starts: wider registers work out
// several numbers per instruction, and the integer steps and the exact conversion give the same draws on all.
// A free function, since a member declared and called in the header cannot take several builds.
__attribute__((target_clones("default", "avx2", "arch=x86-64-v4"))) void TwistAndConvert(uint64_t* state,
                                                                                         double* draws) {
    size_t i = 0;
    for (; i < kN - kM; ++i)
        state[i] = Twisted(state[i], state[i + 1], state[i + kM]);
    for (; i < kN - 1; ++i)
        state[i] = Twisted(state[i], state[i + 1], state[i + kM - kN]);
    state[kN - 1] = Twisted(state[kN - 1], state[0], state[kM - 1]);
    // Tempering first, in a loop of its own that the compiler can run several numbers at a time; the top 53
    // bits then fit a signed integer, whose conversion is one instruction.
    std::array<uint64_t, kN> tempered;
    for (i = 0; i < kN; ++i)
        tempered[i] = Tempered(state[i]) >> 11;
    for (i = 0; i < kN; ++i)
        draws[i] = static_cast<double>(static_cast<int64_t>(tempered[i])) * 0x1.0p-53;
}

} // namespace

void Random::Seed(uint64_t seed) {
    state_[0] = seed;
    for (size_t i = 1; i < kN; ++i)
        state_[i] = 6364136223846793005ull * (state_[i - 1] ^ (state_[i - 1] >> 62)) + i;
    next_ = kN;
}

void Random::Refill() {
    TwistAndConvert(state_.data(), draws_.data());
    next_ = 0;
}

uint64_t Random::Next64() {
    if (next_ == kN) Refill();
    return Tempered(state_[static_cast<size_t>(next_++)]);
}

} // namespace hv
