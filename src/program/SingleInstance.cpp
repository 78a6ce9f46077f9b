#include "program/SingleInstance.h"

#include "core/WindowLookup.h"

namespace orvane::program {

namespace {
constexpr std::uint32_t kCloseMessage = 0x0010; // WM_CLOSE
// The title is read into a buffer of 200 characters, terminator included.
constexpr std::size_t kTitleLimit = 199;
} // namespace

RunningCopy EndRunningCopy(platform::WindowSystem& windows, const std::string& programTitle, std::uint32_t wait) {
    platform::WindowHandle found = core::FindWindowByTitlePart(windows, programTitle);
    if (!found) return RunningCopy::None;
    const std::string title = windows.WindowTitle(found).substr(0, kTitleLimit);
    platform::WindowHandle target = core::FindWindowByTitle(windows, title);
    // Closing, unlike a quit message, goes through the copy's question about
    // unsaved changes.
    if (!target || !windows.PostWindowMessage(target, kCloseMessage, 0, 0))
        return windows.IsWindow(target) ? RunningCopy::Stayed : RunningCopy::Ended;
    return windows.WaitForProgramEnd(target, wait) ? RunningCopy::Ended : RunningCopy::Stayed;
}

} // namespace orvane::program
