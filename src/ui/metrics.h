// Size-dependent measures (one profile row per box size) and the fixed colours of the game.
#pragma once

#include <array>
#include <cstdint>

#include "platform/image.h"

struct BoxSizeProfile {
    int32_t cellSize = 0;     // side of a cell's tile; the board pitch is cellSize + 1
    int32_t fontSize = 0;     // text font in points; the large font is twice it
    int32_t spacing = 0;      // margins, gaps and indents; glyphs are 4 x spacing square
    int32_t lineHeight = 0;   // vertical pitch of panel lines
    int32_t panelWidth = 0;   // settings, top-ten and about panels
    int32_t panelHeight = 0;
    int32_t barHeight = 0;    // status bar at the top of the canvas
};

constexpr int32_t kBoxSizeCount = 7;
using BoxSizeProfileTable = std::array<BoxSizeProfile, kBoxSizeCount>;

BoxSizeProfileTable MakeBoxSizeProfiles();

struct Palette {
    Rgb backdrop{119, 116, 95};
    Rgb frame{180, 179, 143};
    Rgb bar{96, 92, 82};
    Rgb caption{229, 229, 229};
    Rgb bright{255, 255, 255};
    Rgb disabled{140, 140, 140};
    std::array<Rgb, 8> numbers{{{19, 175, 38},
                                {255, 242, 159},
                                {248, 255, 46},
                                {229, 0, 237},
                                {0, 24, 255},
                                {145, 99, 19},
                                {8, 145, 130},
                                {255, 0, 36}}};  // digits 1 to 8
};

struct CanvasSize {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const CanvasSize&) const = default;
};

// The canvas (and the window's inner area) for a board of the given columns and rows.
CanvasSize CanvasSizeFor(int32_t columns, int32_t rows, const BoxSizeProfile& profile);
