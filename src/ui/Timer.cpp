#include "ui/Timer.h"

#include "core/Exception.h"
#include "ui/Application.h"

namespace orvane::ui {

TTimer::TTimer(Component& owner, std::string name) : Component(&owner, std::move(name)) {
    PublishInteger("Interval", [this] { return static_cast<int>(interval_); },
                   [this](int v) { SetInterval(v < 0 ? 0 : static_cast<std::uint32_t>(v)); });
    Update();
}

TTimer::TTimer(Component* owner, std::string name, platform::TimerService& service)
    : Component(owner, std::move(name)), service_(&service) {
    PublishInteger("Interval", [this] { return static_cast<int>(interval_); },
                   [this](int v) { SetInterval(v < 0 ? 0 : static_cast<std::uint32_t>(v)); });
    Update();
}

TTimer::~TTimer() {
    if (id_ != 0) service_->StopTimer(id_);
}

platform::TimerService& TTimer::Service() {
    if (!service_) {
        Application* app = FindApplication();
        if (!app) throw EInvalidOperation("Timer '" + Name() + "' has no application to run on");
        service_ = &app->Timers();
    }
    return *service_;
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(std::uint32_t intervalMs) {
    if (intervalMs == interval_) return;
    interval_ = intervalMs;
    Update();
}

void TTimer::Update() {
    if (id_ != 0) {
        service_->StopTimer(id_);
        id_ = 0;
    }
    if (!enabled_ || interval_ == 0) return;
    id_ = Service().StartTimer(interval_, [this] { Tick(); });
    if (id_ == 0) throw EOutOfResources("Not enough timers available");
}

void TTimer::Tick() {
    if (OnTimer) Dispatch([this] { OnTimer(this); });
}

} // namespace orvane::ui
