#pragma once
// Conversions between numbers and the texts that controls hold.
#include <optional>
#include <string>
#include <string_view>

namespace orvane::ui {

// Reads a whole text as a 32-bit integer: leading blanks, an optional sign,
// then decimal digits, or hexadecimal ones after "$" or "0x". Anything else,
// an empty text or a value beyond 32 bits raises EConvertError
// "'%s' is not a valid integer value".
int StrToInt(std::string_view text);

// The same, answering nothing instead of raising.
std::optional<int> TryStrToInt(std::string_view text);

// Decimal text of a number, with "," between groups of three digits when
// thousands is set (as an up-down control writes its position).
std::string FormatInteger(int value, bool thousands);

} // namespace orvane::ui
