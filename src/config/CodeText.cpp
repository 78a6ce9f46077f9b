#include "config/CodeText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace orvane::config {
namespace {

int HexDigits(std::uint32_t value) {
    int digits = 1;
    while (value >>= 4) ++digits;
    return digits;
}

std::uint32_t HexValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint32_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<std::uint32_t>(c - 'a' + 10);
    return 0;
}

} // namespace

CodeText WriteCode(const core::TCommand& command) {
    CodeText code;
    for (const std::int32_t value : command.Code.Values())
        code.digits = std::max(code.digits, HexDigits(static_cast<std::uint32_t>(value)));
    code.text.reserve(static_cast<std::size_t>(command.Count() * code.digits));
    for (const std::int32_t value : command.Code.Values()) {
        char piece[16];
        std::snprintf(piece, sizeof piece, "%0*X", code.digits, static_cast<unsigned>(value));
        code.text += piece;
    }
    return code;
}

void ReadCode(std::string_view text, int digits, core::TCommand& command) {
    command.Clear();
    if (text.empty() || digits < 1) return;
    const std::size_t width = static_cast<std::size_t>(digits);
    const std::size_t pieces = std::min<std::size_t>(text.size() / width, core::kMaxCodeValues);
    command.Code.Reserve(static_cast<int>(pieces));
    for (std::size_t i = 0; i < pieces; ++i) {
        std::string_view piece = text.substr(i * width, width);
        if (piece.size() > 8) piece.remove_prefix(piece.size() - 8);
        std::uint32_t value = 0;
        for (char c : piece) value = value * 16 + HexValue(c);
        command.Append(static_cast<std::int32_t>(value));
    }
}

} // namespace orvane::config
