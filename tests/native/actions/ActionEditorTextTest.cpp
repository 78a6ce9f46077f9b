// The action editor writing and reading descriptions, and the captions the
// action list shows for them.
#include "actions/ActionForm.h"
#include "actions/DescribeAction.h"
#include "core/Exception.h"
#include "fakes/FakeUi.h"
#include "fakes/FakeWindowSystem.h"
#include "ui/ListView.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::actions {
namespace {

const std::string M = "\xA1"; // the type mark

enum Page { TapKey, MouseMove, ExecuteProgram, PostMessage, Volume, Miscellaneous };

class ActionEditorText : public ::testing::Test {
protected:
    ActionEditorText() {
        windows.keyNames = {{0x3F, "F5"}, {0x1C, "Enter"}, {0x00, "not this one"}};
        Prepare(source);
        Prepare(target);
    }

    // What the rest of the editor's creation provides: the screen's size,
    // the mixer's lines, the user's messages.
    static void Prepare(TActionForm& form) {
        form.XPosUpDown.SetMax(1280);
        form.YPosUpDown.SetMax(1024);
        form.MixerLineCoBx.Items.Assign({"Master Volume", "Wave"});
        form.MixerLineCoBx.SetItemIndex(0);
        form.UserMsgCoBx.Items.Assign({"Next track"});
    }

    static void Choose(TActionForm& form, Page page) { form.ActionTypeCoBx.UserSelect(page); }

    fakes::FakeUi ui;
    fakes::FakeWindowSystem windows;
    TActionForm& source = ui.app.CreateForm<TActionForm>(windows);
    TActionForm& target = ui.app.CreateForm<TActionForm>(windows);
    // Rows like those of the main window's action list.
    ui::TForm& host = ui.app.CreateForm<ui::TForm>("Host");
    ui::TListView rows{host, "Rows"};
};

struct PageSetup {
    Page page;
    std::function<void(TActionForm&)> set;
    std::string text;
    // What another editor builds after loading it, when that differs.
    std::string elsewhere = text;
};

TEST_F(ActionEditorText, EveryPageAndOptionIsWrittenAndLoadsIntoAnotherEditorAsTheSameText) {
    const std::vector<PageSetup> setups = {
        {TapKey,
         [](TActionForm& f) {
             f.SystemKeysCoBx.SetItemIndex(19);
             f.CtrlKeyChBx.SetChecked(true);
             f.ShiftKeyChBx.SetChecked(true);
             f.DelayUpDwn.SetPosition(500);
             f.DestinationWndCoBx.SetText("Player");
         },
         M + "SendKeys" + M + "NCSE19Delay:500DestWnd:PlayerKeepActive:N"},
        {TapKey,
         [](TActionForm& f) {
             f.ParticularKeyRBtn.SetChecked(true);
             f.ParticularKeyEdBx.SetText("abc");
             f.AltKeyChBx.SetChecked(true);
             f.KeepActiveChBx.SetChecked(true);
         },
         M + "SendKeys" + M + "ANNNabcDelay:0DestWnd:KeepActive:Y"},
        {MouseMove, [](TActionForm& f) { f.ClickTypeCoBx.SetItemIndex(2); },
         M + "MouseControl" + M + "Click:2NDelay:0"},
        {MouseMove, [](TActionForm& f) { f.DoubleClickChBtn.SetChecked(true); },
         M + "MouseControl" + M + "Click:0YDelay:0"},
        {MouseMove,
         [](TActionForm& f) {
             f.RelativeMoveRBtn.SetChecked(true);
             f.RelativeMoveCoBx.SetItemIndex(2);
             f.AccelBar.SetPosition(7);
             f.DelayUpDwn.SetPosition(250);
         },
         M + "MouseControl" + M + "RelMove:2Accel:7Delay:250"},
        {MouseMove,
         [](TActionForm& f) {
             f.AbsoluteMoveRBtn.SetChecked(true);
             f.XPosUpDown.SetPosition(640);
             f.YPosUpDown.SetPosition(480);
         },
         M + "MouseControl" + M + "AbsMove:X640Y480Delay:0"},
        {ExecuteProgram,
         [](TActionForm& f) {
             f.TryFirstChBx.SetChecked(true);
             f.TryFirstCoBx.SetText("Notepad");
             f.FileNameEdBx.SetText("C:\\Windows\\notepad.exe");
             f.ParamsEdBx.SetText("a.txt");
             f.EnterSuspendModeChBx.SetChecked(true);
         },
         M + "ExecuteProgram" + M + "Try:NotepadFilename:C:\\Windows\\notepad.exeParams:a.txtSuspend:YDelay:0"},
        {ExecuteProgram,
         [](TActionForm& f) {
             f.TryFirstCoBx.SetText("not used while the box is clear");
             f.FileNameEdBx.SetText("D:\\film.avi");
         },
         M + "ExecuteProgram" + M + "Try:Filename:D:\\film.aviParams:Suspend:NDelay:0"},
        {PostMessage,
         [](TActionForm& f) {
             f.WinMsgCoBx.SetText("WM_CLOSE");
             f.lParamEdBx.SetText("1A");
             f.DestinationWndCoBx.SetText("Editor");
             f.KeepActiveChBx.SetChecked(true);
         },
         M + "PostMessage" + M + "WM_CLOSEwParam:0lParam:1ADelay:0DestWnd:EditorKeepActive:Y"},
        {PostMessage,
         [](TActionForm& f) {
             f.UserMsgRBtn.SetChecked(true);
             f.UserMsgCoBx.SetItemIndex(0);
         },
         M + "PostMessage" + M + "Next trackwParam:0lParam:0Delay:0DestWnd:KeepActive:N"},
        {PostMessage,
         [](TActionForm& f) {
             f.UserMsgRBtn.SetChecked(true);
             f.UserMsgCoBx.SetText("C010");
             f.wParamEdBx.SetText("FF");
         },
         M + "PostMessage" + M + "C010wParam:FFlParam:0Delay:0DestWnd:KeepActive:N"},
        {Volume,
         [](TActionForm& f) {
             f.MixerLineCoBx.SetItemIndex(1);
             f.VolumeCoBx.SetItemIndex(1);
             f.DelayUpDwn.SetPosition(250);
         },
         M + "Mixer" + M + "WaveVolume:1Increment:5Delay:250"},
        {Volume,
         [](TActionForm& f) {
             f.MuteRBtn.SetChecked(true);
             f.VolIncrementBar.SetPosition(8);
         },
         M + "Mixer" + M + "Master VolumeVolume:3Increment:8Delay:0",
         // Loading a mute action leaves the increment bar as it was.
         M + "Mixer" + M + "Master VolumeVolume:3Increment:5Delay:0"},
        {Miscellaneous, [](TActionForm& f) { f.ShutDownCoBx.SetItemIndex(1); }, M + "Shutdown" + M + "1Delay:0"},
        {Miscellaneous,
         [](TActionForm& f) {
             f.WindowStateRBtn.SetChecked(true);
             f.WindowStateCoBx.SetItemIndex(3);
         },
         M + "WindowState" + M + "3Delay:0"},
        {Miscellaneous,
         [](TActionForm& f) {
             f.OSDRBtn.SetChecked(true);
             f.OSDCoBx.SetItemIndex(0);
             f.DelayUpDwn.SetPosition(1000);
         },
         M + "OSD" + M + "Current timeDelay:1000"},
    };
    for (const PageSetup& setup : setups) {
        fakes::FakeUi fresh;
        TActionForm& from = fresh.app.CreateForm<TActionForm>(windows);
        Prepare(from);
        Choose(from, setup.page);
        setup.set(from);
        EXPECT_EQ(from.BuildActionDescription(), setup.text);
        from.LoadActionDescription(setup.text);
        EXPECT_EQ(from.BuildActionDescription(), setup.text);

        // The other editor was left on another page with other settings.
        Choose(target, setup.page == TapKey ? Miscellaneous : TapKey);
        target.LoadActionDescription(setup.text);
        EXPECT_EQ(target.ActionTypeCoBx.ItemIndex(), setup.page) << setup.text;
        EXPECT_EQ(target.BuildActionDescription(), setup.elsewhere);
    }
}

TEST_F(ActionEditorText, LoadingSetsOnlyWhatTheTextMentionsAndShowsItsPage) {
    target.ParticularKeyEdBx.SetText("kept");
    target.FileNameEdBx.SetText("kept.exe");
    target.LoadActionDescription(M + "Shutdown" + M + "2Delay:750");
    EXPECT_EQ(target.ShutDownCoBx.ItemIndex(), 2);
    EXPECT_EQ(target.DelayUpDwn.Position(), 750);
    EXPECT_EQ(target.ParticularKeyEdBx.Text(), "kept");
    EXPECT_EQ(target.FileNameEdBx.Text(), "kept.exe");
    EXPECT_TRUE(target.EspecialPanel.Visible());
    EXPECT_FALSE(target.TapKeyPanel.Visible());
    EXPECT_FALSE(target.DestinationWndCoBx.Enabled()); // only keys and messages go to a window

    // A mute action keeps the increment bar where it was.
    target.VolIncrementBar.SetPosition(9);
    target.LoadActionDescription(M + "Mixer" + M + "waveVolume:3Increment:2Delay:0");
    EXPECT_TRUE(target.MuteRBtn.Checked());
    EXPECT_EQ(target.VolIncrementBar.Position(), 9);
    EXPECT_EQ(target.MixerLineCoBx.Text(), "Wave"); // found without regard to case

    // An empty try-first field clears the tick and greys the window box.
    target.TryFirstChBx.SetChecked(true);
    target.LoadActionDescription(M + "ExecuteProgram" + M + "Try:Filename:x.exeParams:Suspend:NDelay:0");
    EXPECT_FALSE(target.TryFirstChBx.Checked());
    EXPECT_FALSE(target.TryFirstCoBx.Enabled());

    // A code outside its list selects nothing.
    target.LoadActionDescription(M + "WindowState" + M + "7Delay:0");
    EXPECT_TRUE(target.WindowStateRBtn.Checked());
    EXPECT_EQ(target.WindowStateCoBx.ItemIndex(), -1);
    EXPECT_TRUE(target.WindowStateCoBx.Enabled());
    EXPECT_FALSE(target.ShutDownCoBx.Enabled());

    // Two tags: each branch in turn. The text on screen goes first and
    // shows its page; the keys then find no "DestWnd:" to end their delay.
    EXPECT_THROW(target.LoadActionDescription(M + "OSD" + M + "hi" + M + "SendKeys" + M + "Delay:0"), EConvertError);
    EXPECT_EQ(target.OSDCoBx.Text(), "hi" + M + "SendKeys" + M);
    EXPECT_TRUE(target.OSDRBtn.Checked());
    EXPECT_TRUE(target.EspecialPanel.Visible());
}

TEST_F(ActionEditorText, AFieldThatDoesNotConvertStopsLoadingThereKeepingWhatWasSet) {
    Choose(target, Volume);
    try {
        target.LoadActionDescription(M + "SendKeys" + M + "ANNNsay Delay:nowDelay:0DestWnd:WKeepActive:Y");
        FAIL() << "loaded";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'nowDelay:0' is not a valid integer value");
    }
    EXPECT_TRUE(target.AltKeyChBx.Checked());
    EXPECT_TRUE(target.ParticularKeyRBtn.Checked());
    EXPECT_EQ(target.ParticularKeyEdBx.Text(), "say ");
    EXPECT_EQ(target.DestinationWndCoBx.Text(), "");
    EXPECT_EQ(target.ActionTypeCoBx.ItemIndex(), Volume);

    // Malformed texts load what they can or fail cleanly; none reads past its end.
    for (const std::string& text :
         {std::string(), M + "SendKeys" + M, M + "Mixer" + M, M + "MouseControl" + M + "Click:",
          "Delay:" + M + "OSD" + M, M + "PostMessage" + M + "KeepActive:", M + "MouseControl" + M + "AbsMove:"}) {
        try {
            target.LoadActionDescription(text);
        } catch (const EConvertError&) {
        }
    }
}

TEST_F(ActionEditorText, TheListDescribesEachTypeInTheEditorsWords) {
    const struct {
        std::string text;
        std::string caption;
        int image;
    } cases[] = {
        {M + "SendKeys" + M + "NCSE19Delay:0DestWnd:KeepActive:N", "Ctrl+Shift+F5", 0},
        {M + "SendKeys" + M + "ANSNabcDelay:0DestWnd:KeepActive:N", "Alt+Shift+abc", 0},
        {M + "SendKeys" + M + "NNNE46Delay:0DestWnd:KeepActive:N", "Print Screen", 0},
        {M + "SendKeys" + M + "NNNE47Delay:0DestWnd:KeepActive:N", "", 0},
        {M + "MouseControl" + M + "Click:0YDelay:0", "Left double click", 1},
        {M + "MouseControl" + M + "Click:2NDelay:0", "Right button click", 1},
        {M + "MouseControl" + M + "Click:9NDelay:0", " button click", 1},
        {M + "MouseControl" + M + "RelMove:2Accel:5Delay:0", "Up-Right (5)", 1},
        {M + "MouseControl" + M + "AbsMove:X640Y480Delay:0", "x: 640, y: 480", 1},
        {M + "ExecuteProgram" + M + "Try:Filename:C:\\Tools\\run.exeParams:-fast 1Suspend:NDelay:0",
         "run.exe -fast 1", 2},
        {M + "PostMessage" + M + "WM_CLOSEwParam:0lParam:1ADelay:0DestWnd:KeepActive:N", "WM_CLOSE, 0, 1A", 3},
        {M + "Mixer" + M + "WaveVolume:1Increment:5Delay:250", "Wave, volume down, 5", 4},
        {M + "Mixer" + M + "WaveVolume:0Increment:10Delay:0", "Wave, volume up, 10", 4},
        {M + "Mixer" + M + "WaveVolume:3Increment:5Delay:0", "Wave, toggle mute", 4},
        {M + "Shutdown" + M + "1Delay:0", "Reboot", 5},
        {M + "Shutdown" + M + "5Delay:0", "", 5},
        {M + "WindowState" + M + "3Delay:0", "Close", 5},
        {M + "OSD" + M + "Current timeDelay:0", "Current time", 6},
        {"no tag at all", "before", -1},
    };
    for (const auto& c : cases) {
        ui::TListItem& row = *rows.Add();
        row.SetCaption("before");
        DescribeAction(c.text, row, source, windows);
        EXPECT_EQ(row.Caption(), c.caption) << c.text;
        EXPECT_EQ(row.ImageIndex(), c.image) << c.text;
    }

    // The editor's captions follow its language.
    source.DoubleClickChBtn.SetCaption("&Doppelklick");
    source.ClickTypeCoBx.Items.Assign({"Links"});
    ui::TListItem& row = *rows.Add();
    DescribeAction(M + "MouseControl" + M + "Click:0YDelay:0", row, source, windows);
    EXPECT_EQ(row.Caption(), "Links doppelklick");

    EXPECT_THROW(DescribeAction(M + "MouseControl" + M + "RelMove:2Accel:Delay:0", row, source, windows),
                 EConvertError);
}

} // namespace
} // namespace orvane::actions
