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

TEST(Win32Clock, DateTimeTextShowsTheGivenDateAndTime) {
    Win32Clock clock;
    // Whatever the user's formats, the day, the minutes and the seconds show.
    const std::string text = clock.DateTimeText({2031, 11, 0, 23, 19, 47, 5, 0});
    EXPECT_NE(text.find("23"), std::string::npos) << text;
    EXPECT_NE(text.find("47"), std::string::npos) << text;
    EXPECT_NE(text.find("05"), std::string::npos) << text;
    EXPECT_NE(text.find(' '), std::string::npos) << text;
}

} // namespace
} // namespace orvane::platform::win32
