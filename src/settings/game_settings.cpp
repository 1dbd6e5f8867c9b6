#include "settings/game_settings.h"

#include <algorithm>

int32_t MineCountFor(const GameSettings& settings)
{
    switch (settings.difficulty) {
    case Easy: return 60;
    case Medium: return 80;
    case Hard: return 110;
    default: return settings.mines;
    }
}

void ClampSettings(GameSettings& settings)
{
    settings.boxSize = std::clamp(settings.boxSize, 0, 6);
    settings.difficulty = std::clamp(settings.difficulty, static_cast<int32_t>(Easy), static_cast<int32_t>(Custom));
    settings.columns = std::clamp(settings.columns, kMinColumns, kMaxColumns);
    settings.rows = std::clamp(settings.rows, kMinRows, kMaxRows);
    const int32_t belowCells = std::min(kMaxMines, settings.columns * settings.rows - 1);
    settings.mines = std::clamp(settings.mines, kMinMines, belowCells);
    settings.mines -= settings.mines % kMineStep;
    settings.centerWindow = std::clamp(settings.centerWindow, 0, 1);
    settings.sound = std::clamp(settings.sound, 0, 1);
}
