#include "fakes/FakeWindowSystem.h"

#include <algorithm>

namespace orvane::fakes {

using platform::WindowHandle;

WindowHandle FakeWindowSystem::AddWindow(std::string title, WindowHandle owner, bool visible) {
    next_ += 0x10;
    windows_.insert(windows_.begin(), Window{next_, std::move(title), owner, visible});
    return next_;
}

void FakeWindowSystem::RemoveWindow(WindowHandle window) {
    std::erase_if(windows_, [&](const Window& w) { return w.handle == window; });
    if (foreground == window) foreground = 0;
}

void FakeWindowSystem::Activate(WindowHandle window) {
    auto it = std::find_if(windows_.begin(), windows_.end(), [&](const Window& w) { return w.handle == window; });
    if (it == windows_.end()) return;
    std::rotate(windows_.begin(), it, it + 1);
    foreground = window;
}

FakeWindowSystem::Window* FakeWindowSystem::Find(WindowHandle window) {
    for (auto& w : windows_)
        if (w.handle == window) return &w;
    return nullptr;
}

std::vector<WindowHandle> FakeWindowSystem::TopLevelWindows() {
    std::vector<WindowHandle> handles;
    for (const auto& w : windows_) handles.push_back(w.handle);
    return handles;
}

std::string FakeWindowSystem::WindowTitle(WindowHandle window) {
    auto* w = Find(window);
    return w ? w->title : std::string();
}

WindowHandle FakeWindowSystem::Owner(WindowHandle window) {
    auto* w = Find(window);
    return w ? w->owner : 0;
}

bool FakeWindowSystem::IsVisible(WindowHandle window) {
    auto* w = Find(window);
    return w && w->visible;
}

WindowHandle FakeWindowSystem::ForegroundWindow() { return foreground; }

bool FakeWindowSystem::PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
    if (!Find(window)) return false;
    posted.push_back({window, message, wParam, lParam});
    return true;
}

} // namespace orvane::fakes
