#pragma once
// The notification area through Shell_NotifyIcon, with the 88-byte record of
// the first shell versions: icon identifier 0, callback message 1147, a tip
// of at most 63 characters.
#include "platform/NotificationArea.h"

namespace orvane::platform::win32 {

// WM_USER + 123: the shell's message about the mouse over an icon.
inline constexpr std::uint32_t kTrayCallbackMessage = 1147;

class Win32NotificationArea : public NotificationArea {
public:
    std::unique_ptr<NotificationIcon> CreateIcon(TrayMouseHandler onMouse) override;
};

// The hidden window of an icon made by CreateIcon (0 for another kind), so
// that tests can play the shell.
std::uintptr_t IconWindow(const NotificationIcon& icon);

} // namespace orvane::platform::win32
