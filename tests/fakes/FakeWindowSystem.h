#pragma once
// A desktop of top-level windows held as a list in z-order, topmost first.
#include "platform/WindowSystem.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeWindowSystem : public platform::WindowSystem {
public:
    struct Window {
        platform::WindowHandle handle = 0;
        std::string title;
        platform::WindowHandle owner = 0;
        bool visible = true;
        bool iconic = false;
        std::uint32_t thread = kOtherThread;
    };
    // Windows belong to another program's thread unless a test says otherwise.
    static constexpr std::uint32_t kOwnThread = 1, kOtherThread = 2;

    // Creates a window on top of the z-order and returns its handle.
    platform::WindowHandle AddWindow(std::string title, platform::WindowHandle owner = 0, bool visible = true);
    void RemoveWindow(platform::WindowHandle window);
    // Brings a window to the top of the z-order and makes it the foreground one.
    void Activate(platform::WindowHandle window);
    Window* Find(platform::WindowHandle window);

    std::vector<platform::WindowHandle> TopLevelWindows() override;
    std::string WindowTitle(platform::WindowHandle window) override;
    platform::WindowHandle Owner(platform::WindowHandle window) override;
    bool IsVisible(platform::WindowHandle window) override;
    bool IsWindow(platform::WindowHandle window) override { return Find(window) != nullptr; }
    platform::WindowHandle ForegroundWindow() override;
    // Records the window and activates it when it is one of this desktop's.
    void BringToFront(platform::WindowHandle window) override {
        broughtToFront.push_back(window);
        if (Find(window)) Activate(window);
    }
    std::vector<platform::WindowHandle> broughtToFront;
    bool PostWindowMessage(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;

    struct PostedMessage {
        platform::WindowHandle window;
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool operator==(const PostedMessage&) const = default;
    };
    std::vector<PostedMessage> posted;

    // A wait for a program's end runs onWait first (the test plays the other
    // program there, removing its window or not); the program has ended when
    // its window is gone. Each wait is recorded.
    bool WaitForProgramEnd(platform::WindowHandle window, std::uint32_t milliseconds) override {
        waits.push_back({window, milliseconds});
        if (onWait) onWait(window);
        return !IsWindow(window);
    }
    std::function<void(platform::WindowHandle)> onWait;
    std::vector<std::pair<platform::WindowHandle, std::uint32_t>> waits;
    bool IsIconic(platform::WindowHandle window) override;
    void ShowWindow(platform::WindowHandle window, int command) override;
    void BringToTop(platform::WindowHandle window) override;
    void SetForegroundWindow(platform::WindowHandle window) override;
    std::uint32_t WindowThread(platform::WindowHandle window) override;
    std::uint32_t CurrentThread() override { return kOwnThread; }
    void AttachThreadInput(std::uint32_t thread, std::uint32_t to, bool attach) override;
    // The window calls above in order, as "ShowWindow <handle> <command>",
    // "BringToTop <handle>", "SetForegroundWindow <handle>",
    // "Attach <thread> <to>", "Detach <thread> <to>" (handles in decimal).
    std::vector<std::string> calls;

    // Key names by the scan code in bits 16 to 23 of the keystroke data.
    std::string KeyName(std::int32_t keystrokeData) override {
        auto found = keyNames.find((keystrokeData >> 16) & 0xFF);
        return found == keyNames.end() ? std::string() : found->second;
    }
    std::map<int, std::string> keyNames;

    // Recorded in calls as "WaitForInputTaken <handle> <events>".
    void WaitForInputTaken(platform::WindowHandle window, std::size_t events) override {
        calls.push_back("WaitForInputTaken " + std::to_string(window) + " " + std::to_string(events));
    }

    platform::WindowHandle foreground = 0;

private:
    std::vector<Window> windows_; // topmost first
    platform::WindowHandle next_ = 0x10010;
};

} // namespace orvane::fakes
