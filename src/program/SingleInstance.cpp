#include "program/SingleInstance.h"

#include "core/WindowLookup.h"

namespace orvane::program {

namespace {
constexpr std::uint32_t kQuitMessage = 0x0012; // WM_QUIT
// The title is read into a buffer of 200 characters, terminator included.
constexpr std::size_t kTitleLimit = 199;
} // namespace

bool EndRunningCopy(platform::WindowSystem& windows, const std::string& programTitle) {
    platform::WindowHandle found = core::FindWindowByTitlePart(windows, programTitle);
    if (!found) return false;
    const std::string title = windows.WindowTitle(found).substr(0, kTitleLimit);
    if (platform::WindowHandle target = core::FindWindowByTitle(windows, title))
        windows.PostWindowMessage(target, kQuitMessage, 0, 0);
    return true;
}

} // namespace orvane::program
