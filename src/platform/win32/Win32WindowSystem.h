#pragma once
#include "platform/WindowSystem.h"

namespace orvane::platform::win32 {

class Win32WindowSystem : public WindowSystem {
public:
    std::vector<WindowHandle> TopLevelWindows() override;
    std::string WindowTitle(WindowHandle window) override;
    WindowHandle Owner(WindowHandle window) override;
    bool IsVisible(WindowHandle window) override;
    bool IsWindow(WindowHandle window) override;
    WindowHandle ForegroundWindow() override;
    void BringToFront(WindowHandle window) override;
    bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    bool WaitForProgramEnd(WindowHandle window, std::uint32_t milliseconds) override;
    std::string KeyName(std::int32_t keystrokeData) override;
    bool IsIconic(WindowHandle window) override;
    void ShowWindow(WindowHandle window, int command) override;
    void BringToTop(WindowHandle window) override;
    void SetForegroundWindow(WindowHandle window) override;
    std::uint32_t WindowThread(WindowHandle window) override;
    std::uint32_t CurrentThread() override;
    void AttachThreadInput(std::uint32_t thread, std::uint32_t to, bool attach) override;
    void WaitForInputTaken(WindowHandle window, std::size_t events) override;
};

} // namespace orvane::platform::win32
