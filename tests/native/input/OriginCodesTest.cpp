// Codes that arrive whole: the TV application's two numbers, the TV card's
// answer, the network text, and the viewer's lines for each.
#include "input/OriginCodes.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvane::input {
namespace {

TEST(OriginCodes, TheTVApplicationsNumbersAreJoinedAsDecimalDigits) {
    EXPECT_EQ(JoinedTVCode(12, 345), 12345);
    EXPECT_EQ(JoinedTVCode(1, 23), 123);
    EXPECT_EQ(JoinedTVCode(2, 0), 20);
    // The minus sign counts as a character: 1 * 100 - 5.
    EXPECT_EQ(JoinedTVCode(1, -5), 95);
    EXPECT_EQ(JoinedTVCode(0, 7), 7);
    // Far beyond the range it wraps instead of failing.
    EXPECT_EQ(JoinedTVCode(std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()),
              static_cast<std::int32_t>(0x7FFFFFFFu * 100000000000u + 0x80000000u));
}

TEST(OriginCodes, TheTVCardKeepsItsRepeatCodeAndOtherwiseSixBits) {
    EXPECT_EQ(TVCardCode(127), 127);
    EXPECT_EQ(TVCardCode(200), 8);
    EXPECT_EQ(TVCardCode(65), 1);
    // Only the low byte counts.
    EXPECT_EQ(TVCardCode(0x1237F), 127);
    EXPECT_EQ(TVCardCode(-1), 63);
}

TEST(OriginCodes, NetworkTextBecomesOneValuePerCharacterUpToACodesLength) {
    core::TCommand sequence;
    FillFromText(sequence, "AB");
    EXPECT_EQ(sequence.CodeHigh(), 1);
    EXPECT_EQ(sequence.Code[0], 65);
    EXPECT_EQ(sequence.Code[1], 66);

    FillFromText(sequence, std::string("\xFF\x00", 2));
    EXPECT_EQ(sequence.CodeHigh(), 1);
    EXPECT_EQ(sequence.Code[0], 255);
    EXPECT_EQ(sequence.Code[1], 0);

    FillFromText(sequence, "");
    EXPECT_EQ(sequence.CodeHigh(), -1);

    FillFromText(sequence, std::string(5000, 'x'));
    EXPECT_EQ(sequence.CodeHigh(), core::kMaxCodeIndex);
    EXPECT_EQ(sequence.Code[core::kMaxCodeIndex], 'x');
}

TEST(OriginCodes, ViewerLinesFollowTheChosenFormat) {
    EXPECT_EQ(KeyViewerLine(DataFormat::Decimal, 65, "A"), "65");
    EXPECT_EQ(KeyViewerLine(DataFormat::Hexadecimal, 13, "Enter"), "0D");
    EXPECT_EQ(KeyViewerLine(DataFormat::Ascii, 13, "Enter"), "Enter");

    EXPECT_EQ(TVViewerLine(DataFormat::Decimal, 12345), "12345");
    EXPECT_EQ(TVViewerLine(DataFormat::Hexadecimal, 12345), "3039");
    EXPECT_EQ(TVViewerLine(DataFormat::Hexadecimal, 5), "05");
    EXPECT_EQ(TVViewerLine(DataFormat::Hexadecimal, -1), "FFFFFFFF");
    // The character of the low byte: 0x141 ends in 'A'.
    EXPECT_EQ(TVViewerLine(DataFormat::Ascii, 0x141), "A");

    EXPECT_EQ(TVCardViewerLine(8), "8 ");

    // A serial sequence: every value with its blank; ASCII has none.
    core::TCommand sequence;
    for (std::int32_t value : {-1, 0x141, 7}) sequence.Append(value);
    EXPECT_EQ(SequenceViewerLine(DataFormat::Decimal, sequence), "-1 321 7 ");
    EXPECT_EQ(SequenceViewerLine(DataFormat::Hexadecimal, sequence), "FFFFFFFF 141 07 ");
    EXPECT_EQ(SequenceViewerLine(DataFormat::Ascii, sequence), std::string("\xFF" "A" "\x07"));
    sequence.Clear();
    EXPECT_EQ(SequenceViewerLine(DataFormat::Decimal, sequence), "");
}

} // namespace
} // namespace orvane::input
