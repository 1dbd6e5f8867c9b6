// Named rectangles of the canvas: the buttons and text fields that clicks and hover look up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Hotspot {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Hotspot&) const = default;
};

struct NamedHotspot {
    std::string name;
    Hotspot rect;
};

// Every name the program uses, registered once with a cleared rectangle; iteration follows
// registration order.
struct HotspotRegistry {
    std::vector<NamedHotspot> entries;
};

HotspotRegistry MakeHotspotRegistry();

// The first hotspot that holds (x, y) strictly inside its edges, or the empty text.
std::string_view HotspotAt(const HotspotRegistry& registry, int32_t x, int32_t y);
// The rectangle of a name; a cleared one for a name the registry does not hold.
Hotspot FindHotspot(const HotspotRegistry& registry, std::string_view name);
void SetHotspot(HotspotRegistry& registry, std::string_view name, const Hotspot& rect);
void ClearHotspot(HotspotRegistry& registry, std::string_view name);
