#include "ui/metrics.h"

BoxSizeProfileTable MakeBoxSizeProfiles()
{
    BoxSizeProfileTable table{};
    for (int32_t i = 0; i < kBoxSizeCount; ++i) {
        table[static_cast<size_t>(i)] = {24 + 8 * i, 9 + 3 * i, 4 + i, 14 + 4 * i, 480 + 160 * i, 270 + 90 * i, 30 + 10 * i};
    }
    return table;
}

CanvasSize CanvasSizeFor(int32_t columns, int32_t rows, const BoxSizeProfile& profile)
{
    return {columns * (profile.cellSize + 1) + 3, rows * (profile.cellSize + 1) + profile.barHeight + 5};
}
