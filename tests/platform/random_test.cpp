// The league's generator must give the 64-bit Mersenne Twister's stream, so that a seed means the same run
// everywhere; the standard library's engine is the reference.
#include <gtest/gtest.h>

#include <array>
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

// A group of draws is taken at once only when none of them is above the limit, and never across a block:
// otherwise nothing is drawn, so that the caller draws them one by one and the stream stays the same.
TEST(Random, AGroupOfDrawsIsTakenOnlyWhenNoneIsAboveTheLimit) {
    Random r(11);
    std::mt19937_64 reference(11);
    auto next = [&] { return static_cast<double>(reference() >> 11) * 0x1.0p-53; };
    int taken = 0, refused = 0;
    for (int group = 0; group < 400; ++group) {
        std::array<double, 4> ahead{};
        std::mt19937_64 peek = reference;
        for (double& a : ahead)
            a = static_cast<double>(peek() >> 11) * 0x1.0p-53;
        const double limit = 0.5 + 0.1 * (group % 5);
        bool allAtMost = true;
        for (double a : ahead)
            allAtMost = allAtMost && a <= limit;
        if (r.DrawnAllAtMost(4, limit)) {
            ASSERT_TRUE(allAtMost) << "group " << group;
            for (int i = 0; i < 4; ++i)
                next();
            ++taken;
        } else {
            ++refused;
            for (int i = 0; i < 4; ++i)
                ASSERT_EQ(r.Uniform(), next()) << "group " << group << ", draw " << i;
        }
    }
    EXPECT_GT(taken, 40);
    EXPECT_GT(refused, 40);
    EXPECT_EQ(r.Uniform(), next());
}

} // namespace
} // namespace hv
