// The main window's action list shows each description as its caption and
// type image, and keeps a row for every description even when one cannot be
// described.
#include "core/Exception.h"
#include "native/core/ProgramFixture.h"

namespace orvane::core {
namespace {

using ActionList = ProgramFixture;

TEST_F(ActionList, EachDescriptionIsARowWithItsCaptionAndImageAndABadOneStillHasItsRow) {
    const std::string m = "\xA1";
    platform.windows.keyNames = {{0x3F, "F5"}};
    TAction& action = Model().AddAction(Model().DefaultLayout(), "Power");
    action.Actions = {m + "SendKeys" + m + "NCSE19Delay:0DestWnd:KeepActive:N",
                      m + "Mixer" + m + "WaveVolume:xIncrement:5Delay:0",
                      m + "Shutdown" + m + "2Delay:0"};
    Model().CurrentAction = &action;
    try {
        Main().RefreshActionPane();
        FAIL() << "the bad description raised nothing";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'x' is not a valid integer value");
    }
    ui::TListView& list = Main().ActionsList;
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(0)->Caption(), "Ctrl+Shift+F5");
    EXPECT_EQ(list.Item(0)->ImageIndex(), 0);
    EXPECT_EQ(list.Item(1)->ImageIndex(), 4);
    EXPECT_EQ(list.Item(2)->Caption(), "Shutdown");
    EXPECT_EQ(list.Item(2)->ImageIndex(), 5);
}

TEST_F(ActionList, AFileWithADescriptionThatCannotBeDescribedIsReadWhole) {
    const std::string m = "\xA1";
    const std::string odd = m + "OSD" + m + "twice" + m + "OSD" + m + "Delay:1";
    const std::string path = Write("odd.orv", "[File information]\r\nVersion=4\r\nCommands=0\r\nLayouts=2\r\n"
                                              "[L0]\r\nName=Default\r\nActCount=1\r\n"
                                              "[L0A0]\r\nName=Odd\r\nActCount=3\r\nA0=" +
                                                  odd + "\r\nA1=" + m + "Shutdown" + m + "9\r\nA2=no tag\r\n"
                                                  "[L1]\r\nName=Later\r\nActCount=1\r\n"
                                                  "[L1A0]\r\nName=Kept\r\nActCount=1\r\nA0=x\r\n");
    ui.dialogs.ExpectOpenFile("", path);
    ui.dialogs.ExpectMessageBox("'' is not a valid integer value");
    Main().OpenMenu.UserClicked();
    ASSERT_EQ(Model().Layouts.size(), 2u);
    ASSERT_EQ(Model().Layouts[1]->Actions.size(), 1u);
    EXPECT_EQ(Model().Layouts[1]->Actions[0]->Name, "Kept");
    ASSERT_NE(Model().CurrentAction, nullptr);
    EXPECT_EQ(Model().CurrentAction->Actions, (std::vector<std::string>{odd, m + "Shutdown" + m + "9", "no tag"}));
    ASSERT_EQ(Main().ActionsList.Count(), 3);
    EXPECT_EQ(Main().ActionsList.Item(0)->Caption(), "twice" + m + "OSD" + m);
    EXPECT_EQ(Main().ActionsList.Item(2)->Caption(), "");
}

} // namespace
} // namespace orvane::core
