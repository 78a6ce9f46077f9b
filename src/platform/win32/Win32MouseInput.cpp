#include "platform/win32/Win32MouseInput.h"

#include <windows.h>

namespace orvane::platform::win32 {

void Win32MouseInput::MouseEvent(std::uint32_t flags, int dx, int dy) {
    mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), 0, 0);
}

void Win32MouseInput::SetCursorPos(int x, int y) { ::SetCursorPos(x, y); }

CursorPoint Win32MouseInput::CursorPos() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

} // namespace orvane::platform::win32
