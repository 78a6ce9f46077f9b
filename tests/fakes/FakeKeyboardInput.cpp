#include "fakes/FakeKeyboardInput.h"

namespace orvane::fakes {
namespace {

constexpr std::uint8_t kShift = 1;

// The United States layout's scan codes (set 1), as Windows maps them.
const char kLetterRows[] = "QWERTYUIOP\0\0\0\0ASDFGHJKL\0\0\0\0\0ZXCVBNM"; // from 0x10

struct Punctuation {
    char plain, shifted;
    std::uint8_t virtualKey, scanCode;
};
const Punctuation kPunctuation[] = {
    {'-', '_', 0xBD, 0x0C}, {'=', '+', 0xBB, 0x0D}, {'[', '{', 0xDB, 0x1A}, {']', '}', 0xDD, 0x1B},
    {';', ':', 0xBA, 0x27}, {'\'', '"', 0xDE, 0x28}, {'`', '~', 0xC0, 0x29}, {'\\', '|', 0xDC, 0x2B},
    {',', '<', 0xBC, 0x33}, {'.', '>', 0xBE, 0x34}, {'/', '?', 0xBF, 0x35},
};

const std::pair<std::uint32_t, std::uint32_t> kKeyScanCodes[] = {
    {8, 0x0E},  {9, 0x0F},  {13, 0x1C}, {16, 0x2A}, {17, 0x1D}, {18, 0x38}, {27, 0x01}, {32, 0x39},
    {33, 0x49}, {34, 0x51}, {35, 0x4F}, {36, 0x47}, {37, 0x4B}, {38, 0x48}, {39, 0x4D}, {40, 0x50},
    {45, 0x52}, {46, 0x53}, {122, 0x57}, {123, 0x58},
};

} // namespace

FakeKeyboardInput::FakeKeyboardInput(FakeWindowSystem& windows) : windows_(windows) {
    for (std::uint32_t i = 0; i < sizeof(kLetterRows) - 1; ++i) {
        const char letter = kLetterRows[i];
        if (!letter) continue;
        scanCodes[static_cast<std::uint8_t>(letter)] = 0x10 + i;
        SetKey(letter, static_cast<std::uint8_t>(letter), kShift);
        SetKey(static_cast<char>(letter - 'A' + 'a'), static_cast<std::uint8_t>(letter), 0);
    }
    const char shiftedDigits[] = ")!@#$%^&*(";
    for (char digit = '0'; digit <= '9'; ++digit) {
        scanCodes[static_cast<std::uint8_t>(digit)] = digit == '0' ? 0x0B : 0x02 + (digit - '1');
        SetKey(digit, static_cast<std::uint8_t>(digit), 0);
        SetKey(shiftedDigits[digit - '0'], static_cast<std::uint8_t>(digit), kShift);
    }
    for (const auto& p : kPunctuation) {
        scanCodes[p.virtualKey] = p.scanCode;
        SetKey(p.plain, p.virtualKey, 0);
        SetKey(p.shifted, p.virtualKey, kShift);
    }
    SetKey(' ', 32, 0);
    for (std::uint32_t f = 0; f < 10; ++f) scanCodes[112 + f] = 0x3B + f; // F1 to F10
    for (const auto& [key, scan] : kKeyScanCodes) scanCodes[key] = scan;
}

std::int16_t FakeKeyboardInput::KeyScan(char character) {
    auto found = layout.find(character);
    return found == layout.end() ? std::int16_t(-1) : found->second;
}

std::uint32_t FakeKeyboardInput::ScanCode(std::uint32_t virtualKey) {
    auto found = scanCodes.find(virtualKey);
    return found == scanCodes.end() ? 0 : found->second;
}

platform::WindowHandle FakeKeyboardInput::FindWindowByTitle(const std::string& title) {
    for (platform::WindowHandle window : windows_.TopLevelWindows())
        if (windows_.WindowTitle(window) == title) return window;
    return 0;
}

} // namespace orvane::fakes
