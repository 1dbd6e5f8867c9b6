#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <string>

#include "platform/text.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{};

// Every pixel differs from its neighbours, so a stray write anywhere shows.
Image Patterned(int32_t width, int32_t height)
{
    Image image = MakeImage(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            SetPixel(image, x, y,
                     {static_cast<uint8_t>(x * 7 + 3), static_cast<uint8_t>(y * 11 + 5), static_cast<uint8_t>((x + y) * 3)});
        }
    }
    image.dirty = {};
    return image;
}

bool Inside(int32_t x, int32_t y, const Rect& box)
{
    return x >= box.x && y >= box.y && x < box.x + box.width && y < box.y + box.height;
}

bool Between(uint8_t value, uint8_t a, uint8_t b) { return value >= std::min(a, b) && value <= std::max(a, b); }

class Text : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenFont(font, GameFontFace(), 12)); }
    Font font;
};

TEST_F(Text, EmptyTextOrClosedFontMeasuresAndDrawsNothing)
{
    const Font closed;
    EXPECT_EQ(MeasureText(font, ""), (TextSize{0, 0}));
    EXPECT_EQ(MeasureText(closed, "Start"), (TextSize{0, 0}));

    const Image before = Patterned(40, 30);
    Image image = before;
    DrawText(image, font, 2, 2, "", kWhite);
    DrawTextOn(image, font, 2, 2, "", kWhite, kBlack);
    DrawText(image, closed, 2, 2, "Start", kWhite);
    DrawTextOn(image, closed, 2, 2, "Start", kWhite, kBlack);
    EXPECT_EQ(image.pixels, before.pixels);
    EXPECT_TRUE(image.dirty.IsEmpty());

    Font missing;
    EXPECT_FALSE(OpenFont(missing, FontFace{"/nonexistent/face.ttf", 0, "", false}, 12));
    EXPECT_FALSE(OpenFont(font, GameFontFace(), 0));
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(font.points, 12) << "a failed open keeps the font it had";
}

TEST_F(Text, HeightIsTheLineHeightAndWidthGrowsWithTheText)
{
    const TextSize start = MeasureText(font, "Start");
    EXPECT_GT(start.height, 0);
    for (const char* text : {" ", ".", "g", "\xc3\x81", "Start Start", "0:00:00"}) {
        EXPECT_EQ(MeasureText(font, text).height, start.height) << text;
    }
    const char* growing[] = {" ", "S", "St", "Start", "Start Start"};
    for (size_t i = 1; i < std::size(growing); ++i) {
        EXPECT_GT(MeasureText(font, growing[i]).width, MeasureText(font, growing[i - 1]).width) << growing[i];
    }
    Font larger;
    ASSERT_TRUE(OpenFont(larger, GameFontFace(), 24));
    EXPECT_GT(MeasureText(larger, "Start").width, start.width);
    EXPECT_GT(MeasureText(larger, "Start").height, start.height);
}

TEST_F(Text, OnABackgroundCoversExactlyTheMeasuredExtent)
{
    constexpr Rgb kBackground{10, 20, 30};
    const TextSize size = MeasureText(font, "Start");
    const Rect box{5, 4, size.width, size.height};
    const Image before = Patterned(size.width + 10, size.height + 8);
    Image image = before;
    DrawTextOn(image, font, box.x, box.y, "Start", kWhite, kBackground);

    int32_t backgroundPixels = 0, glyphPixels = 0;
    for (int32_t y = 0; y < image.height; ++y) {
        for (int32_t x = 0; x < image.width; ++x) {
            const Rgb pixel = GetPixel(image, x, y);
            if (!Inside(x, y, box)) {
                ASSERT_EQ(pixel, GetPixel(before, x, y)) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(Between(pixel.r, kBackground.r, kWhite.r) && Between(pixel.g, kBackground.g, kWhite.g) &&
                        Between(pixel.b, kBackground.b, kWhite.b))
                << x << "," << y;
            backgroundPixels += pixel == kBackground;
            glyphPixels += pixel == kWhite;
        }
    }
    EXPECT_GT(backgroundPixels, 0);
    EXPECT_GT(glyphPixels, 0);
    EXPECT_EQ(image.dirty, box);
}

TEST_F(Text, TransparentTextPaintsOnlyTheGlyphs)
{
    constexpr Rgb kColour{255, 0, 128};
    const TextSize size = MeasureText(font, "Start");
    const Rect box{6, 3, size.width, size.height};
    const Image before = Patterned(size.width + 12, size.height + 6);
    Image image = before;
    DrawText(image, font, box.x, box.y, "Start", kColour);

    int32_t untouchedInside = 0, painted = 0;
    for (int32_t y = 0; y < image.height; ++y) {
        for (int32_t x = 0; x < image.width; ++x) {
            const Rgb pixel = GetPixel(image, x, y);
            const Rgb old = GetPixel(before, x, y);
            if (!Inside(x, y, box)) {
                ASSERT_EQ(pixel, old) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(Between(pixel.r, old.r, kColour.r) && Between(pixel.g, old.g, kColour.g) &&
                        Between(pixel.b, old.b, kColour.b))
                << x << "," << y;
            untouchedInside += pixel == old;
            painted += pixel == kColour;
        }
    }
    EXPECT_GT(untouchedInside, size.width * size.height / 2) << "the space between the glyphs shows through";
    EXPECT_GT(painted, 0);
}

// Drawn in white on black, a pixel holds the glyph's coverage a; any colour c over any old value d
// must then give (c * a + d * (255 - a) + 127) / 255 per channel.
TEST_F(Text, GlyphEdgesBlendWithRoundedStraightAlpha)
{
    const TextSize size = MeasureText(font, "Sg@");
    Image coverage = MakeImage(size.width, size.height, kBlack);
    DrawText(coverage, font, 0, 0, "Sg@", kWhite);

    constexpr Rgb kColour{200, 101, 0};
    constexpr Rgb kOld{100, 200, 255};
    Image image = MakeImage(size.width, size.height, kOld);
    DrawText(image, font, 0, 0, "Sg@", kColour);

    const auto blend = [](int c, int d, int a) { return static_cast<uint8_t>((c * a + d * (255 - a) + 127) / 255); };
    int32_t partial = 0;
    for (int32_t y = 0; y < size.height; ++y) {
        for (int32_t x = 0; x < size.width; ++x) {
            const Rgb a = GetPixel(coverage, x, y);
            ASSERT_TRUE(a.r == a.g && a.g == a.b);
            partial += a.r > 0 && a.r < 255;
            const Rgb expected{blend(kColour.r, kOld.r, a.r), blend(kColour.g, kOld.g, a.r), blend(kColour.b, kOld.b, a.r)};
            ASSERT_EQ(GetPixel(image, x, y), expected) << x << "," << y << " coverage " << int(a.r);
        }
    }
    EXPECT_GT(partial, 10) << "the text should have anti-aliased edges";
}

TEST_F(Text, ClipsAtTheImageEdges)
{
    constexpr Rgb kBackground{0, 0, 90};
    const TextSize size = MeasureText(font, "Start");
    constexpr int32_t kMargin = 20;
    Image whole = MakeImage(size.width + 2 * kMargin, size.height + 2 * kMargin);
    DrawTextOn(whole, font, kMargin, kMargin, "Start", kWhite, kBackground);

    // A small image showing one corner region of the text: it must match the unclipped drawing.
    const int32_t w = size.width / 2, h = size.height / 2;
    const struct {
        int32_t x, y;
    } positions[] = {{-w, -h}, {w / 2, -h}, {-w, h / 2}, {w / 3, h / 3}, {w - 1, h - 1}};
    for (const auto& at : positions) {
        Image part = MakeImage(w, h);
        DrawTextOn(part, font, at.x, at.y, "Start", kWhite, kBackground);
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < w; ++x) {
                ASSERT_EQ(GetPixel(part, x, y), GetPixel(whole, kMargin + x - at.x, kMargin + y - at.y))
                    << "text at " << at.x << "," << at.y << " pixel " << x << "," << y;
            }
        }
    }

    // Far outside, nothing changes and nothing breaks.
    const Image before = Patterned(8, 8);
    Image image = before;
    for (int32_t x : {INT32_MIN, -size.width, 8, INT32_MAX - 1, INT32_MAX}) {
        for (int32_t y : {INT32_MIN, -size.height, 8, INT32_MAX}) {
            DrawText(image, font, x, y, "Start", kWhite);
            DrawTextOn(image, font, x, y, "Start", kWhite, kBackground);
        }
    }
    EXPECT_EQ(image.pixels, before.pixels);
    Image none;
    DrawTextOn(none, font, 0, 0, "Start", kWhite, kBackground);
    EXPECT_TRUE(none.IsEmpty());
}

}  // namespace
