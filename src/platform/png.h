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

// Receives a picture row by row as it is decoded, so that it never has to be held whole.
struct PngRowSink {
    void* context = nullptr;
    int32_t channels = 3;  // 3: RGB; 4: RGBA, opaque where the file has no alpha
    // The picture's size, before any row; false stops the decoding.
    bool (*begin)(void* context, int32_t width, int32_t height) = nullptr;
    void (*row)(void* context, int32_t y, const uint8_t* pixels) = nullptr;
};

// Decodes any PNG libpng reads (palettes and grey expanded, 16 bits stripped) into the sink.
bool DecodePngRows(const uint8_t* bytes, size_t size, const PngRowSink& sink);

// Any PNG libpng reads, converted to 8-bit RGB (alpha dropped, palettes and grey expanded).
std::optional<Image> DecodePng(const uint8_t* bytes, size_t size);
// The same with alpha kept (opaque where the file has none).
std::optional<RgbaPicture> DecodePngRgba(const uint8_t* bytes, size_t size);
// The image as a PNG file's bytes, or nothing if encoding fails.
std::optional<std::string> EncodePng(const Image& image);
