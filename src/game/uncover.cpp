#include "game/uncover.h"

#include <array>

namespace {

struct Offset {
    int32_t column;
    int32_t row;
};

constexpr std::array<Offset, 8> kNeighbours = {
    {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

bool IsOnBoard(const Board& board, int32_t column, int32_t row)
{
    return column >= 1 && column <= board.columns && row >= 1 && row <= board.rows &&
           board.stateGrid.size() == static_cast<size_t>(board.columns + 2) * static_cast<size_t>(board.rows + 2);
}

}  // namespace

void FloodUncover(Board& board, int32_t column, int32_t row, std::vector<CellRef>& uncovered)
{
    // Each frame is a cell whose neighbours are being visited, with the next one to look at:
    // exactly the recursion, without its depth.
    struct Frame {
        int32_t column;
        int32_t row;
        size_t next;
    };
    std::vector<Frame> frames{{column, row, 0}};
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.next == kNeighbours.size()) {
            frames.pop_back();
            continue;
        }
        const Offset offset = kNeighbours[frame.next++];
        const int32_t c = frame.column + offset.column;
        const int32_t r = frame.row + offset.row;
        if (State(board, c, r) >= Uncovered) continue;
        State(board, c, r) = Uncovered;
        --board.safeCellsLeft;
        uncovered.push_back({c, r});
        if (Count(board, c, r) == 0) frames.push_back({c, r, 0});
    }
}

UncoverResult UncoverCell(Board& board, int32_t column, int32_t row)
{
    UncoverResult result;
    if (!IsOnBoard(board, column, row) || State(board, column, row) == Uncovered) return result;
    if (Mine(board, column, row) != 0) {
        result.outcome = UncoverOutcome::MineHit;
        return result;
    }
    if (State(board, column, row) == MarkedMine) ++board.minesLeft;
    State(board, column, row) = Uncovered;
    --board.safeCellsLeft;
    result.uncovered.push_back({column, row});
    if (Count(board, column, row) == 0) FloodUncover(board, column, row, result.uncovered);
    result.outcome = board.safeCellsLeft == 0 ? UncoverOutcome::Won : UncoverOutcome::Safe;
    return result;
}

CellState CycleMark(Board& board, int32_t column, int32_t row)
{
    if (!IsOnBoard(board, column, row)) return Border;
    int8_t& state = State(board, column, row);
    switch (state) {
    case Covered:
        state = MarkedMine;
        --board.minesLeft;
        break;
    case MarkedMine:
        state = MarkedFlag;
        ++board.minesLeft;
        break;
    case MarkedFlag:
        state = Covered;
        break;
    default:
        break;
    }
    if (board.minesLeft < 0) board.minesLeft = 0;
    return static_cast<CellState>(state);
}
