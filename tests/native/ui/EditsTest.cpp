// Edits, up-downs and the number conversions behind them.
#include "TestForm.h"
#include "core/Exception.h"
#include "fakes/FakePeers.h"
#include "fakes/FakeUi.h"
#include "ui/Convert.h"
#include "ui/Indicators.h"

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

using testing::TDemoForm;

TEST(Edit, AKeyPressHandlerCanDiscardTypedCharacters) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    int changes = 0;
    form.DelayEdBx.SetText("");
    form.DelayEdBx.OnKeyPress = [](Component*, char& key) {
        if (key < '0' || key > '9') key = 0;
    };
    form.DelayEdBx.OnChange = [&](Component*) { ++changes; };
    form.DelayEdBx.UserType("1a2\b3");
    EXPECT_EQ(form.DelayEdBx.Text(), "123");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(form.DelayUpDwn.Position(), 123);
}

TEST(Edit, TypingReplacesTheSelectionAndBackspaceDeletesIt) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    TEdit& name = form.DelayEdBx;
    name.SetText("My layout");
    name.SelectAll();
    name.UserType("TV");
    EXPECT_EQ(name.Text(), "TV");
    name.SetSelection(1, 1);
    name.UserType("\b");
    EXPECT_EQ(name.Text(), "T");
    name.SetReadOnly(true);
    name.UserType("x");
    EXPECT_EQ(name.Text(), "T");
}

TEST(UpDown, ANumberTypedInItsEditMovesItWithinItsRange) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    form.DelayEdBx.UserSetText("2,000");
    EXPECT_EQ(form.DelayUpDwn.Position(), 2000);
    form.DelayEdBx.UserSetText("40000");
    EXPECT_EQ(form.DelayUpDwn.Position(), 32767);
    form.DelayEdBx.UserSetText("abc");
    EXPECT_EQ(form.DelayUpDwn.Position(), 32767);
    EXPECT_EQ(form.DelayEdBx.Text(), "abc"); // the text stays as typed

    form.DelayUpDwn.SetThousands(false);
    form.DelayUpDwn.SetPosition(1500);
    EXPECT_EQ(form.DelayEdBx.Text(), "1500");
    form.DelayUpDwn.SetMax(1000); // the position follows the range
    EXPECT_EQ(form.DelayUpDwn.Position(), 1000);
    EXPECT_EQ(form.DelayEdBx.Text(), "1000");
    form.DelayUpDwn.UserClickUp();
    EXPECT_EQ(form.DelayUpDwn.Position(), 1000);
    form.DelayUpDwn.UserClickDown();
    EXPECT_EQ(form.DelayUpDwn.Position(), 750);
}

TEST(UpDown, AnEditAndItsUpDownMayDieInEitherOrder) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    {
        TEdit edit(form, "XPositionEdBx");
        TUpDown upDown(form, "XPosUpDown");
        upDown.SetAssociate(&edit);
        EXPECT_EQ(edit.Associate(), &upDown);
    } // the up-down goes first
    auto upDown = std::make_unique<TUpDown>(form, "YPosUpDown");
    {
        TEdit edit(form, "YPositionEdBx");
        upDown->SetAssociate(&edit);
    } // now the edit does
    EXPECT_EQ(upDown->Associate(), nullptr);
    upDown->SetPosition(5);
    EXPECT_EQ(upDown->Position(), 5);
}

TEST(Memo, TheUsersTextBecomesItsLinesWithoutGoingBackToTheWindow) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    TMemo memo(form, "Memo");
    memo.Lines.Assign({"old"});
    memo.SetPeer(std::make_unique<fakes::RecordingPeer>());
    memo.UserSetText("one\r\ntwo\r\n");
    EXPECT_EQ(memo.Lines.Items(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(fakes::PeerOf(memo).Count(Prop::Items), 0);

    memo.SetReadOnly(true);
    memo.UserSetText("typed");
    EXPECT_EQ(memo.Lines.Items(), (std::vector<std::string>{"one", "two"}));
    memo.SetReadOnly(false);
    memo.SetEnabled(false);
    memo.UserSetText("typed");
    EXPECT_EQ(memo.Lines.Count(), 2);
}

TEST(ProgressBar, ThePositionStaysWithinARangeThatCannotTurnEmpty) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    TProgressBar bar(form, "ProgressBar");
    bar.SetMax(255);
    bar.SetPosition(300);
    EXPECT_EQ(bar.Position(), 255);
    bar.SetMax(0); // the largest value of a sample with no positive value
    EXPECT_EQ(bar.Position(), 0);
    bar.SetPosition(12);
    EXPECT_EQ(bar.Position(), 0);
    bar.SetMin(10);
    EXPECT_EQ(bar.Max(), 10);
    EXPECT_EQ(bar.Position(), 10);
}

TEST(Convert, StrToIntReadsWholeNumbersAndRejectsEverythingElseWithTheRuntimesText) {
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("  -17"), -17);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483648LL);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    for (const char* bad : {"", " ", "12 ", "1,000", "2147483648", "$", "0x", "1e3", "-"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "'" << bad << "' converted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid integer value");
        }
    }
}

TEST(Convert, FormatIntegerGroupsThousands) {
    EXPECT_EQ(FormatInteger(1234567, true), "1,234,567");
    EXPECT_EQ(FormatInteger(-1000, true), "-1,000");
    EXPECT_EQ(FormatInteger(999, true), "999");
    EXPECT_EQ(FormatInteger(1234567, false), "1234567");
}

TEST(Strings, TextIsSplitAtEveryKindOfLineBreakAndJoinedWithCrLf) {
    TStrings lines;
    lines.SetText("one\r\ntwo\nthree\rfour");
    EXPECT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
    lines.SetText("");
    EXPECT_TRUE(lines.Empty());
    EXPECT_THROW(lines[0], EListError);
}

} // namespace
} // namespace orvane::ui
