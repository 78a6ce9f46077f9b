#pragma once
// The keys an action can send by name rather than as typed characters. An
// action stores the entry's index, so the order is part of the file format.
#include "platform/WindowSystem.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane::actions {

struct SystemKey {
    // The keyboard scan code and whether the key is an extended one; the
    // system names the key from them.
    std::uint8_t scanCode;
    bool extended;
    // The virtual key sent on the direct key path.
    std::uint8_t virtualKey;
    // The code of the key in a key string; 0 for keys that have none.
    std::uint8_t keyStringCode;
};

inline constexpr int kSystemKeyCount = 47;
// The last entry's name is fixed: the system names that key inconsistently.
inline constexpr int kPrintScreenKey = 46;
inline constexpr const char* kPrintScreenName = "Print Screen";
// Only the entries up to this one have a key-string code.
inline constexpr int kLastKeyStringKey = 26;

// Enter, Space, the editing and arrow keys, Tab, Esc, Backspace, F1 to F12,
// the numeric keypad, the lock keys, Pause and Print Screen.
extern const std::array<SystemKey, kSystemKeyCount> kSystemKeys;

// The entry at an index, or none outside the list.
const SystemKey* SystemKeyAt(int index);

// The keystroke data the system names a key by: repeat count 1, the scan
// code in bits 16 to 23 and the extended-key flag in bit 24.
std::int32_t KeyNameParameter(const SystemKey& key);

// The entry's name in the system's language ("Print Screen" for the last);
// empty outside the list.
std::string SystemKeyName(platform::WindowSystem& windows, int index);

} // namespace orvane::actions
