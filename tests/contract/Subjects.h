#pragma once
// The contract tests in this folder hold for every implementation of a
// platform interface. Each test executable supplies its subjects: the native
// suite the fakes, the Win32 suite the real services under Wine.
#include "platform/Registry.h"
#include "platform/Timers.h"
#include "platform/WindowSystem.h"

#include <functional>
#include <memory>
#include <string>

namespace orvane::contract {

class RegistrySubject {
public:
    virtual ~RegistrySubject() = default;
    virtual platform::Registry& Registry() = 0;
    // A key path under HKEY_CURRENT_USER that belongs to this test alone and is
    // removed with the subject.
    virtual std::string ScratchPath() = 0;
};
std::unique_ptr<RegistrySubject> MakeRegistrySubject();

class WindowSubject {
public:
    virtual ~WindowSubject() = default;
    virtual platform::WindowSystem& Windows() = 0;
    // A new top-level window; removed with the subject.
    virtual platform::WindowHandle Create(const std::string& title, platform::WindowHandle owner, bool visible) = 0;
    // Brings the window to the top and into the foreground.
    virtual void Activate(platform::WindowHandle window) = 0;
    virtual void Destroy(platform::WindowHandle window) = 0;
};
std::unique_ptr<WindowSubject> MakeWindowSubject();

class TimerSubject {
public:
    virtual ~TimerSubject() = default;
    virtual platform::TimerService& Timers() = 0;
    // Lets time pass (fake) or runs the message loop (real) for ms milliseconds.
    virtual void RunFor(std::uint32_t ms) = 0;
};
std::unique_ptr<TimerSubject> MakeTimerSubject();

} // namespace orvane::contract
