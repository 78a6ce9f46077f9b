#pragma once
// Synthetic keyboard input and the keyboard layout, the way keybd_event,
// VkKeyScanA and MapVirtualKeyA give them, and FindWindowA for a window by
// its exact title. Key events go to whatever window has the keyboard focus.
#include "platform/WindowSystem.h"

#include <cstdint>
#include <string>

namespace orvane::platform {

// keybd_event's flag for a key release (KEYEVENTF_KEYUP).
inline constexpr std::uint32_t KeyEventKeyUp = 0x0002;

class KeyboardInput {
public:
    virtual ~KeyboardInput() = default;

    // One synthetic key event (keybd_event).
    virtual void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;
    // The current layout's key for a character (VkKeyScanA): the virtual key
    // in the low byte, the shift state in the high byte (bit 0 Shift, bit 1
    // Ctrl, bit 2 Alt); -1 when the layout has no key for it.
    virtual std::int16_t KeyScan(char character) = 0;
    // The scan code of a virtual key (MapVirtualKeyA, mode 0); 0 when none.
    virtual std::uint32_t ScanCode(std::uint32_t virtualKey) = 0;
    // The top-level window whose title is this one (FindWindowA with no
    // class name), the first the system finds; 0 when none.
    virtual WindowHandle FindWindowByTitle(const std::string& title) = 0;
};

} // namespace orvane::platform
