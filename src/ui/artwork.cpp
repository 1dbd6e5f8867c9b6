#include "ui/artwork.h"

#include <algorithm>

#include "platform/png.h"

std::optional<Image> DecodeAsset(const AssetBytes& asset) { return DecodePng(asset.data, asset.size); }

Image FitToWindow(const Image& picture, int32_t width, int32_t height)
{
    const int32_t iw = picture.width;
    const int32_t ih = picture.height;
    if (iw == width && ih == height) return picture;
    // The whole-percent steps below divide by a hundredth of each side, which a picture under 100
    // pixels does not have: such a picture is simply stretched.
    if (iw < 100 || ih < 100 || height <= 0 || iw / ih == width / height) return ScaleImage(picture, width, height);

    const int32_t scaledHeight = (ih / 100) * (width / (iw / 100));
    if (scaledHeight > ih) {
        const int32_t scaledWidth = (iw / 100) * (height / (ih / 100));
        return CutOut(ScaleImage(picture, scaledWidth, height), (scaledWidth - width) / 2, 0, width, height);
    }
    return CutOut(ScaleImage(picture, width, scaledHeight), 0, (scaledHeight - height) / 2, width, height);
}

namespace {

// Fits a picture while it is decoded: rows are shrunk as they come when the fit is a whole-factor
// stretch, else the picture is kept whole and fitted at the end.
struct FittingSink {
    int32_t width = 0;  // the window's
    int32_t height = 0;
    bool shrinking = false;
    BlockShrinker shrinker;
    Image whole;
};

bool BeginFitting(void* context, int32_t pictureWidth, int32_t pictureHeight)
{
    auto& sink = *static_cast<FittingSink*>(context);
    // FitToWindow stretches when the whole-number ratios agree (or the picture is too small for
    // its percent steps); only those fits can be done row by row.
    const bool stretches = pictureWidth < 100 || pictureHeight < 100 ||
                           (sink.height > 0 && pictureWidth / pictureHeight == sink.width / sink.height);
    sink.shrinking = stretches && BeginBlockShrink(sink.shrinker, pictureWidth, pictureHeight, sink.width, sink.height);
    return sink.shrinking || ResizeImage(sink.whole, pictureWidth, pictureHeight);
}

void FitRow(void* context, int32_t y, const uint8_t* pixels)
{
    auto& sink = *static_cast<FittingSink*>(context);
    if (sink.shrinking) AddSourceRow(sink.shrinker, y, pixels);
    else std::copy_n(pixels, static_cast<size_t>(sink.whole.width) * 3, sink.whole.Row(y));
}

}  // namespace

std::optional<Image> DecodeFitted(const AssetBytes& asset, int32_t width, int32_t height)
{
    FittingSink sink;
    sink.width = width;
    sink.height = height;
    PngRowSink rows;
    rows.context = &sink;
    rows.begin = BeginFitting;
    rows.row = FitRow;
    if (!DecodePngRows(asset.data, asset.size, rows)) return std::nullopt;
    if (!sink.shrinking) return FitToWindow(sink.whole, width, height);
    return std::move(sink.shrinker.target);
}

std::array<Image, kExplosionFrameCount> CutExplosionFrames(const Image& sheet)
{
    std::array<Image, kExplosionFrameCount> frames;
    for (int32_t n = 0; n < kExplosionFrameCount; ++n) {
        frames[static_cast<size_t>(n)] = CutOut(sheet, kExplosionFrameSide * (n % 8), kExplosionFrameSide * (n / 8),
                                                kExplosionFrameSide, kExplosionFrameSide);
    }
    return frames;
}
