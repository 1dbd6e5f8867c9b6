// 24-bit RGB raster images: the canvas, the snapshot, the hit map, tiles and artwork are all Images.
// Every operation clips to the image, so any coordinates are safe. Each drawing call also widens
// the image's dirty rectangle, which a canvas pass presents when it closes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Rect&) const = default;
    bool IsEmpty() const { return width <= 0 || height <= 0; }
};

Rect UnionRect(const Rect& a, const Rect& b);
Rect IntersectRect(const Rect& a, const Rect& b);

struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;  // rows top to bottom, 3 bytes (r, g, b) per pixel, no padding
    Rect dirty;                   // what drawing touched since the last TakeDirty

    bool IsEmpty() const { return width <= 0 || height <= 0; }
    Rect Bounds() const { return {0, 0, width, height}; }
    uint8_t* Row(int32_t y) { return pixels.data() + static_cast<size_t>(y) * width * 3; }
    const uint8_t* Row(int32_t y) const { return pixels.data() + static_cast<size_t>(y) * width * 3; }
};

// The largest image side we agree to allocate; larger requests give an empty image.
constexpr int32_t kMaxImageSide = 16384;

// A new image filled with one colour (black unless told); empty when a side is out of range.
Image MakeImage(int32_t width, int32_t height, Rgb fill = {});
// Resizes in place, reusing the allocation where it can; the content is then undefined.
bool ResizeImage(Image& image, int32_t width, int32_t height);

void FillBox(Image& image, int32_t x, int32_t y, int32_t width, int32_t height, Rgb colour);
void FillImage(Image& image, Rgb colour);
// Lines include both end points; the ends may come in either order.
void HorizontalLine(Image& image, int32_t x1, int32_t x2, int32_t y, Rgb colour);
void VerticalLine(Image& image, int32_t x, int32_t y1, int32_t y2, Rgb colour);
void SetPixel(Image& image, int32_t x, int32_t y, Rgb colour);
// Black outside the image.
Rgb GetPixel(const Image& image, int32_t x, int32_t y);

// Copies all of source with its top left corner at (x, y) of target.
void CopyImage(Image& target, const Image& source, int32_t x, int32_t y);
// Scales smoothly by area averaging: each target pixel is the mean of the source area it covers.
Image ScaleImage(const Image& source, int32_t width, int32_t height);
// Shrinking by whole factors, fed one source row at a time, so that the source need never be held
// whole: every target pixel is the rounded mean of its block, exactly what ScaleImage gives.
struct BlockShrinker {
    int32_t factorX = 0;
    int32_t factorY = 0;
    Image target;
    std::vector<uint32_t> sums;  // the block row being summed
};

// False (and nothing prepared) unless the source sides are whole multiples of the target's.
bool BeginBlockShrink(BlockShrinker& shrinker, int32_t sourceWidth, int32_t sourceHeight, int32_t width, int32_t height);
// Source row y, 3 bytes per pixel; rows come in order from the top.
void AddSourceRow(BlockShrinker& shrinker, int32_t y, const uint8_t* pixels);

// A new width x height image, black, holding the part of source that starts at (x, y).
Image CutOut(const Image& source, int32_t x, int32_t y, int32_t width, int32_t height);

// Returns the dirty rectangle and starts a new, empty one.
Rect TakeDirty(Image& image);
