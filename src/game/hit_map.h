// The two structures that tie the board to the canvas: where each cell's square lies, and the
// off-screen HitMap that turns a mouse position into a cell. The main-screen redraw makes both
// anew; the click handling reads the HitMap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/image.h"
#include "ui/metrics.h"

struct CellPosition {
    int32_t x = 0;  // canvas pixel of the top left corner of the cell's square
    int32_t y = 0;
    bool operator==(const CellPosition&) const = default;
};

// (C+1) x (R+1) positions by (column, row), row index fastest; column 0 and row 0 are not used.
struct CellPositionGrid {
    int32_t columns = 0;
    int32_t rows = 0;
    std::vector<CellPosition> positions;
};

// c in 0 to C, r in 0 to R; unchecked.
inline const CellPosition& PositionOf(const CellPositionGrid& grid, int32_t column, int32_t row)
{
    return grid.positions[static_cast<size_t>(column) * static_cast<size_t>(grid.rows + 1) + static_cast<size_t>(row)];
}

// Cell (c, r) at x = 2 + (c-1) * (s+1), y = B + 3 + (r-1) * (s+1), with s the cell size and B
// the status bar's height. Columns and rows are brought into 1 to 127, as for the board.
void BuildCellPositionGrid(CellPositionGrid& grid, int32_t columns, int32_t rows, const BoxSizeProfile& profile);

// Re-creates the hit map at width x height (reusing its allocation), white, with each cell's
// square filled in red = column, green = row, blue = 255. False if the size is impossible.
bool PaintHitMap(Image& hitMap, int32_t width, int32_t height, const CellPositionGrid& grid, int32_t cellSize);

struct CellRef {
    int32_t column = 0;
    int32_t row = 0;
    bool operator==(const CellRef&) const = default;
};

// The cell under canvas pixel (x, y): none where the hit map is exactly white or outside it.
std::optional<CellRef> CellAt(const Image& hitMap, int32_t x, int32_t y);
