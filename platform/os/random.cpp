#include "platform/os/random.h"

#include <ctime>

namespace os {

namespace {

uint32_t g_seed = 0;

uint32_t step() {
    g_seed = g_seed * 134775813u + 1u;
    return g_seed;
}

} // namespace

void randomize() {
    timespec ts;
    ::clock_gettime(CLOCK_REALTIME, &ts);
    g_seed = static_cast<uint32_t>(ts.tv_sec) * 1000u + static_cast<uint32_t>(ts.tv_nsec / 1000000);
}

void set_rand_seed(uint32_t seed) {
    g_seed = seed;
}
uint32_t rand_seed() {
    return g_seed;
}

int random(int n) {
    // The seed advances for every call, as in the original, even when n <= 0.
    const uint64_t s = step();
    if (n <= 0) return 0;
    return static_cast<int>((s * static_cast<uint64_t>(n)) >> 32);
}

double random_real() {
    return static_cast<double>(step()) / 4294967296.0;
}

} // namespace os
