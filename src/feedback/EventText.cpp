#include "feedback/EventText.h"

#include <algorithm>
#include <cstdint>

namespace orvane::feedback {

namespace {

// Negative values show as their 32-bit pattern, as a hexadecimal dump would.
void AppendHex(std::string& text, std::int32_t value) {
    static const char kDigits[] = "0123456789ABCDEF";
    char digits[8];
    int count = 0;
    for (auto bits = static_cast<std::uint32_t>(value); bits != 0 || count < 2; bits >>= 4)
        digits[count++] = kDigits[bits & 0xF];
    while (count > 0) text += digits[--count];
}

} // namespace

std::string ComposeEventText(const EventFields& fields, const std::string& remote, const std::string& commandName,
                             const core::TCommand& command, const std::string* action) {
    std::string text;
    auto separate = [&text] {
        if (!text.empty()) text += ", ";
    };
    if (fields.remote) text = remote;
    if (fields.command) {
        separate();
        text += commandName;
    }
    if (fields.data) {
        separate();
        for (const std::int32_t value : command.Code.Values()) {
            AppendHex(text, value);
            text += ' ';
        }
    }
    if (fields.action && action) {
        separate();
        text += *action;
    }
    return text;
}

} // namespace orvane::feedback
