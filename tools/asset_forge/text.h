// Text set in the bold sans face (found through fontconfig), rendered by SDL_ttf into coverage masks.
#pragma once

#include <string>

#include "canvas.h"

struct TextMask {
    Mask mask;
    int baseline = 0;  // row of the baseline inside the mask
    Box ink;           // the drawn pixels
};

// Starts SDL_ttf and finds the font file; false (with a message on stderr) when either fails.
bool OpenTextRendering();
void CloseTextRendering();

// The text at the given pixel size (the em height), each letter `tracking` pixels further apart
// than the font's own advance and kerning.
TextMask RenderText(const std::string& text, int pixelSize, float tracking);
