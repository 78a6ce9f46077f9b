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

} // namespace orvane::platform::win32
