#include "game/duration.h"

#include <cstdio>

std::string FormatDuration(int64_t milliseconds)
{
    const int64_t seconds = milliseconds / 1000;
    char text[40];
    std::snprintf(text, sizeof text, "%lld:%02d:%02d", static_cast<long long>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return text;
}
