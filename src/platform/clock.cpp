#include "platform/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>

int64_t MonotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

LocalDateTime LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::string FormatDateTime(const std::string& mask, const LocalDateTime& time)
{
    struct Field {
        std::string_view token;
        int32_t value;
        int width;
    };
    const Field fields[] = {{"%yyyy", time.year, 4}, {"%mm", time.month, 2}, {"%dd", time.day, 2},
                            {"%hh", time.hour, 2},   {"%ii", time.minute, 2}, {"%ss", time.second, 2}};
    std::string text;
    for (size_t i = 0; i < mask.size();) {
        bool replaced = false;
        for (const Field& field : fields) {
            if (std::string_view(mask).substr(i, field.token.size()) == field.token) {
                char digits[16];
                std::snprintf(digits, sizeof digits, "%0*d", field.width, static_cast<int>(field.value));
                text += digits;
                i += field.token.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) text += mask[i++];
    }
    return text;
}
