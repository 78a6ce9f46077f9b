// The fakes as subjects of the platform contract tests.
#include "contract/Subjects.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeTimers.h"
#include "fakes/FakeWindowSystem.h"

namespace orvane::contract {
namespace {

class FakeRegistrySubject : public RegistrySubject {
public:
    platform::Registry& Registry() override { return registry_; }
    std::string ScratchPath() override { return "Software\\OrvaneTest"; }

private:
    fakes::FakeRegistry registry_;
};

class FakeWindowSubject : public WindowSubject {
public:
    platform::WindowSystem& Windows() override { return windows_; }
    platform::WindowHandle Create(const std::string& title, platform::WindowHandle owner, bool visible) override {
        return windows_.AddWindow(title, owner, visible);
    }
    void Activate(platform::WindowHandle window) override { windows_.Activate(window); }
    void Destroy(platform::WindowHandle window) override { windows_.RemoveWindow(window); }

private:
    fakes::FakeWindowSystem windows_;
};

class FakeTimerSubject : public TimerSubject {
public:
    platform::TimerService& Timers() override { return timers_; }
    void RunFor(std::uint32_t ms) override { timers_.Advance(ms); }

private:
    fakes::FakeTimers timers_;
};

} // namespace

std::unique_ptr<TimerSubject> MakeTimerSubject() { return std::make_unique<FakeTimerSubject>(); }
std::unique_ptr<RegistrySubject> MakeRegistrySubject() { return std::make_unique<FakeRegistrySubject>(); }
std::unique_ptr<WindowSubject> MakeWindowSubject() { return std::make_unique<FakeWindowSubject>(); }

} // namespace orvane::contract
