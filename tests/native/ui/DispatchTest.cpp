// The dispatch point: a failure inside a handler reaches HandleException, is
// shown, and ends that event only.
#include "TestForm.h"
#include "core/Exception.h"
#include "fakes/FakeUi.h"
#include "ui/Convert.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvane::ui {
namespace {

using testing::TDemoForm;

class DispatchTest : public ::testing::Test {
protected:
    DispatchTest() { ui.app.SetTitle("Orvane"); }
    fakes::FakeUi ui;
    TDemoForm form{ui.app};
};

TEST_F(DispatchTest, AFailureInAHandlerIsShownAndTheRestOfTheHandlerDoesNotRun) {
    std::vector<std::string> steps;
    form.OkBtn.OnClick = [&](Component*) {
        steps.push_back("before");
        steps.push_back(std::to_string(StrToInt("12a")));
        steps.push_back("after");
    };
    ui.dialogs.ExpectMessageBox("'12a' is not a valid integer value");
    form.OkBtn.UserClicked();
    EXPECT_EQ(steps, (std::vector<std::string>{"before"}));
    ASSERT_EQ(ui.dialogs.MessageBoxes().size(), 1u);
    EXPECT_EQ(ui.dialogs.MessageBoxes()[0].caption, "Orvane");
    EXPECT_EQ(ui.dialogs.MessageBoxes()[0].flags, mb::Ok | mb::IconError);

    // The next event runs normally.
    form.OkBtn.OnClick = [&](Component*) { steps.push_back("again"); };
    form.OkBtn.UserClicked();
    EXPECT_EQ(steps.back(), "again");
}

TEST_F(DispatchTest, StandardLibraryFailuresAreHandledTheSameWay) {
    form.LaunchChBx.OnClick = [](Component*) { throw std::out_of_range("vector::at"); };
    ui.dialogs.ExpectMessageBox("vector::at");
    form.LaunchChBx.UserClicked();
    // The click itself happened before its handler failed.
    EXPECT_TRUE(form.LaunchChBx.Checked());
}

TEST_F(DispatchTest, AFailureInsideNestedCodeAbandonsTheWholeOuterEvent) {
    // A check box set from code runs its handler at once; its failure ends
    // the user's click that set it.
    std::vector<std::string> steps;
    form.LaunchChBx.OnClick = [](Component*) { throw ERangeError(); };
    form.OkBtn.OnClick = [&](Component*) {
        form.LaunchChBx.SetChecked(true);
        steps.push_back("not reached");
    };
    ui.dialogs.ExpectMessageBox("Range check error");
    form.OkBtn.UserClicked();
    EXPECT_TRUE(steps.empty());
}

TEST_F(DispatchTest, DispatchAnswersWhetherTheEventCompleted) {
    EXPECT_TRUE(ui.app.Dispatch([] {}));
    ui.dialogs.ExpectMessageBox("Unable to set com state: 87");
    EXPECT_FALSE(ui.app.Dispatch([] { throw EComPort("Unable to set com state: 87"); }));
}

TEST_F(DispatchTest, AFailingKeyHandlerConsumesTheKey) {
    form.DelayEdBx.OnKeyDown = [](Component*, Key&, ShiftState) {
        throw ESocketError("Asynchronous socket error 10061");
    };
    ui.dialogs.ExpectMessageBox("Asynchronous socket error 10061");
    EXPECT_EQ(form.DelayEdBx.UserKeyDown('A', 0), 0);
}

TEST_F(DispatchTest, AFailingDragOverRefusesTheDrop) {
    bool dropped = false;
    form.WindowCoBx.OnDragOver = [](Component*, Component*, int, int, DragState, bool&) {
        throw EMMError("Multimedia Mixer Error 1024 - Invalid line in mixerGetLineInfo");
    };
    form.WindowCoBx.OnDragDrop = [&](Component*, Component*, int, int) { dropped = true; };
    ui.dialogs.ExpectMessageBox("Multimedia Mixer Error 1024 - Invalid line in mixerGetLineInfo");
    EXPECT_FALSE(DragTo(form.KindCoBx, form.WindowCoBx, {1, 1}));
    EXPECT_FALSE(dropped);
}

} // namespace
} // namespace orvane::ui
