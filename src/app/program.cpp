#include "app/program.h"

#include <algorithm>

const BoxSizeProfile& ProfileInForce(const Program& program)
{
    return program.profiles[static_cast<size_t>(std::clamp(program.settings.boxSize, 0, kBoxSizeCount - 1))];
}
