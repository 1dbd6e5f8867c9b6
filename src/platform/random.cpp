#include "platform/random.h"

#include <chrono>

void SeedRandom(RandomSource& source, uint64_t seed)
{
    source.engine.seed(seed);
    source.seeded = true;
}

int32_t DrawUniform(RandomSource& source, int32_t low, int32_t high)
{
    if (!source.seeded) {
        std::random_device device;
        const auto ticks = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        SeedRandom(source, (uint64_t{device()} << 32) ^ device() ^ ticks);
    }
    return std::uniform_int_distribution<int32_t>(low, high)(source.engine);
}
