// The flow of a game: start and stop, the clock with its pause while the window is minimised,
// clicks on the board, and the end of a game in a win or a loss with its panel.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/program.h"

constexpr int64_t kClockPeriodMs = 166;

void StartGame(Program& program);
void StopGame(Program& program);
// Timer 1: the running time at "val_time".
void ClockTick(Program& program);
void WindowMinimised(Program& program);
void WindowRestored(Program& program);

// A left click on the board at canvas pixel (x, y) while a game runs.
void UncoverAt(Program& program, int32_t x, int32_t y);
// A right click on the board, then the mines-left field.
void CycleMarkAt(Program& program, int32_t x, int32_t y);

void LoseGame(Program& program, const CellRef& cell);
void WinGame(Program& program);
// The OK of the game-won or game-over panel: a fresh main screen.
void CloseResultPanel(Program& program, std::string_view okHotspot);
