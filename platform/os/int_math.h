#pragma once
// Integer scaling and rounding shared by the viewer and the windows.
//
// MulDiv is the one scaling routine with the classic semantics (64-bit
// product, halves away from zero, -1 for a zero divisor or a result that does
// not fit). Every other rounding of a computed value goes through round_even,
// which rounds halves to the even neighbour and clamps instead of overflowing.
#include <climits>
#include <cmath>
#include <cstdint>

namespace os {

constexpr int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    std::int64_t a = number;
    std::int64_t d = denominator;
    if (d < 0) {
        a = -a;
        d = -d;
    }
    const std::int64_t product = a * numerator;
    const std::int64_t half = d / 2;
    const std::int64_t r = product >= 0 ? (product + half) / d : (product - half) / d;
    if (r > INT_MAX || r < -INT_MAX) return -1;
    return static_cast<int>(r);
}

// Nearest integer, halves to even; NaN gives 0 and values beyond the int
// range give its ends.
inline int round_even(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    double f = std::floor(v);
    const double rest = v - f;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(f, 2.0) != 0.0)) f += 1.0;
    return static_cast<int>(f);
}

} // namespace os
