#include <gtest/gtest.h>

#include "ui/metrics.h"

namespace {

TEST(Metrics, ProfileRowsFollowTheBoxSize)
{
    const BoxSizeProfileTable profiles = MakeBoxSizeProfiles();
    const BoxSizeProfile& smallest = profiles[0];
    const BoxSizeProfile& largest = profiles[6];
    EXPECT_EQ((std::array{smallest.cellSize, smallest.fontSize, smallest.spacing, smallest.lineHeight,
                          smallest.panelWidth, smallest.panelHeight, smallest.barHeight}),
              (std::array{24, 9, 4, 14, 480, 270, 30}));
    EXPECT_EQ((std::array{largest.cellSize, largest.fontSize, largest.spacing, largest.lineHeight, largest.panelWidth,
                          largest.panelHeight, largest.barHeight}),
              (std::array{72, 27, 10, 38, 1440, 810, 90}));
}

TEST(Metrics, CanvasSizeFollowsBoardAndProfile)
{
    const BoxSizeProfileTable profiles = MakeBoxSizeProfiles();
    const CanvasSize expected[] = {{728, 410}, {960, 540}, {1192, 670}, {1424, 800}, {1656, 930}, {1888, 1060}, {2120, 1190}};
    for (int32_t box = 0; box < kBoxSizeCount; ++box) {
        EXPECT_EQ(CanvasSizeFor(29, 15, profiles[static_cast<size_t>(box)]), expected[box]) << box;
    }
    EXPECT_EQ(CanvasSizeFor(58, 30, profiles[6]), (CanvasSize{4237, 2285}));
}

}  // namespace
