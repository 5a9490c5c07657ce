#include "platform/os/random.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(Random, SequenceFromSeedZero) {
    os::set_rand_seed(0);
    // Seeds 1, 134775814, 3698175007, ...; random(100) = seed * 100 >> 32.
    const int expected[] = {0, 3, 86, 20, 27, 67, 31, 16};
    for (int e : expected)
        EXPECT_EQ(os::random(100), e);

    os::set_rand_seed(0);
    os::random(7);
    EXPECT_EQ(os::rand_seed(), 1u);
    os::random(7);
    EXPECT_EQ(os::rand_seed(), 134775814u);
    EXPECT_DOUBLE_EQ(os::random_real(), 3698175007.0 / 4294967296.0);
}

TEST(Random, NonPositiveRangeGivesZeroAndStillAdvances) {
    os::set_rand_seed(5);
    EXPECT_EQ(os::random(0), 0);
    EXPECT_EQ(os::random(-3), 0);
    EXPECT_EQ(os::rand_seed(), (5u * 134775813u + 1u) * 134775813u + 1u);
}

TEST(Random, StaysInRange) {
    os::set_rand_seed(0xFFFFFFFEu);
    for (int i = 0; i < 10000; ++i) {
        int r = os::random(INT_MAX);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, INT_MAX);
        double x = os::random_real();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
    }
    os::set_rand_seed(0);
    os::randomize();
    const uint32_t seeded = os::rand_seed();
    os::random(10);
    EXPECT_NE(os::rand_seed(), seeded);
}

} // namespace
