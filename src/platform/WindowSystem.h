#pragma once
// The desktop's top-level windows as the program sees them: z-order, titles,
// owners, visibility, the foreground window, and the calls that bring a
// window to the front or change its state.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::platform {

// An HWND's value; 0 is no window.
using WindowHandle = std::uintptr_t;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Every top-level window, topmost first (EnumWindows order).
    virtual std::vector<WindowHandle> TopLevelWindows() = 0;
    // The title; empty for a window that has none or no longer exists.
    virtual std::string WindowTitle(WindowHandle window) = 0;
    // The owner window, 0 for none.
    virtual WindowHandle Owner(WindowHandle window) = 0;
    virtual bool IsVisible(WindowHandle window) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    virtual WindowHandle ForegroundWindow() = 0;
    // Posts a message to a window's queue; false when it failed.
    virtual bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    // Waits at most the given time for the program that owns the window to
    // end; true when it has ended or the window is gone. The caller's own
    // program never ends while it waits, so that is false at once.
    virtual bool WaitForProgramEnd(WindowHandle window, std::uint32_t milliseconds) = 0;

    // Puts a window in front of the user: restored when minimised, otherwise
    // raised to the top and made the foreground window while attached to the
    // input of the foreground window's thread, which the system requires.
    virtual void BringToFront(WindowHandle window) = 0;

    virtual bool IsIconic(WindowHandle window) = 0;
    // ShowWindow with a show command (SW_MINIMIZE 6, SW_SHOWMAXIMIZED 3, SW_RESTORE 9).
    virtual void ShowWindow(WindowHandle window, int command) = 0;
    // SetWindowPos to the top of the Z order, keeping place and size.
    virtual void BringToTop(WindowHandle window) = 0;
    virtual void SetForegroundWindow(WindowHandle window) = 0;
    // The thread that created the window (GetWindowThreadProcessId); 0 for none.
    virtual std::uint32_t WindowThread(WindowHandle window) = 0;
    virtual std::uint32_t CurrentThread() = 0;
    // AttachThreadInput of one thread to another, or detaching it.
    virtual void AttachThreadInput(std::uint32_t thread, std::uint32_t to, bool attach) = 0;
    // The key's name for its keystroke data (GetKeyNameText), at most 256
    // characters; empty when the system knows none.
    virtual std::string KeyName(std::int32_t keystrokeData) = 0;
    // Waits until the thread of a window of another program has taken from
    // its queue the input events sent to it so far (at most this many), so
    // that moving the focus away cannot send them elsewhere. Each round trip
    // of a message that does nothing, with a pause after it so that the
    // thread goes on to its next message, stands for one more message taken;
    // a hung window ends the wait at once, and the whole wait is bounded.
    virtual void WaitForInputTaken(WindowHandle window, std::size_t events) = 0;
};

} // namespace orvane::platform
