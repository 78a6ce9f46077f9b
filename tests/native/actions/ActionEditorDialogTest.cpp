// The action editor as the user works it: what its creation lists (user
// messages, mixer lines, screen bounds), the pages and options, the cursor
// position, the program file, the window lists, the parameter boxes, and the
// check that decides whether "Accept" closes the dialog.
#include "actions/ActionForm.h"
#include "actions/LayoutsForm.h"
#include "fakes/FakeCanvas.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeMixer.h"
#include "fakes/FakeMouseInput.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeUi.h"
#include "fakes/FakeWindowSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::actions {
namespace {

using namespace ui;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

class ActionEditorDialog : public ::testing::Test {
protected:
    // The editor with everything it reaches; a test may script the mixer or
    // the message list before Create.
    TActionForm& Create() {
        layouts = &ui.app.CreateForm<TLayoutsForm>(&windows);
        ActionFormServices services(windows);
        services.mouse = &mouse;
        services.screen = &screen;
        services.files = &files;
        services.programFolder = "C:\\Tools\\Orvane\\";
        services.mixer = &mixer;
        services.mixerVolumeSlots = &volumeSlots;
        services.mixerMuteSlots = &muteSlots;
        services.actionImages = &actionImages;
        services.layouts = layouts;
        return ui.app.CreateForm<TActionForm>(services);
    }

    fakes::FakeUi ui;
    fakes::FakeWindowSystem windows;
    fakes::FakeMouseInput mouse;
    fakes::FakeScreen screen;
    fakes::FakeFileSystem files;
    fakes::FakeMixer systemMixer;
    TMidiMixer mixer{nullptr, systemMixer, ui.app, false, -2};
    std::vector<int> volumeSlots, muteSlots;
    Component imagesOwner{nullptr, "MainForm"};
    TImageList actionImages{imagesOwner, "ActionsImgList"};
    TLayoutsForm* layouts = nullptr;
};

TEST_F(ActionEditorDialog, CreationListsTheUserMessagesTheMixerLinesAndBoundsThePositionByTheScreen) {
    files.Put("C:\\Tools\\Orvane\\MyMsgList.txt",
              Bytes("Play=WM_COMMAND,1A2B,0\r\nno name here\nStop=0111,FF,12\rLast=WM_CLOSE,0"));
    systemMixer.AddWineLikeDevice();
    screen.resolution = {1280, 1024};
    TActionForm& form = Create();

    EXPECT_EQ(form.UserMsgListBox.Items.Items(),
              (std::vector<std::string>{"Play=WM_COMMAND,1A2B,0", "no name here", "Stop=0111,FF,12",
                                        "Last=WM_CLOSE,0"}));
    // A line without "=" has no name and is never found by one.
    EXPECT_EQ(form.UserMsgCoBx.Items.Items(), (std::vector<std::string>{"Play", "", "Stop", "Last"}));
    EXPECT_EQ(form.WinMsgCoBx.Items[0], "WM_ACTIVATE");
    EXPECT_EQ(form.SystemKeysCoBx.Items.Count(), 47);
    EXPECT_EQ(form.SystemKeysCoBx.Items[46], "Print Screen");

    // Master first, then the wave out line, each named by its volume control
    // and with its mute slot.
    EXPECT_TRUE(mixer.Active());
    EXPECT_EQ(form.MixerLineCoBx.Items.Items(), (std::vector<std::string>{"Volume", "Volume"}));
    EXPECT_EQ(volumeSlots, (std::vector<int>{2, 12}));
    EXPECT_EQ(muteSlots, (std::vector<int>{3, 13}));
    EXPECT_EQ(form.MixerLineCoBx.ItemIndex(), 0);
    EXPECT_EQ(form.VolumeCoBx.Text(), "Up");
    for (Control* c : std::initializer_list<Control*>{&form.VolumeRBtn, &form.VolumeCoBx, &form.VolIncrementBar,
                                                      &form.MuteRBtn})
        EXPECT_TRUE(c->Enabled()) << c->Name();

    EXPECT_EQ(form.XPosUpDown.Max(), 1280);
    EXPECT_EQ(form.YPosUpDown.Max(), 1024);
    EXPECT_EQ(form.ActionTypeCoBx.ItemIndex(), 0);
    EXPECT_TRUE(form.TapKeyPanel.Visible());
}

TEST_F(ActionEditorDialog, WithNoMixerTheVolumePageAcceptsAsCancelledAndAsksNothing) {
    systemMixer.openFailure = 1;
    TActionForm& form = Create();
    EXPECT_FALSE(mixer.Active());
    EXPECT_TRUE(form.MixerLineCoBx.Items.Empty());
    EXPECT_TRUE(volumeSlots.empty());
    EXPECT_FALSE(form.VolumeRBtn.Enabled());
    EXPECT_FALSE(form.MuteRBtn.Enabled());
    ui.dialogs.ExpectModal("ActionForm", [&](TForm&) {
        form.ActionTypeCoBx.UserSelect(4);
        form.AcceptBtn.UserClicked();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_TRUE(ui.dialogs.MessageBoxes().empty());
}

// Each page refuses only what it cannot describe, naming the missing part
// by its caption; the others close with OK.
TEST_F(ActionEditorDialog, AcceptChecksTheVisiblePageAndNamesWhatIsMissing) {
    TActionForm& form = Create();
    struct Case {
        int type;
        std::function<void()> setUp;
        std::string refusal; // empty: closes with OK
    };
    const Case cases[] = {
        {0, [&] { form.ParticularKeyRBtn.UserClicked(); }, "Particular key(s)?"},
        {0, [&] { form.ParticularKeyEdBx.UserSetText("abc"); }, ""},
        {0, [&] { form.SystemKeyRBtn.UserClicked(); form.ParticularKeyEdBx.UserSetText(""); }, ""},
        {1, [] {}, ""},
        {2, [] {}, "Executable?"},
        {2, [&] { form.FileNameEdBx.UserSetText("C:\\Windows\\notepad.exe"); }, ""},
        {3, [] {}, ""},
        {3, [&] { form.UserMsgRBtn.UserClicked(); }, "User defined?"},
        {3, [&] { form.UserMsgCoBx.UserSetText("Play"); }, ""},
        {5, [] {}, ""},
        {5, [&] { form.OSDRBtn.UserClicked(); form.OSDCoBx.UserSetText(""); }, "On Screen Display?"},
        {5, [&] { form.OSDCoBx.UserSelect(1); }, ""},
    };
    for (const Case& c : cases) {
        form.ActionTypeCoBx.UserSelect(c.type);
        c.setUp();
        ui.dialogs.ExpectModal("ActionForm", [&](TForm&) {
            if (!c.refusal.empty()) ui.dialogs.ExpectMessageBox(c.refusal);
            form.AcceptBtn.UserClicked();
            if (!c.refusal.empty()) {
                EXPECT_EQ(form.ModalResult(), mrNone) << c.refusal;
                form.CancelBtn.UserClicked();
            }
        });
        EXPECT_EQ(form.ShowModal(), c.refusal.empty() ? mrOk : mrCancel) << "type " << c.type << " " << c.refusal;
        if (!c.refusal.empty()) {
            EXPECT_EQ(ui.dialogs.MessageBoxes().back().caption, "Action setup incomplete");
            EXPECT_EQ(ui.dialogs.MessageBoxes().back().flags, mb::Ok | mb::IconWarning);
        }
    }
}

TEST_F(ActionEditorDialog, TheSuspendBoxFollowsTheFilesTypeButKeepsItsTick) {
    TActionForm& form = Create();
    form.ActionTypeCoBx.UserSelect(2);
    const struct {
        const char* file;
        bool program;
    } files[] = {
        {"C:\\Windows\\notepad.exe", true}, {"C:\\readme.txt", false},   {"D:\\Tools.new\\run.BAT", true},
        {"D:\\Tools.exe\\notes", false},     {"start.com", true},         {"", false},
    };
    form.FileNameEdBx.UserSetText("C:\\Windows\\notepad.exe");
    form.EnterSuspendModeChBx.UserClicked();
    for (const auto& f : files) {
        form.FileNameEdBx.UserSetText(f.file);
        EXPECT_EQ(form.EnterSuspendModeChBx.Enabled(), f.program) << f.file;
        EXPECT_TRUE(form.EnterSuspendModeChBx.Checked()) << f.file;
    }
    form.FileNameEdBx.UserSetText("C:\\readme.txt");
    EXPECT_NE(form.BuildActionDescription().find("Suspend:Y"), std::string::npos);

    ui.dialogs.ExpectOpenFile("", std::string("C:\\Games\\play.exe"));
    form.BrowseBtn.UserClicked();
    EXPECT_EQ(form.FileNameEdBx.Text(), "C:\\Games\\play.exe");
    EXPECT_TRUE(form.EnterSuspendModeChBx.Enabled());
}

TEST_F(ActionEditorDialog, F2TakesTheCursorOnAnyPageAndTheLivePositionRunsOnTheMousePageOnly) {
    screen.resolution = {800, 600};
    TActionForm& form = Create();
    mouse.cursor = {321, 4000};
    EXPECT_FALSE(form.CursorPosTimer.Running());
    form.ParticularKeyRBtn.UserKeyDown(keys::F2, 0);
    EXPECT_EQ(form.XPositionEdBx.Text(), "321");
    EXPECT_EQ(form.YPositionEdBx.Text(), "600"); // kept within the screen

    form.ActionTypeCoBx.UserSelect(1);
    EXPECT_TRUE(form.CursorPosTimer.Running());
    mouse.cursor = {12, 34};
    ui.timers.Advance(100);
    EXPECT_EQ(form.XPosInfoLbl.Caption(), "12");
    EXPECT_EQ(form.YPosInfoLbl.Caption(), "34");
    form.ActionTypeCoBx.UserSelect(3);
    EXPECT_FALSE(form.CursorPosTimer.Running());
    // Only keys and messages go to a destination window.
    EXPECT_TRUE(form.DestinationWndCoBx.Enabled());
    form.ActionTypeCoBx.UserSelect(4);
    EXPECT_FALSE(form.DestinationWndCoBx.Enabled());
    EXPECT_EQ(form.DestinationWndCoBx.Color(), clBtnFace);
}

TEST_F(ActionEditorDialog, WindowListsShowEveryWindowOwnedOnesIndentedAndAChosenOneLosesItsIndent) {
    const auto player = windows.AddWindow("Player");
    windows.AddWindow("Hidden tool", 0, false);
    windows.AddWindow("Player settings", player);
    TActionForm& form = Create();
    form.DestinationWndCoBx.UserSetText("typed");
    form.DestinationWndCoBx.UserDropDown();
    EXPECT_TRUE(layouts->AllRBtn.Checked());
    EXPECT_EQ(form.DestinationWndCoBx.Items.Items(),
              (std::vector<std::string>{"Hidden tool", "Player", "   Player settings"}));
    EXPECT_EQ(form.DestinationWndCoBx.Text(), "typed");
    EXPECT_EQ(ui.app.GetCursor(), Cursor::Default);

    form.DestinationWndCoBx.SetFocus();
    form.DestinationWndCoBx.UserSelect(2);
    form.KeepActiveChBx.SetFocus();
    EXPECT_EQ(form.DestinationWndCoBx.Text(), "Player settings");
    EXPECT_NE(form.BuildActionDescription().find("DestWnd:Player settingsKeepActive"), std::string::npos);

    form.ActionTypeCoBx.UserSelect(2);
    form.TryFirstChBx.UserClicked();
    form.TryFirstCoBx.SetFocus();
    form.TryFirstCoBx.UserDropDown();
    form.TryFirstCoBx.UserSelect(2);
    form.FileNameEdBx.SetFocus();
    EXPECT_EQ(form.TryFirstCoBx.Text(), "Player settings");
}

TEST_F(ActionEditorDialog, AUserMessageFillsItsParametersWhichTakeOnlyHexadecimalDigits) {
    files.Put("C:\\Tools\\Orvane\\MyMsgList.txt", Bytes("Play=WM_COMMAND,1A2B,0\r\nstop=0111,FF,12,3\r\n"));
    TActionForm& form = Create();
    form.ActionTypeCoBx.UserSelect(3);
    form.UserMsgRBtn.UserClicked();
    form.UserMsgCoBx.UserSelect(1);
    EXPECT_EQ(form.wParamEdBx.Text(), "FF");
    EXPECT_EQ(form.lParamEdBx.Text(), "12,3");
    form.UserMsgCoBx.UserSetText("PLAY");
    form.UserMsgCoBx.UserSelect(0);
    EXPECT_EQ(form.wParamEdBx.Text(), "1A2B");
    EXPECT_EQ(form.lParamEdBx.Text(), "0");

    form.wParamEdBx.SelectAll();
    form.wParamEdBx.UserType("1g-Fz a9\b\bc");
    EXPECT_EQ(form.wParamEdBx.Text(), "1Fc");
}

TEST_F(ActionEditorDialog, TheTypeAndDirectionListsDrawTheirPictureThenTheirText) {
    TActionForm& form = Create();
    actionImages.SetCount(7);
    fakes::FakeCanvas canvas;
    form.ActionTypeCoBx.UserDrawItem(canvas, 2, {0, 20, 180, 38}, odSelected | odFocused);
    form.RelativeMoveCoBx.UserDrawItem(canvas, 7, {0, 0, 148, 18}, odSelected);
    EXPECT_EQ(canvas.ops, (std::vector<std::string>{
                              "fill 0,20,180,38", "image ActionsImgList[2] 3,21", "font 00FFFFF8",
                              "text 29,22 Execute program", "fill 0,0,148,18", "image ArrowsImgList[7] 3,1",
                              "font 80000007", "text 29,2 Down-Right"}));
    for (int index = 0; index < 8; ++index) EXPECT_NE(form.ArrowsImgList.Picture(index), nullptr);
}

} // namespace
} // namespace orvane::actions
