// The three fonts of the game, all in the bold game face: the text font for the status bar and
// the panels, the large font for the headlines of the result panels, and the number font for the
// digits of the number tiles. Their sizes follow the profile row in force.
#pragma once

#include <cstdint>

#include "platform/text.h"
#include "ui/metrics.h"

struct Fonts {
    Font textFont;    // `TextFont`: fontSize points
    Font largeFont;   // `LargeFont`: 2 x fontSize points
    Font numberFont;  // `NumberFont`: 0.6 x cellSize points, made when the number tiles are built
};

// 0.6 x cellSize taken to the nearest integer.
int32_t NumberFontPoints(int32_t cellSize);

// Makes `TextFont` and `LargeFont` for the row. A font that cannot be opened keeps what it had;
// the result is false then.
bool LoadFonts(Fonts& fonts, const BoxSizeProfile& profile);
// Makes `NumberFont` for tiles of the given side (the first step of building the number tiles).
bool LoadNumberFont(Font& numberFont, int32_t cellSize);
