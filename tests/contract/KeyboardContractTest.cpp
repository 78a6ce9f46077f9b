#include "contract/Subjects.h"

#include <gtest/gtest.h>

namespace orvane::contract {
namespace {

TEST(KeyboardContract, TheLayoutGivesKeysShiftStatesAndScanCodes) {
    auto subject = MakeKeyboardSubject();
    auto& keyboard = subject->Keyboard();
    const std::pair<char, std::int16_t> keys[] = {
        {'a', 0x41}, {'A', 0x141}, {'z', 0x5A}, {'1', 0x31}, {'!', 0x131}, {' ', 0x20}, {'.', 0xBE}, {'?', 0x1BF},
    };
    for (const auto& [character, key] : keys) EXPECT_EQ(keyboard.KeyScan(character), key) << character;
    EXPECT_EQ(keyboard.KeyScan(static_cast<char>(0xC9)), -1); // no key on this layout

    const std::pair<std::uint32_t, std::uint32_t> scanCodes[] = {
        {13, 0x1C}, {16, 0x2A}, {17, 0x1D}, {18, 0x38}, {'A', 0x1E}, {'Y', 0x15}, {'0', 0x0B}, {116, 0x3F},
        {123, 0x58}, {36, 0x47}, {46, 0x53},
    };
    for (const auto& [key, scan] : scanCodes) EXPECT_EQ(keyboard.ScanCode(key), scan) << key;
}

TEST(KeyboardContract, AWindowIsFoundByItsWholeTitleOnly) {
    auto subject = MakeKeyboardSubject();
    auto& keyboard = subject->Keyboard();
    const platform::WindowHandle shown = subject->Create("Orvane Keyboard Contract", true);
    const platform::WindowHandle hidden = subject->Create("Orvane Keyboard Contract (hidden)", false);

    EXPECT_EQ(keyboard.FindWindowByTitle("Orvane Keyboard Contract"), shown);
    EXPECT_EQ(keyboard.FindWindowByTitle("Orvane Keyboard Contract (hidden)"), hidden);
    EXPECT_EQ(keyboard.FindWindowByTitle("Orvane Keyboard"), 0u);
    EXPECT_EQ(keyboard.FindWindowByTitle("Orvane Keyboard Contract "), 0u);
}

} // namespace
} // namespace orvane::contract
