#include "shapes.h"

#include <algorithm>

float SdCircle(Vec2 p, Vec2 centre, float radius) { return Length(p - centre) - radius; }

float SdCapsule(Vec2 p, Vec2 a, Vec2 b, float radius) {
    Vec2 pa = p - a;
    Vec2 ba = b - a;
    float len2 = Dot(ba, ba);
    float h = len2 > 0 ? std::clamp(Dot(pa, ba) / len2, 0.0f, 1.0f) : 0.0f;
    return Length(pa - ba * h) - radius;
}

// The exact distance to the convex hull of two circles (a cone with round caps).
float SdTaperedCapsule(Vec2 p, Vec2 a, Vec2 b, float ra, float rb) {
    Vec2 ba = b - a;
    float l = Length(ba);
    if (l <= std::fabs(ra - rb)) return std::min(SdCircle(p, a, ra), SdCircle(p, b, rb));
    Vec2 axis = ba * (1.0f / l);
    Vec2 q = p - a;
    float along = Dot(q, axis);
    float across = std::fabs(Cross(axis, q));
    float sinT = (ra - rb) / l;
    float cosT = std::sqrt(1.0f - sinT * sinT);
    float k = -sinT * across + cosT * along;
    if (k < 0.0f) return SdCircle(p, a, ra);
    if (k > cosT * l) return SdCircle(p, b, rb);
    return across * cosT + along * sinT - ra;
}

float SdRoundedBox(Vec2 p, Vec2 centre, Vec2 halfSize, float cornerRadius) {
    Vec2 q{std::fabs(p.x - centre.x) - halfSize.x + cornerRadius, std::fabs(p.y - centre.y) - halfSize.y + cornerRadius};
    Vec2 outside{std::max(q.x, 0.0f), std::max(q.y, 0.0f)};
    return Length(outside) + std::min(std::max(q.x, q.y), 0.0f) - cornerRadius;
}

void Polygon::Finish() {
    minX = minY = 1e30f;
    maxX = maxY = -1e30f;
    for (Vec2 v : points) {
        minX = std::min(minX, v.x);
        minY = std::min(minY, v.y);
        maxX = std::max(maxX, v.x);
        maxY = std::max(maxY, v.y);
    }
}

float Polygon::Distance(Vec2 p) const {
    size_t n = points.size();
    float d2 = 1e30f;
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        Vec2 a = points[j];
        Vec2 b = points[i];
        Vec2 e = b - a;
        Vec2 w = p - a;
        float len2 = Dot(e, e);
        float h = len2 > 0 ? std::clamp(Dot(w, e) / len2, 0.0f, 1.0f) : 0.0f;
        Vec2 d = w - e * h;
        d2 = std::min(d2, Dot(d, d));
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * e.x / e.y) inside = !inside;
    }
    float d = std::sqrt(d2);
    return inside ? -d : d;
}

Polygon StarPolygon(Vec2 centre, int points, float outer, float inner, float angle) {
    Polygon poly;
    for (int i = 0; i < points * 2; ++i) {
        float r = (i % 2 == 0) ? outer : inner;
        poly.points.push_back(centre + Polar(r, angle + kPi * static_cast<float>(i) / static_cast<float>(points)));
    }
    poly.Finish();
    return poly;
}

Polygon LeafPolygon(Vec2 base, Vec2 tip, float width, int steps) {
    Vec2 axis = tip - base;
    Vec2 side = Normalised(Perp(axis)) * (width * 0.5f);
    Polygon poly;
    for (int i = 0; i <= steps; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(steps);
        float bulge = std::sin(kPi * t) * (1.0f - 0.25f * t);  // fuller near the base, pointed at the tip
        poly.points.push_back(base + axis * t + side * bulge);
    }
    for (int i = steps - 1; i > 0; --i) {
        float t = static_cast<float>(i) / static_cast<float>(steps);
        float bulge = std::sin(kPi * t) * (1.0f - 0.25f * t);
        poly.points.push_back(base + axis * t - side * bulge);
    }
    poly.Finish();
    return poly;
}
