#pragma once
// Timers on a manual clock: nothing fires until the test advances time.
#include "platform/Timers.h"

#include <map>

namespace orvane::fakes {

class FakeTimers : public platform::TimerService {
public:
    platform::TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void StopTimer(platform::TimerId id) override;

    // Moves time on, firing every timer that falls due, in time order.
    void Advance(std::uint64_t ms);
    std::uint64_t Now() const { return now_; }
    bool IsRunning(platform::TimerId id) const { return timers_.count(id) != 0; }
    std::size_t RunningCount() const { return timers_.size(); }

private:
    struct Timer {
        std::uint32_t interval;
        std::uint64_t due;
        std::function<void()> onTick;
    };
    std::map<platform::TimerId, Timer> timers_;
    platform::TimerId next_ = 1;
    std::uint64_t now_ = 0;
};

} // namespace orvane::fakes
