#pragma once
// Bounds on the lengths a page gives and on the positions layout makes of
// them. A single length (a width, a margin, a gap, a line height) is held to
// a million pixels where it enters the layout; sums of lengths are made in
// 64 bits and held to the page position bound where they become a position
// or a size, so that a position plus a few lengths, or one position minus
// another, never leaves the int range.
#include <algorithm>
#include <cstdint>

namespace htmlview {

// No page needs a longer length; longer ones are held to it.
constexpr int kMaxBoxLength = 1'000'000;
// Positions and sizes of laid-out content lie within ± this.
constexpr int kMaxPagePosition = 1 << 29;

// A length held to ± kMaxBoxLength.
constexpr int bound_length(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, -kMaxBoxLength, kMaxBoxLength));
}

// A sum of lengths or positions held to ± kMaxPagePosition.
constexpr int to_position(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, -kMaxPagePosition, kMaxPagePosition));
}

} // namespace htmlview
