// The small pictures: the flag and mine marks of the board (72 x 72 on the covered tile's colour)
// and the program icon, which shows the mine's star burst. All are painted four times larger and
// averaged down, so every edge is smooth.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "shapes.h"

namespace {

constexpr int kSuper = 4;

// The star burst of the mine, designed on a 72-pixel tile around (36, 36); `scale` maps design
// units to canvas pixels and `centre` is the burst's centre on the canvas.
void PaintStarBurst(Canvas& canvas, Vec2 centre, float scale) {
    // The glow: warm white light that falls off smoothly to nothing at its rim.
    const float glowRadius = 33.0f * scale;
    canvas.Shade(BoxAround(centre.x, centre.y, glowRadius), [&](float x, float y, Colour& c, float& a) {
        float u = Length(Vec2{x, y} - centre) / glowRadius;
        if (u >= 1.0f) return;
        float fall = std::pow(1.0f - u, 1.6f);
        a = 0.85f * fall * (0.45f + 0.55f * std::exp(-2.5f * u * u));
        c = Rgb(255, 242, 200);
    });

    // The burst: four long rays on the axes, four on the diagonals, eight short ones between,
    // and a round core.
    Mask mask(canvas.Width(), canvas.Height());
    auto ray = [&](float angle, float length, float baseRadius) {
        Vec2 tip = centre + Polar(length * scale, angle);
        float rb = baseRadius * scale;
        float rt = 0.45f * scale;
        mask.Union(BoxAround(centre.x, centre.y, length * scale + rb),
                   [&](float x, float y) { return SdTaperedCapsule({x, y}, centre, tip, rb, rt); });
    };
    for (int i = 0; i < 16; ++i) {
        float angle = -kPi / 2 + static_cast<float>(i) * kPi / 8.0f;
        if (i % 4 == 0)
            ray(angle, 29.0f, 4.6f);
        else if (i % 2 == 0)
            ray(angle, 19.5f, 3.6f);
        else
            ray(angle, 12.5f, 2.8f);
    }
    mask.Union(BoxAround(centre.x, centre.y, 9.0f * scale),
               [&](float x, float y) { return SdCircle({x, y}, centre, 7.5f * scale); });
    canvas.PaintMask(mask, 0, 0, kWhite);

    // A faint warm heart in the core keeps it from reading as a flat disc.
    const float heart = 5.5f * scale;
    canvas.Shade(BoxAround(centre.x, centre.y, heart), [&](float x, float y, Colour& c, float& a) {
        float u = Length(Vec2{x, y} - centre) / heart;
        if (u >= 1.0f) return;
        a = 0.22f * (1.0f - u * u);
        c = Rgb(255, 236, 170);
    });
}

}  // namespace

Canvas PaintMine() {
    Canvas big(72 * kSuper, 72 * kSuper, kBar);
    PaintStarBurst(big, {36.0f * kSuper, 36.0f * kSuper}, kSuper);
    return big.Downsample(kSuper);
}

Canvas PaintFlag() {
    const float s = kSuper;
    Canvas big(72 * kSuper, 72 * kSuper, kBar);

    // The pennant: a waving triangle from the pole to its tip, shaded along its folds.
    const Vec2 top{25.0f, 13.0f};
    const Vec2 tip{60.0f, 26.5f};
    const Vec2 bottom{25.0f, 39.0f};
    auto wave = [](float u) { return 3.0f * std::sin(2.0f * kPi * u) * 4.0f * u * (1.0f - u); };
    Polygon pennant;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        float u = static_cast<float>(i) / steps;
        Vec2 p = top + (tip - top) * u;
        pennant.points.push_back(Vec2{p.x, p.y + wave(u)} * s);
    }
    for (int i = steps - 1; i > 0; --i) {
        float u = static_cast<float>(i) / steps;
        Vec2 p = bottom + (tip - bottom) * u;
        pennant.points.push_back(Vec2{p.x, p.y + wave(u)} * s);
    }
    pennant.Finish();
    Mask cloth(big.Width(), big.Height());
    cloth.Union({static_cast<int>(pennant.minX) - 2, static_cast<int>(pennant.minY) - 2,
                 static_cast<int>(pennant.maxX) + 3, static_cast<int>(pennant.maxY) + 3},
                [&](float x, float y) { return pennant.Distance({x, y}); });
    for (int y = 0; y < big.Height(); ++y)
        for (int x = 0; x < big.Width(); ++x) {
            float a = cloth.At(x, y);
            if (a <= 0.0f) continue;
            float u = std::clamp((x / s - top.x) / (tip.x - top.x), 0.0f, 1.0f);
            // Light on the crests of the wave, shadow in its troughs, darker where it meets the pole.
            float fold = std::cos(2.0f * kPi * u + 0.6f);
            Colour c = fold > 0 ? Mix(kFlagRed, Rgb(236, 60, 98), 0.22f * fold) : Mix(kFlagRed, Rgb(150, 4, 38), -0.30f * fold);
            c = Mix(c, Rgb(150, 4, 38), 0.35f * std::max(0.0f, 1.0f - u * 9.0f));
            big.Over(x, y, c, a);
        }

    // The pole with its round knob, standing on a stepped base.
    Mask pole(big.Width(), big.Height());
    Box all{0, 0, big.Width(), big.Height()};
    pole.Union(all, [&](float x, float y) {
        Vec2 p{x / s, y / s};
        float d = SdRoundedBox(p, {25.0f, 34.0f}, {2.1f, 23.5f}, 2.0f);
        d = std::min(d, SdCircle(p, {25.0f, 10.2f}, 3.4f));
        d = std::min(d, SdRoundedBox(p, {25.0f, 54.2f}, {7.5f, 2.4f}, 1.6f));
        d = std::min(d, SdRoundedBox(p, {25.0f, 58.6f}, {13.5f, 3.0f}, 2.4f));
        return d * s;
    });
    big.PaintMask(pole, 0, 0, kWhite);
    return big.Downsample(kSuper);
}

Canvas PaintIcon() {
    const float s = kSuper;
    Canvas big(128 * kSuper, 128 * kSuper, Colour{}, 0.0f);
    const Vec2 centre{64.0f * s, 64.0f * s};
    Mask plate(big.Width(), big.Height());
    Box all{0, 0, big.Width(), big.Height()};
    plate.Union(all, [&](float x, float y) { return SdRoundedBox({x, y}, centre, {62.0f * s, 62.0f * s}, 24.0f * s); });
    big.PaintMask(plate, 0, 0, kBackdrop);
    // A thin rim in the frame colour gives the plate an edge on dark and light desktops alike.
    Mask rim(big.Width(), big.Height());
    rim.Union(all, [&](float x, float y) {
        float d = SdRoundedBox({x, y}, centre, {62.0f * s, 62.0f * s}, 24.0f * s);
        return std::fabs(d + 3.0f * s) - 1.25f * s;
    });
    big.PaintMask(rim, 0, 0, kFrame, 0.85f);
    PaintStarBurst(big, centre, 1.55f * s);
    return big.Downsample(kSuper);
}
