#include "ui/tiles.h"

#include <span>
#include <string>
#include <utility>

#include "ui/fonts.h"

namespace {

// A row or column of a tile, counted from its first or from its last pixel b.
struct Place {
    int32_t offset = 0;
    bool fromLast = false;
    int32_t In(int32_t last) const { return fromLast ? last - offset : offset; }
};
constexpr Place First(int32_t offset) { return {offset, false}; }
constexpr Place Last(int32_t offset) { return {offset, true}; }

struct BevelLine {
    bool row = false;  // a full-length row, else a full-length column
    Place place;
    Rgb colour;
};

// Drawn in this order: later lines overwrite earlier ones where they cross.
constexpr BevelLine kBevelLines[] = {
    {true, First(0), {180, 178, 173}}, {true, First(1), {136, 133, 125}}, {false, First(0), {134, 131, 123}},
    {false, First(1), {117, 114, 105}}, {false, Last(0), {44, 43, 38}},  {false, Last(1), {79, 75, 67}},
    {true, Last(0), {24, 23, 21}},      {true, Last(1), {68, 65, 58}},
};

struct BevelPixel {
    Place x;
    Place y;
    Rgb colour;
};

// Set after the lines, in this order. The green 6 of (b, 1) is how the tile has always looked.
constexpr BevelPixel kBevelCorners[] = {
    {First(0), First(0), {190, 188, 184}}, {First(1), First(0), {188, 187, 182}},
    {First(0), First(1), {156, 154, 148}}, {First(1), First(1), {151, 149, 142}},
    {Last(1), First(0), {160, 158, 152}},  {Last(0), First(0), {105, 101, 91}},
    {Last(1), First(1), {107, 103, 94}},   {Last(0), First(1), {63, 6, 54}},
    {First(0), Last(1), {108, 104, 95}},   {First(1), Last(1), {82, 79, 70}},
    {First(0), Last(0), {64, 61, 55}},     {First(1), Last(0), {31, 30, 26}},
    {Last(1), Last(1), {56, 53, 48}},      {Last(0), Last(1), {34, 32, 29}},
    {Last(1), Last(0), {24, 23, 21}},      {Last(0), Last(0), {24, 23, 21}},
};

// Moves a freshly made image into its role; an image that could not be made leaves the old one.
void Replace(Image& role, Image&& made)
{
    if (made.IsEmpty()) return;
    made.dirty = {};
    role = std::move(made);
}

Image NumberTile(const Font& numberFont, int32_t cellSize, int32_t digit, const Palette& palette)
{
    Image tile = MakeImage(cellSize, cellSize, palette.frame);
    const std::string text(1, static_cast<char>('0' + digit));
    const TextSize size = MeasureText(numberFont, text);
    DrawText(tile, numberFont, cellSize / 2 - size.width / 2, cellSize / 2 - size.height / 2, text,
             palette.numbers[static_cast<size_t>(digit - 1)]);
    return tile;
}

// The covered tile with the picture scaled onto its face, inside the two-pixel rim.
Image MarkTile(const Image& covered, const Image& picture)
{
    Image tile = covered;
    const int32_t face = covered.width - 4;
    if (!picture.IsEmpty() && face > 0) CopyImage(tile, ScaleImage(picture, face, face), 2, 2);
    return tile;
}

struct GlyphBars {
    Rect vertical;
    Rect horizontal;
};

// The cross starts half a bar in from the left and top edges; for several sides it is not centred.
GlyphBars GlyphBarsFor(int32_t side)
{
    const int32_t c = side / 6;
    const int32_t h = c / 2;
    return {{2 * c + h, h, c, 5 * c}, {h, 2 * c + h, 5 * c, c}};
}

Image GlyphImage(int32_t side, const Palette& palette, std::span<const Rect> bars, Rgb colour)
{
    Image glyph = MakeImage(side, side, palette.backdrop);
    for (const Rect& bar : bars) FillBox(glyph, bar.x, bar.y, bar.width, bar.height, colour);
    return glyph;
}

}  // namespace

void BuildCoveredTile(Tiles& tiles, int32_t cellSize, const Palette& palette)
{
    Image tile = MakeImage(cellSize, cellSize, palette.bar);
    const int32_t last = cellSize - 1;
    for (const BevelLine& line : kBevelLines) {
        const int32_t at = line.place.In(last);
        if (line.row) HorizontalLine(tile, 0, last, at, line.colour);
        else VerticalLine(tile, at, 0, last, line.colour);
    }
    for (const BevelPixel& pixel : kBevelCorners) SetPixel(tile, pixel.x.In(last), pixel.y.In(last), pixel.colour);
    Replace(tiles.covered, std::move(tile));
}

void BuildCellTiles(Tiles& tiles, Font& numberFont, int32_t cellSize, const Palette& palette,
                    const Image& flagPicture, const Image& minePicture)
{
    LoadNumberFont(numberFont, cellSize);
    Replace(tiles.empty, MakeImage(cellSize, cellSize, palette.frame));
    for (int32_t digit = 1; digit <= 8; ++digit) {
        Replace(tiles.number[static_cast<size_t>(digit)], NumberTile(numberFont, cellSize, digit, palette));
    }
    if (tiles.covered.IsEmpty() || tiles.covered.width != cellSize || tiles.covered.height != cellSize) return;
    Replace(tiles.markedFlag, MarkTile(tiles.covered, flagPicture));
    Replace(tiles.markedMine, MarkTile(tiles.covered, minePicture));
}

void BuildGlyphs(Glyphs& glyphs, int32_t side, const Palette& palette)
{
    const GlyphBars bars = GlyphBarsFor(side);
    const Rect plusBars[] = {bars.vertical, bars.horizontal};  // vertical first
    const Rect minusBars[] = {bars.horizontal};
    const Rgb colours[kGlyphStateCount] = {palette.caption, palette.bright, palette.disabled};
    for (size_t state = 0; state < kGlyphStateCount; ++state) {
        Replace(glyphs.plus[state], GlyphImage(side, palette, plusBars, colours[state]));
        Replace(glyphs.minus[state], GlyphImage(side, palette, minusBars, colours[state]));
    }
}

const Image& MinusGlyph(const Glyphs& glyphs, GlyphState state) { return glyphs.minus[static_cast<size_t>(state)]; }

const Image& PlusGlyph(const Glyphs& glyphs, GlyphState state) { return glyphs.plus[static_cast<size_t>(state)]; }
