#include <gtest/gtest.h>

#include <vorbis/vorbisfile.h>

#include <cstring>

#include "platform/png.h"
#include "ui/artwork.h"

namespace {

// A picture whose every pixel tells where it came from: red = x / 16, green = y / 16.
Image Marked(int32_t width, int32_t height)
{
    Image image = MakeImage(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) SetPixel(image, x, y, {uint8_t(x / 16), uint8_t(y / 16), 200});
    }
    return image;
}

bool RowIsBlack(const Image& image, int32_t y)
{
    for (int32_t x = 0; x < image.width; ++x) {
        if (GetPixel(image, x, y) != Rgb{}) return false;
    }
    return true;
}

bool ColumnIsBlack(const Image& image, int32_t x)
{
    for (int32_t y = 0; y < image.height; ++y) {
        if (GetPixel(image, x, y) != Rgb{}) return false;
    }
    return true;
}

TEST(Artwork, FitToWindowStretchesCutsAndBands)
{
    const Image original = Marked(3840, 2160);
    struct Case {
        int32_t width, height;
        int32_t blackTop, blackBottom;  // rows of black band above and below the picture
        int32_t blackLeft, blackRight;  // columns of black band left and right
    };
    const Case cases[] = {
        {960, 540, 0, 0, 0, 0},     // same whole-number ratio: stretched, nothing cut
        {728, 410, 0, 0, 0, 0},
        {1917, 540, 0, 0, 0, 0},    // 1917 x 1050 cut to its middle 540 rows
        {728, 785, 193, 193, 0, 0}, // a 728 x 399 band, 193 rows down
        {4237, 1190, 0, 0, 1054, 1055},  // 2128 x 1190 centred: (2128 - 4237) / 2 = -1054
    };
    for (const Case& c : cases) {
        const Image fitted = FitToWindow(original, c.width, c.height);
        ASSERT_EQ(fitted.width, c.width);
        ASSERT_EQ(fitted.height, c.height);
        for (int32_t y = 0; y < c.blackTop; ++y) ASSERT_TRUE(RowIsBlack(fitted, y)) << c.width << " row " << y;
        EXPECT_FALSE(RowIsBlack(fitted, c.blackTop)) << c.width;
        EXPECT_FALSE(RowIsBlack(fitted, c.height - 1 - c.blackBottom)) << c.width;
        for (int32_t y = c.height - c.blackBottom; y < c.height; ++y) ASSERT_TRUE(RowIsBlack(fitted, y)) << y;
        if (c.blackLeft) {
            EXPECT_TRUE(ColumnIsBlack(fitted, c.blackLeft - 1));
            EXPECT_FALSE(ColumnIsBlack(fitted, c.blackLeft));
            EXPECT_FALSE(ColumnIsBlack(fitted, c.width - 1 - c.blackRight));
            EXPECT_TRUE(ColumnIsBlack(fitted, c.width - c.blackRight));
        }
    }
    // 1917 x 540: the cut starts at row 255 of the 1050 rows, so the top row shows the picture's
    // row 255 * 2160 / 1050 (about 524: green channel 32), not its first.
    const Image cut = FitToWindow(original, 1917, 540);
    EXPECT_NEAR(GetPixel(cut, 900, 0).g, 524 / 16, 1);
    EXPECT_NEAR(GetPixel(cut, 900, 539).g, (255 + 539) * 2160 / 1050 / 16, 1);
    // An exact size is kept as it is.
    EXPECT_TRUE(FitToWindow(original, 3840, 2160).pixels == original.pixels);
}

TEST(Artwork, DecodingWhileFittingGivesWhatFittingTheDecodedPictureGives)
{
    const EmbeddedAssets assets = BuiltInAssets();
    const Image logo = *DecodeAsset(assets.logo);
    const std::pair<int32_t, int32_t> windows[] = {{960, 540}, {1920, 1080}, {3840, 2160}, {728, 410}, {1917, 540}, {728, 785}};
    for (const auto& [width, height] : windows) {
        const std::optional<Image> fitted = DecodeFitted(assets.logo, width, height);
        ASSERT_TRUE(fitted) << width;
        EXPECT_TRUE(fitted->pixels == FitToWindow(logo, width, height).pixels) << width << " x " << height;
    }
    const uint8_t garbage[] = "not a picture";
    EXPECT_FALSE(DecodeFitted({garbage, sizeof garbage}, 960, 540));
    EXPECT_FALSE(DecodeFitted({assets.logo.data, assets.logo.size / 2}, 960, 540));
}

TEST(Artwork, ExplosionFramesAreReadRowByRowFromTheTopLeft)
{
    Image sheet = MakeImage(416, 416);
    for (int32_t n = 0; n < 64; ++n) FillBox(sheet, 52 * (n % 8), 52 * (n / 8), 52, 52, {uint8_t(n), uint8_t(n * 3), 1});
    const auto frames = CutExplosionFrames(sheet);
    for (int32_t n = 0; n < 64; ++n) {
        const Image& frame = frames[static_cast<size_t>(n)];
        ASSERT_EQ(frame.width, 52);
        ASSERT_EQ(frame.height, 52);
        EXPECT_EQ(GetPixel(frame, 0, 0), (Rgb{uint8_t(n), uint8_t(n * 3), 1})) << n;
        EXPECT_EQ(GetPixel(frame, 51, 51), (Rgb{uint8_t(n), uint8_t(n * 3), 1})) << n;
    }
}

// The header of a PNG: width, height, bit depth, colour type, interlace.
std::array<uint32_t, 5> PngHeader(const AssetBytes& asset)
{
    const auto be32 = [&](size_t at) {
        return uint32_t(asset.data[at]) << 24 | uint32_t(asset.data[at + 1]) << 16 | uint32_t(asset.data[at + 2]) << 8 |
               asset.data[at + 3];
    };
    return {be32(16), be32(20), asset.data[24], asset.data[25], asset.data[28]};
}

TEST(Artwork, EveryEmbeddedPictureHasItsSizeAndFormat)
{
    const EmbeddedAssets assets = BuiltInAssets();
    struct Case {
        const char* name;
        AssetBytes bytes;
        uint32_t width, height, colourType;
    };
    const Case cases[] = {
        {"brackenwold.png", assets.logo, 3840, 2160, 2}, {"title.png", assets.title, 3840, 2160, 2},
        {"explosion.png", assets.explosion, 416, 416, 2}, {"flag.png", assets.flag, 72, 72, 2},
        {"mine.png", assets.mine, 72, 72, 2},            {"icon.png", assets.icon, 128, 128, 6},
    };
    for (const Case& c : cases) {
        ASSERT_GT(c.bytes.size, 33u) << c.name;
        EXPECT_EQ(PngHeader(c.bytes), (std::array<uint32_t, 5>{c.width, c.height, 8, c.colourType, 0})) << c.name;
        const std::optional<Image> picture = DecodeAsset(c.bytes);
        ASSERT_TRUE(picture) << c.name;
        EXPECT_EQ(picture->width, static_cast<int32_t>(c.width));
    }
    // The pictures sit on the tiles and the canvas: their backgrounds are those colours exactly.
    EXPECT_EQ(GetPixel(*DecodeAsset(assets.flag), 1, 70), (Rgb{96, 92, 82}));
    EXPECT_EQ(GetPixel(*DecodeAsset(assets.mine), 0, 0), (Rgb{96, 92, 82}));
    EXPECT_EQ(GetPixel(*DecodeAsset(assets.explosion), 0, 0), (Rgb{96, 92, 82}));
    EXPECT_EQ(GetPixel(*DecodeAsset(assets.logo), 0, 0), (Rgb{23, 120, 181}));
    EXPECT_EQ(GetPixel(*DecodeAsset(assets.title), 0, 0), (Rgb{119, 116, 95}));
}

struct MemoryStream {
    const AssetBytes* asset;
    size_t position = 0;
};

size_t ReadStream(void* out, size_t size, size_t count, void* source)
{
    auto* stream = static_cast<MemoryStream*>(source);
    const size_t n = std::min(size * count, stream->asset->size - stream->position);
    std::memcpy(out, stream->asset->data + stream->position, n);
    stream->position += n;
    return size ? n / size : 0;
}

int SeekStream(void* source, ogg_int64_t offset, int whence)
{
    auto* stream = static_cast<MemoryStream*>(source);
    const int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? int64_t(stream->position) : int64_t(stream->asset->size);
    if (base + offset < 0 || base + offset > int64_t(stream->asset->size)) return -1;
    stream->position = static_cast<size_t>(base + offset);
    return 0;
}

long TellStream(void* source) { return static_cast<long>(static_cast<MemoryStream*>(source)->position); }

TEST(Artwork, TheEmbeddedSoundIsStereoVorbisOfFiveSeconds)
{
    const EmbeddedAssets assets = BuiltInAssets();
    ASSERT_GT(assets.sound.size, 4u);
    EXPECT_EQ(std::memcmp(assets.sound.data, "OggS", 4), 0);
    MemoryStream stream{&assets.sound};
    OggVorbis_File file;
    ASSERT_EQ(ov_open_callbacks(&stream, &file, nullptr, 0, {ReadStream, SeekStream, nullptr, TellStream}), 0);
    const vorbis_info* info = ov_info(&file, -1);
    EXPECT_EQ(info->channels, 2);
    EXPECT_EQ(info->rate, 44100);
    EXPECT_EQ(info->bitrate_nominal, 256000);
    EXPECT_EQ(ov_pcm_total(&file, -1), 226800);
    ov_clear(&file);
}

}  // namespace
