// The three best-time tables (easy, medium, hard): ten slots in ascending order of time plus a
// spare used while inserting.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct BestTimeEntry {
    std::string name;
    int64_t time = 0;  // milliseconds
    bool operator==(const BestTimeEntry&) const = default;
};

constexpr int32_t kBestTimeSlots = 10;  // shown and saved
constexpr int32_t kBestTimeTableCount = 3;

struct BestTimeTable {
    std::array<BestTimeEntry, kBestTimeSlots + 1> slots;  // slot 10 is the spare
};

using BestTimeTables = std::array<BestTimeTable, kBestTimeTableCount>;

// Every table with its ten default entries, the spare empty.
BestTimeTables DefaultBestTimeTables();
