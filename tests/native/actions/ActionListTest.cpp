// The main window's action list keeps a row for every description, and a
// file is read whole, even when a description cannot be described.
#include "native/program/ProgramFixture.h"

namespace orvane::program {
namespace {

using ActionList = ProgramFixture;

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
} // namespace orvane::program
