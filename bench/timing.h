#pragma once
// The benchmarks' figure: the median of their timings.
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace bench {

// The mean of the middle two for an even count; 0 for none.
inline double median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return 0;
    const size_t n = ms.size();
    return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
}

// Seconds one call of `f` takes.
inline double seconds(const std::function<void()>& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace bench
