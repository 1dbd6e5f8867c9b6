#include <gtest/gtest.h>

#include <climits>

#include "platform/image.h"

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{};

// Every pixel of the image as 'x' (the colour) or '.' (anything else), row by row.
std::string Picture(const Image& image, Rgb colour)
{
    std::string rows;
    for (int32_t y = 0; y < image.height; ++y) {
        for (int32_t x = 0; x < image.width; ++x) rows += GetPixel(image, x, y) == colour ? 'x' : '.';
        rows += '\n';
    }
    return rows;
}

TEST(Image, FillBoxCoversItsAreaAndClipsAtEveryEdge)
{
    Image image = MakeImage(4, 3);
    FillBox(image, -2, -1, 4, 3, kRed);  // reaches over the top left corner
    FillBox(image, 3, 2, 10, 10, kRed);  // over the bottom right corner
    EXPECT_EQ(Picture(image, kRed), "xx..\n"
                                    "xx..\n"
                                    "...x\n");
    EXPECT_EQ(image.dirty, (Rect{0, 0, 4, 3}));
}

TEST(Image, LinesIncludeBothEndsInEitherOrder)
{
    Image image = MakeImage(5, 4);
    HorizontalLine(image, 3, 1, 0, kRed);
    VerticalLine(image, 4, 3, 1, kRed);
    SetPixel(image, 0, 3, kRed);
    EXPECT_EQ(Picture(image, kRed), ".xxx.\n"
                                    "....x\n"
                                    "....x\n"
                                    "x...x\n");
}

TEST(Image, EveryOperationIsSafeForAnyCoordinates)
{
    Image image = MakeImage(3, 3);
    const int32_t extremes[] = {INT32_MIN, -1, 0, 2, 3, INT32_MAX};
    for (int32_t a : extremes) {
        for (int32_t b : extremes) {
            FillBox(image, a, b, b, a, kRed);
            HorizontalLine(image, a, b, a, kRed);
            VerticalLine(image, b, a, b, kRed);
            SetPixel(image, a, b, kRed);
            CopyImage(image, MakeImage(2, 2), a, b);
            EXPECT_EQ(CutOut(image, a, b, 2, 2).width, 2);
            (void)GetPixel(image, a, b);
        }
    }
    EXPECT_EQ(GetPixel(image, -1, 0), kBlack);
    EXPECT_EQ(GetPixel(image, 3, 0), kBlack);
    EXPECT_TRUE(MakeImage(0, 10).IsEmpty());
    EXPECT_TRUE(MakeImage(-5, 10).IsEmpty());
    EXPECT_TRUE(MakeImage(kMaxImageSide + 1, 1).IsEmpty());
}

TEST(Image, CopyPlacesTheSourceAndClipsIt)
{
    Image target = MakeImage(4, 3);
    const Image source = MakeImage(2, 2, kRed);
    TakeDirty(target);
    CopyImage(target, source, 3, -1);
    EXPECT_EQ(Picture(target, kRed), "...x\n"
                                     "....\n"
                                     "....\n");
    EXPECT_EQ(TakeDirty(target), (Rect{3, 0, 1, 1}));
    EXPECT_TRUE(target.dirty.IsEmpty());
}

TEST(Image, CutOutStartsBlackAndTakesOnlyWhatLiesInside)
{
    Image source = MakeImage(3, 3, kRed);
    const Image piece = CutOut(source, 2, -1, 3, 3);
    EXPECT_EQ(Picture(piece, kRed), "...\n"
                                    "x..\n"
                                    "x..\n");
}

TEST(Image, ScaleAveragesTheAreaEachPixelCovers)
{
    // Two columns (0 and 90) shrink to one pixel: the mean. Three columns (0, 90, 180) to two:
    // the middle one is shared half and half, giving 30 and 150.
    Image two = MakeImage(2, 1);
    SetPixel(two, 1, 0, {90, 90, 90});
    EXPECT_EQ(GetPixel(ScaleImage(two, 1, 1), 0, 0), (Rgb{45, 45, 45}));

    Image three = MakeImage(3, 1);
    SetPixel(three, 1, 0, {90, 90, 90});
    SetPixel(three, 2, 0, {180, 180, 180});
    const Image scaled = ScaleImage(three, 2, 1);
    EXPECT_EQ(GetPixel(scaled, 0, 0), (Rgb{30, 30, 30}));
    EXPECT_EQ(GetPixel(scaled, 1, 0), (Rgb{150, 150, 150}));

    // Vertically too, and per channel.
    Image column = MakeImage(1, 4, {0, 0, 200});
    FillBox(column, 0, 2, 1, 2, {200, 0, 0});
    const Image halved = ScaleImage(column, 1, 2);
    EXPECT_EQ(GetPixel(halved, 0, 0), (Rgb{0, 0, 200}));
    EXPECT_EQ(GetPixel(halved, 0, 1), (Rgb{200, 0, 0}));
}

TEST(Image, WholeFactorShrinkingIsTheRoundedBlockMean)
{
    Image source = MakeImage(12, 8);
    uint32_t seed = 1;
    for (uint8_t& byte : source.pixels) byte = static_cast<uint8_t>((seed = seed * 1103515245 + 12345) >> 16);
    const Image scaled = ScaleImage(source, 3, 2);
    for (int32_t y = 0; y < 2; ++y) {
        for (int32_t x = 0; x < 3; ++x) {
            uint32_t r = 0, g = 0, b = 0;
            for (int32_t sy = 4 * y; sy < 4 * y + 4; ++sy) {
                for (int32_t sx = 4 * x; sx < 4 * x + 4; ++sx) {
                    r += GetPixel(source, sx, sy).r;
                    g += GetPixel(source, sx, sy).g;
                    b += GetPixel(source, sx, sy).b;
                }
            }
            EXPECT_EQ(GetPixel(scaled, x, y), (Rgb{uint8_t((r + 8) / 16), uint8_t((g + 8) / 16), uint8_t((b + 8) / 16)}));
        }
    }
}

TEST(Image, ScaleKeepsFlatAreasFlatInBothDirections)
{
    const Rgb colour{23, 120, 181};
    for (auto [w, h] : {std::pair{960, 540}, {7, 3}, {1, 1}}) {
        const Image scaled = ScaleImage(MakeImage(384, 216, colour), w, h);
        ASSERT_EQ(scaled.width, w);
        ASSERT_EQ(scaled.height, h);
        EXPECT_EQ(GetPixel(scaled, 0, 0), colour);
        EXPECT_EQ(GetPixel(scaled, w - 1, h - 1), colour);
    }
}

}  // namespace
