#pragma once
// A learned code as the configuration file holds it: every value in the same
// number of upper-case hexadecimal digits, concatenated without separator.
#include "core/Model.h"

#include <string>
#include <string_view>

namespace orvane::config {

struct CodeText {
    // Hexadecimal digits per value: those of the widest value; 0 for no code.
    int digits = 0;
    std::string text;
};

// A negative value is written as its 32-bit two's complement.
CodeText WriteCode(const core::TCommand& command);

// Cuts the text into pieces of `digits` characters (a shorter rest is
// ignored) and makes each piece one value, at most 1001 of them. Only a
// piece's last 8 characters count, and a character that is not a
// hexadecimal digit counts as 0. An empty text or fewer than one digit gives
// no code.
void ReadCode(std::string_view text, int digits, core::TCommand& command);

} // namespace orvane::config
