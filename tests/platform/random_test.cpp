// The league's generator must give the 64-bit Mersenne Twister's stream, so that a seed means the same run
// everywhere; the standard library's engine is the reference.
#include <gtest/gtest.h>

#include <random>

#include "platform/random.h"

namespace hv {
namespace {

TEST(Random, GivesTheStreamOfTheStandardEngineAcrossSeedsAndBlocks) {
    for (uint64_t seed : {0ull, 1ull, 5489ull, 20261207ull, 0xFFFFFFFFFFFFFFFFull}) {
        Random ours(seed);
        std::mt19937_64 reference(seed);
        // Three blocks and a little more, with raw numbers and draws interleaved.
        for (int i = 0; i < 1000; ++i) {
            const uint64_t expected = reference();
            if (i % 3 == 0) {
                ASSERT_EQ(ours.Next64(), expected) << "seed " << seed << ", number " << i;
            } else {
                ASSERT_EQ(ours.Uniform(), static_cast<double>(expected >> 11) * 0x1.0p-53)
                    << "seed " << seed << ", number " << i;
            }
        }
    }
}

TEST(Random, ReseedingStartsTheStreamAgainAndDrawsStayBelowOne) {
    Random r(7);
    const double first = r.Uniform();
    for (int i = 0; i < 700; ++i) {
        const double u = r.Uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
    r.Seed(7);
    EXPECT_EQ(r.Uniform(), first);
}

} // namespace
} // namespace hv
