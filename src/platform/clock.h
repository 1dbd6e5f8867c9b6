// Time: the monotonic millisecond counter and local date and time with the program's masks.
#pragma once

#include <cstdint>
#include <string>

int64_t MonotonicMs();

struct LocalDateTime {
    int32_t year = 0;
    int32_t month = 0;  // 1 to 12
    int32_t day = 0;
    int32_t hour = 0;  // 0 to 23
    int32_t minute = 0;
    int32_t second = 0;
};

LocalDateTime LocalNow();
// Replaces %yyyy (four-digit year) and %mm, %dd, %hh, %ii, %ss (two digits each: month, day,
// hour, minute, second); everything else stands as it is.
std::string FormatDateTime(const std::string& mask, const LocalDateTime& time);
