// The studio logo: a round badge with an unfurling bracken frond over rolling hills, the studio's
// name set beside it, and its web address below, all in white on the studio blue.
#include <algorithm>
#include <cmath>
#include <vector>

#include "artwork.h"
#include "shapes.h"
#include "text.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

Vec2 Bezier(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, float t) {
    float u = 1.0f - t;
    return p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t);
}

// A point on the frond's centre line with the stroke's radius there, in badge units
// (the badge's radius is 1, its centre the origin, y down).
struct StemPoint {
    Vec2 p;
    float radius;
};

// The frond: a stem rising from the hill, bending over to the right and rolling into a fiddlehead.
std::vector<StemPoint> FrondLine() {
    std::vector<StemPoint> line;
    const Vec2 p0{-0.06f, 0.66f}, p1{-0.16f, 0.10f}, p2{-0.15f, -0.54f}, p3{0.10f, -0.60f};
    const int stemSteps = 120;
    for (int i = 0; i <= stemSteps; ++i) {
        float t = static_cast<float>(i) / stemSteps;
        line.push_back({Bezier(p0, p1, p2, p3, t), 0.046f - 0.012f * t});
    }
    // The curl: a spiral that starts at the stem's end heading right and winds inward clockwise.
    const float r0 = 0.185f;
    const Vec2 centre{p3.x, p3.y + r0};
    const int curlSteps = 200;
    const float turns = 1.55f;
    for (int i = 1; i <= curlSteps; ++i) {
        float f = static_cast<float>(i) / curlSteps;
        float phi = f * turns * 2.0f * kPi;
        float r = r0 * std::exp(-0.32f * phi);
        float angle = -kPi / 2 + phi;
        line.push_back({centre + Polar(r, angle), 0.034f - 0.018f * f});
    }
    return line;
}

struct Leaf {
    Vec2 base;
    Vec2 tip;
    float width;
};

// Paired leaflets along the stem, longest low down, shrinking toward the curl, reaching outward
// and a little upward.
std::vector<Leaf> FrondLeaves(const std::vector<StemPoint>& line) {
    std::vector<Leaf> leaves;
    const int stemSteps = 120;
    const int pairs = 7;
    for (int k = 0; k < pairs; ++k) {
        float t = 0.30f + 0.54f * static_cast<float>(k) / (pairs - 1);
        int i = static_cast<int>(t * stemSteps);
        Vec2 tangent = Normalised(line[std::min(i + 2, stemSteps)].p - line[std::max(i - 2, 0)].p);
        Vec2 normal = Perp(tangent);  // points to the stem's right-hand side
        float length = 0.30f - 0.26f * (t - 0.30f) / 0.54f;
        for (int side = -1; side <= 1; side += 2) {
            // The left-hand leaflets sit a little higher than the right, as they grow alternately.
            Vec2 at = line[std::min(i + (side < 0 ? 4 : 0), stemSteps)].p;
            Vec2 dir = Normalised(normal * static_cast<float>(side) + tangent * 0.75f);
            leaves.push_back({at, at + dir * length, length * 0.38f});
        }
    }
    return leaves;
}

// Curves of the two hills: the height of the ground at x, in badge units (y down).
float FrontHill(float x) { return 0.60f - 0.12f * std::exp(-std::pow((x + 0.25f) / 0.55f, 2.0f)); }
float BackHill(float x) { return 0.50f - 0.20f * std::exp(-std::pow((x - 0.42f) / 0.42f, 2.0f)); }

// Signed distance below a curve y = f(x), approximated through its slope, in badge units.
template <class F>
float BelowCurve(F f, float x, float y) {
    const float h = 0.002f;
    float slope = (f(x + h) - f(x - h)) / (2 * h);
    return (f(x) - y) / std::sqrt(1.0f + slope * slope);
}

// The badge, centred at (cx, cy) with outer radius `radius`, into the two masks: full white and
// the paler back hill.
void AddBadge(Mask& white, Mask& pale, float cx, float cy, float radius) {
    const Vec2 c{cx, cy};
    const float ring = 0.075f;   // ring thickness, badge units
    const float inner = 0.86f;   // radius of the inside field
    const float gap = 0.028f;    // blue gap between shapes
    Box box = BoxAround(cx, cy, radius);
    auto local = [&](float x, float y) { return Vec2{(x - cx) / radius, (y - cy) / radius}; };

    white.Union(box, [&](float x, float y) {
        float d = std::fabs(Length(Vec2{x, y} - c) / radius - (1.0f - ring / 2)) - ring / 2;
        return d * radius;
    });

    std::vector<StemPoint> line = FrondLine();
    std::vector<Leaf> leaves = FrondLeaves(line);
    std::vector<Polygon> leafShapes;
    for (const Leaf& leaf : leaves) leafShapes.push_back(LeafPolygon(leaf.base, leaf.tip, leaf.width, 20));

    // The frond's distance field, badge units; each piece is checked only near its own bounds.
    auto frond = [&](Vec2 q) {
        float d = 1e9f;
        for (size_t i = 1; i < line.size(); ++i) {
            const StemPoint& a = line[i - 1];
            const StemPoint& b = line[i];
            if (std::fabs(q.x - a.p.x) > 0.12f || std::fabs(q.y - a.p.y) > 0.12f) continue;
            d = std::min(d, SdTaperedCapsule(q, a.p, b.p, a.radius, b.radius));
        }
        for (const Polygon& poly : leafShapes) {
            if (q.x < poly.minX - 0.05f || q.x > poly.maxX + 0.05f || q.y < poly.minY - 0.05f || q.y > poly.maxY + 0.05f)
                continue;
            d = std::min(d, poly.Distance(q));
        }
        return d;
    };

    // Inside the field: the frond and the front hill in white, the back hill paler behind them,
    // with a fine gap of blue wherever a white shape passes in front of it.
    Box innerBox = BoxAround(cx, cy, radius * inner);
    innerBox = {std::max(innerBox.x0, 0), std::max(innerBox.y0, 0), std::min(innerBox.x1, white.Width()),
                std::min(innerBox.y1, white.Height())};
    for (int y = innerBox.y0; y < innerBox.y1; ++y)
        for (int x = innerBox.x0; x < innerBox.x1; ++x) {
            Vec2 q = local(x + 0.5f, y + 0.5f);
            float inside = (Length(q) - inner) * radius;
            float front = std::min(frond(q), BelowCurve(FrontHill, q.x, q.y));
            float dFront = std::max(front * radius, inside);
            float dBack = std::max({BelowCurve(BackHill, q.x, q.y) * radius, inside, -(front - gap) * radius});
            float& w = white.At(x, y);
            w = std::max(w, Coverage(dFront));
            float& p = pale.At(x, y);
            p = std::max(p, Coverage(dBack));
        }
}

void Stamp(Mask& target, const TextMask& text, int ox, int oy) {
    for (int y = 0; y < text.mask.Height(); ++y)
        for (int x = 0; x < text.mask.Width(); ++x) {
            int tx = x + ox, ty = y + oy;
            if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
            float& m = target.At(tx, ty);
            m = std::max(m, text.mask.At(x, y));
        }
}

// Extra letter spacing that makes the text's ink exactly `width` wide.
float TrackingToWidth(const std::string& text, int size, float width) {
    TextMask plain = RenderText(text, size, 0.0f);
    float natural = static_cast<float>(plain.ink.x1 - plain.ink.x0);
    return (width - natural) / static_cast<float>(text.size() - 1);
}

}  // namespace

Canvas PaintStudioLogo() {
    const float badgeRadius = 400.0f;
    const int nameSize = 290;
    TextMask name = RenderText("brackenwold", nameSize, nameSize * 0.01f);
    int nameW = name.ink.x1 - name.ink.x0;
    const int subSize = 200;
    TextMask sub = RenderText("game studio", subSize, TrackingToWidth("game studio", subSize, static_cast<float>(nameW)));
    const int webSize = 78;
    TextMask web = RenderText("www.brackenwold.example", webSize, webSize * 0.06f);

    // Horizontal lockup: badge, gap, text block; the whole group centred on the picture.
    const float gapX = 150.0f;
    float groupW = 2 * badgeRadius + gapX + static_cast<float>(nameW);
    float left = (kWidth - groupW) / 2;
    float cy = kHeight * 0.46f;
    float cx = left + badgeRadius;

    Mask white(kWidth, kHeight);
    Mask pale(kWidth, kHeight);
    AddBadge(white, pale, cx, cy, badgeRadius);

    // The name's x-height and the line below it are centred on the badge as one block.
    int textLeft = static_cast<int>(left + 2 * badgeRadius + gapX);
    int nameInkH = name.ink.y1 - name.ink.y0;
    int subInkH = sub.ink.y1 - sub.ink.y0;
    int lineGap = static_cast<int>(nameSize * 0.26f);
    int blockH = nameInkH + lineGap + subInkH;
    int blockTop = static_cast<int>(cy) - blockH / 2;
    Stamp(white, name, textLeft - name.ink.x0, blockTop - name.ink.y0);
    Stamp(white, sub, textLeft - sub.ink.x0, blockTop + nameInkH + lineGap - sub.ink.y0);

    int webW = web.ink.x1 - web.ink.x0;
    int webBaseline = static_cast<int>(kHeight * 0.88f);
    Stamp(white, web, (kWidth - webW) / 2 - web.ink.x0, webBaseline - web.baseline);

    Canvas canvas(kWidth, kHeight, kLogoBlue);
    canvas.PaintMask(pale, 0, 0, kWhite, 0.42f);
    canvas.PaintMask(white, 0, 0, kWhite);
    return canvas;
}
