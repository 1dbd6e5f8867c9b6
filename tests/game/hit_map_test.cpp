#include "game/hit_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

#include "settings/game_settings.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};

BoxSizeProfile ProfileFor(int32_t boxSize) { return MakeBoxSizeProfiles()[static_cast<size_t>(boxSize)]; }

// Builds the positions and paints the hit map for a board under a profile, as a full redraw does.
void PaintBoard(Image& hitMap, CellPositionGrid& grid, int32_t columns, int32_t rows, const BoxSizeProfile& profile)
{
    const CanvasSize canvas = CanvasSizeFor(columns, rows, profile);
    BuildCellPositionGrid(grid, columns, rows, profile);
    ASSERT_TRUE(PaintHitMap(hitMap, canvas.width, canvas.height, grid, profile.cellSize));
    ASSERT_EQ(hitMap.width, canvas.width);
    ASSERT_EQ(hitMap.height, canvas.height);
}

}  // namespace

TEST(HitMap, DefaultBoardHasItsCellsWhereTheLayoutPutsThem)
{
    const BoxSizeProfile profile = ProfileFor(GameSettings{}.boxSize);
    Image hitMap;
    CellPositionGrid grid;
    PaintBoard(hitMap, grid, 29, 15, profile);
    ASSERT_EQ(hitMap.width, 960);
    ASSERT_EQ(hitMap.height, 540);
    ASSERT_EQ(grid.positions.size(), 30u * 16u);
    EXPECT_EQ(PositionOf(grid, 1, 1), (CellPosition{2, 43}));
    EXPECT_EQ(PositionOf(grid, 3, 7), (CellPosition{68, 241}));
    EXPECT_EQ(PositionOf(grid, 29, 15), (CellPosition{926, 505}));

    struct Probe {
        int32_t x, y;
        Rgb colour;
    };
    const Probe probes[] = {
        {2, 43, {1, 1, 255}},       {33, 74, {1, 1, 255}},      {34, 43, kWhite},  // gap right of (1,1)
        {2, 75, kWhite},                                                           // gap below (1,1)
        {68, 241, {3, 7, 255}},     {99, 272, {3, 7, 255}},     {67, 241, kWhite}, {68, 240, kWhite},
        {926, 505, {29, 15, 255}},  {957, 536, {29, 15, 255}},  {958, 536, kWhite}, {957, 537, kWhite},
        {1, 43, kWhite},            {2, 42, kWhite},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(GetPixel(hitMap, p.x, p.y), p.colour) << p.x << ", " << p.y;
    }
}

TEST(HitMap, StatusBarMarginsAndGapsGiveNoCell)
{
    Image hitMap;
    CellPositionGrid grid;
    PaintBoard(hitMap, grid, 29, 15, ProfileFor(1));
    struct Point {
        int32_t x, y;
        const char* where;
    };
    const Point points[] = {
        {0, 0, "status bar"},          {480, 20, "status bar"},        {959, 39, "status bar"},
        {500, 40, "top margin"},       {500, 42, "top margin"},        {0, 300, "left margin"},
        {1, 300, "left margin"},       {958, 300, "right margin"},     {959, 300, "right margin"},
        {500, 537, "bottom margin"},   {500, 539, "bottom margin"},    {34, 300, "gap between columns"},
        {497, 75, "gap between rows"}, {34, 75, "gap crossing"},       {959, 539, "bottom right corner"},
    };
    for (const Point& p : points) {
        EXPECT_EQ(CellAt(hitMap, p.x, p.y), std::nullopt) << p.where << " at " << p.x << ", " << p.y;
    }
}

TEST(HitMap, EveryPixelMapsBackToItsOwnCellAcrossBoxSizes)
{
    struct Case {
        int32_t columns, rows, boxSize;
    };
    // Largest canvas first, so the one hit map is reused and shrinks: nothing of a bigger board
    // may survive in it.
    const Case cases[] = {{58, 30, 0}, {29, 15, 6}, {29, 15, 3}, {29, 15, 1}, {29, 15, 0}, {1, 1, 0}};
    Image hitMap;
    CellPositionGrid grid;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows << " at box size " << c.boxSize);
        const BoxSizeProfile profile = ProfileFor(c.boxSize);
        PaintBoard(hitMap, grid, c.columns, c.rows, profile);
        const int32_t pitch = profile.cellSize + 1;
        const int32_t top = profile.barHeight + 3;
        // Which cell a pixel belongs to, worked out from the pitch: each run of cellSize pixels is
        // a cell and the pixel after it a gap.
        const auto along = [&](int32_t offset, int32_t count) -> int32_t {
            if (offset < 0 || offset % pitch >= profile.cellSize) return 0;
            const int32_t index = offset / pitch + 1;
            return index <= count ? index : 0;
        };
        std::vector<bool> seen(static_cast<size_t>((c.columns + 1) * (c.rows + 1)), false);
        int64_t mismatches = 0;
        for (int32_t y = 0; y < hitMap.height; ++y) {
            const int32_t row = along(y - top, c.rows);
            for (int32_t x = 0; x < hitMap.width; ++x) {
                const int32_t column = along(x - 2, c.columns);
                // (0, 0) stands for "no cell".
                const std::pair<int32_t, int32_t> expected =
                    column != 0 && row != 0 ? std::pair{column, row} : std::pair{0, 0};
                const std::optional<CellRef> cell = CellAt(hitMap, x, y);
                const std::pair<int32_t, int32_t> got = cell ? std::pair{cell->column, cell->row} : std::pair{0, 0};
                if (got != expected && ++mismatches <= 5) ADD_FAILURE() << "pixel " << x << ", " << y;
                if (cell && got == expected) seen[static_cast<size_t>(column * (c.rows + 1) + row)] = true;
            }
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), c.columns * c.rows);
    }
}

TEST(HitMap, ImpossibleSizeGivesAnEmptyMapWithoutCells)
{
    Image hitMap;
    CellPositionGrid grid;
    BuildCellPositionGrid(grid, 29, 15, ProfileFor(1));
    for (const auto& [width, height] : {std::pair{0, 540}, std::pair{960, -1}, std::pair{kMaxImageSide + 1, 10}}) {
        EXPECT_FALSE(PaintHitMap(hitMap, width, height, grid, 32)) << width << " x " << height;
        EXPECT_TRUE(hitMap.IsEmpty());
        EXPECT_EQ(CellAt(hitMap, 0, 0), std::nullopt);
    }
}

TEST(HitMap, PositionGridBringsItsSizeIntoTheBoardRange)
{
    struct Case {
        int32_t columns, rows, expectedColumns, expectedRows;
    };
    const Case cases[] = {{0, 15, 1, 15}, {200, 15, 127, 15}, {29, -4, 29, 1}, {INT32_MAX, INT32_MIN, 127, 1}};
    CellPositionGrid grid;
    for (const Case& c : cases) {
        BuildCellPositionGrid(grid, c.columns, c.rows, ProfileFor(0));
        EXPECT_EQ(grid.columns, c.expectedColumns);
        EXPECT_EQ(grid.rows, c.expectedRows);
        EXPECT_EQ(grid.positions.size(), static_cast<size_t>((c.expectedColumns + 1) * (c.expectedRows + 1)));
    }
}

TEST(CellAt, ReadsColumnFromRedAndRowFromGreenExceptForExactWhite)
{
    struct Case {
        Rgb colour;
        std::optional<CellRef> cell;
    };
    const Case cases[] = {
        {{255, 255, 255}, std::nullopt},
        {{3, 7, 255}, CellRef{3, 7}},
        {{127, 127, 255}, CellRef{127, 127}},
        {{1, 30, 255}, CellRef{1, 30}},
        {{255, 255, 254}, CellRef{255, 255}},  // only exact white means no cell
    };
    Image hitMap = MakeImage(4, 4, kWhite);
    for (const Case& c : cases) {
        SetPixel(hitMap, 2, 1, c.colour);
        EXPECT_EQ(CellAt(hitMap, 2, 1), c.cell) << int32_t{c.colour.r} << ", " << int32_t{c.colour.g};
    }
}

TEST(CellAt, OutsideTheImageGivesNoCell)
{
    // Every pixel inside names a cell, so only the bounds can give "no cell" here.
    Image hitMap = MakeImage(960, 540, {5, 6, 255});
    EXPECT_EQ(CellAt(hitMap, 0, 0), (CellRef{5, 6}));
    EXPECT_EQ(CellAt(hitMap, 959, 539), (CellRef{5, 6}));
    struct Point {
        int32_t x, y;
    };
    for (const Point p : {Point{-1, 0}, Point{0, -1}, Point{960, 0}, Point{0, 540}, Point{960, 540},
                          Point{INT32_MIN, INT32_MIN}, Point{INT32_MAX, 5}}) {
        EXPECT_EQ(CellAt(hitMap, p.x, p.y), std::nullopt) << p.x << ", " << p.y;
    }
    EXPECT_EQ(CellAt(Image{}, 0, 0), std::nullopt);
}
