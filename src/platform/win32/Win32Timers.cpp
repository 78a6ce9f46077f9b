#include "platform/win32/Win32Timers.h"

#include <windows.h>

namespace orvane::platform::win32 {
namespace {

const char kTimerWindowClass[] = "OrvaneTimerWindow";

LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        auto* timers = reinterpret_cast<Win32Timers*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        // Handlers are wrapped by the control model's dispatch point; this catch
        // only keeps an exception from unwinding into the system's frames.
        try {
            if (timers) timers->Tick(static_cast<TimerId>(wParam));
        } catch (...) {
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

Win32Timers::Win32Timers() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TimerWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTimerWindowClass;
    RegisterClassA(&windowClass); // already registered by an earlier instance is fine
    window_ = CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Timers::~Win32Timers() {
    if (!window_) return;
    for (const auto& [id, handler] : handlers_) KillTimer(window_, id);
    DestroyWindow(window_);
}

TimerId Win32Timers::StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
    if (!window_) return 0;
    const TimerId id = next_++;
    if (!SetTimer(window_, id, intervalMs, nullptr)) return 0;
    handlers_[id] = std::move(onTick);
    return id;
}

void Win32Timers::StopTimer(TimerId id) {
    if (handlers_.erase(id) && window_) KillTimer(window_, id);
}

void Win32Timers::Tick(TimerId id) {
    auto it = handlers_.find(id);
    if (it == handlers_.end()) return;
    auto handler = it->second; // the handler may stop its own timer
    handler();
}

} // namespace orvane::platform::win32
