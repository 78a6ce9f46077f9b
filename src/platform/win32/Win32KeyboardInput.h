#pragma once
#include "platform/KeyboardInput.h"

namespace orvane::platform::win32 {

class Win32KeyboardInput : public KeyboardInput {
public:
    void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::int16_t KeyScan(char character) override;
    std::uint32_t ScanCode(std::uint32_t virtualKey) override;
    WindowHandle FindWindowByTitle(const std::string& title) override;
};

} // namespace orvane::platform::win32
