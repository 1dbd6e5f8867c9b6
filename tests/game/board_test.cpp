#include "game/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <vector>

namespace {

RandomSource SeededSource(uint64_t seed)
{
    RandomSource source;
    SeedRandom(source, seed);
    return source;
}

int32_t CountMineFlags(const Board& board)
{
    return static_cast<int32_t>(std::count(board.mineFlags.begin(), board.mineFlags.end(), int8_t{1}));
}

// The arrays have the extents of a created board and every index we may touch lies inside them.
void ExpectConsistentExtents(const Board& board)
{
    ASSERT_GE(board.columns, 1);
    ASSERT_LE(board.columns, 127);
    ASSERT_GE(board.rows, 1);
    ASSERT_LE(board.rows, 127);
    const auto cells = static_cast<size_t>(board.columns) * board.rows;
    ASSERT_LE(cells, 32767u);
    const auto grid = static_cast<size_t>(board.columns + 2) * (board.rows + 2);
    EXPECT_EQ(board.mineFlags.size(), cells + 2);
    EXPECT_EQ(board.cellPool.size(), cells + 1);
    EXPECT_EQ(board.mineGrid.size(), grid);
    EXPECT_EQ(board.countGrid.size(), grid);
    EXPECT_EQ(board.stateGrid.size(), grid);
}

// The end state of a placement of `mines` mines: the flags name exactly that many distinct cells
// from 1 to N, and the pool holds the other cells in descending order, then zeros.
void ExpectPlacementEndState(const Board& board, int32_t mines)
{
    const int32_t cells = CellCount(board);
    EXPECT_EQ(board.mineFlags.front(), 0);
    EXPECT_EQ(board.mineFlags.back(), 0);
    EXPECT_TRUE(std::all_of(board.mineFlags.begin(), board.mineFlags.end(), [](int8_t f) { return f == 0 || f == 1; }));
    EXPECT_EQ(CountMineFlags(board), mines);

    std::vector<int16_t> freeCells;
    for (int32_t n = cells; n >= 1; --n) {
        if (board.mineFlags[static_cast<size_t>(n)] == 0) freeCells.push_back(static_cast<int16_t>(n));
    }
    const std::vector<int16_t> head(board.cellPool.begin(), board.cellPool.begin() + (cells - mines));
    EXPECT_EQ(head, freeCells);
    EXPECT_TRUE(std::all_of(board.cellPool.begin() + (cells - mines), board.cellPool.end(), [](int16_t v) { return v == 0; }));
}

// The placement as first written down: after each draw the whole pool is sorted again.
void ReferencePlaceMines(int32_t cells, int32_t mines, RandomSource& random, std::vector<int8_t>& flags,
                         std::vector<int16_t>& pool)
{
    flags.assign(static_cast<size_t>(cells) + 2, 0);
    pool.assign(static_cast<size_t>(cells) + 1, 0);
    for (int32_t i = 0; i < cells; ++i) pool[static_cast<size_t>(i)] = static_cast<int16_t>(i + 1);
    int32_t last = cells - 1;
    for (int32_t m = 0; m < mines; ++m) {
        const auto i = static_cast<size_t>(DrawUniform(random, 0, last));
        flags[static_cast<size_t>(pool[i])] = 1;
        pool[i] = 0;
        std::sort(pool.begin(), pool.end(), std::greater<>());
        --last;
    }
}

struct PlacementCase {
    int32_t columns;
    int32_t rows;
    int32_t mines;
    uint64_t seed;
};

const PlacementCase kPlacementCases[] = {
    {29, 15, 60, 1},   {29, 15, 110, 2}, {58, 30, 300, 3}, {29, 15, 434, 4}, {29, 15, 0, 5},
    {1, 1, 0, 6},      {3, 3, 8, 7},     {1, 9, 4, 8},     {9, 1, 4, 9},     {2, 2, 3, 10},
};

}  // namespace

TEST(BoardCreate, BringsAnySizeIntoRangeWithZeroedArrays)
{
    struct Case {
        int32_t columns, rows, expectedColumns, expectedRows;
    };
    const Case cases[] = {
        {29, 15, 29, 15}, {58, 30, 58, 30}, {0, 15, 1, 15},     {200, 15, 127, 15},
        {29, -3, 29, 1},  {127, 127, 127, 127}, {128, 1000, 127, 127}, {INT32_MIN, INT32_MAX, 1, 127},
    };
    Board board;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows);
        CreateBoard(board, 58, 30);
        board.mineGrid.assign(board.mineGrid.size(), 1);  // left-overs of an earlier game
        CreateBoard(board, c.columns, c.rows);
        EXPECT_EQ(board.columns, c.expectedColumns);
        EXPECT_EQ(board.rows, c.expectedRows);
        ExpectConsistentExtents(board);
        for (const auto* array : {&board.mineFlags, &board.mineGrid, &board.countGrid, &board.stateGrid}) {
            EXPECT_TRUE(std::all_of(array->begin(), array->end(), [](int8_t v) { return v == 0; }));
        }
        EXPECT_TRUE(std::all_of(board.cellPool.begin(), board.cellPool.end(), [](int16_t v) { return v == 0; }));
    }
}

TEST(BoardPlaceMines, LeavesExactlyTheMinesAndACompactDescendingPool)
{
    Board board;
    for (const PlacementCase& c : kPlacementCases) {
        SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows << ", " << c.mines << " mines");
        RandomSource random = SeededSource(c.seed);
        CreateBoard(board, c.columns, c.rows);
        ASSERT_TRUE(PlaceMines(board, c.mines, random));
        ExpectPlacementEndState(board, c.mines);
    }
}

TEST(BoardPlaceMines, BringsTheMineCountBelowTheCellCount)
{
    struct Case {
        int32_t columns, rows, requested, expected;
    };
    const Case cases[] = {
        {29, 15, -5, 0}, {29, 15, INT32_MIN, 0}, {29, 15, 435, 434}, {29, 15, 1000, 434},
        {29, 15, INT32_MAX, 434}, {1, 1, 3, 0}, {2, 1, 2, 1},
    };
    Board board;
    RandomSource random = SeededSource(11);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows << ", " << c.requested << " mines");
        CreateBoard(board, c.columns, c.rows);
        ASSERT_TRUE(PlaceMines(board, c.requested, random));
        ExpectPlacementEndState(board, c.expected);
    }
}

TEST(BoardPlaceMines, MatchesSortingAfterEveryDrawForTheSameDraws)
{
    Board board;
    std::vector<int8_t> flags;
    std::vector<int16_t> pool;
    for (const PlacementCase& c : kPlacementCases) {
        // With no mines the sorting version never sorts and leaves 1..N ascending; the board's
        // pool is descending for every count, which the end-state test covers.
        if (c.mines == 0) continue;
        SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows << ", " << c.mines << " mines");
        for (uint64_t seed : {c.seed, c.seed + 100, c.seed + 200}) {
            RandomSource boardRandom = SeededSource(seed);
            RandomSource referenceRandom = SeededSource(seed);
            CreateBoard(board, c.columns, c.rows);
            ASSERT_TRUE(PlaceMines(board, c.mines, boardRandom));
            ReferencePlaceMines(c.columns * c.rows, c.mines, referenceRandom, flags, pool);
            EXPECT_EQ(board.mineFlags, flags);
            EXPECT_EQ(board.cellPool, pool);
        }
    }
}

TEST(BoardPlaceMines, EverySetOfCellsIsEquallyLikely)
{
    // 3 mines among 6 cells: 20 possible sets. With a fixed seed the outcome is always the same,
    // and each set's share lies far inside the bound (about six standard deviations).
    constexpr int32_t kTrials = 40000;
    constexpr int32_t kSets = 20;
    Board board;
    CreateBoard(board, 3, 2);
    RandomSource random = SeededSource(2024);
    std::map<int32_t, int32_t> seen;
    for (int32_t trial = 0; trial < kTrials; ++trial) {
        ASSERT_TRUE(PlaceMines(board, 3, random));
        int32_t set = 0;
        for (int32_t n = 1; n <= 6; ++n) set |= board.mineFlags[static_cast<size_t>(n)] << n;
        ++seen[set];
    }
    ASSERT_EQ(seen.size(), static_cast<size_t>(kSets));
    for (const auto& [set, times] : seen) {
        EXPECT_NEAR(times, kTrials / kSets, 250) << "set " << set;
    }
}

TEST(BoardPlaceMines, RefusesABoardThatWasNeverCreated)
{
    Board board;
    RandomSource random = SeededSource(1);
    EXPECT_FALSE(PlaceMines(board, 10, random));
    EXPECT_FALSE(BuildBoardGrids(board));
    EXPECT_TRUE(board.mineFlags.empty());
    EXPECT_TRUE(board.stateGrid.empty());
}

TEST(BoardGrids, CellNumbersRunRowByRowFromTheTopLeft)
{
    struct Size {
        int32_t columns, rows;
    };
    for (const Size size : {Size{29, 15}, Size{4, 3}, Size{1, 5}, Size{7, 1}, Size{1, 1}}) {
        const int32_t c = size.columns;
        const int32_t r = size.rows;
        struct Mapping {
            int32_t number, column, row;
        };
        std::vector<Mapping> mappings = {{1, 1, 1}, {c, c, 1}, {c * r, c, r}};
        if (r > 1) mappings.push_back({c + 1, 1, 2});
        for (const Mapping& m : mappings) {
            SCOPED_TRACE(testing::Message() << c << " x " << r << ", cell number " << m.number);
            Board board;
            CreateBoard(board, c, r);
            board.mineFlags[static_cast<size_t>(m.number)] = 1;
            ASSERT_TRUE(BuildBoardGrids(board));
            EXPECT_EQ(Mine(board, m.column, m.row), 1);
            EXPECT_EQ(std::count(board.mineGrid.begin(), board.mineGrid.end(), int8_t{1}), 1);
            // The flat layout: element (c, r) lies at c * (R+2) + r.
            EXPECT_EQ(board.mineGrid[static_cast<size_t>(m.column * (r + 2) + m.row)], 1);
        }
    }
}

TEST(BoardGrids, CountsAreTheMinesAmongTheEightNeighbours)
{
    Board board;
    for (const PlacementCase& c : kPlacementCases) {
        SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows << ", " << c.mines << " mines");
        RandomSource random = SeededSource(c.seed);
        CreateBoard(board, c.columns, c.rows);
        ASSERT_TRUE(PlaceMines(board, c.mines, random));
        ASSERT_TRUE(BuildBoardGrids(board));

        // Worked out from the flags by cell number, with explicit bounds instead of the ring.
        const auto hasMine = [&](int32_t col, int32_t row) {
            if (col < 1 || col > c.columns || row < 1 || row > c.rows) return 0;
            return static_cast<int32_t>(board.mineFlags[static_cast<size_t>((row - 1) * c.columns + col)]);
        };
        for (int32_t col = 1; col <= c.columns; ++col) {
            for (int32_t row = 1; row <= c.rows; ++row) {
                int32_t around = 0;
                for (int32_t dc = -1; dc <= 1; ++dc) {
                    for (int32_t dr = -1; dr <= 1; ++dr) {
                        if (dc != 0 || dr != 0) around += hasMine(col + dc, row + dr);
                    }
                }
                const int32_t expected = hasMine(col, row) ? 0 : around;
                ASSERT_EQ(Mine(board, col, row), hasMine(col, row)) << "cell " << col << ", " << row;
                ASSERT_EQ(Count(board, col, row), expected) << "cell " << col << ", " << row;
            }
        }
    }
}

TEST(BoardGrids, HandMadeLayoutsGiveTheirCounts)
{
    // '*' is a mine; the expected counts use '.' for a mine cell (count 0).
    struct Layout {
        int32_t columns, rows;
        const char* mines;
        const char* counts;
    };
    const Layout layouts[] = {
        {3, 3, "****.****", "....8...."},
        {2, 2, "***.", "...3"},
        {4, 3, "*..*" "...." "*..*", ".11." "2222" ".11."},
        {5, 3, "....." ".***." ".....", "12321" "1...1" "12321"},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.mines);
        Board board;
        CreateBoard(board, layout.columns, layout.rows);
        for (int32_t n = 1; n <= CellCount(board); ++n) {
            board.mineFlags[static_cast<size_t>(n)] = layout.mines[n - 1] == '*' ? 1 : 0;
        }
        ASSERT_TRUE(BuildBoardGrids(board));
        for (int32_t n = 1; n <= CellCount(board); ++n) {
            const int32_t col = (n - 1) % layout.columns + 1;
            const int32_t row = (n - 1) / layout.columns + 1;
            const char want = layout.counts[n - 1];
            EXPECT_EQ(Count(board, col, row), want == '.' ? 0 : want - '0') << "cell " << col << ", " << row;
        }
    }
}

TEST(BoardGrids, RingIsBorderWithoutMinesAndEveryCellCovered)
{
    Board board;
    for (const PlacementCase& c : kPlacementCases) {
        SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows << ", " << c.mines << " mines");
        RandomSource random = SeededSource(c.seed);
        CreateBoard(board, c.columns, c.rows);
        ASSERT_TRUE(PlaceMines(board, c.mines, random));
        // Left-overs that the build must clear.
        board.stateGrid.assign(board.stateGrid.size(), Uncovered);
        board.countGrid.assign(board.countGrid.size(), 5);
        board.mineGrid.assign(board.mineGrid.size(), 1);
        ASSERT_TRUE(BuildBoardGrids(board));
        for (int32_t col = 0; col <= c.columns + 1; ++col) {
            for (int32_t row = 0; row <= c.rows + 1; ++row) {
                const bool ring = col == 0 || row == 0 || col == c.columns + 1 || row == c.rows + 1;
                if (ring) {
                    ASSERT_EQ(State(board, col, row), Border) << "ring " << col << ", " << row;
                    ASSERT_EQ(Mine(board, col, row), 0) << "ring " << col << ", " << row;
                    ASSERT_EQ(Count(board, col, row), 0) << "ring " << col << ", " << row;
                } else {
                    ASSERT_EQ(State(board, col, row), Covered) << "cell " << col << ", " << row;
                }
            }
        }
        EXPECT_EQ(std::count(board.mineGrid.begin(), board.mineGrid.end(), int8_t{1}), c.mines);
    }
}

TEST(BoardTileForCount, NumberTileForOneToEightEmptyTileOtherwise)
{
    struct Case {
        int8_t count;
        int32_t tile;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8},
                          {9, 0}, {-1, 0}, {127, 0}, {-128, 0}};
    Board board;
    CreateBoard(board, 4, 3);
    for (const Case& c : cases) {
        Count(board, 2, 3) = c.count;
        EXPECT_EQ(TileForCount(board, 2, 3), c.tile) << "count " << int32_t{c.count};
    }
    Count(board, 2, 3) = 4;
    EXPECT_EQ(TileForCount(board, 3, 2), 0);  // a different cell, still count 0

    // Positions off the grids give the empty tile rather than reading outside them.
    board.countGrid.assign(board.countGrid.size(), 6);
    struct Position {
        int32_t column, row;
    };
    for (const Position p : {Position{-1, 1}, Position{6, 1}, Position{1, -1}, Position{1, 5},
                             Position{INT32_MAX, INT32_MAX}, Position{INT32_MIN, 0}}) {
        EXPECT_EQ(TileForCount(board, p.column, p.row), 0) << p.column << ", " << p.row;
    }
    EXPECT_EQ(TileForCount(board, 5, 4), 6);  // the far corner of the ring is still on the grid
    EXPECT_EQ(TileForCount(Board{}, 1, 1), 0);
}

TEST(BoardStart, GivesTheSettingsBoardAndMineCountWithItsCounters)
{
    struct Case {
        GameSettings settings;
        int32_t columns, rows, mines;
    };
    auto custom = [](int32_t columns, int32_t rows, int32_t mines) {
        GameSettings s;
        s.difficulty = Custom;
        s.columns = columns;
        s.rows = rows;
        s.mines = mines;
        return s;
    };
    auto preset = [](int32_t difficulty) {
        GameSettings s;
        s.difficulty = difficulty;
        return s;
    };
    const Case cases[] = {
        {GameSettings{}, 29, 15, 60},  // the defaults: Easy, with `mines` 100 ignored
        {preset(Medium), 29, 15, 80},
        {preset(Hard), 29, 15, 110},
        {custom(58, 30, 300), 58, 30, 300},
        {custom(29, 15, 5), 29, 15, 5},
        // Hand-edited values outside the settings' ranges still give a sound board.
        {custom(0, 15, 20), 1, 15, 14},
        {custom(200, 15, 100), 127, 15, 100},
        {custom(29, 15, 1000), 29, 15, 434},
        {custom(29, 15, -20), 29, 15, 0},
        {custom(-7, 0, 1), 1, 1, 0},
        {custom(500, 500, INT32_MAX), 127, 127, 127 * 127 - 1},
    };
    Board board;
    RandomSource random = SeededSource(42);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.settings.columns << " x " << c.settings.rows << ", difficulty "
                                        << c.settings.difficulty << ", mines " << c.settings.mines);
        board.minesLeft = board.safeCellsLeft = -1;
        StartBoard(board, c.settings, random);
        EXPECT_EQ(board.columns, c.columns);
        EXPECT_EQ(board.rows, c.rows);
        ExpectConsistentExtents(board);
        ExpectPlacementEndState(board, c.mines);
        EXPECT_EQ(std::count(board.mineGrid.begin(), board.mineGrid.end(), int8_t{1}), c.mines);
        EXPECT_EQ(board.minesLeft, c.mines);
        EXPECT_EQ(board.safeCellsLeft, c.columns * c.rows - c.mines);
        EXPECT_EQ(State(board, 0, 0), Border);
        EXPECT_EQ(State(board, c.columns, c.rows), Covered);
    }
}
