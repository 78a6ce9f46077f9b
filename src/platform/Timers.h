#pragma once
// Periodic timers that fire on the user-interface thread, as Win32's SetTimer
// does on a window. A timer fires every interval until it is killed.
#include <cstdint>
#include <functional>

namespace orvane::platform {

using TimerId = std::uint32_t; // 0 is no timer

class TimerService {
public:
    virtual ~TimerService() = default;
    // Starts a timer that calls onTick every intervalMs milliseconds, counted
    // from now. Returns 0 when no timer could be made.
    virtual TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) = 0;
    // Stops it; unknown ids are ignored. Safe to call from inside onTick.
    virtual void StopTimer(TimerId id) = 0;
};

} // namespace orvane::platform
