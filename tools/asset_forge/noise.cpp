#include "noise.h"

#include <cmath>

uint64_t Rng::Next() {
    // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Rng::Uniform() { return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24); }

float Rng::Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }

float Rng::Gaussian() {
    float u = Uniform();
    float v = Uniform();
    if (u < 1e-7f) u = 1e-7f;
    return std::sqrt(-2.0f * std::log(u)) * std::cos(6.2831853f * v);
}

static uint32_t Hash(int32_t x, int32_t y, int32_t z, uint32_t seed) {
    uint32_t h = seed * 0x27D4EB2Du;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h = (h << 17) | (h >> 15);
    h ^= static_cast<uint32_t>(z) * 0x165667B1u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

static float Fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

static float Grad2(uint32_t h, float x, float y) {
    float angle = static_cast<float>(h & 0xFFFF) * (6.2831853f / 65536.0f);
    return std::cos(angle) * x + std::sin(angle) * y;
}

static float Grad3(uint32_t h, float x, float y, float z) {
    switch (h % 12) {
        case 0: return x + y;
        case 1: return -x + y;
        case 2: return x - y;
        case 3: return -x - y;
        case 4: return x + z;
        case 5: return -x + z;
        case 6: return x - z;
        case 7: return -x - z;
        case 8: return y + z;
        case 9: return -y + z;
        case 10: return y - z;
        default: return -y - z;
    }
}

static float Lerp(float a, float b, float t) { return a + (b - a) * t; }

float Noise2(float x, float y, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    float dx = x - fx, dy = y - fy;
    float n00 = Grad2(Hash(ix, iy, 0, seed), dx, dy);
    float n10 = Grad2(Hash(ix + 1, iy, 0, seed), dx - 1, dy);
    float n01 = Grad2(Hash(ix, iy + 1, 0, seed), dx, dy - 1);
    float n11 = Grad2(Hash(ix + 1, iy + 1, 0, seed), dx - 1, dy - 1);
    float u = Fade(dx), v = Fade(dy);
    return 1.41f * Lerp(Lerp(n00, n10, u), Lerp(n01, n11, u), v);
}

float Noise3(float x, float y, float z, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy), iz = static_cast<int32_t>(fz);
    float dx = x - fx, dy = y - fy, dz = z - fz;
    float u = Fade(dx), v = Fade(dy), w = Fade(dz);
    float c[2][2][2];
    for (int k = 0; k < 2; ++k)
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 2; ++i)
                c[k][j][i] = Grad3(Hash(ix + i, iy + j, iz + k, seed), dx - i, dy - j, dz - k);
    float a = Lerp(Lerp(c[0][0][0], c[0][0][1], u), Lerp(c[0][1][0], c[0][1][1], u), v);
    float b = Lerp(Lerp(c[1][0][0], c[1][0][1], u), Lerp(c[1][1][0], c[1][1][1], u), v);
    return 0.95f * Lerp(a, b, w);
}

float Fbm2(float x, float y, int octaves, float gain, uint32_t seed) {
    float sum = 0.0f, amp = 1.0f, norm = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Noise2(x, y, seed + static_cast<uint32_t>(o) * 101u);
        norm += amp;
        amp *= gain;
        x *= 2.03f;
        y *= 2.03f;
    }
    return sum / norm;
}

float Fbm3(float x, float y, float z, int octaves, float gain, uint32_t seed) {
    float sum = 0.0f, amp = 1.0f, norm = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Noise3(x, y, z, seed + static_cast<uint32_t>(o) * 101u);
        norm += amp;
        amp *= gain;
        x *= 2.03f;
        y *= 2.03f;
        z *= 2.03f;
    }
    return sum / norm;
}
