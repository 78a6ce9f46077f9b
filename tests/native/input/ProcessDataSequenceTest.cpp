// Recognition of complete sequences: which command wins, the typematic
// window, the tray flash, the settings read at each press, and the log line
// written before dispatch.
#include "RecognitionFixture.h"
#include "input/RecognitionSettings.h"

#include <cerrno>
#include <cstring>

namespace orvane::input::testing {
namespace {

using Recognition = RecognitionFixture;

TEST_F(Recognition, TheFirstEnabledMatchingCommandInCreationOrderIsRecognised) {
    ui::TTreeNode* tv = Remote("TV");
    ui::TTreeNode* radio = Remote("Radio");
    core::TCommand& radioOn = Command(radio, "Radio on", {1, 2, 3});
    core::TCommand& tvOn = Command(tv, "TV on", {1, 2, 4}); // shown first, created second
    Press({1, 2, 3});
    EXPECT_EQ(Selected(), "Radio on");
    EXPECT_EQ(Main().LastCommand, &radioOn);

    radioOn.Enabled = false;
    Press({1, 2, 3});
    EXPECT_EQ(Selected(), "TV on");
    EXPECT_EQ(Main().LastCommand, &tvOn);
}

TEST_F(Recognition, ACodeThatMatchesNothingClearsTheSelectionAndIsDiscarded) {
    Command(Remote("TV"), "Power", {1, 2, 3});
    Press({1, 2, 3});
    ASSERT_EQ(Selected(), "Power");
    Press({1, 2, 30});
    EXPECT_EQ(Selected(), "");
    EXPECT_TRUE(Incoming().empty());
}

TEST_F(Recognition, ATypematicCommandKeepsEveryCodeFromBeingRecognisedFor175ms) {
    ui::TTreeNode* tv = Remote("TV");
    Command(tv, "Volume", {5, 5}, true);
    Command(tv, "Mute", {6, 6});
    Press({5, 5});
    ASSERT_EQ(Selected(), "Volume");
    Advance(174);
    Press({6, 6}); // ignored entirely: the selection is not even cleared
    EXPECT_EQ(Selected(), "Volume");
    EXPECT_TRUE(Incoming().empty());

    Advance(1);
    EXPECT_FALSE(Main().TypematicActive);
    Press({6, 6});
    EXPECT_EQ(Selected(), "Mute");
    // Without the flag no window opens.
    Main().CommandsTree.SetSelected(nullptr);
    Press({6, 6});
    EXPECT_EQ(Selected(), "Mute");
}

TEST_F(Recognition, EachCodeFlashesTheTrayIconFor150msCountedFromTheFirst) {
    Press({1});
    EXPECT_EQ(Main().TrayIcon.Icon(), &Main().LogoRed);
    Advance(100);
    Press({1});
    Advance(49);
    EXPECT_EQ(Main().TrayIcon.Icon(), &Main().LogoRed);
    Advance(1);
    EXPECT_EQ(Main().TrayIcon.Icon(), &Main().LogoBlue);
    EXPECT_FALSE(Main().TrayColorTimer.Enabled());
}

TEST_F(Recognition, TheSettingsDialogsControlsApplyFromTheNextPress) {
    Command(Remote("TV"), "Power", {100, 200, 300});
    Press({100, 210, 300}); // the first-run tolerance is 10
    EXPECT_EQ(Selected(), "Power");
    Settings().ToleranceUpDwn.SetPosition(9);
    Press({100, 210, 300});
    EXPECT_EQ(Selected(), "");

    Settings().SkipFirstUpDwn.SetPosition(3);
    Settings().LengthUpDwn.SetPosition(7);
    Settings().ValueSizeUpDwn.SetPosition(2);
    Settings().SameLengthChBx.SetChecked(true);
    Settings().BinaryChBx.SetChecked(true);
    Settings().BinaryUpDwn.SetPosition(99);
    const RecognitionSettings read = ReadRecognitionSettings(Settings());
    EXPECT_EQ(read.skipFirst, 3);
    EXPECT_EQ(read.tolerance, 9);
    EXPECT_EQ(read.lengthLimit, 7);
    EXPECT_EQ(read.valueSize, 2);
    EXPECT_TRUE(read.sameLength);
    EXPECT_TRUE(read.binary);
    EXPECT_EQ(read.binaryThreshold, 99);
}

TEST_F(Recognition, EachRecognisedCommandAppendsItsRemoteAndNameToTheLog) {
    const std::string log = TempPath("orvane.log");
    std::ofstream(log, std::ios::binary) << "earlier\r\n";
    Command(Remote("TV"), "Power", {1, 2, 3});
    Command(Remote("Radio, FM"), "Next", {40, 50, 60});
    Press({1, 2, 3}); // logging is off
    LogTo(log);
    Press({1, 2, 3});
    Press({40, 50, 60});
    Press({90, 90, 90});
    EXPECT_EQ(Bytes(log), "earlier\r\nTV,Power\r\nRadio, FM,Next\r\n");

    Settings().LogFileChBx.SetChecked(false);
    Press({1, 2, 3});
    EXPECT_EQ(Bytes(log), "earlier\r\nTV,Power\r\nRadio, FM,Next\r\n");
    EXPECT_EQ(Selected(), "Power");
}

TEST_F(Recognition, ALogLineThatCannotBeWrittenIsShownAndTheCommandIsNotDispatched) {
    Command(Remote("TV"), "Volume", {1, 2, 3}, true);
    const std::string missing = TempPath("gone") + "/orvane.log";
    LogTo(missing);
    ui.dialogs.ExpectMessageBox("Cannot write file \"" + missing + "\": " + std::strerror(ENOENT));
    line->Receive("\x01\x02\x03");
    Advance(125);
    EXPECT_EQ(Selected(), "");
    EXPECT_EQ(Main().LastCommand, nullptr);
    EXPECT_FALSE(Main().TypematicActive);
    EXPECT_TRUE(Incoming().empty());

    // The next code tries again.
    const std::string log = TempPath("orvane.log");
    Settings().LogFileEdBx.SetText(log);
    line->Receive("\x01\x02\x03");
    Advance(125);
    EXPECT_EQ(Selected(), "Volume");
    EXPECT_EQ(Bytes(log), "TV,Volume\r\n");
}

} // namespace
} // namespace orvane::input::testing
