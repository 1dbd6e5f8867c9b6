// The pseudo-random source: seeded once, at its first draw, from values that differ between runs.
#pragma once

#include <cstdint>
#include <random>

struct RandomSource {
    std::mt19937_64 engine;
    bool seeded = false;
};

// Fixes the seed (tests and benchmarks only; the game never replays a board).
void SeedRandom(RandomSource& source, uint64_t seed);
// A draw uniform over low to high, both included.
int32_t DrawUniform(RandomSource& source, int32_t low, int32_t high);
