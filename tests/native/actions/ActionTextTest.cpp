// The field reader of action descriptions: the examples of the format read
// back field by field, and what malformed texts read as.
#include "actions/ActionText.h"
#include "actions/SystemKeys.h"
#include "core/Exception.h"
#include "fakes/FakeWindowSystem.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::actions {
namespace {

const std::string M = "\xA1"; // the type mark

TEST(ActionText, TheFormatsExamplesReadBackFieldByField) {
    const SendKeysFields keys = ReadSendKeys(M + "SendKeys" + M + "NCNE15Delay:500DestWnd:PlayerKeepActive:N");
    EXPECT_EQ(std::string({keys.alt, keys.ctrl, keys.shift, keys.keyKind}), "NCNE");
    EXPECT_EQ(keys.key, "15");
    EXPECT_EQ(keys.delay, "500");
    EXPECT_EQ(keys.window, "Player");
    EXPECT_EQ(keys.keepActive, 'N');

    const SendKeysFields chars = ReadSendKeys(M + "SendKeys" + M + "ANNNabcDelay:0DestWnd:KeepActive:N");
    EXPECT_EQ(std::string({chars.alt, chars.ctrl, chars.shift, chars.keyKind}), "ANNN");
    EXPECT_EQ(chars.key, "abc");
    EXPECT_EQ(chars.delay, "0");
    EXPECT_EQ(chars.window, "");

    const MouseFields click = ReadMouseControl(M + "MouseControl" + M + "Click:0YDelay:0");
    EXPECT_TRUE(click.click);
    EXPECT_FALSE(click.relMove || click.absMove);
    EXPECT_EQ(click.button, "0");
    EXPECT_EQ(click.doubleClick, 'Y');
    EXPECT_EQ(click.delay, "0");

    const MouseFields move = ReadMouseControl(M + "MouseControl" + M + "RelMove:2Accel:5Delay:0");
    EXPECT_TRUE(move.relMove);
    EXPECT_FALSE(move.click || move.absMove);
    EXPECT_EQ(move.direction, "2");
    EXPECT_EQ(move.accel, "5");

    const MixerFields mixer = ReadMixer(M + "Mixer" + M + "WaveVolume:1Increment:5Delay:250");
    EXPECT_EQ(mixer.line, "Wave");
    EXPECT_EQ(mixer.volume, "1");
    EXPECT_EQ(mixer.increment, "5");
    EXPECT_EQ(mixer.delay, "250");

    const PlainFields reboot = ReadShutdown(M + "Shutdown" + M + "1Delay:0");
    EXPECT_EQ(reboot.value, "1");
    EXPECT_EQ(reboot.delay, "0");
}

TEST(ActionText, MarkersAreFoundByTheirFirstOccurrence) {
    // A key text holding "Delay:" is cut there; the rest fails as the delay.
    const SendKeysFields keys = ReadSendKeys(M + "SendKeys" + M + "NNNNsay Delay:nowDelay:0DestWnd:KeepActive:N");
    EXPECT_EQ(keys.key, "say ");
    EXPECT_EQ(keys.delay, "nowDelay:0");
    EXPECT_THROW(FieldInteger(keys.delay), EConvertError);

    // The window fragment ends at the first "KeepActive:", and the flag is
    // the last character, whatever follows it.
    const SendKeysFields window =
        ReadSendKeys(M + "SendKeys" + M + "NNNNaDelay:0DestWnd:KeepActive: windowKeepActive:Y");
    EXPECT_EQ(window.window, "");
    EXPECT_EQ(window.keepActive, 'Y');
    EXPECT_EQ(ReadSendKeys(M + "SendKeys" + M + "NNNNaDelay:0DestWnd:WKeepActive:Y ").keepActive, ' ');
}

TEST(ActionText, MalformedTextsReadAsEmptyOrShiftedFieldsWithinTheText) {
    EXPECT_TRUE(TypesIn("", kLoadOrder).empty());
    const SendKeysFields empty = ReadSendKeys("");
    EXPECT_EQ(empty.alt, '\0');
    EXPECT_EQ(empty.key, "");
    EXPECT_EQ(empty.keepActive, '\0');

    // A tag alone: no field has anything to read.
    const SendKeysFields tagOnly = ReadSendKeys(M + "SendKeys" + M);
    EXPECT_EQ(tagOnly.alt, '\0');
    EXPECT_EQ(tagOnly.key, "");
    EXPECT_EQ(tagOnly.keepActive, M[0]);
    EXPECT_EQ(ReadMixer(M + "Mixer" + M).line, "");
    EXPECT_EQ(ReadMixer(M + "Mixer" + M).volume, M); // "Volume:" missing: read from position 7
    EXPECT_EQ(ReadPostMessage(M + "PostMessage" + M).message, "");

    // A marker before the tag: the field from the fixed position ends before it starts.
    EXPECT_EQ(ReadOSD("Delay:" + M + "OSD" + M + "textDelay:5").value, "");
    // A missing marker counts as found at position 0: the delay then reads
    // from the sixth character on.
    EXPECT_EQ(ReadShutdown(M + "Shutdown" + M + "1").delay, "down" + M + "1");
    // A one-character field at the very end of the text.
    const MouseFields cut = ReadMouseControl(M + "MouseControl" + M + "Click:");
    EXPECT_EQ(cut.button, "");
    EXPECT_EQ(cut.doubleClick, '\0');
    // Capital letters missing from an absolute move: x is empty, y runs
    // from the start of the text.
    const MouseFields noXY = ReadMouseControl("AbsMove:Delay:1");
    EXPECT_EQ(noXY.x, "");
    EXPECT_EQ(noXY.y, "AbsMove:");
}

TEST(ActionText, EachConsumerRunsTheBranchOfEveryTagInItsOwnOrder) {
    const std::string both = M + "OSD" + M + "x" + M + "SendKeys" + M + "Delay:0";
    EXPECT_EQ(TypesIn(both, kLoadOrder), (std::vector{ActionType::OSD, ActionType::SendKeys}));
    EXPECT_EQ(TypesIn(both, kExecuteOrder), (std::vector{ActionType::SendKeys, ActionType::OSD}));
    EXPECT_EQ(TypesIn(both, kDescribeOrder), (std::vector{ActionType::SendKeys, ActionType::OSD}));
    // Tags are case-sensitive and need both marks.
    EXPECT_TRUE(TypesIn(M + "osd" + M + "SendKeys", kLoadOrder).empty());
}

TEST(ActionText, NumericFieldsAreSignedDecimal32BitIntegers) {
    const struct {
        const char* field;
        int value;
    } good[] = {{"0", 0}, {"500", 500}, {"-3", -3}, {"+7", 7}, {"007", 7},
                {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}};
    for (const auto& c : good) EXPECT_EQ(FieldInteger(c.field), c.value) << c.field;

    for (const char* bad : {"", "-", "+", " 5", "5 ", "1A", "$10", "0x10", "2147483648", "-2147483649",
                            "99999999999999999999"}) {
        try {
            FieldInteger(bad);
            ADD_FAILURE() << "converted: " << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(SystemKeyList, NamesComeFromTheSystemButPrintScreenAndNothingOutsideTheList) {
    fakes::FakeWindowSystem windows;
    windows.keyNames = {{0x1C, "Eingabe"}, {0x3F, "F5"}, {0x52, "Einfg"}, {0x45, "Pause"}};
    EXPECT_EQ(SystemKeyName(windows, 0), "Eingabe");
    EXPECT_EQ(SystemKeyName(windows, 19), "F5");
    EXPECT_EQ(SystemKeyName(windows, 2), "Einfg");
    EXPECT_EQ(SystemKeyName(windows, 46), "Print Screen");
    EXPECT_EQ(SystemKeyName(windows, -1), "");
    EXPECT_EQ(SystemKeyName(windows, 47), "");

    // Repeat count 1, scan code, extended flag.
    EXPECT_EQ(KeyNameParameter(kSystemKeys[0]), 0x001C0001);   // Enter
    EXPECT_EQ(KeyNameParameter(kSystemKeys[2]), 0x01520001);   // Insert
    EXPECT_EQ(KeyNameParameter(kSystemKeys[27]), 0x00520001);  // Numpad 0
    EXPECT_EQ(KeyNameParameter(kSystemKeys[44]), 0x01450001);  // Num Lock
    EXPECT_EQ(kSystemKeys[40].virtualKey, 111);                 // Numpad /
    EXPECT_EQ(kSystemKeys[46].virtualKey, 44);                  // Print Screen
    // F1 to F12 are contiguous in all three codes.
    for (int f = 0; f < 12; ++f) {
        const SystemKey& key = kSystemKeys[static_cast<std::size_t>(15 + f)];
        EXPECT_EQ(key.virtualKey, 112 + f);
        EXPECT_EQ(key.keyStringCode, 228 + f);
        EXPECT_EQ(key.scanCode, f < 10 ? 0x3B + f : 0x57 + f - 10);
    }
    for (int i = 0; i < kSystemKeyCount; ++i)
        EXPECT_EQ(kSystemKeys[static_cast<std::size_t>(i)].keyStringCode != 0, i <= kLastKeyStringKey) << i;
}

} // namespace
} // namespace orvane::actions
