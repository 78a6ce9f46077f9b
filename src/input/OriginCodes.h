#pragma once
// How the origins that deliver a whole code at once turn it into values, and
// the line each writes into the origin test viewer instead.
#include "core/Model.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane::input {

// The viewer's data formats, in the order of its list.
enum class DataFormat { Decimal = 0, Hexadecimal = 1, Ascii = 2 };

// Keyboard hook: only key presses count; a release sets bit 31 of the
// keystroke data, which makes it negative.
constexpr bool IsKeyPress(std::int32_t keystrokeData) { return keystrokeData > 0; }

// The TV application's two numbers joined as decimal digits: 12 and 345 give
// 12345; a minus sign counts as a digit, so 1 and -5 give 95. Beyond the
// 32-bit range the result wraps, as the sum of two 32-bit values does.
std::int32_t JoinedTVCode(std::int32_t wParam, std::int32_t lParam);

// The TV card's answer: its low byte, kept whole for 127 (the card's repeat
// code), else its six low bits.
std::int32_t TVCardCode(std::int32_t answer);

// The network text as values, one character (0 to 255) each, at most as many
// as a code holds.
void FillFromText(core::TCommand& sequence, std::string_view text);

// Viewer lines. Hexadecimal has at least two upper-case digits; a key shows
// its system name in ASCII, a TV code the character of its low byte.
std::string KeyViewerLine(DataFormat format, std::int32_t virtualKey, const std::string& keyName);
std::string TVViewerLine(DataFormat format, std::int32_t code);
// A serial sequence: each value in decimal or hexadecimal followed by one
// blank, or the characters of the values' low bytes.
std::string SequenceViewerLine(DataFormat format, const core::TCommand& sequence);
// The card's line is decimal, followed by one blank, whatever the format.
std::string TVCardViewerLine(std::int32_t code);

} // namespace orvane::input
