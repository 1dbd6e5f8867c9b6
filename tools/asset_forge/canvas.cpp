#include "canvas.h"

#include <algorithm>
#include <cmath>

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, float k) { return {c.r * k, c.g * k, c.b * k}; }

float SmoothStep(float e0, float e1, float x) {
    float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

Box BoxAround(float cx, float cy, float radius) {
    return {static_cast<int>(std::floor(cx - radius)) - 1, static_cast<int>(std::floor(cy - radius)) - 1,
            static_cast<int>(std::ceil(cx + radius)) + 2, static_cast<int>(std::ceil(cy + radius)) + 2};
}

Mask::Mask(int width, int height) : width_(width), height_(height), a_(static_cast<size_t>(width) * height, 0.0f) {}

float Mask::Sample(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0f;
    return At(x, y);
}

Box Mask::Clip(Box box) const {
    return {std::max(box.x0, 0), std::max(box.y0, 0), std::min(box.x1, width_), std::min(box.y1, height_)};
}

Box Mask::InkBounds(float threshold) const {
    Box b{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (At(x, y) > threshold) {
                b.x0 = std::min(b.x0, x);
                b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x + 1);
                b.y1 = std::max(b.y1, y + 1);
            }
    if (b.x1 <= b.x0) return {0, 0, 0, 0};
    return b;
}

// Separable Gaussian; the kernel is cut at three sigma, so coverage never spreads further than that.
void Mask::Blur(float sigma) {
    if (sigma <= 0.0f) return;
    int radius = static_cast<int>(std::ceil(sigma * 3.0f));
    std::vector<float> kernel(2 * radius + 1);
    float sum = 0.0f;
    for (int i = -radius; i <= radius; ++i) {
        kernel[i + radius] = std::exp(-0.5f * i * i / (sigma * sigma));
        sum += kernel[i + radius];
    }
    for (float& k : kernel) k /= sum;

    std::vector<float> tmp(a_.size(), 0.0f);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float acc = 0.0f;
            for (int i = -radius; i <= radius; ++i) acc += kernel[i + radius] * Sample(x + i, y);
            tmp[static_cast<size_t>(y) * width_ + x] = acc;
        }
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float acc = 0.0f;
            for (int i = -radius; i <= radius; ++i) {
                int yy = y + i;
                if (yy >= 0 && yy < height_) acc += kernel[i + radius] * tmp[static_cast<size_t>(yy) * width_ + x];
            }
            At(x, y) = acc;
        }
}

Canvas::Canvas(int width, int height, Colour fill, float alpha)
    : width_(width), height_(height), p_(static_cast<size_t>(width) * height * 4) {
    for (size_t i = 0; i < p_.size(); i += 4) {
        p_[i] = fill.r * alpha;
        p_[i + 1] = fill.g * alpha;
        p_[i + 2] = fill.b * alpha;
        p_[i + 3] = alpha;
    }
}

void Canvas::Over(int x, int y, Colour c, float a) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || a <= 0.0f) return;
    a = std::min(a, 1.0f);
    float* p = &p_[Index(x, y)];
    float k = 1.0f - a;
    p[0] = c.r * a + p[0] * k;
    p[1] = c.g * a + p[1] * k;
    p[2] = c.b * a + p[2] * k;
    p[3] = a + p[3] * k;
}

void Canvas::PaintMask(const Mask& mask, int ox, int oy, Colour c, float opacity) {
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x) {
            float a = mask.At(x, y) * opacity;
            if (a > 0.0f) Over(x + ox, y + oy, c, a);
        }
}

void Canvas::Place(const Canvas& source, int ox, int oy) {
    for (int y = 0; y < source.height_; ++y)
        for (int x = 0; x < source.width_; ++x) {
            int tx = x + ox;
            int ty = y + oy;
            if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
            std::copy_n(&source.p_[source.Index(x, y)], 4, &p_[Index(tx, ty)]);
        }
}

Canvas Canvas::Downsample(int factor) const {
    Canvas out(width_ / factor, height_ / factor, Colour{}, 0.0f);
    float inv = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < out.height_; ++y)
        for (int x = 0; x < out.width_; ++x) {
            float acc[4] = {0, 0, 0, 0};
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) {
                    const float* p = &p_[Index(x * factor + i, y * factor + j)];
                    for (int k = 0; k < 4; ++k) acc[k] += p[k];
                }
            float* q = &out.p_[out.Index(x, y)];
            for (int k = 0; k < 4; ++k) q[k] = acc[k] * inv;
        }
    return out;
}

static uint8_t ToByte(float v) {
    long q = std::lround(v);
    return static_cast<uint8_t>(std::clamp(q, 0L, 255L));
}

std::vector<uint8_t> Canvas::ToRgb() const {
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 3);
    for (size_t i = 0, o = 0; i < p_.size(); i += 4, o += 3) {
        float a = p_[i + 3];
        float k = a > 0.0f ? 1.0f / a : 0.0f;
        if (a >= 1.0f) k = 1.0f;
        for (int c = 0; c < 3; ++c) out[o + c] = ToByte(p_[i + c] * k);
    }
    return out;
}

std::vector<uint8_t> Canvas::ToRgba() const {
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 4);
    for (size_t i = 0; i < p_.size(); i += 4) {
        float a = p_[i + 3];
        uint8_t alpha = ToByte(a * 255.0f);
        float k = a > 0.0f ? 1.0f / a : 0.0f;
        for (int c = 0; c < 3; ++c) out[i + c] = alpha == 0 ? 0 : ToByte(p_[i + c] * k);
        out[i + 3] = alpha;
    }
    return out;
}
