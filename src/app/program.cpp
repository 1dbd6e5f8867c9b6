#include "app/program.h"

#include <algorithm>

#include "platform/clock.h"

const BoxSizeProfile& ProfileInForce(const Program& program)
{
    return program.profiles[static_cast<size_t>(std::clamp(program.settings.boxSize, 0, kBoxSizeCount - 1))];
}

int64_t Now(const Program& program) { return program.platform.fixedClockMs.value_or(MonotonicMs()); }
