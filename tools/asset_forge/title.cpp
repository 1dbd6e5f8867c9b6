// The title picture: the product name in large capitals of the frame colour, with a drop shadow in
// the bar colour, between two fine rules, centred on the backdrop.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "shapes.h"
#include "text.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr float kTargetInkWidth = 2880.0f;

// A rule across the name's width, broken in the middle by a small diamond.
void AddRule(Mask& art, float left, float right, float y, float thickness, float diamond) {
    float mid = (left + right) / 2;
    float gap = diamond * 2.2f;
    float r = thickness / 2;
    art.Union({static_cast<int>(left) - 2, static_cast<int>(y - diamond) - 2, static_cast<int>(right) + 3,
               static_cast<int>(y + diamond) + 3},
              [&](float x, float py) {
                  Vec2 p{x, py};
                  float d = std::min(SdCapsule(p, {left + r, y}, {mid - gap, y}, r),
                                     SdCapsule(p, {mid + gap, y}, {right - r, y}, r));
                  // The diamond is a square turned by 45 degrees: |dx| + |dy| <= size, scaled to pixels.
                  float dd = (std::fabs(x - mid) + std::fabs(py - y) - diamond) * 0.70710678f;
                  return std::min(d, dd);
              });
}

}  // namespace

Canvas PaintTitle() {
    const char* name = "DRAVELOCK";
    // Measure once, then set the size that makes the word span the intended width.
    int size = 480;
    const float trackingEm = 0.05f;
    TextMask probe = RenderText(name, size, trackingEm * size);
    float inkWidth = static_cast<float>(probe.ink.x1 - probe.ink.x0);
    size = static_cast<int>(std::lround(size * kTargetInkWidth / std::max(inkWidth, 1.0f)));
    TextMask word = RenderText(name, size, trackingEm * size);

    int inkW = word.ink.x1 - word.ink.x0;
    int inkH = word.ink.y1 - word.ink.y0;
    int ox = (kWidth - inkW) / 2 - word.ink.x0;
    int oy = (kHeight - inkH) / 2 - word.ink.y0;

    Mask art(kWidth, kHeight);
    for (int y = 0; y < word.mask.Height(); ++y)
        for (int x = 0; x < word.mask.Width(); ++x) {
            int tx = x + ox, ty = y + oy;
            if (tx >= 0 && ty >= 0 && tx < kWidth && ty < kHeight) art.At(tx, ty) = word.mask.At(x, y);
        }

    float left = static_cast<float>(word.ink.x0 + ox);
    float right = static_cast<float>(word.ink.x1 + ox);
    float top = static_cast<float>(word.ink.y0 + oy);
    float bottom = static_cast<float>(word.ink.y1 + oy);
    float space = inkH * 0.30f;
    float thickness = std::max(6.0f, inkH * 0.028f);
    float diamond = inkH * 0.055f;
    AddRule(art, left, right, top - space, thickness, diamond);
    AddRule(art, left, right, bottom + space, thickness, diamond);

    Canvas canvas(kWidth, kHeight, kBackdrop);
    Mask shadow = art;
    shadow.Blur(inkH * 0.008f);
    int offset = static_cast<int>(std::lround(inkH * 0.05f));
    canvas.PaintMask(shadow, offset, offset, kBar);
    canvas.PaintMask(art, 0, 0, kFrame);
    return canvas;
}
