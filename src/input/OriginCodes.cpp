#include "input/OriginCodes.h"

#include <algorithm>
#include <cstdio>

namespace orvane::input {
namespace {

std::string Hex(std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
    return text;
}

} // namespace

std::int32_t JoinedTVCode(std::int32_t wParam, std::int32_t lParam) {
    const std::size_t digits = std::to_string(lParam).size();
    std::uint32_t scale = 1;
    for (std::size_t i = 0; i < digits; ++i) scale *= 10u;
    // Unsigned arithmetic wraps where signed would be undefined.
    const std::uint32_t joined = static_cast<std::uint32_t>(wParam) * scale + static_cast<std::uint32_t>(lParam);
    return static_cast<std::int32_t>(joined);
}

std::int32_t TVCardCode(std::int32_t answer) {
    const auto low = static_cast<std::uint8_t>(static_cast<std::uint32_t>(answer) & 0xFFu);
    return low == 0x7F ? low : (low & 63);
}

void FillFromText(core::TCommand& sequence, std::string_view text) {
    sequence.Clear();
    const std::size_t count = std::min<std::size_t>(text.size(), core::kMaxCodeValues);
    sequence.Code.Reserve(static_cast<int>(count));
    for (std::size_t i = 0; i < count; ++i) sequence.Append(static_cast<unsigned char>(text[i]));
}

std::string KeyViewerLine(DataFormat format, std::int32_t virtualKey, const std::string& keyName) {
    switch (format) {
    case DataFormat::Hexadecimal:
        return Hex(virtualKey);
    case DataFormat::Ascii:
        return keyName;
    case DataFormat::Decimal:
    default:
        return std::to_string(virtualKey);
    }
}

std::string TVViewerLine(DataFormat format, std::int32_t code) {
    switch (format) {
    case DataFormat::Hexadecimal:
        return Hex(code);
    case DataFormat::Ascii:
        return std::string(1, static_cast<char>(static_cast<std::uint32_t>(code) & 0xFFu));
    case DataFormat::Decimal:
    default:
        return std::to_string(code);
    }
}

std::string SequenceViewerLine(DataFormat format, const core::TCommand& sequence) {
    std::string line;
    for (const std::int32_t value : sequence.Code.Values()) {
        switch (format) {
        case DataFormat::Hexadecimal:
            line += Hex(value) + " ";
            break;
        case DataFormat::Ascii:
            line += static_cast<char>(static_cast<std::uint32_t>(value) & 0xFFu);
            break;
        case DataFormat::Decimal:
        default:
            line += std::to_string(value) + " ";
            break;
        }
    }
    return line;
}

std::string TVCardViewerLine(std::int32_t code) { return std::to_string(code) + " "; }

} // namespace orvane::input
