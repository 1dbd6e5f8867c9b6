#include "ui/artwork.h"

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

std::array<Image, kExplosionFrameCount> CutExplosionFrames(const Image& sheet)
{
    std::array<Image, kExplosionFrameCount> frames;
    for (int32_t n = 0; n < kExplosionFrameCount; ++n) {
        frames[static_cast<size_t>(n)] = CutOut(sheet, kExplosionFrameSide * (n % 8), kExplosionFrameSide * (n / 8),
                                                kExplosionFrameSide, kExplosionFrameSide);
    }
    return frames;
}
