// TrueType text through SDL2_ttf: the game's font face (found once with fontconfig), fonts at a
// size in points (always at 96 pixels per inch), measuring a text, and drawing it onto an Image
// either transparently (only the glyphs) or on a background (the measured extent filled first).
// The ui fonts, the tiles and every panel draw their texts through here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/image.h"

struct _TTF_Font;
typedef struct _TTF_Font TTF_Font;

// The face every font of the game asks for.
inline constexpr const char* kGameFontFamily = "Verdana";
// Points become pixels at this resolution, whatever the display reports.
constexpr int32_t kTextDpi = 96;

struct FontFace {
    std::string file;         // the font file fontconfig matched
    int32_t index = 0;        // the face inside that file
    std::string family;       // the family it belongs to
    bool substituted = false; // true when the family is not the one asked for
};

// The bold face of kGameFontFamily, or the face fontconfig offers instead. Resolved on the first
// call and kept for the rest of the process (fontconfig is slow to start).
const FontFace& GameFontFace();

// Closes the font and gives back its hold on the text engine.
struct TtfFontDeleter {
    void operator()(TTF_Font* font) const;
};

// An open font; an empty Font measures every text as 0 x 0 and draws nothing. Each open font
// keeps the text engine started, so fonts can be opened and closed in any order.
struct Font {
    std::unique_ptr<TTF_Font, TtfFontDeleter> handle;
    int32_t points = 0;
    bool IsOpen() const { return handle != nullptr; }
};

// Opens the face at the given size. On success it replaces what font held; on failure font keeps
// what it had and the result is false.
bool OpenFont(Font& font, const FontFace& face, int32_t points);

struct TextSize {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const TextSize&) const = default;
};

// The extent of the whole text: its advance width and the font's line height. The empty text
// measures 0 x 0.
TextSize MeasureText(const Font& font, std::string_view utf8);

// Transparent text: paints only the glyphs, top left corner of the line box at (x, y), each pixel
// blended with its coverage. Clipped to the image.
void DrawText(Image& image, const Font& font, int32_t x, int32_t y, std::string_view utf8, Rgb colour);
// Text on a background: fills the measured extent from (x, y) with background, then paints the
// glyphs. Clipped to the image.
void DrawTextOn(Image& image, const Font& font, int32_t x, int32_t y, std::string_view utf8, Rgb colour,
                Rgb background);
