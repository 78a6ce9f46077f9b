#include "core/WindowLookup.h"

namespace orvane::core {

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

} // namespace orvane::core
