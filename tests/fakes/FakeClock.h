#pragma once
// A clock that moves only when the test moves it.
#include "platform/Clock.h"

#include <cstdio>

namespace orvane::fakes {

class FakeClock : public platform::Clock {
public:
    std::int64_t PerformanceCounter() override { return counter; }
    std::int64_t PerformanceFrequency() override { return frequency; }
    platform::LocalDateTime LocalTime() override { return now; }
    // One fixed format, day first, so that tests can tell day from month.
    std::string DateTimeText(const platform::LocalDateTime& t) override {
        char text[64];
        std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour, t.minute,
                      t.second);
        return text;
    }
    std::string TimeText(const platform::LocalDateTime& t) override {
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour % 100, t.minute % 100, t.second % 100);
        return text;
    }
    std::string DateText(const platform::LocalDateTime& t) override {
        char text[16];
        std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.day % 100, t.month % 100, t.year % 10000);
        return text;
    }

    // Moves the performance counter on by the given microseconds.
    void AdvanceMicroseconds(std::int64_t us) { counter += us * frequency / 1'000'000; }

    std::int64_t counter = 0;
    std::int64_t frequency = 3'579'545; // the ACPI timer's rate, a common real value
    platform::LocalDateTime now{2026, 12, 2, 8, 12, 0, 0, 0};
};

} // namespace orvane::fakes
