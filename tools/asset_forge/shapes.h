// Signed distance functions (negative inside, in pixels) for the shapes the artwork is built from.
#pragma once

#include <cmath>
#include <vector>

struct Vec2 {
    float x = 0;
    float y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float k) { return {a.x * k, a.y * k}; }
inline float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float Cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }
inline float Length(Vec2 a) { return std::sqrt(Dot(a, a)); }
inline Vec2 Normalised(Vec2 a) {
    float l = Length(a);
    return l > 0 ? a * (1.0f / l) : Vec2{};
}
inline Vec2 Perp(Vec2 a) { return {-a.y, a.x}; }
inline Vec2 Polar(float radius, float angle) { return {radius * std::cos(angle), radius * std::sin(angle)}; }

constexpr float kPi = 3.14159265358979f;

float SdCircle(Vec2 p, Vec2 centre, float radius);
// A stroke from a to b with round ends.
float SdCapsule(Vec2 p, Vec2 a, Vec2 b, float radius);
// A stroke whose radius changes linearly from ra at a to rb at b (round ends).
float SdTaperedCapsule(Vec2 p, Vec2 a, Vec2 b, float ra, float rb);
float SdRoundedBox(Vec2 p, Vec2 centre, Vec2 halfSize, float cornerRadius);

// A closed polygon of any shape (even-odd inside test, exact distance to the edges).
struct Polygon {
    std::vector<Vec2> points;
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
    void Finish();  // computes the bounds
    float Distance(Vec2 p) const;
};

// A star of `points` rays between the inner and outer radius, first ray at `angle`.
Polygon StarPolygon(Vec2 centre, int points, float outer, float inner, float angle);
// A pointed leaf: two arcs meeting at base and tip, `width` across at the middle.
Polygon LeafPolygon(Vec2 base, Vec2 tip, float width, int steps = 24);
