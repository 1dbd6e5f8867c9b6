#include <gtest/gtest.h>

#include "platform/png.h"

namespace {

const uint8_t* Bytes(const std::string& text) { return reinterpret_cast<const uint8_t*>(text.data()); }

Image Gradient(int32_t width, int32_t height)
{
    Image image = MakeImage(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) SetPixel(image, x, y, {uint8_t(x * 7), uint8_t(y * 13), uint8_t(x ^ y)});
    }
    return image;
}

TEST(Png, EncodesRgbWithoutAlphaNotInterlacedAndDecodesToTheSamePixels)
{
    const Image image = Gradient(37, 19);
    const std::optional<std::string> png = EncodePng(image);
    ASSERT_TRUE(png);
    // IHDR: width, height, bit depth 8, colour type 2 (RGB), compression, filter, interlace 0.
    ASSERT_GT(png->size(), 33u);
    EXPECT_EQ(png->substr(12, 4), "IHDR");
    EXPECT_EQ(static_cast<uint8_t>((*png)[24]), 8);
    EXPECT_EQ(static_cast<uint8_t>((*png)[25]), 2);
    EXPECT_EQ(static_cast<uint8_t>((*png)[28]), 0);

    const std::optional<Image> decoded = DecodePng(Bytes(*png), png->size());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 37);
    EXPECT_EQ(decoded->height, 19);
    EXPECT_EQ(decoded->pixels, image.pixels);
}

TEST(Png, RefusesBytesThatAreNotAWholePicture)
{
    const std::string png = *EncodePng(Gradient(16, 16));
    std::string corrupt = png;
    corrupt[corrupt.size() / 2] ^= 0x55;
    const std::string cases[] = {"", "not a picture at all", png.substr(0, 8), png.substr(0, png.size() / 2), corrupt};
    for (const std::string& bytes : cases) EXPECT_FALSE(DecodePng(Bytes(bytes), bytes.size())) << bytes.size();
    EXPECT_FALSE(DecodePng(nullptr, 100));
    EXPECT_FALSE(EncodePng(Image{}));
}

}  // namespace
