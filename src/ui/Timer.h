#pragma once
// The timer component over the platform's timer service. It runs while it is
// enabled with a non-zero interval. Enabling an enabled timer does not
// restart it; disabling and enabling it, or changing its interval, starts the
// count afresh. Each tick runs OnTimer through the application's dispatch
// point.
#include "ui/Component.h"
#include "ui/Events.h"
#include "platform/Timers.h"

#include <cstdint>

namespace orvane::ui {

class TTimer : public Component {
public:
    // The timer service is the owner's application's.
    TTimer(Component& owner, std::string name);
    // A timer on a service of its own choosing.
    TTimer(Component* owner, std::string name, platform::TimerService& service);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t intervalMs);
    // Whether the service's timer is counting now.
    bool Running() const { return id_ != 0; }

    NotifyEvent OnTimer;

private:
    void Update();
    void Tick();
    platform::TimerService& Service();

    platform::TimerService* service_ = nullptr;
    platform::TimerId id_ = 0;
    // Classic defaults: a new timer is enabled, with a one-second interval.
    bool enabled_ = true;
    std::uint32_t interval_ = 1000;
};

} // namespace orvane::ui
