// Uncovering cells, the flood fill from cells without neighbouring mines, and the right-click
// marks. These change the board and report which cells to draw; the caller draws them.
#pragma once

#include <cstdint>
#include <vector>

#include "game/board.h"
#include "game/hit_map.h"

enum class UncoverOutcome { Nothing, Safe, MineHit, Won };

struct UncoverResult {
    UncoverOutcome outcome = UncoverOutcome::Nothing;
    std::vector<CellRef> uncovered;  // in the order they were uncovered: the clicked cell, then the fill
};

// The left click on a cell. A marked cell is uncovered like a covered one; a mine mark taken off a
// safe cell this way gives its mine back to MinesLeft. A mine leaves the board as it was.
UncoverResult UncoverCell(Board& board, int32_t column, int32_t row);

// Uncovers the neighbourhood of an uncovered cell without neighbouring mines, depth first in the
// order top left, top, top right, left, right, bottom left, bottom, bottom right, going on from
// every newly uncovered cell without neighbouring mines. Marks it reaches are simply uncovered.
// Appends the cells it uncovers. Needs no recursion, so the largest board is safe.
void FloodUncover(Board& board, int32_t column, int32_t row, std::vector<CellRef>& uncovered);

// The right click: Covered -> MarkedMine -> MarkedFlag -> Covered; an uncovered cell stays.
// MinesLeft follows the mine marks and is held at 0 or above. Returns the new state.
CellState CycleMark(Board& board, int32_t column, int32_t row);
