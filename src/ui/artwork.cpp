#include "ui/artwork.h"

#include <algorithm>
#include <vector>

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

// Fits a picture while it is decoded: rows are summed into whole-factor blocks when the fit allows
// it, else the picture is kept whole and fitted at the end.
struct FittingSink {
    int32_t width = 0;  // the window's
    int32_t height = 0;
    int32_t factorX = 0;  // 0: no streaming, the picture is kept whole
    int32_t factorY = 0;
    Image fitted;
    Image whole;
    std::vector<uint32_t> sums;
};

// The same test FitToWindow makes for plain stretching, limited to whole factors.
bool ShrinksByWholeFactors(int32_t pictureWidth, int32_t pictureHeight, int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0 || pictureWidth % width != 0 || pictureHeight % height != 0) return false;
    return pictureWidth < 100 || pictureHeight < 100 || pictureWidth / pictureHeight == width / height;
}

bool BeginFitting(void* context, int32_t pictureWidth, int32_t pictureHeight)
{
    auto& sink = *static_cast<FittingSink*>(context);
    if (!ShrinksByWholeFactors(pictureWidth, pictureHeight, sink.width, sink.height)) {
        return ResizeImage(sink.whole, pictureWidth, pictureHeight);
    }
    sink.factorX = pictureWidth / sink.width;
    sink.factorY = pictureHeight / sink.height;
    sink.sums.assign(static_cast<size_t>(sink.width) * 3, 0);
    return ResizeImage(sink.fitted, sink.width, sink.height);
}

void FitRow(void* context, int32_t y, const uint8_t* pixels)
{
    auto& sink = *static_cast<FittingSink*>(context);
    if (sink.factorX == 0) {
        std::copy_n(pixels, static_cast<size_t>(sink.whole.width) * 3, sink.whole.Row(y));
        return;
    }
    for (int32_t x = 0; x < sink.width; ++x) {
        uint32_t* sum = &sink.sums[static_cast<size_t>(x) * 3];
        for (int32_t k = 0; k < sink.factorX; ++k, pixels += 3) {
            sum[0] += pixels[0];
            sum[1] += pixels[1];
            sum[2] += pixels[2];
        }
    }
    if ((y + 1) % sink.factorY != 0) return;
    // The block row is complete: its rounded means, as ScaleImage computes them.
    const auto area = static_cast<uint32_t>(sink.factorX * sink.factorY);
    uint8_t* out = sink.fitted.Row(y / sink.factorY);
    for (size_t i = 0; i < sink.sums.size(); ++i) out[i] = static_cast<uint8_t>((sink.sums[i] + area / 2) / area);
    std::fill(sink.sums.begin(), sink.sums.end(), 0);
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
    if (sink.factorX == 0) return FitToWindow(sink.whole, width, height);
    return std::move(sink.fitted);
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
