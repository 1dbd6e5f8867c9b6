#include <gtest/gtest.h>

#include "platform/clock.h"

namespace {

TEST(Clock, MasksGiveZeroPaddedFields)
{
    const LocalDateTime december{2024, 12, 9, 14, 5, 33};
    const LocalDateTime may{2017, 5, 1, 3, 4, 0};
    struct Case {
        const char* mask;
        LocalDateTime time;
        const char* expected;
    };
    const Case cases[] = {
        {"%dd-%mm-%yyyy %hh-%ii-%ss", december, "09-12-2024 14-05-33"},
        {"%yyyy-%mm-%dd--%hh-%ii-%ss", may, "2017-05-01--03-04-00"},
        {"no fields, 100%", may, "no fields, 100%"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDateTime(c.mask, c.time), c.expected) << c.mask;
}

TEST(Clock, MonotonicTimeNeverGoesBack)
{
    const int64_t first = MonotonicMs();
    EXPECT_GE(MonotonicMs(), first);
}

}  // namespace
