#pragma once
// Keys, modifier states, mouse buttons and menu shortcuts. Key codes are the
// Win32 virtual-key numbers; a shortcut is a key code with modifier bits, so
// the native side turns either straight into an accelerator.
#include <cstdint>
#include <string>

namespace orvane::ui {

using Key = std::uint16_t;

namespace keys {
constexpr Key Back = 0x08;
constexpr Key Tab = 0x09;
constexpr Key Return = 0x0D;
constexpr Key Shift = 0x10;
constexpr Key Control = 0x11;
constexpr Key Menu = 0x12;
constexpr Key Escape = 0x1B;
constexpr Key Space = 0x20;
constexpr Key Left = 0x25;
constexpr Key Up = 0x26;
constexpr Key Right = 0x27;
constexpr Key Down = 0x28;
constexpr Key Insert = 0x2D;
constexpr Key Delete = 0x2E;
constexpr Key F1 = 0x70;
constexpr Key F2 = 0x71;
constexpr Key F12 = 0x7B;
} // namespace keys

// Modifier and button state accompanying key and mouse events.
enum ShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using ShiftState = unsigned;

enum class MouseButton { Left, Right, Middle };

// A key with modifiers: the key code in the low byte and these bits above it.
using ShortCut = std::uint16_t;
constexpr ShortCut scShift = 0x2000;
constexpr ShortCut scCtrl = 0x4000;
constexpr ShortCut scAlt = 0x8000;

inline ShortCut MakeShortCut(Key key, ShiftState shift) {
    ShortCut result = static_cast<ShortCut>(key & 0xFF);
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

// The text a menu shows for a shortcut, such as "Ctrl+G"; empty for none.
std::string ShortCutToText(ShortCut shortCut);

} // namespace orvane::ui
