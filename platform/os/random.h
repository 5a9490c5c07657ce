#pragma once
// The original's random generator: a 32-bit linear congruential generator
// (seed * 134775813 + 1); random(n) takes the high 32 bits of seed * n.
#include <cstdint>

namespace os {

void randomize(); // seed from the clock
void set_rand_seed(uint32_t seed);
uint32_t rand_seed();
int random(int n);    // 0..n-1; 0 when n <= 0 (the seed still advances)
double random_real(); // [0, 1)

} // namespace os
