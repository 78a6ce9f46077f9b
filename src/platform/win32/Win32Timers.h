#pragma once
// Timers on one hidden message-only window of the user-interface thread.
#include "platform/Timers.h"

#include <map>

struct HWND__;

namespace orvane::platform::win32 {

class Win32Timers : public TimerService {
public:
    Win32Timers();
    ~Win32Timers() override;
    Win32Timers(const Win32Timers&) = delete;
    Win32Timers& operator=(const Win32Timers&) = delete;

    TimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void StopTimer(TimerId id) override;

    // Runs the timer's handler; called from the hidden window's procedure.
    void Tick(TimerId id);

private:
    HWND__* window_ = nullptr;
    std::map<TimerId, std::function<void()>> handlers_;
    TimerId next_ = 1;
};

} // namespace orvane::platform::win32
