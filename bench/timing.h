#pragma once
// The benchmarks' figure: the median of their timings.
#include <algorithm>
#include <vector>

namespace bench {

// The mean of the middle two for an even count; 0 for none.
inline double median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return 0;
    const size_t n = ms.size();
    return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
}

} // namespace bench
