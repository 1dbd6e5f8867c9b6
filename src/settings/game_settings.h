// The eight user settings, their defaults and ranges, and the difficulty presets.
#pragma once

#include <cstdint>
#include <string>

enum Difficulty : int32_t { Easy = 0, Medium = 1, Hard = 2, Custom = 3 };

struct GameSettings {
    std::string language;  // empty until start-up chooses one
    int32_t boxSize = 1;
    int32_t difficulty = Easy;
    int32_t columns = 29;
    int32_t rows = 15;
    int32_t mines = 100;
    int32_t centerWindow = 1;
    int32_t sound = 0;
    bool operator==(const GameSettings&) const = default;
};

constexpr int32_t kMinColumns = 29, kMaxColumns = 58;
constexpr int32_t kMinRows = 15, kMaxRows = 30;
constexpr int32_t kMinMines = 5, kMaxMines = 300, kMineStep = 5;
constexpr int32_t kPresetColumns = 29, kPresetRows = 15;

// Mines of a game under these settings: the preset's own count, or `mines` for a custom board.
int32_t MineCountFor(const GameSettings& settings);

// Brings hand-edited values into their ranges: every integer clamped, mines rounded down to a
// multiple of 5 and kept below the number of cells.
void ClampSettings(GameSettings& settings);
