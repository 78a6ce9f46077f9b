// The event text of the DDE item and the TCP/IP event server: every mix of
// fields, the separators, and the data field's trailing blank.
#include "feedback/EventText.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace orvane::feedback {
namespace {

using core::TCommand;
using core::kMaxCodeIndex;

TCommand Code(std::initializer_list<std::int32_t> values) {
    TCommand command;
    for (std::int32_t value : values) command.Append(value);
    return command;
}

TEST(EventText, JoinsTheAskedFieldsInTheirOrder) {
    const std::string mute = "Mute";
    struct Case {
        EventFields fields;
        TCommand command;
        const std::string* action;
        std::string expected;
    };
    const Case cases[] = {
        {{true, true, true, true}, Code({26, 7, 256}), &mute, "TV, Power, 1A 07 100 , Mute"},
        {{true, true, false, false}, Code({26}), &mute, "TV, Power"},
        {{false, false, false, false}, Code({26}), &mute, ""},
        // No leading separator; the data field ends with its blank.
        {{false, false, true, false}, Code({26, 7}), nullptr, "1A 07 "},
        {{false, false, true, false}, Code({0}), nullptr, "00 "},
        // No action found: neither the field nor its separator.
        {{true, false, false, true}, Code({1}), nullptr, "TV"},
        {{false, false, false, true}, Code({1}), nullptr, ""},
        {{false, false, false, true}, Code({1}), &mute, "Mute"},
        {{false, true, false, true}, Code({1}), &mute, "Power, Mute"},
        // A command without a code gives an empty data field, still separated.
        {{true, false, true, false}, TCommand{}, nullptr, "TV, "},
        // Negative values show their 32-bit pattern; wide values all their digits.
        {{false, false, true, false}, Code({-1, 0x7FFFFFFF, 0xABC}), nullptr, "FFFFFFFF 7FFFFFFF ABC "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComposeEventText(c.fields, "TV", "Power", c.command, c.action), c.expected) << c.expected;

    // The longest code: 1001 values, each three characters.
    TCommand longest;
    for (int i = 0; i <= kMaxCodeIndex; ++i) longest.Append(i % 256);
    const std::string text = ComposeEventText({false, false, true, false}, "", "", longest, nullptr);
    EXPECT_EQ(text.size(), 3u * (kMaxCodeIndex + 1));
    EXPECT_EQ(text.substr(text.size() - 6), "E7 E8 ");
}

} // namespace
} // namespace orvane::feedback
