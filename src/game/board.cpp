#include "game/board.h"

#include <algorithm>

int32_t ClampBoardSide(int32_t side) { return std::clamp(side, 1, kMaxBoardSide); }

static size_t GridSize(const Board& board)
{
    return static_cast<size_t>(board.columns + 2) * static_cast<size_t>(board.rows + 2);
}

// True when the arrays have the extents that CreateBoard gives for the board's columns and rows.
static bool IsCreated(const Board& board)
{
    if (board.columns < 1 || board.columns > kMaxBoardSide || board.rows < 1 || board.rows > kMaxBoardSide) {
        return false;
    }
    const auto cells = static_cast<size_t>(CellCount(board));
    const size_t grid = GridSize(board);
    return board.mineFlags.size() == cells + 2 && board.cellPool.size() == cells + 1 &&
           board.mineGrid.size() == grid && board.countGrid.size() == grid && board.stateGrid.size() == grid;
}

void CreateBoard(Board& board, int32_t columns, int32_t rows)
{
    board.columns = ClampBoardSide(columns);
    board.rows = ClampBoardSide(rows);
    const auto cells = static_cast<size_t>(CellCount(board));
    const size_t grid = GridSize(board);
    board.mineFlags.assign(cells + 2, 0);
    board.cellPool.assign(cells + 1, 0);
    board.mineGrid.assign(grid, 0);
    board.countGrid.assign(grid, 0);
    board.stateGrid.assign(grid, 0);
}

// Sampling without replacement from a pool of free cell numbers kept compact: draw an index i
// from 0 to a (the last index that holds a free cell), mine that cell, and close the hole.
//
// The pool starts as 1 to N in ascending order and, once a cell is taken, is kept in descending
// order with the zeros behind. Taking entry i out of a descending run and shifting the tail left
// by one keeps it sorted, which gives the same pool as re-sorting it after each draw, at a
// fraction of the cost. The pool is therefore held in descending order from the start, and the
// first draw, which indexes the ascending fill, is turned round (index i of 1..N holds i+1,
// which is index a-i of N..1). With no mines the pool is left descending as well.
bool PlaceMines(Board& board, int32_t mines, RandomSource& random)
{
    if (!IsCreated(board)) return false;
    const int32_t cells = CellCount(board);
    const int32_t count = std::clamp(mines, 0, cells - 1);

    std::fill(board.mineFlags.begin(), board.mineFlags.end(), int8_t{0});
    int16_t* pool = board.cellPool.data();
    for (int32_t i = 0; i < cells; ++i) pool[i] = static_cast<int16_t>(cells - i);
    pool[cells] = 0;

    int32_t last = cells - 1;
    for (int32_t placed = 0; placed < count; ++placed, --last) {
        const int32_t drawn = DrawUniform(random, 0, last);
        const int32_t index = placed == 0 ? last - drawn : drawn;
        board.mineFlags[static_cast<size_t>(pool[index])] = 1;
        std::copy(pool + index + 1, pool + last + 1, pool + index);
        pool[last] = 0;
    }
    return true;
}

bool BuildBoardGrids(Board& board)
{
    if (!IsCreated(board)) return false;
    const int32_t columns = board.columns;
    const int32_t rows = board.rows;
    std::fill(board.mineGrid.begin(), board.mineGrid.end(), int8_t{0});
    std::fill(board.countGrid.begin(), board.countGrid.end(), int8_t{0});
    std::fill(board.stateGrid.begin(), board.stateGrid.end(), int8_t{Covered});

    size_t number = 1;
    for (int32_t r = 1; r <= rows; ++r) {
        for (int32_t c = 1; c <= columns; ++c) Mine(board, c, r) = board.mineFlags[number++];
    }

    for (int32_t c = 1; c <= columns; ++c) {
        for (int32_t r = 1; r <= rows; ++r) {
            if (Mine(board, c, r) != 0) continue;
            Count(board, c, r) = static_cast<int8_t>(
                Mine(board, c - 1, r - 1) + Mine(board, c, r - 1) + Mine(board, c + 1, r - 1) +
                Mine(board, c - 1, r) + Mine(board, c + 1, r) +
                Mine(board, c - 1, r + 1) + Mine(board, c, r + 1) + Mine(board, c + 1, r + 1));
        }
    }

    for (int32_t c = 0; c <= columns + 1; ++c) {
        State(board, c, 0) = Border;
        State(board, c, rows + 1) = Border;
    }
    for (int32_t r = 0; r <= rows + 1; ++r) {
        State(board, 0, r) = Border;
        State(board, columns + 1, r) = Border;
    }
    return true;
}

int32_t TileForCount(const Board& board, int32_t column, int32_t row)
{
    if (column < 0 || column > board.columns + 1 || row < 0 || row > board.rows + 1) return 0;
    const size_t index = GridIndex(board, column, row);
    if (index >= board.countGrid.size()) return 0;
    const int32_t count = board.countGrid[index];
    return count >= 1 && count <= 8 ? count : 0;
}

void StartBoard(Board& board, const GameSettings& settings, RandomSource& random)
{
    CreateBoard(board, settings.columns, settings.rows);
    const int32_t cells = CellCount(board);
    const int32_t mines = std::clamp(MineCountFor(settings), 0, cells - 1);
    PlaceMines(board, mines, random);
    BuildBoardGrids(board);
    board.minesLeft = mines;
    board.safeCellsLeft = cells - mines;
}
