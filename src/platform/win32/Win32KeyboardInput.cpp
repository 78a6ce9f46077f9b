#include "platform/win32/Win32KeyboardInput.h"

#include <windows.h>

namespace orvane::platform::win32 {

void Win32KeyboardInput::KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
    keybd_event(virtualKey, scanCode, flags, 0);
}

std::int16_t Win32KeyboardInput::KeyScan(char character) { return VkKeyScanA(character); }

std::uint32_t Win32KeyboardInput::ScanCode(std::uint32_t virtualKey) { return MapVirtualKeyA(virtualKey, 0); }

WindowHandle Win32KeyboardInput::FindWindowByTitle(const std::string& title) {
    return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, title.c_str()));
}

} // namespace orvane::platform::win32
