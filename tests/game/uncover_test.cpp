#include <gtest/gtest.h>

#include "game/uncover.h"

namespace {

// A board drawn as text: '*' a mine, '.' a safe cell; rows from the top.
Board BoardFrom(const std::vector<std::string>& rows, int32_t minesLeft = -1)
{
    Board board;
    const auto columns = static_cast<int32_t>(rows[0].size());
    CreateBoard(board, columns, static_cast<int32_t>(rows.size()));
    int32_t mines = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int32_t c = 0; c < columns; ++c) {
            if (rows[r][static_cast<size_t>(c)] == '*') {
                board.mineFlags[r * static_cast<size_t>(columns) + static_cast<size_t>(c) + 1] = 1;
                ++mines;
            }
        }
    }
    BuildBoardGrids(board);
    board.minesLeft = minesLeft < 0 ? mines : minesLeft;
    board.safeCellsLeft = CellCount(board) - mines;
    return board;
}

// The board's states as text: '#' covered, 'm' mine mark, 'f' flag mark, digits uncovered.
std::vector<std::string> States(const Board& board)
{
    std::vector<std::string> rows;
    for (int32_t r = 1; r <= board.rows; ++r) {
        std::string line;
        for (int32_t c = 1; c <= board.columns; ++c) {
            const int8_t state = State(board, c, r);
            line += state == Covered ? '#' : state == MarkedMine ? 'm' : state == MarkedFlag ? 'f' : char('0' + Count(board, c, r));
        }
        rows.push_back(line);
    }
    return rows;
}

TEST(Uncover, ASafeCellWithNeighbouringMinesOpensAlone)
{
    Board board = BoardFrom({"*..", "...", "..*"});
    const UncoverResult result = UncoverCell(board, 2, 2);
    EXPECT_EQ(result.outcome, UncoverOutcome::Safe);
    EXPECT_EQ(result.uncovered, (std::vector<CellRef>{{2, 2}}));
    EXPECT_EQ(States(board), (std::vector<std::string>{"###", "#2#", "###"}));
    EXPECT_EQ(board.safeCellsLeft, 6);
    // A second click on an uncovered cell does nothing.
    EXPECT_EQ(UncoverCell(board, 2, 2).outcome, UncoverOutcome::Nothing);
    EXPECT_EQ(board.safeCellsLeft, 6);
}

TEST(Uncover, TheFloodFillOpensDepthFirstAndStopsAtNumbers)
{
    Board board = BoardFrom({".....", ".....", "...**", "...*."});
    const UncoverResult result = UncoverCell(board, 1, 1);
    EXPECT_EQ(result.outcome, UncoverOutcome::Safe);
    EXPECT_EQ(States(board), (std::vector<std::string>{"00000", "00122", "002##", "002##"}));
    // The order of a recursive fill: from (1,1) its first uncovered neighbour is (2,1), then on
    // from (2,1) before (1,2).
    ASSERT_GE(result.uncovered.size(), 3u);
    EXPECT_EQ(result.uncovered[0], (CellRef{1, 1}));
    EXPECT_EQ(result.uncovered[1], (CellRef{2, 1}));
    EXPECT_EQ(result.uncovered[2], (CellRef{3, 1}));
    EXPECT_EQ(static_cast<int32_t>(result.uncovered.size()), CellCount(board) - 3 - board.safeCellsLeft);
    EXPECT_EQ(board.safeCellsLeft, 1);  // (5, 4) is walled in by mines
}

TEST(Uncover, MarksOnTheWay)
{
    // A mine mark taken off a safe cell by a click gives its mine back; the fill does not.
    Board board = BoardFrom({"....", "....", "...*"}, 1);
    CycleMark(board, 1, 1);  // mine mark: 0
    CycleMark(board, 4, 1);  // mine mark: held at 0
    CycleMark(board, 4, 1);  // flag mark: 1
    EXPECT_EQ(board.minesLeft, 1);
    EXPECT_EQ(UncoverCell(board, 1, 1).outcome, UncoverOutcome::Won);  // the fill reaches every safe cell
    EXPECT_EQ(board.minesLeft, 2);  // the clicked mine mark came back, the flag the fill took did not count
    EXPECT_EQ(States(board), (std::vector<std::string>{"0000", "0011", "001#"}));

    Board marked = BoardFrom({"*..", "...", "..."});
    CycleMark(marked, 3, 3);
    CycleMark(marked, 1, 2);
    const int32_t minesLeft = marked.minesLeft;
    UncoverCell(marked, 3, 2);  // count 0: the fill uncovers the mine mark at (3, 3) and keeps the counter
    EXPECT_EQ(State(marked, 3, 3), Uncovered);
    EXPECT_EQ(marked.minesLeft, minesLeft);
    EXPECT_EQ(State(marked, 1, 2), Uncovered);
}

TEST(Uncover, AMineExplodesMarkedOrNotAndLeavesTheBoardAsItWas)
{
    Board board = BoardFrom({"*.", ".."});
    CycleMark(board, 1, 1);
    const std::vector<std::string> before = States(board);
    const int32_t safe = board.safeCellsLeft, mines = board.minesLeft;
    EXPECT_EQ(UncoverCell(board, 1, 1).outcome, UncoverOutcome::MineHit);
    EXPECT_EQ(States(board), before);
    EXPECT_EQ(board.safeCellsLeft, safe);
    EXPECT_EQ(board.minesLeft, mines);
}

TEST(Uncover, TheLastSafeCellWins)
{
    Board board = BoardFrom({"*.", "*."});
    EXPECT_EQ(UncoverCell(board, 2, 1).outcome, UncoverOutcome::Safe);
    EXPECT_EQ(UncoverCell(board, 2, 2).outcome, UncoverOutcome::Won);
}

TEST(Marks, CycleAndTheClampAtZero)
{
    Board board = BoardFrom({"*..", "...", "..."});  // one mine
    EXPECT_EQ(CycleMark(board, 2, 2), MarkedMine);
    EXPECT_EQ(board.minesLeft, 0);
    EXPECT_EQ(CycleMark(board, 2, 2), MarkedFlag);
    EXPECT_EQ(board.minesLeft, 1);
    EXPECT_EQ(CycleMark(board, 2, 2), Covered);
    EXPECT_EQ(board.minesLeft, 1);

    // Two mine marks with one mine: the counter stays at 0, and a mark turned into a flag then
    // raises it to 1 although one mine mark remains.
    CycleMark(board, 1, 1);
    CycleMark(board, 3, 3);
    EXPECT_EQ(board.minesLeft, 0);
    CycleMark(board, 3, 3);
    EXPECT_EQ(board.minesLeft, 1);

    UncoverCell(board, 3, 1);
    EXPECT_EQ(CycleMark(board, 3, 1), Uncovered);
    EXPECT_EQ(board.minesLeft, 1);
}

TEST(Uncover, TheLargestEmptyBoardFloodsWithoutRecursionTrouble)
{
    Board board;
    CreateBoard(board, 127, 127);
    board.mineFlags[1] = 1;
    BuildBoardGrids(board);
    board.safeCellsLeft = CellCount(board) - 1;
    const UncoverResult result = UncoverCell(board, 127, 127);
    EXPECT_EQ(result.outcome, UncoverOutcome::Won);
    EXPECT_EQ(static_cast<int32_t>(result.uncovered.size()), CellCount(board) - 1);
}

}  // namespace
