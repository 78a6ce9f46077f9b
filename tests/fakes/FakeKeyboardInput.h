#pragma once
// Synthetic key events recorded in order, over a scripted keyboard layout
// that starts as the United States one, and windows found by title on a fake
// desktop.
#include "fakes/FakeWindowSystem.h"
#include "platform/KeyboardInput.h"

#include <map>
#include <vector>

namespace orvane::fakes {

class FakeKeyboardInput : public platform::KeyboardInput {
public:
    explicit FakeKeyboardInput(FakeWindowSystem& windows);

    struct Event {
        std::uint8_t virtualKey;
        std::uint8_t scanCode;
        std::uint32_t flags;
        bool operator==(const Event&) const = default;
    };
    std::vector<Event> events;

    // The layout: each character's VkKeyScanA answer, and each virtual key's
    // scan code. A character not listed has no key (-1).
    std::map<char, std::int16_t> layout;
    std::map<std::uint32_t, std::uint32_t> scanCodes;
    // Puts a character on a key with a shift state (bit 0 Shift, 1 Ctrl, 2 Alt).
    void SetKey(char character, std::uint8_t virtualKey, std::uint8_t shiftState) {
        layout[character] = static_cast<std::int16_t>(shiftState << 8 | virtualKey);
    }

    void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override {
        events.push_back({virtualKey, scanCode, flags});
    }
    std::int16_t KeyScan(char character) override;
    std::uint32_t ScanCode(std::uint32_t virtualKey) override;
    platform::WindowHandle FindWindowByTitle(const std::string& title) override;

private:
    FakeWindowSystem& windows_;
};

} // namespace orvane::fakes
