// A fresh board for the largest custom game the settings allow: 58 x 30 cells with 300 mines.
#include <benchmark/benchmark.h>

#include "game/board.h"

static void BM_PlaceMinesAndBuildGrids(benchmark::State& state)
{
    Board board;
    CreateBoard(board, 58, 30);
    RandomSource random;
    SeedRandom(random, 7);
    for (auto _ : state) {
        PlaceMines(board, 300, random);
        BuildBoardGrids(board);
        benchmark::DoNotOptimize(board.countGrid.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlaceMinesAndBuildGrids);

// The whole start of a game, allocation of the five arrays included.
static void BM_StartBoardLargestCustom(benchmark::State& state)
{
    GameSettings settings;
    settings.difficulty = Custom;
    settings.columns = 58;
    settings.rows = 30;
    settings.mines = 300;
    RandomSource random;
    SeedRandom(random, 7);
    for (auto _ : state) {
        Board board;
        StartBoard(board, settings, random);
        benchmark::DoNotOptimize(board.countGrid.data());
    }
}
BENCHMARK(BM_StartBoardLargestCustom);
