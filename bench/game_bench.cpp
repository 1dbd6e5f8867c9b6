// A click on the largest board at the largest box size (58 x 30 cells of 72 pixels, a 4237 x 2285
// canvas), measured from the event to the presented pixels: a single uncovered cell, a flood fill
// that opens the whole board, and a full redraw of the main screen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "app/dispatch.h"
#include "app/startup.h"
#include "game/game_flow.h"
#include "platform/files.h"
#include "ui/main_screen.h"

namespace {

struct LargestBoard {
    std::filesystem::path home = std::filesystem::temp_directory_path() / "dravelock-bench-game";
    Program program;
    Board freshBoard;
    Image freshCanvas;
    bool ready = false;

    LargestBoard()
    {
        std::filesystem::remove_all(home);
        const std::string userFolder = (home / "data/brackenwold game studio/Dravelock/").string();
        CreateFolders(userFolder);
        ReplaceFile(userFolder + "Dravelock.prefs", "[General]\nBoxsize = 6\nDifficulty = 3\nColumns = 58\nRows = 30\nMines = 5\n");
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        program.platform.videoDrivers = "offscreen";
        program.platform.showMessageBoxes = false;
        if (!Startup(program)) return;
        Dispatch(program, TimerEvent(kSplashTimer));
        Dispatch(program, TimerEvent(kSplashTimer));
        StartGame(program);
        // Five mines in the bottom right corner, so that (1, 1) opens everything else.
        Board& board = program.board;
        std::fill(board.mineFlags.begin(), board.mineFlags.end(), int8_t{0});
        for (int32_t n : {1740, 1739, 1738, 1682, 1681}) board.mineFlags[static_cast<size_t>(n)] = 1;
        BuildBoardGrids(board);
        board.safeCellsLeft = 1740 - 5;
        freshBoard = board;
        freshCanvas = program.canvas;
        ready = program.canvas.width == 4237 && program.canvas.height == 2285;
    }
    ~LargestBoard()
    {
        ReleasePlatform(program);
        std::filesystem::remove_all(home);
    }
    void Reset()
    {
        program.board = freshBoard;
        CopyImage(program.canvas, freshCanvas, 0, 0);
        TakeDirty(program.canvas);
        program.screenState = Playing;
    }
    Event ClickOn(int32_t column, int32_t row) const
    {
        const CellPosition& position = PositionOf(program.cellPositions, column, row);
        return CanvasEvent(CanvasEventType::LeftClick, position.x + 30, position.y + 30);
    }
};

void ClickAndPresent(benchmark::State& state, int32_t column, int32_t row)
{
    LargestBoard board;
    if (!board.ready) {
        state.SkipWithError("the largest board could not be set up");
        return;
    }
    const Event click = board.ClickOn(column, row);
    for (auto _ : state) {
        state.PauseTiming();
        board.Reset();
        state.ResumeTiming();
        Dispatch(board.program, click);
    }
    state.counters["uncovered"] = static_cast<double>(1735 - board.program.board.safeCellsLeft);
}

void BM_ClickUncoversOneCell(benchmark::State& state) { ClickAndPresent(state, 56, 29); }  // next to the mines
void BM_ClickFloodsTheWholeBoard(benchmark::State& state) { ClickAndPresent(state, 1, 1); }

void BM_MainScreenDrawLargest(benchmark::State& state)
{
    LargestBoard board;
    if (!board.ready) {
        state.SkipWithError("the largest board could not be set up");
        return;
    }
    for (auto _ : state) MainScreenDraw(board.program);
}

BENCHMARK(BM_ClickUncoversOneCell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickFloodsTheWholeBoard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainScreenDrawLargest)->Unit(benchmark::kMillisecond);

}  // namespace
