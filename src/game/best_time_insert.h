// Entering a new best time: whether a winning time earns a place in its table, and putting it
// there with the player's name. Only the tables in memory change; they are saved at shutdown.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/best_times.h"

// A winning time earns a place when it is below the tenth entry's time (strictly, as the table
// stands: it is not sorted first).
bool QualifiesForTable(const BestTimeTable& table, int64_t time);
// Puts the entry into the spare slot and sorts all eleven slots by ascending time, keeping equal
// times in their order, so a new time equal to an old one goes after it. Slots 0 to 9 are then the
// table; what ends in slot 10 has dropped out.
void InsertBestTime(BestTimeTable& table, const std::string& name, int64_t time);
// The name as stored: trailing spaces removed, leading ones kept.
std::string TrimTrailingSpaces(std::string_view name);
// UTF-8 of a text of characters; anything that is no Unicode scalar value becomes U+FFFD.
std::string Utf8FromUtf32(std::u32string_view text);
