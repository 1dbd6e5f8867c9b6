#include "game/game_flow.h"

#include <algorithm>

#include "game/best_time_insert.h"
#include "game/duration.h"
#include "game/uncover.h"
#include "platform/clock.h"
#include "ui/buttons.h"
#include "ui/canvas.h"
#include "ui/main_screen.h"
#include "ui/panels.h"

namespace {

const Image& TileOf(const Program& program, const CellRef& cell)
{
    const Tiles& tiles = program.tiles;
    switch (State(program.board, cell.column, cell.row)) {
    case MarkedMine: return tiles.markedMine;
    case MarkedFlag: return tiles.markedFlag;
    case Uncovered: {
        const int32_t count = TileForCount(program.board, cell.column, cell.row);
        return count == 0 ? tiles.empty : tiles.number[static_cast<size_t>(count)];
    }
    default: return tiles.covered;
    }
}

void DrawCells(Program& program, const CellRef* first, const CellRef* last)
{
    for (const CellRef* cell = first; cell != last; ++cell) {
        const CellPosition& position = PositionOf(program.cellPositions, cell->column, cell->row);
        CopyImage(program.canvas, TileOf(program, *cell), position.x, position.y);
    }
    PresentPass(program.window, program.canvas);
}

// The board cell under the mouse, if the hit map has one that lies on the board in force.
std::optional<CellRef> BoardCellAt(const Program& program, int32_t x, int32_t y)
{
    const std::optional<CellRef> cell = CellAt(program.hitMap, x, y);
    if (!cell || cell->column > program.board.columns || cell->row > program.board.rows ||
        cell->column > program.cellPositions.columns || cell->row > program.cellPositions.rows) {
        return std::nullopt;
    }
    return cell;
}

int32_t MinesOfNewGame(const Program& program)
{
    const int32_t cells = ClampBoardSide(program.settings.columns) * ClampBoardSide(program.settings.rows);
    return std::clamp(MineCountFor(program.settings), 0, cells - 1);
}

}  // namespace

void StartGame(Program& program)
{
    const int32_t mines = MinesOfNewGame(program);
    const int32_t difficulty = program.settings.difficulty;
    const bool preset = difficulty >= Easy && difficulty < Custom;
    PlayingBarDraw(program, mines, preset ? FormatDuration(program.bestTimes[static_cast<size_t>(difficulty)].slots[0].time) : "");
    StartBoard(program.board, program.settings, program.random);
    program.clock.startTime = Now(program);
    StartTimer(program.window.timers, kClockTimer, kClockPeriodMs, MonotonicMs());
    program.screenState = Playing;
}

void StopGame(Program& program)
{
    StopTimer(program.window.timers, kClockTimer);
    program.screenState = Idle;
    MainScreenDraw(program);
}

void ClockTick(Program& program)
{
    DrawStatusField(program, "val_time", FormatDuration(Now(program) - program.clock.startTime));
}

void WindowMinimised(Program& program) { program.clock.minimisedAt = Now(program); }

void WindowRestored(Program& program) { program.clock.startTime += Now(program) - program.clock.minimisedAt; }

void UncoverAt(Program& program, int32_t x, int32_t y)
{
    const std::optional<CellRef> cell = BoardCellAt(program, x, y);
    if (!cell) return;
    const UncoverResult result = UncoverCell(program.board, cell->column, cell->row);
    if (result.outcome == UncoverOutcome::MineHit) {
        LoseGame(program, *cell);
        return;
    }
    if (result.uncovered.empty()) return;
    // The clicked cell in one pass, everything its fill opened in another.
    DrawCells(program, result.uncovered.data(), result.uncovered.data() + 1);
    if (result.uncovered.size() > 1) DrawCells(program, result.uncovered.data() + 1, result.uncovered.data() + result.uncovered.size());
    if (result.outcome == UncoverOutcome::Won) WinGame(program);
}

void CycleMarkAt(Program& program, int32_t x, int32_t y)
{
    const std::optional<CellRef> cell = BoardCellAt(program, x, y);
    if (!cell) return;
    const int8_t before = State(program.board, cell->column, cell->row);
    if (CycleMark(program.board, cell->column, cell->row) != before) DrawCells(program, &*cell, &*cell + 1);
    DrawStatusField(program, "val_mines", MineCountText(program.board.minesLeft));
}

void LoseGame(Program& program, const CellRef& cell)
{
    StopTimer(program.window.timers, kClockTimer);
    const int32_t side = ProfileInForce(program).cellSize - 4;
    const CellPosition& position = PositionOf(program.cellPositions, cell.column, cell.row);
    for (const Image& frame : program.artwork.explosionFrames) {
        CopyImage(program.canvas, ScaleImage(frame, side, side), position.x + 2, position.y + 2);
        PresentPass(program.window, program.canvas);
    }
    program.screenState = GameOverPanel;
    DrawTextButton(program, "start", Text(program.texts, "tMainSTOP"), program.palette.disabled, program.palette.bar);
    DrawResultPanel(program, ResultPanel::GameOver);
}

void WinGame(Program& program)
{
    program.clock.endTime = Now(program);
    StopTimer(program.window.timers, kClockTimer);
    // The winning time is kept in 32 bits, as the tables have always been fed.
    program.clock.elapsedTime = static_cast<int32_t>(program.clock.endTime - program.clock.startTime);
    DrawStatusField(program, "val_time", FormatDuration(program.clock.elapsedTime));
    program.screenState = WonPanel;
    const int32_t difficulty = program.settings.difficulty;
    if (difficulty >= Easy && difficulty < Custom &&
        QualifiesForTable(program.bestTimes[static_cast<size_t>(difficulty)], program.clock.elapsedTime)) {
        program.screenState = NameEntryPanel;
    }
    DrawResultPanel(program, program.screenState == NameEntryPanel ? ResultPanel::NameEntry : ResultPanel::GameWon);
}

void CloseResultPanel(Program& program, std::string_view okHotspot)
{
    ClearHotspot(program.hotspots, okHotspot);
    MainScreenDraw(program);
    program.screenState = Idle;
}
