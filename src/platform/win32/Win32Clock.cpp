#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace orvane::platform::win32 {

std::int64_t Win32Clock::PerformanceCounter() {
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

std::int64_t Win32Clock::PerformanceFrequency() {
    LARGE_INTEGER value;
    if (!QueryPerformanceFrequency(&value) || value.QuadPart <= 0) return 1000;
    return value.QuadPart;
}

LocalDateTime Win32Clock::LocalTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

namespace {

SYSTEMTIME SystemTime(const LocalDateTime& time) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(time.year);
    t.wMonth = static_cast<WORD>(time.month);
    t.wDayOfWeek = static_cast<WORD>(time.dayOfWeek);
    t.wDay = static_cast<WORD>(time.day);
    t.wHour = static_cast<WORD>(time.hour);
    t.wMinute = static_cast<WORD>(time.minute);
    t.wSecond = static_cast<WORD>(time.second);
    t.wMilliseconds = static_cast<WORD>(time.millisecond);
    return t;
}

} // namespace

std::string Win32Clock::DateTimeText(const LocalDateTime& time) { return DateText(time) + " " + TimeText(time); }

std::string Win32Clock::TimeText(const LocalDateTime& time) {
    const SYSTEMTIME t = SystemTime(time);
    char text[128] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, text, sizeof text);
    return text;
}

std::string Win32Clock::DateText(const LocalDateTime& time) {
    const SYSTEMTIME t = SystemTime(time);
    char text[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, sizeof text);
    return text;
}

} // namespace orvane::platform::win32
