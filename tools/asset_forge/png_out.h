// Writing the pictures as PNG files: 8 bits per channel, not interlaced, rows unfiltered so that
// the game inflates them as fast as possible at start-up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// channels: 3 writes colour type 2 (RGB), 4 writes colour type 6 (RGBA).
bool WritePng(const std::string& path, int width, int height, int channels, const std::vector<uint8_t>& pixels);
