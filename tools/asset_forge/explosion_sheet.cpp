// The explosion animation: 64 frames of 52 x 52 on the covered tile's colour, eight to a row.
// A spark flares into a white and yellow burst, swells into an orange fireball throwing sparks,
// breaks up into embers and sooty smoke, and the last row is grey smoke thinning away.
//
// Each frame is a function of its number: the fireball's size, heat and break-up, the smoke's
// thickness and the sparks' flight all follow smooth curves over the 64 frames, and the textures
// come from seeded noise that drifts from frame to frame, so the frames play as one motion.
// Everything fades to nothing before the frame's edge, so the tile colour there stays exact.
#include <algorithm>
#include <cmath>
#include <vector>

#include "artwork.h"
#include "noise.h"
#include "shapes.h"

namespace {

constexpr int kCell = 52;
constexpr int kFrames = 64;
constexpr int kSuper = 4;
constexpr float kHalf = kCell / 2.0f;
constexpr float kRim = 24.5f;  // nothing is drawn further than this from the centre

struct HeatStop {
    float t;
    Colour c;
};

// Flame colour by temperature: white hot, yellow, orange, red, then dark soot.
Colour FlameColour(float t) {
    static const HeatStop stops[] = {
        {0.00f, Rgb(58, 52, 48)},   {0.18f, Rgb(92, 44, 30)},   {0.30f, Rgb(160, 46, 20)},
        {0.42f, Rgb(222, 84, 22)},  {0.55f, Rgb(250, 146, 30)}, {0.68f, Rgb(255, 206, 60)},
        {0.80f, Rgb(255, 240, 150)}, {0.92f, Rgb(255, 255, 238)}, {1.00f, Rgb(255, 255, 255)},
    };
    if (t <= stops[0].t) return stops[0].c;
    for (size_t i = 1; i < std::size(stops); ++i)
        if (t <= stops[i].t) return Mix(stops[i - 1].c, stops[i].c, (t - stops[i - 1].t) / (stops[i].t - stops[i - 1].t));
    return stops[std::size(stops) - 1].c;
}

// The fireball's radius in frame pixels: a fast swell that settles.
float FireRadius(float n) { return 1.2f + 18.0f * (1.0f - std::exp(-n / 7.5f)); }

// The heat at the fireball's heart: white for the first frames, cooling to red and out.
float CoreHeat(float n) {
    if (n < 7) return 1.05f;
    return std::max(0.0f, 1.05f - 0.62f * std::pow((n - 7) / 40.0f, 0.9f));
}

// How much of the fireball is left: whole until frame 30, then broken up and gone by frame 57.
float FireLeft(float n) { return 1.0f - SmoothStep(30.0f, 57.0f, n); }

// The smoke's thickness: rising as the fire cools, thinning away through the last row.
float SmokeAmount(float n) {
    float rise = SmoothStep(16.0f, 40.0f, n);
    float fade = n < 49 ? 1.0f : std::pow(1.0f - (n - 49.0f) / 16.0f, 1.5f);
    return 0.92f * rise * fade;
}

struct Spark {
    float angle;
    float speed;
    float born;
    float life;
    float size;
};

std::vector<Spark> MakeSparks() {
    Rng rng(0x5EA4C0DEu);
    std::vector<Spark> sparks;
    for (int i = 0; i < 26; ++i) {
        Spark s;
        s.angle = rng.Range(0.0f, 2.0f * kPi);
        s.speed = rng.Range(2.2f, 3.8f);
        s.born = rng.Range(3.0f, 10.0f);
        s.life = rng.Range(12.0f, 24.0f);
        s.size = rng.Range(0.55f, 1.0f);
        sparks.push_back(s);
    }
    return sparks;
}

// Fades everything to nothing toward the rim.
float RimFade(float r) { return 1.0f - SmoothStep(kRim - 3.5f, kRim, r); }

void PaintFrame(Canvas& c, int n, const std::vector<Spark>& sparks) {
    const float s = kSuper;
    const float fn = static_cast<float>(n);
    const Box all{0, 0, c.Width(), c.Height()};
    auto frameCoords = [&](float x, float y) { return Vec2{x / s - kHalf, y / s - kHalf}; };

    const float radius = FireRadius(fn);
    const float heat = CoreHeat(fn);
    const float left = FireLeft(fn);
    const float smoke = SmokeAmount(fn);

    // The glow of the flash, lighting the tile around the burst.
    const float glow = 0.75f * SmoothStep(0.0f, 3.0f, fn) * (1.0f - SmoothStep(5.0f, 22.0f, fn));
    if (glow > 0.0f) {
        float reach = std::min(radius * 2.1f + 3.0f, kRim);
        c.Shade(all, [&](float x, float y, Colour& col, float& a) {
            float r = Length(frameCoords(x, y));
            if (r >= reach) return;
            float u = r / reach;
            a = glow * (1.0f - u) * (1.0f - u) * RimFade(r);
            col = Rgb(255, 214, 120);
        });
    }

    // Smoke: billowing noise inside a slowly widening, rising cloud.
    if (smoke > 0.004f) {
        const float lift = 0.2f * std::max(0.0f, fn - 22.0f);
        const float cloud = std::min(radius + 0.16f * std::max(0.0f, fn - 20.0f), 23.0f);
        const float pale = SmoothStep(34.0f, 60.0f, fn);
        c.Shade(all, [&](float x, float y, Colour& col, float& a) {
            Vec2 p = frameCoords(x, y);
            float r = Length(p);
            Vec2 q{p.x, p.y + lift};
            // Billows: noise whose coordinates are themselves pushed about by noise.
            float wx = Fbm3(q.x / 9.0f, q.y / 9.0f, fn * 0.03f, 2, 0.5f, 55u);
            float wy = Fbm3(q.x / 9.0f + 4.1f, q.y / 9.0f, fn * 0.03f, 2, 0.5f, 56u);
            Vec2 w{q.x + 5.0f * wx, q.y + 5.0f * wy};
            float body = 1.0f - Length(w) / cloud;
            float billow = Fbm3(w.x / 6.0f, (w.y + fn * 0.45f) / 6.0f, fn * 0.06f, 4, 0.55f, 77u);
            float density = Clamp01((body + 0.7f * billow + 0.05f) * 2.6f);
            a = smoke * density * RimFade(r);
            // Lit from above: lighter on the upper side of each billow, darker beneath.
            float lit = Clamp01(0.5f + 0.9f * billow - 0.35f * q.y / cloud);
            Colour dark = Mix(Rgb(46, 43, 40), Rgb(92, 88, 84), lit);
            Colour light = Mix(Rgb(118, 115, 110), Rgb(182, 179, 174), lit);
            col = Mix(dark, light, pale);
        });
    }

    // The fireball: a turbulent ball whose ragged rim reaches out in tongues of flame, hottest in
    // its heart, breaking into patches as it burns out.
    if (left > 0.0f && heat > 0.0f) {
        // Hot gas rises: the ball drifts upward once it has swollen.
        const float fireLift = 0.1f * std::max(0.0f, fn - 14.0f);
        c.Shade(all, [&](float x, float y, Colour& col, float& a) {
            Vec2 p = frameCoords(x, y);
            float rim = Length(p);
            if (rim >= kRim) return;
            p.y += fireLift;
            float r = Length(p);
            float angle = std::atan2(p.y, p.x);
            float rough = std::min(1.0f, fn / 6.0f);
            float tongue = Fbm3(std::cos(angle) * 2.2f, std::sin(angle) * 2.2f, fn * 0.16f - r * 0.05f, 4, 0.6f, 13u);
            float edge = radius * (1.0f + 0.42f * rough * tongue);
            float u = r / std::max(edge, 0.5f);
            float body = Clamp01((1.0f - u) * 5.0f + 0.12f);
            if (body <= 0.0f) return;
            float grain = Fbm3(p.x / 4.5f, (p.y + fn * 0.6f) / 4.5f, fn * 0.12f, 4, 0.55f, 29u);
            float breakUp = 1.0f;
            if (left < 1.0f) {
                float threshold = (1.0f - left) * 1.25f - 0.55f;
                breakUp = SmoothStep(threshold - 0.1f, threshold + 0.25f, grain + 0.2f * (1.0f - u));
            }
            float t = heat * (0.55f + 0.52f * (1.0f - u * u)) + 0.16f * grain;
            t = std::min(t, 1.0f);
            a = body * breakUp * std::min(1.0f, left * 1.6f) * RimFade(rim);
            // Cool, thin fire turns to soot rather than covering the tile in dark red.
            a *= SmoothStep(0.14f, 0.36f, t);
            col = FlameColour(t);
        });
    }

    // The first instant: a tiny white point with a four-pointed glint.
    if (n < 8) {
        float fade = 1.0f - fn / 8.0f;
        Mask glint(c.Width(), c.Height());
        float len = std::min(5.0f + 3.0f * fn, kRim - 5.0f);
        for (int k = 0; k < 4; ++k) {
            float angle = kPi / 4 + k * kPi / 2 + 0.08f * fn;
            Vec2 centre{kHalf * s, kHalf * s};
            Vec2 tip = centre + Polar(len * s, angle);
            glint.Union(all, [&](float x, float y) { return SdTaperedCapsule({x, y}, centre, tip, 1.1f * s, 0.15f * s); });
            Vec2 tip2 = centre + Polar(len * 0.55f * s, angle + kPi / 4);
            glint.Union(all, [&](float x, float y) { return SdTaperedCapsule({x, y}, centre, tip2, 0.8f * s, 0.15f * s); });
        }
        glint.Union(all, [&](float x, float y) { return SdCircle({x, y}, {kHalf * s, kHalf * s}, (1.3f + 0.5f * fn) * s); });
        c.PaintMask(glint, 0, 0, Rgb(255, 255, 240), fade);
    }

    // Sparks thrown out of the burst, slowing as they fly and cooling from white to red.
    for (const Spark& sp : sparks) {
        float age = fn - sp.born;
        if (age < 0.0f || age > sp.life) continue;
        const float drag = 8.0f;
        float dist = sp.speed * drag * (1.0f - std::exp(-age / drag)) + 3.0f;
        float trail = std::min(dist - 2.0f, sp.speed * std::exp(-age / drag) * 2.2f + 0.6f);
        Vec2 dir = Polar(1.0f, sp.angle);
        // Sparks fall slightly as they fly.
        Vec2 head = dir * dist + Vec2{0.0f, 0.012f * age * age};
        Vec2 tail = dir * (dist - trail) + Vec2{0.0f, 0.012f * std::max(0.0f, age - 1.5f) * std::max(0.0f, age - 1.5f)};
        float reach = Length(head) + sp.size;
        if (reach > kRim) continue;
        Vec2 h{(head.x + kHalf) * s, (head.y + kHalf) * s};
        Vec2 t{(tail.x + kHalf) * s, (tail.y + kHalf) * s};
        float life = age / sp.life;
        Mask one(c.Width(), c.Height());
        float rad = sp.size * (1.0f - 0.4f * life) * s;
        one.Union(BoxAround(h.x, h.y, trail * s + rad + 2), [&](float x, float y) {
            return SdTaperedCapsule({x, y}, h, t, rad, rad * 0.3f);
        });
        Colour col = FlameColour(1.0f - 0.6f * life);
        c.PaintMask(one, 0, 0, col, (1.0f - SmoothStep(0.6f, 1.0f, life)) * RimFade(reach));
    }
}

}  // namespace

Canvas PaintExplosionSheet() {
    Canvas sheet(kCell * 8, kCell * 8, kBar);
    std::vector<Spark> sparks = MakeSparks();
    for (int n = 0; n < kFrames; ++n) {
        Canvas big(kCell * kSuper, kCell * kSuper, kBar);
        PaintFrame(big, n, sparks);
        sheet.Place(big.Downsample(kSuper), kCell * (n % 8), kCell * (n / 8));
    }
    return sheet;
}
