#include "game/best_time_insert.h"

#include <algorithm>

bool QualifiesForTable(const BestTimeTable& table, int64_t time)
{
    return time < table.slots[kBestTimeSlots - 1].time;
}

void InsertBestTime(BestTimeTable& table, const std::string& name, int64_t time)
{
    table.slots[kBestTimeSlots] = {name, time};
    std::stable_sort(table.slots.begin(), table.slots.end(),
                     [](const BestTimeEntry& a, const BestTimeEntry& b) { return a.time < b.time; });
}

std::string TrimTrailingSpaces(std::string_view name)
{
    const size_t end = name.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view() : name.substr(0, end + 1));
}

std::string Utf8FromUtf32(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
