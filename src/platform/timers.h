// The two numbered window timers, kept as deadlines on the monotonic clock. The window layer waits
// until the earliest deadline; a timer that fell due several times while the program was busy
// yields a single event.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

constexpr int32_t kSplashTimer = 0;
constexpr int32_t kClockTimer = 1;
constexpr int32_t kTimerCount = 2;

struct Timer {
    bool running = false;
    int64_t periodMs = 0;
    int64_t nextDueMs = 0;
};

struct TimerSet {
    std::array<Timer, kTimerCount> timers;
};

void StartTimer(TimerSet& set, int32_t timer, int64_t periodMs, int64_t nowMs);
void StopTimer(TimerSet& set, int32_t timer);
bool IsTimerRunning(const TimerSet& set, int32_t timer);
// Milliseconds until the earliest deadline (0 when one is due), or nothing when no timer runs.
std::optional<int64_t> TimeUntilNextTimer(const TimerSet& set, int64_t nowMs);
// The timer due at nowMs with the earliest deadline, if any. Its deadline moves on by whole
// periods past nowMs, so a stall gives one late tick instead of a burst.
std::optional<int32_t> TakeDueTimer(TimerSet& set, int64_t nowMs);
