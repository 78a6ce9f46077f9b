#include "actions/SystemKeys.h"

namespace orvane::actions {

namespace {

constexpr SystemKey Key(std::uint8_t scan, bool extended, std::uint8_t virtualKey, std::uint8_t keyString = 0) {
    return {scan, extended, virtualKey, keyString};
}

} // namespace

const std::array<SystemKey, kSystemKeyCount> kSystemKeys = {{
    Key(0x1C, false, 13, 13),   // Enter
    Key(0x39, false, 32, 32),   // Space
    Key(0x52, true, 45, 248),   // Insert
    Key(0x53, true, 46, 249),   // Delete
    Key(0x47, true, 36, 240),   // Home
    Key(0x4F, true, 35, 241),   // End
    Key(0x49, true, 33, 246),   // Page Up
    Key(0x51, true, 34, 247),   // Page Down
    Key(0x0F, false, 9, 9),     // Tab
    Key(0x01, false, 27, 27),   // Esc
    Key(0x0E, false, 8, 8),     // Backspace
    Key(0x4B, true, 37, 244),   // Left arrow
    Key(0x4D, true, 39, 245),   // Right arrow
    Key(0x48, true, 38, 242),   // Up arrow
    Key(0x50, true, 40, 243),   // Down arrow
    Key(0x3B, false, 112, 228), // F1
    Key(0x3C, false, 113, 229), // F2
    Key(0x3D, false, 114, 230), // F3
    Key(0x3E, false, 115, 231), // F4
    Key(0x3F, false, 116, 232), // F5
    Key(0x40, false, 117, 233), // F6
    Key(0x41, false, 118, 234), // F7
    Key(0x42, false, 119, 235), // F8
    Key(0x43, false, 120, 236), // F9
    Key(0x44, false, 121, 237), // F10
    Key(0x57, false, 122, 238), // F11
    Key(0x58, false, 123, 239), // F12
    Key(0x52, false, 96),       // Numpad 0
    Key(0x4F, false, 97),       // Numpad 1
    Key(0x50, false, 98),       // Numpad 2
    Key(0x51, false, 99),       // Numpad 3
    Key(0x4B, false, 100),      // Numpad 4
    Key(0x4C, false, 101),      // Numpad 5
    Key(0x4D, false, 102),      // Numpad 6
    Key(0x47, false, 103),      // Numpad 7
    Key(0x48, false, 104),      // Numpad 8
    Key(0x49, false, 105),      // Numpad 9
    Key(0x37, false, 106),      // Numpad *
    Key(0x4E, false, 107),      // Numpad +
    Key(0x4A, false, 109),      // Numpad -
    Key(0x35, true, 111),       // Numpad /
    Key(0x53, false, 110),      // Numpad .
    Key(0x45, false, 19),       // Pause
    Key(0x3A, false, 20),       // Caps Lock
    Key(0x45, true, 144),       // Num Lock
    Key(0x46, false, 145),      // Scroll Lock
    Key(0x00, false, 44),       // Print Screen (named by the program)
}};

const SystemKey* SystemKeyAt(int index) {
    if (index < 0 || index >= kSystemKeyCount) return nullptr;
    return &kSystemKeys[static_cast<std::size_t>(index)];
}

std::int32_t KeyNameParameter(const SystemKey& key) {
    return 1 | (static_cast<std::int32_t>(key.scanCode) << 16) | (key.extended ? 1 << 24 : 0);
}

std::string SystemKeyName(platform::WindowSystem& windows, int index) {
    if (index == kPrintScreenKey) return kPrintScreenName;
    const SystemKey* key = SystemKeyAt(index);
    return key ? windows.KeyName(KeyNameParameter(*key)) : std::string();
}

} // namespace orvane::actions
