// Deterministic randomness for the artwork and the sound: a small seeded generator and smooth
// gradient noise. Everything is seeded with fixed numbers, so each run writes the same bytes.
#pragma once

#include <cstdint>

class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    float Uniform();                       // [0, 1)
    float Range(float lo, float hi);       // [lo, hi)
    float Gaussian();                      // mean 0, deviation 1

private:
    uint64_t state_;
};

// Gradient noise in about -1..1, smooth, repeating nowhere in the ranges used.
float Noise2(float x, float y, uint32_t seed);
float Noise3(float x, float y, float z, uint32_t seed);
// Fractal sums of octaves, each octave twice the frequency and `gain` the amplitude.
float Fbm2(float x, float y, int octaves, float gain, uint32_t seed);
float Fbm3(float x, float y, float z, int octaves, float gain, uint32_t seed);
