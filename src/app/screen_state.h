#pragma once

#include <cstdint>

// Which picture the canvas shows and which inputs mean something.
enum ScreenState : int32_t {
    LogoSplash = 0,
    TitleSplash = 1,
    Idle = 2,
    Playing = 3,
    SettingsPanel = 4,
    TopTenPanel = 5,
    AboutPanel = 6,
    WonPanel = 7,
    NameEntryPanel = 8,
    GameOverPanel = 9,
};
