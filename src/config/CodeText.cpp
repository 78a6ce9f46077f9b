#include "config/CodeText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace orvane::config {
namespace {

int HexDigits(std::uint32_t value) {
    int digits = 1;
    while (value >>= 4) ++digits;
    return digits;
}

// Each character's value as a hexadecimal digit, 0 for any other: a file
// holds hundreds of thousands of them.
constexpr auto kHexValues = [] {
    std::array<std::uint8_t, 256> values{};
    for (int c = 0; c < 10; ++c) values['0' + c] = static_cast<std::uint8_t>(c);
    for (int c = 0; c < 6; ++c) values['A' + c] = values['a' + c] = static_cast<std::uint8_t>(10 + c);
    return values;
}();

std::uint32_t HexValue(char c) { return kHexValues[static_cast<unsigned char>(c)]; }

} // namespace

CodeText WriteCode(const core::TCommand& command) {
    CodeText code;
    for (const std::int32_t value : command.Code.Values())
        code.digits = std::max(code.digits, HexDigits(static_cast<std::uint32_t>(value)));
    // Each value in exactly `digits` upper-case digits, zeros in front.
    code.text.resize(static_cast<std::size_t>(command.Count() * code.digits));
    char* piece = code.text.data();
    for (const std::int32_t each : command.Code.Values()) {
        std::uint32_t value = static_cast<std::uint32_t>(each);
        for (int d = code.digits - 1; d >= 0; --d, value >>= 4) piece[d] = "0123456789ABCDEF"[value & 15];
        piece += code.digits;
    }
    return code;
}

void ReadCode(std::string_view text, int digits, core::TCommand& command) {
    command.Clear();
    if (text.empty() || digits < 1) return;
    const std::size_t width = static_cast<std::size_t>(digits);
    const std::size_t pieces = std::min<std::size_t>(text.size() / width, core::kMaxCodeValues);
    // Read whole, then stored at once: a file holds a million values.
    std::array<std::int32_t, core::kMaxCodeValues> values;
    // Only a piece's last 8 characters count.
    const std::size_t skip = width > 8 ? width - 8 : 0;
    const char* piece = text.data();
    for (std::size_t i = 0; i < pieces; ++i, piece += width) {
        std::uint32_t value = 0;
        for (const char* c = piece + skip; c != piece + width; ++c) value = value * 16 + HexValue(*c);
        values[i] = static_cast<std::int32_t>(value);
    }
    command.Code.Assign(std::span<const std::int32_t>(values.data(), pieces));
}

} // namespace orvane::config
