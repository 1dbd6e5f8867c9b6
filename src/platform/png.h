// PNG decoding from memory and encoding of RGB images (colour type 2, 8 bits, not interlaced).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/image.h"

// Any PNG libpng reads, converted to 8-bit RGB (alpha dropped, palettes and grey expanded).
std::optional<Image> DecodePng(const uint8_t* bytes, size_t size);
// The image as a PNG file's bytes, or nothing if encoding fails.
std::optional<std::string> EncodePng(const Image& image);
