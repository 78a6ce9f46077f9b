#include "core/SingleInstance.h"

namespace orvane::core {

namespace {
constexpr std::uint32_t kQuitMessage = 0x0012; // WM_QUIT
// The title is read into a buffer of 200 characters, terminator included.
constexpr std::size_t kTitleLimit = 199;
} // namespace

platform::WindowHandle FindWindowByTitlePart(platform::WindowSystem& windows, const std::string& part) {
    for (platform::WindowHandle window : windows.TopLevelWindows())
        if (windows.WindowTitle(window).find(part) != std::string::npos) return window;
    return 0;
}

platform::WindowHandle FindWindowByTitle(platform::WindowSystem& windows, const std::string& title) {
    for (platform::WindowHandle window : windows.TopLevelWindows())
        if (windows.WindowTitle(window) == title) return window;
    return 0;
}

bool EndRunningCopy(platform::WindowSystem& windows, const std::string& programTitle) {
    platform::WindowHandle found = FindWindowByTitlePart(windows, programTitle);
    if (!found) return false;
    const std::string title = windows.WindowTitle(found).substr(0, kTitleLimit);
    if (platform::WindowHandle target = FindWindowByTitle(windows, title))
        windows.PostWindowMessage(target, kQuitMessage, 0, 0);
    return true;
}

} // namespace orvane::core
