#include "platform/os/int_math.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(IntMath, MulDivRoundsHalvesAwayFromZeroWithAWideProduct) {
    struct Case {
        int a, b, c, want;
    };
    const Case cases[] = {
        {3, 1, 2, 2},   {-3, 1, 2, -2},  {3, -1, 2, -2},   {-3, -1, 2, 2},   {3, 1, -2, -2},
        {5, 1, 4, 1},   {6, 1, 4, 2},    {-6, 1, 4, -2},   {7, 1, 3, 2},     {1, 1, 3, 0},
        {100, 96, 72, 133}, // points to pixels
        {2000000000, 3, 4, 1500000000}, // the product needs 64 bits
        {7, 7, 0, -1},                  // no divisor
        {INT_MAX, 2, 1, -1},            // result beyond 32 bits
        {INT_MIN, 1, 1, -1},
    };
    for (const Case& k : cases)
        EXPECT_EQ(os::MulDiv(k.a, k.b, k.c), k.want) << k.a << "*" << k.b << "/" << k.c;
}

TEST(IntMath, RoundEvenTiesToEvenAndStaysInRange) {
    const std::pair<double, int> cases[] = {
        {0.5, 0},  {1.5, 2},   {2.5, 2},   {-0.5, 0},     {-1.5, -2}, {-2.5, -2},
        {2.49, 2}, {2.51, 3},  {-2.51, -3}, {1e300, INT_MAX}, {-1e300, INT_MIN},
        {static_cast<double>(NAN), 0},
    };
    for (const auto& [v, want] : cases) EXPECT_EQ(os::round_even(v), want) << v;
}

} // namespace
