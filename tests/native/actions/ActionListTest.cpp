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

} // namespace
} // namespace orvane::core
