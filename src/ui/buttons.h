// Drawing the named buttons and fields, and the hover feedback: a button under the mouse is drawn
// highlighted and the pointer becomes a hand until the mouse rests on something that is no button.
#pragma once

#include <string_view>

#include "app/program.h"

// The text at the hotspot's corner on a background, in TextFont, in one pass on the canvas.
void DrawTextButton(Program& program, std::string_view hotspot, std::string_view text, Rgb colour, Rgb background);
// The glyph with its corner at the hotspot's, in one pass on the canvas.
void DrawGlyphButton(Program& program, std::string_view hotspot, const Image& glyph);

// The mouse moved to (x, y) on the canvas.
void HoverFeedback(Program& program, int32_t x, int32_t y);
