#include "fakes/FakeTimers.h"

namespace orvane::fakes {

platform::TimerId FakeTimers::StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
    // Win32 raises a zero interval to the system minimum; 1 ms keeps time moving.
    const std::uint32_t interval = intervalMs == 0 ? 1 : intervalMs;
    const platform::TimerId id = next_++;
    timers_[id] = Timer{interval, now_ + interval, std::move(onTick)};
    return id;
}

void FakeTimers::StopTimer(platform::TimerId id) { timers_.erase(id); }

void FakeTimers::Advance(std::uint64_t ms) {
    const std::uint64_t end = now_ + ms;
    for (;;) {
        // The earliest due timer; ties go to the older timer.
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it)
            if (it->second.due <= end && (next == timers_.end() || it->second.due < next->second.due)) next = it;
        if (next == timers_.end()) break;
        now_ = next->second.due;
        next->second.due += next->second.interval;
        auto onTick = next->second.onTick; // the handler may stop or restart its own timer
        onTick();
    }
    now_ = end;
}

} // namespace orvane::fakes
