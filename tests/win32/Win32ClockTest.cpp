#include "platform/Clock.h"
#include "platform/win32/Win32Clock.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace orvane::platform::win32 {
namespace {

TEST(Win32Clock, PerformanceCounterAdvancesAtItsFrequency) {
    Win32Clock clock;
    const std::int64_t frequency = clock.PerformanceFrequency();
    ASSERT_GT(frequency, 0);
    const std::int64_t start = clock.PerformanceCounter();
    Sleep(20);
    const std::int64_t elapsed = clock.PerformanceCounter() - start;
    // At least the 20 ms slept; a loose upper bound catches a wrong frequency.
    EXPECT_GE(elapsed * 1000 / frequency, 15);
    EXPECT_LT(elapsed * 1000 / frequency, 5000);
}

TEST(Win32Clock, LocalTimeIsTheSystemsLocalTime) {
    Win32Clock clock;
    SYSTEMTIME expected;
    GetLocalTime(&expected);
    LocalDateTime now = clock.LocalTime();
    EXPECT_EQ(now.year, expected.wYear);
    EXPECT_EQ(now.month, expected.wMonth);
    EXPECT_EQ(now.day, expected.wDay);
    EXPECT_GE(DayNumber(now.year, now.month, now.day), DayNumber(2024, 1, 1));
}

} // namespace
} // namespace orvane::platform::win32
