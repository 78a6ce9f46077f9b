#include "config/CodeText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::config {
namespace {

std::vector<int> Values(std::string_view text, int digits) {
    core::TCommand command;
    command.Append(99);  // reading replaces any code there was
    ReadCode(text, digits, command);
    return {command.Code.begin(), command.Code.begin() + command.Count()};
}

CodeText Written(std::vector<int> values) {
    core::TCommand command;
    for (int v : values) command.Append(v);
    return WriteCode(command);
}

TEST(CodeText, EveryValueTakesTheDigitsOfTheWidestInUpperCase) {
    const CodeText play = Written({1, 255, 16});
    EXPECT_EQ(play.digits, 2);
    EXPECT_EQ(play.text, "01FF10");
    EXPECT_EQ(Values(play.text, play.digits), (std::vector<int>{1, 255, 16}));

    const CodeText wide = Written({0, 0xABCDE, -1});
    EXPECT_EQ(wide.digits, 8);
    EXPECT_EQ(wide.text, "00000000000ABCDEFFFFFFFF");
    EXPECT_EQ(Values(wide.text, 8), (std::vector<int>{0, 0xABCDE, -1}));

    EXPECT_EQ(Written({0}).text, "0");
    const CodeText none = Written({});
    EXPECT_EQ(none.digits, 0);
    EXPECT_EQ(none.text, "");
}

TEST(CodeText, ReadingCutsWholePiecesAndCountsWhatIsNoHexDigitAsZero) {
    EXPECT_EQ(Values("ABC", 2), std::vector<int>{0xAB});
    EXPECT_EQ(Values("A", 2), std::vector<int>{});
    EXPECT_EQ(Values("", 2), std::vector<int>{});
    EXPECT_EQ(Values("0102", 0), std::vector<int>{});
    EXPECT_EQ(Values("0102", -4), std::vector<int>{});
    EXPECT_EQ(Values("ff0a", 2), (std::vector<int>{255, 10}));
    EXPECT_EQ(Values("G1 2", 2), (std::vector<int>{1, 2}));
    // Only a piece's last 8 characters count.
    EXPECT_EQ(Values("12345678AB", 10), std::vector<int>{0x345678AB});
    EXPECT_EQ(Values(std::string(198, '1'), 99), (std::vector<int>{0x11111111, 0x11111111}));
    // Never more than a code can hold.
    EXPECT_EQ(Values(std::string(5000, '7'), 1).size(), 1001u);
}

} // namespace
} // namespace orvane::config
