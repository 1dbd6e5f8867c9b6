// PNG decoding from memory and encoding of RGB images (colour type 2, 8 bits, not interlaced).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"

// 8-bit RGBA, rows top to bottom, for the window icon.
struct RgbaPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;
};

// Any PNG libpng reads, converted to 8-bit RGB (alpha dropped, palettes and grey expanded).
std::optional<Image> DecodePng(const uint8_t* bytes, size_t size);
// The same with alpha kept (opaque where the file has none).
std::optional<RgbaPicture> DecodePngRgba(const uint8_t* bytes, size_t size);
// The image as a PNG file's bytes, or nothing if encoding fails.
std::optional<std::string> EncodePng(const Image& image);
