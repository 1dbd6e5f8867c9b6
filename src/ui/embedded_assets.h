// The artwork and the sound built into the executable, as the bytes of their files.
#pragma once

#include <cstddef>
#include <cstdint>

struct AssetBytes {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

struct EmbeddedAssets {
    AssetBytes logo;       // "brackenwold.png"
    AssetBytes title;      // "title.png"
    AssetBytes explosion;  // "explosion.png", the 8 x 8 animation sheet
    AssetBytes flag;       // "flag.png"
    AssetBytes mine;       // "mine.png"
    AssetBytes icon;       // "icon.png", with alpha
    AssetBytes sound;      // "explosion.ogg"
};

// The assets the build put into the executable.
EmbeddedAssets BuiltInAssets();
