#include "platform/timers.h"

#include <algorithm>

static bool IsValidTimer(int32_t timer) { return timer >= 0 && timer < kTimerCount; }

void StartTimer(TimerSet& set, int32_t timer, int64_t periodMs, int64_t nowMs)
{
    if (!IsValidTimer(timer)) return;
    const int64_t period = std::max<int64_t>(periodMs, 1);
    set.timers[static_cast<size_t>(timer)] = {true, period, nowMs + period};
}

void StopTimer(TimerSet& set, int32_t timer)
{
    if (IsValidTimer(timer)) set.timers[static_cast<size_t>(timer)].running = false;
}

bool IsTimerRunning(const TimerSet& set, int32_t timer)
{
    return IsValidTimer(timer) && set.timers[static_cast<size_t>(timer)].running;
}

static std::optional<int32_t> EarliestTimer(const TimerSet& set)
{
    std::optional<int32_t> earliest;
    for (int32_t i = 0; i < kTimerCount; ++i) {
        const Timer& timer = set.timers[static_cast<size_t>(i)];
        if (timer.running && (!earliest || timer.nextDueMs < set.timers[static_cast<size_t>(*earliest)].nextDueMs)) {
            earliest = i;
        }
    }
    return earliest;
}

std::optional<int64_t> TimeUntilNextTimer(const TimerSet& set, int64_t nowMs)
{
    const std::optional<int32_t> earliest = EarliestTimer(set);
    if (!earliest) return std::nullopt;
    return std::max<int64_t>(0, set.timers[static_cast<size_t>(*earliest)].nextDueMs - nowMs);
}

std::optional<int32_t> TakeDueTimer(TimerSet& set, int64_t nowMs)
{
    const std::optional<int32_t> earliest = EarliestTimer(set);
    if (!earliest) return std::nullopt;
    Timer& timer = set.timers[static_cast<size_t>(*earliest)];
    if (timer.nextDueMs > nowMs) return std::nullopt;
    timer.nextDueMs += timer.periodMs;
    if (timer.nextDueMs <= nowMs) {
        const int64_t missed = (nowMs - timer.nextDueMs) / timer.periodMs + 1;
        timer.nextDueMs += missed * timer.periodMs;
    }
    return earliest;
}
