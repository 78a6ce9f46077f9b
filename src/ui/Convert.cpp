#include "ui/Convert.h"

#include "core/Exception.h"

#include <cstdint>

namespace orvane::ui {

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<int> TryStrToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    // Hexadecimal texts may spell any 32-bit pattern, as the runtime allows.
    const std::int64_t limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 2147483648LL : 2147483647LL);
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit < 0 || digit >= base) return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    if (negative) value = -value;
    return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

int StrToInt(std::string_view text) {
    if (auto value = TryStrToInt(text)) return *value;
    throw EConvertError::InvalidInteger(std::string(text));
}

std::string FormatInteger(int value, bool thousands) {
    std::string digits = std::to_string(value);
    if (!thousands) return digits;
    const bool negative = value < 0;
    std::string body = negative ? digits.substr(1) : digits;
    std::string out;
    const std::size_t n = body.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += body[i];
    }
    return negative ? "-" + out : out;
}

} // namespace orvane::ui
