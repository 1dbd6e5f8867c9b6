// The board of one game: which cells hold a mine, the neighbour counts, what the player has done
// to each cell, and the creation of a fresh board with randomly placed mines.
//
// Every grid has a ring of one extra cell on each side (columns 0 and C+1, rows 0 and R+1), so
// neighbour tests need no bounds checks. Element (c, r) of a grid lies at c * (R+2) + r: the row
// index varies fastest. Cell numbers n = (r-1) * C + c run 1 to N row by row from the top left;
// they are used only while the mines are placed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/random.h"
#include "settings/game_settings.h"

enum CellState : int8_t { Covered = 0, MarkedMine = 1, MarkedFlag = 2, Uncovered = 3, Border = 9 };

// Column and row numbers travel through a colour channel of the hit map and are held as signed
// 8-bit values, so a side never exceeds 127; cell numbers are signed 16-bit.
constexpr int32_t kMaxBoardSide = 127;
constexpr int32_t kMaxBoardCells = 32767;
static_assert(kMaxBoardSide * kMaxBoardSide <= kMaxBoardCells);

struct Board {
    int32_t columns = 0;  // C
    int32_t rows = 0;     // R
    std::vector<int8_t> mineFlags;   // entries 0 to N+1 by cell number; 1 = mine; 0 and N+1 unused
    std::vector<int16_t> cellPool;   // entries 0 to N: the placement's pool of free cell numbers
    std::vector<int8_t> mineGrid;    // (C+2) x (R+2): 1 = mine
    std::vector<int8_t> countGrid;   // (C+2) x (R+2): mines among the eight neighbours of a safe cell
    std::vector<int8_t> stateGrid;   // (C+2) x (R+2): the cell's CellState
    int32_t minesLeft = 0;      // mines minus cells marked MarkedMine
    int32_t safeCellsLeft = 0;  // safe cells still to uncover; 0 means the game is won
};

// Brings a column or row count into 1 to kMaxBoardSide.
int32_t ClampBoardSide(int32_t side);

inline int32_t CellCount(const Board& board) { return board.columns * board.rows; }

// Grid access for c in 0 to C+1 and r in 0 to R+1 (ring included); unchecked.
inline size_t GridIndex(const Board& board, int32_t column, int32_t row)
{
    return static_cast<size_t>(column) * static_cast<size_t>(board.rows + 2) + static_cast<size_t>(row);
}
inline int8_t& Mine(Board& board, int32_t c, int32_t r) { return board.mineGrid[GridIndex(board, c, r)]; }
inline int8_t Mine(const Board& board, int32_t c, int32_t r) { return board.mineGrid[GridIndex(board, c, r)]; }
inline int8_t& Count(Board& board, int32_t c, int32_t r) { return board.countGrid[GridIndex(board, c, r)]; }
inline int8_t Count(const Board& board, int32_t c, int32_t r) { return board.countGrid[GridIndex(board, c, r)]; }
inline int8_t& State(Board& board, int32_t c, int32_t r) { return board.stateGrid[GridIndex(board, c, r)]; }
inline int8_t State(const Board& board, int32_t c, int32_t r) { return board.stateGrid[GridIndex(board, c, r)]; }

// Discards the five arrays and creates them again, all zero, for the given size. Any input is
// safe: columns and rows are brought into 1 to 127 first. The counters are left alone.
void CreateBoard(Board& board, int32_t columns, int32_t rows);

// Chooses `mines` distinct cells at random (every set equally likely) and sets their MineFlags
// entries. The count is brought into 0 to N-1. Afterwards CellPool entries 0 to N-M-1 hold the
// free cell numbers in descending order and the rest are 0. False if the board was never created.
bool PlaceMines(Board& board, int32_t mines, RandomSource& random);

// Fills MineGrid, CountGrid and StateGrid from MineFlags: all cells Covered, the ring Border.
// False if the board was never created.
bool BuildBoardGrids(Board& board);

// The uncovered tile of a cell: 1 to 8 for the number tile of its count, 0 for the empty tile
// (any other CountGrid value, and any position off the grids).
int32_t TileForCount(const Board& board, int32_t column, int32_t row);

// A fresh board for a game under these settings: CreateBoard, PlaceMines with the settings'
// mine count (kept below the cell count), BuildBoardGrids, then MinesLeft = M and
// SafeCellsLeft = N - M.
void StartBoard(Board& board, const GameSettings& settings, RandomSource& random);
