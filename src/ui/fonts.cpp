#include "ui/fonts.h"

int32_t NumberFontPoints(int32_t cellSize) { return (cellSize * 6 + 5) / 10; }

bool LoadFonts(Fonts& fonts, const BoxSizeProfile& profile)
{
    const FontFace& face = GameFontFace();
    const bool text = OpenFont(fonts.textFont, face, profile.fontSize);
    const bool large = OpenFont(fonts.largeFont, face, 2 * profile.fontSize);
    return text && large;
}

bool LoadNumberFont(Font& numberFont, int32_t cellSize)
{
    return OpenFont(numberFont, GameFontFace(), NumberFontPoints(cellSize));
}
