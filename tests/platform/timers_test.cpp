#include <gtest/gtest.h>

#include "platform/timers.h"

namespace {

TEST(Timers, NoTimerMeansWaitingWithoutLimit)
{
    TimerSet set;
    EXPECT_FALSE(TimeUntilNextTimer(set, 0));
    EXPECT_FALSE(TakeDueTimer(set, 1'000'000));
}

TEST(Timers, FireOnTheirPeriodEarliestFirst)
{
    TimerSet set;
    StartTimer(set, kSplashTimer, 1000, 0);
    StartTimer(set, kClockTimer, 166, 0);
    EXPECT_EQ(TimeUntilNextTimer(set, 100), 66);
    EXPECT_FALSE(TakeDueTimer(set, 165));
    EXPECT_EQ(TakeDueTimer(set, 166), kClockTimer);
    EXPECT_EQ(TimeUntilNextTimer(set, 166), 166);

    // Both due: the earlier deadline comes first, then the other, each once.
    EXPECT_EQ(TakeDueTimer(set, 1000), kClockTimer);
    EXPECT_EQ(TakeDueTimer(set, 1000), kSplashTimer);
    EXPECT_FALSE(TakeDueTimer(set, 1000));
}

TEST(Timers, AStallGivesOneLateTickNotABurst)
{
    TimerSet set;
    StartTimer(set, kClockTimer, 166, 0);
    EXPECT_EQ(TakeDueTimer(set, 5000), kClockTimer);  // thirty periods missed
    EXPECT_FALSE(TakeDueTimer(set, 5000));
    // The next deadline stays on the period grid: 31 x 166 = 5146.
    EXPECT_EQ(TimeUntilNextTimer(set, 5000), 146);
}

TEST(Timers, StoppedTimersNeverFire)
{
    TimerSet set;
    StartTimer(set, kSplashTimer, 1000, 0);
    StopTimer(set, kSplashTimer);
    EXPECT_FALSE(IsTimerRunning(set, kSplashTimer));
    EXPECT_FALSE(TakeDueTimer(set, 10'000));
    StartTimer(set, 7, 10, 0);  // numbers the window does not have are ignored
    EXPECT_FALSE(TimeUntilNextTimer(set, 0));
}

}  // namespace
