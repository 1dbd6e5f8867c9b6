#include <gtest/gtest.h>

#include <set>

#include "ui/hotspots.h"

namespace {

TEST(Hotspots, AllFortySevenNamesStartCleared)
{
    const HotspotRegistry registry = MakeHotspotRegistry();
    std::set<std::string> names;
    for (const NamedHotspot& entry : registry.entries) {
        names.insert(entry.name);
        EXPECT_EQ(entry.rect, Hotspot{}) << entry.name;
    }
    EXPECT_EQ(names.size(), 47u);
    EXPECT_EQ(registry.entries.size(), 47u);
    EXPECT_TRUE(HotspotAt(registry, 0, 0).empty());
}

TEST(Hotspots, EdgesAreStrict)
{
    HotspotRegistry registry = MakeHotspotRegistry();
    SetHotspot(registry, "settings", {100, 10, 50, 20});
    struct Case {
        int32_t x, y;
        bool hit;
    };
    const Case cases[] = {
        {100, 15, false}, {101, 15, true}, {149, 15, true}, {150, 15, false},
        {120, 10, false}, {120, 11, true}, {120, 29, true}, {120, 30, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HotspotAt(registry, c.x, c.y), c.hit ? "settings" : "") << c.x << "," << c.y;
    }
    ClearHotspot(registry, "settings");
    EXPECT_TRUE(HotspotAt(registry, 120, 15).empty());
}

TEST(Hotspots, ZeroWidthNeverAnswersAndUnknownNamesAreIgnored)
{
    HotspotRegistry registry = MakeHotspotRegistry();
    SetHotspot(registry, "start", {7, 15, 0, 19});
    EXPECT_TRUE(HotspotAt(registry, 7, 20).empty());
    SetHotspot(registry, "no_such_button", {0, 0, 100, 100});
    EXPECT_TRUE(HotspotAt(registry, 50, 50).empty());
    EXPECT_EQ(FindHotspot(registry, "no_such_button"), Hotspot{});
}

}  // namespace
