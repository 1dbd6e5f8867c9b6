#include "ui/hotspots.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 47> kHotspotNames = {
    "start", "settings", "topten", "about",
    "mines", "time", "besttime", "val_mines", "val_time", "val_besttime",
    "settings_language_plus", "settings_language_minus",
    "settings_boxsize_plus", "settings_boxsize_minus",
    "settings_difficulty_plus", "settings_difficulty_minus",
    "settings_columns_plus", "settings_columns_minus",
    "settings_rows_plus", "settings_rows_minus",
    "settings_mines_plus", "settings_mines_minus",
    "settings_sound_plus", "settings_sound_minus",
    "settings_centerwindow_plus", "settings_centerwindow_minus",
    "settings_language_value", "settings_boxsize_value", "settings_difficulty_value", "settings_columns_value",
    "settings_rows_value", "settings_mines_value", "settings_sound_value", "settings_centerwindow_value",
    "settings_columns", "settings_rows", "settings_mines",
    "settings_ok", "settings_cancel",
    "topten_ok", "topten_easy", "topten_medium", "topten_hard",
    "about_ok",
    "welldone_ok", "entername_ok", "gameover_ok",
};

NamedHotspot* Find(HotspotRegistry& registry, std::string_view name)
{
    for (NamedHotspot& entry : registry.entries) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

}  // namespace

HotspotRegistry MakeHotspotRegistry()
{
    HotspotRegistry registry;
    for (std::string_view name : kHotspotNames) registry.entries.push_back({std::string(name), {}});
    return registry;
}

std::string_view HotspotAt(const HotspotRegistry& registry, int32_t x, int32_t y)
{
    for (const NamedHotspot& entry : registry.entries) {
        const Hotspot& r = entry.rect;
        if (r.x < x && int64_t{x} < int64_t{r.x} + r.width && r.y < y && int64_t{y} < int64_t{r.y} + r.height) {
            return entry.name;
        }
    }
    return {};
}

Hotspot FindHotspot(const HotspotRegistry& registry, std::string_view name)
{
    for (const NamedHotspot& entry : registry.entries) {
        if (entry.name == name) return entry.rect;
    }
    return {};
}

void SetHotspot(HotspotRegistry& registry, std::string_view name, const Hotspot& rect)
{
    if (NamedHotspot* entry = Find(registry, name)) entry->rect = rect;
}

void ClearHotspot(HotspotRegistry& registry, std::string_view name) { SetHotspot(registry, name, {}); }
