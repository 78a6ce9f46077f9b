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

bool FakeWindowSystem::IsIconic(WindowHandle window) {
    auto* w = Find(window);
    return w && w->iconic;
}

void FakeWindowSystem::ShowWindow(WindowHandle window, int command) {
    calls.push_back("ShowWindow " + std::to_string(window) + " " + std::to_string(command));
    if (auto* w = Find(window)) w->iconic = command == 6 || command == 2 || command == 7;
}

void FakeWindowSystem::BringToTop(WindowHandle window) {
    calls.push_back("BringToTop " + std::to_string(window));
    auto it = std::find_if(windows_.begin(), windows_.end(), [&](const Window& w) { return w.handle == window; });
    if (it != windows_.end()) std::rotate(windows_.begin(), it, it + 1);
}

void FakeWindowSystem::SetForegroundWindow(WindowHandle window) {
    calls.push_back("SetForegroundWindow " + std::to_string(window));
    if (Find(window)) foreground = window;
}

std::uint32_t FakeWindowSystem::WindowThread(WindowHandle window) {
    auto* w = Find(window);
    return w ? w->thread : 0;
}

void FakeWindowSystem::AttachThreadInput(std::uint32_t thread, std::uint32_t to, bool attach) {
    calls.push_back(std::string(attach ? "Attach " : "Detach ") + std::to_string(thread) + " " + std::to_string(to));
}

} // namespace orvane::fakes
