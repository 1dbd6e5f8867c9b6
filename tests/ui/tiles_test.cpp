#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ui/fonts.h"
#include "ui/tiles.h"

namespace {

const Palette kPalette;
const BoxSizeProfileTable kProfiles = MakeBoxSizeProfiles();

int32_t CellSize(int32_t box) { return kProfiles[static_cast<size_t>(box)].cellSize; }

// A 72 x 72 picture in four 36 x 36 quadrants (top left, top right, bottom left, bottom right).
Image Quadrants(const std::array<Rgb, 4>& colours)
{
    Image picture = MakeImage(72, 72);
    for (int32_t i = 0; i < 4; ++i) FillBox(picture, (i % 2) * 36, (i / 2) * 36, 36, 36, colours[static_cast<size_t>(i)]);
    return picture;
}

const Image kFlag = Quadrants({kPalette.bar, Rgb{255, 0, 0}, Rgb{0, 255, 0}, kPalette.bar});
const Image kMine = Quadrants({Rgb{0, 0, 0}, kPalette.bar, kPalette.bar, Rgb{250, 250, 250}});

// The covered tile as a person reads it: a two-pixel bevel of fixed colours around a bar face,
// with sixteen corner pixels of their own.
Rgb ExpectedCoveredPixel(int32_t x, int32_t y, int32_t s)
{
    const int32_t b = s - 1;
    struct Corner {
        int32_t x, y;
        Rgb colour;
    };
    const Corner corners[] = {
        {0, 0, {190, 188, 184}},         {1, 0, {188, 187, 182}},     {0, 1, {156, 154, 148}},
        {1, 1, {151, 149, 142}},         {b - 1, 0, {160, 158, 152}}, {b, 0, {105, 101, 91}},
        {b - 1, 1, {107, 103, 94}},      {b, 1, {63, 6, 54}},         {0, b - 1, {108, 104, 95}},
        {1, b - 1, {82, 79, 70}},        {0, b, {64, 61, 55}},        {1, b, {31, 30, 26}},
        {b - 1, b - 1, {56, 53, 48}},    {b, b - 1, {34, 32, 29}},    {b - 1, b, {24, 23, 21}},
        {b, b, {24, 23, 21}},
    };
    for (const Corner& corner : corners) {
        if (corner.x == x && corner.y == y) return corner.colour;
    }
    if (y == 0) return {180, 178, 173};
    if (y == 1) return {136, 133, 125};
    if (y == b) return {24, 23, 21};
    if (y == b - 1) return {68, 65, 58};
    if (x == 0) return {134, 131, 123};
    if (x == 1) return {117, 114, 105};
    if (x == b) return {44, 43, 38};
    if (x == b - 1) return {79, 75, 67};
    return kPalette.bar;
}

Tiles BuildAllTiles(int32_t cellSize, Font& numberFont)
{
    Tiles tiles;
    BuildCoveredTile(tiles, cellSize, kPalette);
    BuildCellTiles(tiles, numberFont, cellSize, kPalette, kFlag, kMine);
    return tiles;
}

TEST(Tiles, CoveredTileIsTheBevelPixelForPixel)
{
    for (int32_t box : {0, 1, 6}) {
        const int32_t s = CellSize(box);
        Tiles tiles;
        BuildCoveredTile(tiles, s, kPalette);
        ASSERT_EQ(tiles.covered.width, s);
        ASSERT_EQ(tiles.covered.height, s);
        for (int32_t y = 0; y < s; ++y) {
            for (int32_t x = 0; x < s; ++x) {
                ASSERT_EQ(GetPixel(tiles.covered, x, y), ExpectedCoveredPixel(x, y, s))
                    << "box size " << box << " pixel " << x << "," << y;
            }
        }
    }
    // The landmarks of the default 32-pixel tile, spelled out.
    Tiles tiles;
    BuildCoveredTile(tiles, 32, kPalette);
    EXPECT_EQ(GetPixel(tiles.covered, 31, 31), (Rgb{24, 23, 21}));
    EXPECT_EQ(GetPixel(tiles.covered, 30, 31), (Rgb{24, 23, 21}));
    EXPECT_EQ(GetPixel(tiles.covered, 31, 1), (Rgb{63, 6, 54}));
    EXPECT_EQ(GetPixel(tiles.covered, 16, 16), kPalette.bar);
}

TEST(Tiles, EmptyAndNumberTilesShowTheCentredDigitOnFrame)
{
    for (int32_t box : {0, 1, 6}) {
        const int32_t s = CellSize(box);
        Font numberFont;
        const Tiles tiles = BuildAllTiles(s, numberFont);
        ASSERT_EQ(numberFont.points, NumberFontPoints(s));
        EXPECT_EQ(tiles.empty.pixels, MakeImage(s, s, kPalette.frame).pixels) << box;

        for (int32_t digit = 1; digit <= 8; ++digit) {
            SCOPED_TRACE("box size " + std::to_string(box) + " digit " + std::to_string(digit));
            const Image& tile = tiles.number[static_cast<size_t>(digit)];
            const Rgb colour = kPalette.numbers[static_cast<size_t>(digit - 1)];
            const std::string text(1, static_cast<char>('0' + digit));
            const TextSize size = MeasureText(numberFont, text);
            const Rect box{s / 2 - size.width / 2, s / 2 - size.height / 2, size.width, size.height};
            ASSERT_EQ(tile.width, s);
            ASSERT_EQ(tile.height, s);

            // Only the digit's measured, centred box holds anything but frame, and that is the digit.
            int32_t ink = 0, solid = 0;
            for (int32_t y = 0; y < s; ++y) {
                for (int32_t x = 0; x < s; ++x) {
                    const Rgb pixel = GetPixel(tile, x, y);
                    if (pixel == kPalette.frame) continue;
                    ++ink;
                    solid += pixel == colour;
                    ASSERT_TRUE(x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height)
                        << "ink at " << x << "," << y;
                }
            }
            EXPECT_GT(solid, 0);
            EXPECT_GT(ink, solid) << "the digit's edges are blended into frame";

            Image expected = MakeImage(s, s, kPalette.frame);
            DrawText(expected, numberFont, box.x, box.y, text, colour);
            EXPECT_EQ(tile.pixels, expected.pixels);
        }
        EXPECT_TRUE(tiles.number[0].IsEmpty());
    }
}

TEST(Tiles, MarkTilesShowThePictureInsideTheCoveredRim)
{
    for (int32_t box = 0; box < kBoxSizeCount; ++box) {
        const int32_t s = CellSize(box);
        const int32_t half = (s - 4) / 2;
        Font numberFont;
        const Tiles tiles = BuildAllTiles(s, numberFont);
        const struct {
            const Image& tile;
            const Image& picture;
        } marks[] = {{tiles.markedFlag, kFlag}, {tiles.markedMine, kMine}};
        for (const auto& mark : marks) {
            ASSERT_EQ(mark.tile.width, s);
            ASSERT_EQ(mark.tile.height, s);
            for (int32_t y = 0; y < s; ++y) {
                for (int32_t x = 0; x < s; ++x) {
                    const bool rim = x < 2 || y < 2 || x >= s - 2 || y >= s - 2;
                    // The quadrant edges of the picture fall on whole face pixels at every size.
                    const Rgb expected = rim ? GetPixel(tiles.covered, x, y)
                                             : GetPixel(mark.picture, x - 2 < half ? 0 : 71, y - 2 < half ? 0 : 71);
                    ASSERT_EQ(GetPixel(mark.tile, x, y), expected) << "box size " << box << " pixel " << x << "," << y;
                }
            }
        }
    }
}

TEST(Tiles, PicturesAreScaledSmoothly)
{
    Image stripes = MakeImage(72, 72);
    for (int32_t x = 0; x < 72; x += 2) VerticalLine(stripes, x, 0, 71, {255, 255, 255});
    for (int32_t box = 0; box < kBoxSizeCount; ++box) {
        const int32_t s = CellSize(box);
        Tiles tiles;
        Font numberFont;
        BuildCoveredTile(tiles, s, kPalette);
        BuildCellTiles(tiles, numberFont, s, kPalette, stripes, stripes);
        // Every face pixel covers parts of a black and a white stripe, so none is pure.
        for (int32_t y = 2; y < s - 2; ++y) {
            for (int32_t x = 2; x < s - 2; ++x) {
                const Rgb pixel = GetPixel(tiles.markedFlag, x, y);
                ASSERT_TRUE(pixel.r > 0 && pixel.r < 255 && pixel.r == pixel.g && pixel.g == pixel.b)
                    << "box size " << box << " pixel " << x << "," << y << " = " << int(pixel.r);
            }
        }
    }
}

TEST(Tiles, RebuildingForAnotherSizeReplacesEveryTile)
{
    Font numberFont;
    Tiles tiles = BuildAllTiles(CellSize(6), numberFont);
    BuildCoveredTile(tiles, CellSize(0), kPalette);
    BuildCellTiles(tiles, numberFont, CellSize(0), kPalette, kFlag, kMine);
    EXPECT_EQ(numberFont.points, 14);
    std::vector<const Image*> all = {&tiles.covered, &tiles.empty, &tiles.markedMine, &tiles.markedFlag};
    for (int32_t digit = 1; digit <= 8; ++digit) all.push_back(&tiles.number[static_cast<size_t>(digit)]);
    for (const Image* tile : all) {
        EXPECT_EQ(tile->width, 24);
        EXPECT_EQ(tile->height, 24);
    }
}

TEST(Tiles, MarkTilesWaitForACoveredTileOfTheSameSize)
{
    Font numberFont;
    Tiles tiles;
    BuildCoveredTile(tiles, 40, kPalette);
    BuildCellTiles(tiles, numberFont, 32, kPalette, kFlag, kMine);
    EXPECT_TRUE(tiles.markedFlag.IsEmpty());
    EXPECT_TRUE(tiles.markedMine.IsEmpty());
    EXPECT_EQ(tiles.number[8].width, 32) << "the other tiles are built all the same";
}

TEST(Glyphs, BarsForEverySideInEveryState)
{
    struct Bars {
        int32_t side;
        Rect vertical, horizontal;
    };
    constexpr Bars kBars[kBoxSizeCount] = {
        {16, {5, 1, 2, 10}, {1, 5, 10, 2}},   {20, {7, 1, 3, 15}, {1, 7, 15, 3}},
        {24, {10, 2, 4, 20}, {2, 10, 20, 4}}, {28, {10, 2, 4, 20}, {2, 10, 20, 4}},
        {32, {12, 2, 5, 25}, {2, 12, 25, 5}}, {36, {15, 3, 6, 30}, {3, 15, 30, 6}},
        {40, {15, 3, 6, 30}, {3, 15, 30, 6}},
    };
    const struct {
        GlyphState state;
        Rgb colour;
    } kStates[] = {{GlyphState::Normal, {229, 229, 229}},
                   {GlyphState::Highlighted, {255, 255, 255}},
                   {GlyphState::Disabled, {140, 140, 140}}};
    const auto inside = [](int32_t x, int32_t y, const Rect& r) {
        return x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height;
    };

    for (int32_t box = 0; box < kBoxSizeCount; ++box) {
        const Bars& bars = kBars[box];
        ASSERT_EQ(bars.side, 4 * kProfiles[static_cast<size_t>(box)].spacing);
        Glyphs glyphs;
        BuildGlyphs(glyphs, bars.side, kPalette);
        for (const auto& [state, colour] : kStates) {
            const Image& plus = PlusGlyph(glyphs, state);
            const Image& minus = MinusGlyph(glyphs, state);
            ASSERT_EQ(plus.width, bars.side);
            ASSERT_EQ(plus.height, bars.side);
            ASSERT_EQ(minus.width, bars.side);
            ASSERT_EQ(minus.height, bars.side);
            for (int32_t y = 0; y < bars.side; ++y) {
                for (int32_t x = 0; x < bars.side; ++x) {
                    const bool across = inside(x, y, bars.horizontal);
                    const bool upright = inside(x, y, bars.vertical);
                    ASSERT_EQ(GetPixel(plus, x, y), across || upright ? colour : kPalette.backdrop)
                        << "plus, side " << bars.side << " state " << int(state) << " pixel " << x << "," << y;
                    ASSERT_EQ(GetPixel(minus, x, y), across ? colour : kPalette.backdrop)
                        << "minus, side " << bars.side << " state " << int(state) << " pixel " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
