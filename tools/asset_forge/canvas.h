// Floating-point painting surfaces for the artwork: a premultiplied RGBA canvas and a coverage mask.
// Channels are kept on the 0..255 scale, so a pixel that nothing touched converts back to exactly
// the colour it was filled with; the game relies on the untouched background being perfectly flat.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Colour {
    float r = 0;
    float g = 0;
    float b = 0;
};

constexpr Colour Rgb(int r, int g, int b) {
    return {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
}
Colour Mix(Colour a, Colour b, float t);
Colour Scale(Colour c, float k);

// The game's palette colours that the artwork is painted on and with.
constexpr Colour kBackdrop = Rgb(119, 116, 95);
constexpr Colour kFrame = Rgb(180, 179, 143);
constexpr Colour kBar = Rgb(96, 92, 82);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kLogoBlue = Rgb(23, 120, 181);
constexpr Colour kFlagRed = Rgb(216, 8, 57);

// An integer pixel box, clipped where it is used.
struct Box {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;  // exclusive
    int y1 = 0;  // exclusive
};
Box BoxAround(float cx, float cy, float radius);

// Coverage (0..1) per pixel. Shapes are added with Union (the larger coverage wins), which keeps
// anti-aliased edges clean where shapes of one colour overlap.
class Mask {
public:
    Mask() = default;
    Mask(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    float At(int x, int y) const { return a_[static_cast<size_t>(y) * width_ + x]; }
    float& At(int x, int y) { return a_[static_cast<size_t>(y) * width_ + x]; }
    float Sample(int x, int y) const;  // zero outside

    // Coverage of a signed distance field (pixels, negative inside) at each pixel centre of the box.
    template <class Sdf>
    void Union(Box box, Sdf sdf);
    template <class Sdf>
    void Subtract(Box box, Sdf sdf);
    template <class Sdf>
    void Intersect(Sdf sdf);

    void Blur(float sigma);
    // Ink bounds: the smallest box holding every pixel above the threshold.
    Box InkBounds(float threshold = 0.0f) const;

private:
    Box Clip(Box box) const;
    int width_ = 0;
    int height_ = 0;
    std::vector<float> a_;
};

// Premultiplied RGBA, channels 0..255, alpha 0..1.
class Canvas {
public:
    Canvas(int width, int height, Colour fill, float alpha = 1.0f);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Source-over of a colour at the given coverage.
    void Over(int x, int y, Colour c, float a);
    // Paints the mask, placed with its top left corner at (ox, oy), in one colour.
    void PaintMask(const Mask& mask, int ox, int oy, Colour c, float opacity = 1.0f);
    // Paints a colour field: shader(x, y, colour, alpha) fills in the colour and alpha at the pixel
    // centre (x + 0.5, y + 0.5); an alpha of 0 leaves the pixel untouched.
    template <class Shader>
    void Shade(Box box, Shader shader);
    // Copies another canvas in at (ox, oy), replacing what was there.
    void Place(const Canvas& source, int ox, int oy);

    // The mean of each factor x factor block.
    Canvas Downsample(int factor) const;

    // 8-bit output: RGB (alpha dropped, the canvas should be opaque) or straight RGBA.
    std::vector<uint8_t> ToRgb() const;
    std::vector<uint8_t> ToRgba() const;

private:
    size_t Index(int x, int y) const { return (static_cast<size_t>(y) * width_ + x) * 4; }
    int width_;
    int height_;
    std::vector<float> p_;  // r, g, b (premultiplied), a
};

inline float Clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }
inline float Coverage(float signedDistance) { return Clamp01(0.5f - signedDistance); }
float SmoothStep(float e0, float e1, float x);

template <class Sdf>
void Mask::Union(Box box, Sdf sdf) {
    box = Clip(box);
    for (int y = box.y0; y < box.y1; ++y)
        for (int x = box.x0; x < box.x1; ++x) {
            float c = Coverage(sdf(x + 0.5f, y + 0.5f));
            float& a = At(x, y);
            if (c > a) a = c;
        }
}

template <class Sdf>
void Mask::Subtract(Box box, Sdf sdf) {
    box = Clip(box);
    for (int y = box.y0; y < box.y1; ++y)
        for (int x = box.x0; x < box.x1; ++x) {
            float keep = 1.0f - Coverage(sdf(x + 0.5f, y + 0.5f));
            float& a = At(x, y);
            if (keep < a) a = keep;
        }
}

template <class Sdf>
void Mask::Intersect(Sdf sdf) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float& a = At(x, y);
            if (a > 0.0f) a *= Coverage(sdf(x + 0.5f, y + 0.5f));
        }
}

template <class Shader>
void Canvas::Shade(Box box, Shader shader) {
    if (box.x0 < 0) box.x0 = 0;
    if (box.y0 < 0) box.y0 = 0;
    if (box.x1 > width_) box.x1 = width_;
    if (box.y1 > height_) box.y1 = height_;
    for (int y = box.y0; y < box.y1; ++y)
        for (int x = box.x0; x < box.x1; ++x) {
            Colour c;
            float a = 0.0f;
            shader(x + 0.5f, y + 0.5f, c, a);
            if (a > 0.0f) Over(x, y, c, a);
        }
}
