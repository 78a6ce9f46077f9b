#pragma once
// A clock that moves only when the test moves it.
#include "platform/Clock.h"

namespace orvane::fakes {

class FakeClock : public platform::Clock {
public:
    std::int64_t PerformanceCounter() override { return counter; }
    std::int64_t PerformanceFrequency() override { return frequency; }
    platform::LocalDateTime LocalTime() override { return now; }

    // Moves the performance counter on by the given microseconds.
    void AdvanceMicroseconds(std::int64_t us) { counter += us * frequency / 1'000'000; }

    std::int64_t counter = 0;
    std::int64_t frequency = 3'579'545; // the ACPI timer's rate, a common real value
    platform::LocalDateTime now{2026, 12, 2, 8, 12, 0, 0, 0};
};

} // namespace orvane::fakes
