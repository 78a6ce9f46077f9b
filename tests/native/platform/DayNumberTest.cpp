#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace orvane::platform {
namespace {

TEST(DayNumber, CountsWholeDaysFromTheLastDaysOf1899) {
    EXPECT_EQ(DayNumber(1899, 12, 30), 0.0);
    EXPECT_EQ(DayNumber(1900, 1, 1), 2.0);
    // 1900 was no leap year; 2000 was.
    EXPECT_EQ(DayNumber(1900, 3, 1), 61.0);
    EXPECT_EQ(DayNumber(2000, 1, 1), 36526.0);
    EXPECT_EQ(DayNumber(2000, 3, 1), 36586.0);
    EXPECT_EQ(DayNumber(2026, 12, 8), 46364.0);
    EXPECT_EQ(DayNumber(1899, 12, 29), -1.0);
}

} // namespace
} // namespace orvane::platform
