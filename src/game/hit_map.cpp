#include "game/hit_map.h"

#include "game/board.h"

static constexpr Rgb kNoCell{255, 255, 255};

void BuildCellPositionGrid(CellPositionGrid& grid, int32_t columns, int32_t rows, const BoxSizeProfile& profile)
{
    grid.columns = ClampBoardSide(columns);
    grid.rows = ClampBoardSide(rows);
    grid.positions.assign(static_cast<size_t>(grid.columns + 1) * static_cast<size_t>(grid.rows + 1), CellPosition{});
    const int32_t pitch = profile.cellSize + 1;
    for (int32_t c = 1; c <= grid.columns; ++c) {
        for (int32_t r = 1; r <= grid.rows; ++r) {
            grid.positions[static_cast<size_t>(c) * static_cast<size_t>(grid.rows + 1) + static_cast<size_t>(r)] = {
                2 + (c - 1) * pitch, profile.barHeight + 3 + (r - 1) * pitch};
        }
    }
}

bool PaintHitMap(Image& hitMap, int32_t width, int32_t height, const CellPositionGrid& grid, int32_t cellSize)
{
    if (!ResizeImage(hitMap, width, height)) return false;
    FillImage(hitMap, kNoCell);
    if (grid.positions.size() ==
        static_cast<size_t>(grid.columns + 1) * static_cast<size_t>(grid.rows + 1)) {
        for (int32_t c = 1; c <= grid.columns; ++c) {
            for (int32_t r = 1; r <= grid.rows; ++r) {
                const CellPosition& at = PositionOf(grid, c, r);
                FillBox(hitMap, at.x, at.y, cellSize, cellSize,
                        {static_cast<uint8_t>(c), static_cast<uint8_t>(r), 255});
            }
        }
    }
    TakeDirty(hitMap);  // never presented
    return true;
}

std::optional<CellRef> CellAt(const Image& hitMap, int32_t x, int32_t y)
{
    if (x < 0 || y < 0 || x >= hitMap.width || y >= hitMap.height) return std::nullopt;
    const Rgb colour = GetPixel(hitMap, x, y);
    if (colour == kNoCell) return std::nullopt;
    return CellRef{colour.r, colour.g};
}
