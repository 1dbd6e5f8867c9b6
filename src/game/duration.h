#pragma once

#include <cstdint>
#include <string>

// Milliseconds as H:MM:SS: whole seconds, hours without leading zeros and without limit.
std::string FormatDuration(int64_t milliseconds);
