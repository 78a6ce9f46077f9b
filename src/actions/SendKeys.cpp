#include "actions/SendKeys.h"

#include "ui/Application.h"

namespace orvane::actions {
namespace {

constexpr std::uint8_t kShift = 16, kControl = 17, kMenu = 18;
constexpr std::uint8_t kShiftBit = 1, kControlBit = 2, kAltBit = 4;

// Home, End, Up, Down, Left, Right, Page Up, Page Down, Insert, Delete.
constexpr std::uint8_t kNavigationKeys[] = {36, 35, 38, 40, 37, 39, 33, 34, 45, 46};

struct Key {
    std::uint8_t virtualKey;
    std::uint8_t shiftState;
    bool typeable = true;
};

Key KeyFor(unsigned char code, platform::KeyboardInput& keyboard) {
    if (code < 32) return {code, 0};
    if (code < key_code::F1) {
        const std::int16_t scan = keyboard.KeyScan(static_cast<char>(code));
        // A character the layout has no key for would be key 255 with Shift,
        // Ctrl and Alt held: a chord that may mean something to someone.
        if (scan == -1) return {0, 0, false};
        const auto bits = static_cast<std::uint16_t>(scan);
        return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>(bits >> 8)};
    }
    if (code < key_code::Home) return {static_cast<std::uint8_t>(code - 116), 0};
    return {kNavigationKeys[code - key_code::Home], 0};
}

} // namespace

TSendKeys::TSendKeys(ui::Component* owner, platform::KeyboardInput& keyboard, ui::Application& app)
    : Component(owner, "SendKeys"), keyboard_(keyboard), app_(app) {}

void TSendKeys::Press(std::uint8_t virtualKey, std::uint8_t scanCode) { keyboard_.KeyEvent(virtualKey, scanCode, 0); }

void TSendKeys::Release(std::uint8_t virtualKey, std::uint8_t scanCode) {
    keyboard_.KeyEvent(virtualKey, scanCode, platform::KeyEventKeyUp);
}

void TSendKeys::SendKeyString(std::string_view keys) {
    bool modifierHeld = false;
    for (const char c : keys) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= key_code::ShiftDown) {
            static constexpr std::uint8_t kModifiers[] = {kShift, kControl, kMenu};
            const std::uint8_t key = kModifiers[(code - key_code::ShiftDown) / 2];
            const auto scanCode = static_cast<std::uint8_t>(keyboard_.ScanCode(key));
            const bool down = (code - key_code::ShiftDown) % 2 == 0;
            if (down)
                Press(key, scanCode);
            else
                Release(key, scanCode);
            modifierHeld = down;
        } else if (const Key key = KeyFor(code, keyboard_); key.typeable) {
            const auto scanCode = static_cast<std::uint8_t>(keyboard_.ScanCode(key.virtualKey));
            // A modifier the string holds itself replaces the layout's shift state.
            const std::uint8_t shift = modifierHeld ? 0 : key.shiftState;
            if (shift & kShiftBit) Press(kShift, 0);
            if (shift & kControlBit) Press(kControl, 0);
            if (shift & kAltBit) Press(kMenu, 0);
            Press(key.virtualKey, scanCode);
            Release(key.virtualKey, scanCode);
            if (shift & kAltBit) Release(kMenu, 0);
            if (shift & kControlBit) Release(kControl, 0);
            if (shift & kShiftBit) Release(kShift, 0);
        }
        app_.ProcessMessages();
    }
}

platform::WindowHandle TSendKeys::FindWindowByTitle(const std::string& title) {
    // Callers pass at most 199 characters; the title is held in 256.
    return keyboard_.FindWindowByTitle(title.substr(0, 255));
}

} // namespace orvane::actions
