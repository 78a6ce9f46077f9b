#pragma once
// Time as the program reads it: the high-resolution performance counter (for
// pulse timing on the serial line) and the local date and time.
#include <cstdint>
#include <string>

namespace orvane::platform {

// Mirrors SYSTEMTIME: local wall-clock time.
struct LocalDateTime {
    int year = 0;
    int month = 0;       // 1..12
    int dayOfWeek = 0;   // 0 = Sunday
    int day = 0;         // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    bool operator==(const LocalDateTime&) const = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t PerformanceCounter() = 0;
    // Counts per second; never 0.
    virtual std::int64_t PerformanceFrequency() = 0;
    virtual LocalDateTime LocalTime() = 0;
    // The date in the user's short date format, a blank, and the time in the
    // user's long time format.
    virtual std::string DateTimeText(const LocalDateTime& time) = 0;
    // The time in the user's long time format; the date in the short format.
    virtual std::string TimeText(const LocalDateTime& time) = 0;
    virtual std::string DateText(const LocalDateTime& time) = 0;
};

// Whole days since 30 December 1899, the date form stored in the settings.
double DayNumber(int year, int month, int day);

} // namespace orvane::platform
