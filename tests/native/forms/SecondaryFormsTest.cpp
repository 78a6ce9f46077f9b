// The six windows besides the main window and the settings dialog, as they
// stand after creation: they build with no window, hold the components other
// code finds by name, are laid out so that nothing overlaps or is cut off, and
// their buttons close them with the right results.
#include "actions/ActionForm.h"
#include "actions/LayoutsForm.h"
#include "fakes/FakeUi.h"
#include "fakes/FakeWindowSystem.h"
#include "feedback/PasswordDlg.h"
#include "input/AVerForm.h"
#include "input/LearnForm.h"
#include "input/TestOriginForm.h"
#include "ui/ListView.h"
#include "ui/TreeView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace ui;

struct FormCase {
    std::string name;
    std::string caption;
    std::function<TForm&(Application&)> create;
};

template <class T>
std::function<TForm&(Application&)> Maker() {
    return [](Application& app) -> TForm& { return app.CreateForm<T>(); };
}

// The action editor asks the system for key names.
fakes::FakeWindowSystem& Windows() {
    static fakes::FakeWindowSystem windows;
    return windows;
}

template <>
std::function<TForm&(Application&)> Maker<actions::TActionForm>() {
    return [](Application& app) -> TForm& { return app.CreateForm<actions::TActionForm>(Windows()); };
}

const std::vector<FormCase>& Forms() {
    static const std::vector<FormCase> forms = {
        {"LayoutsForm", "Layout setup", Maker<actions::TLayoutsForm>()},
        {"ActionForm", "Action setup", Maker<actions::TActionForm>()},
        {"AVerForm", "AVer", Maker<input::TAVerForm>()},
        {"TestOriginForm", "Test origin", Maker<input::TTestOriginForm>()},
        {"LearnForm", "Learn command", Maker<input::TLearnForm>()},
        {"PasswordDlg", "Settings protection", Maker<feedback::TPasswordDlg>()},
    };
    return forms;
}

// ---- Layout rules -----------------------------------------------------------

// A group box draws its caption across the top of its frame.
constexpr int kGroupCaptionHeight = 14;
constexpr int kLineHeight = 13;
// The box of a check box or radio button and the gap before its text.
constexpr int kChoiceMark = 18;

std::string Shown(const std::string& caption) {
    std::string text = caption;
    if (auto amp = text.find('&'); amp != std::string::npos) text.erase(amp, 1);
    return text;
}

// Width the control's caption needs, and the width it offers for it (a
// label wraps onto as many lines as it is tall). Zero need: no caption.
struct TextRoom {
    int needed = 0;
    int offered = 0;
};

TextRoom RoomFor(const Control& c) {
    const std::string text = Shown(c.GetTextProperty("Caption"));
    if (text.empty() || dynamic_cast<const TForm*>(&c)) return {};
    const int width = HeadlessTextWidth(text);
    if (dynamic_cast<const TLabel*>(&c)) return {width, c.Width() * std::max(1, c.Height() / kLineHeight)};
    if (dynamic_cast<const TCheckBox*>(&c) || dynamic_cast<const TRadioButton*>(&c))
        return {width + kChoiceMark, c.Width()};
    if (dynamic_cast<const TButton*>(&c)) return {width + 8, c.Width()};
    if (dynamic_cast<const TGroupBox*>(&c)) return {width + 16, c.Width()};
    return {};
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void CollectLayoutFaults(const Control& parent, std::vector<std::string>& faults) {
    const auto& children = parent.Controls();
    for (const Control* c : children) {
        const Rect r = c->BoundsRect();
        const std::string where = c->Name() + " on " + parent.Name();
        if (r.Width() <= 0 || r.Height() <= 0) faults.push_back(where + " has no size");
        if (r.left < 0 || r.top < 0 || r.right > parent.Width() || r.bottom > parent.Height())
            faults.push_back(where + " reaches outside it");
        if (dynamic_cast<const TGroupBox*>(&parent) && r.top < kGroupCaptionHeight)
            faults.push_back(where + " covers the group's caption");
        if (const TextRoom room = RoomFor(*c); room.needed > room.offered)
            faults.push_back(where + " cuts its caption off (" + std::to_string(room.offered) + " of " +
                             std::to_string(room.needed) + " pixels)");
        CollectLayoutFaults(*c, faults);
    }
    for (size_t i = 0; i < children.size(); ++i)
        for (size_t j = i + 1; j < children.size(); ++j)
            if (children[i]->Visible() && children[j]->Visible() &&
                Overlap(children[i]->BoundsRect(), children[j]->BoundsRect()))
                faults.push_back(children[i]->Name() + " and " + children[j]->Name() + " overlap on " +
                                 parent.Name());
}

std::string Join(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& line : lines) all += "\n  " + line;
    return all;
}

// ---- Every form ---------------------------------------------------------------

class EveryForm : public ::testing::TestWithParam<FormCase> {
protected:
    fakes::FakeUi ui;
};

TEST_P(EveryForm, BuildsWithNoWindowHiddenAndUnderItsOwnName) {
    TForm& form = GetParam().create(ui.app);
    EXPECT_EQ(ui.app.FindComponent(GetParam().name), &form);
    EXPECT_EQ(form.Caption(), GetParam().caption);
    EXPECT_FALSE(form.Visible());
    EXPECT_GT(form.Controls().size(), 0u);
}

TEST_P(EveryForm, NothingOverlapsAndEveryControlLiesInsideItsParent) {
    std::vector<std::string> faults;
    CollectLayoutFaults(GetParam().create(ui.app), faults);
    EXPECT_TRUE(faults.empty()) << Join(faults);
}

TEST_P(EveryForm, EveryControlIsFoundByItsNameAndNamesAreUnique) {
    TForm& form = GetParam().create(ui.app);
    std::vector<std::string> seen;
    std::function<void(const Control&)> walk = [&](const Control& parent) {
        for (const Control* c : parent.Controls()) {
            EXPECT_EQ(form.FindComponent(c->Name()), c) << c->Name();
            std::string lower = c->Name();
            for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            EXPECT_EQ(std::count(seen.begin(), seen.end(), lower), 0) << "two components named " << c->Name();
            seen.push_back(lower);
            walk(*c);
        }
    };
    walk(form);
}

INSTANTIATE_TEST_SUITE_P(SecondaryForms, EveryForm, ::testing::ValuesIn(Forms()),
                         [](const auto& info) { return info.param.name; });

// ---- Names other code relies on ----------------------------------------------

template <class T>
void ExpectKind(const TForm& form, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        Component* found = form.FindComponent(name);
        EXPECT_NE(dynamic_cast<T*>(found), nullptr) << form.Name() << "." << name;
    }
}

TEST(SecondaryFormNames, TheTranslatedAndLookedUpComponentsExistWithTheirKinds) {
    fakes::FakeUi ui;
    auto& action = ui.app.CreateForm<actions::TActionForm>(Windows());
    ExpectKind<TLabel>(action, {"ActionTypeLbl", "AccelerationLbl", "MaxLbl", "ExeNameLbl", "ParamsLbl", "wParamLbl",
                                "lParamLbl", "MixerLineLbl", "IncrementLbl", "MaxIncrementLbl", "DelayTimeLbl",
                                "DestinationWndLbl", "XPosInfoLbl", "YPosInfoLbl"});
    ExpectKind<TGroupBox>(action, {"DetailsGrpBx", "ModifyiersGrpBx", "ParamsGrpBx", "OptionsGrpBx"});
    ExpectKind<TRadioButton>(action, {"SystemKeyRBtn", "ParticularKeyRBtn", "ClickRBtn", "RelativeMoveRBtn",
                                      "AbsoluteMoveRBtn", "WinMsgRBtn", "UserMsgRBtn", "VolumeRBtn", "MuteRBtn",
                                      "ShutDownRBtn", "WindowStateRBtn", "OSDRBtn"});
    ExpectKind<TCheckBox>(action, {"AltKeyChBx", "CtrlKeyChBx", "ShiftKeyChBx", "DoubleClickChBtn",
                                   "EnterSuspendModeChBx", "TryFirstChBx", "KeepActiveChBx"});
    ExpectKind<TComboBox>(action, {"ActionTypeCoBx", "SystemKeysCoBx", "ClickTypeCoBx", "RelativeMoveCoBx",
                                   "TryFirstCoBx", "WinMsgCoBx", "UserMsgCoBx", "MixerLineCoBx", "VolumeCoBx",
                                   "ShutDownCoBx", "WindowStateCoBx", "OSDCoBx", "DestinationWndCoBx"});
    ExpectKind<TPanel>(action, {"TapKeyPanel", "MouseMovePanel", "ExecuteProgramPanel", "PostMessagePanel",
                                "SoundPanel", "EspecialPanel"});
    ExpectKind<TEdit>(action, {"ParticularKeyEdBx", "XPositionEdBx", "YPositionEdBx", "FileNameEdBx", "ParamsEdBx",
                               "wParamEdBx", "lParamEdBx", "DelayEdBx"});
    ExpectKind<TUpDown>(action, {"XPosUpDown", "YPosUpDown", "DelayUpDwn"});
    ExpectKind<TTrackBar>(action, {"AccelBar", "VolIncrementBar"});
    ExpectKind<TListBox>(action, {"WinMsgListBox", "UserMsgListBox"});
    ExpectKind<TButton>(action, {"BrowseBtn", "AcceptBtn", "CancelBtn", "HelpBtn"});
    ExpectKind<TImageList>(action, {"ArrowsImgList"});
    ExpectKind<TTimer>(action, {"CursorPosTimer"});
    ExpectKind<TOpenDialog>(action, {"OpenDialog"});
    // Lists that a language file replaces item by item.
    for (const char* list : {"ActionTypeCoBx", "ClickTypeCoBx", "RelativeMoveCoBx", "VolumeCoBx", "ShutDownCoBx",
                             "WindowStateCoBx", "OSDCoBx"})
        EXPECT_EQ(action.FindComponent(list)->PropertyKindOf("Items"), PropertyKind::Strings) << list;

    auto& layouts = ui.app.CreateForm<actions::TLayoutsForm>();
    ExpectKind<TGroupBox>(layouts, {"LayoutListGrpBx", "RunningAppsGrpBx"});
    ExpectKind<TLabel>(layouts, {"LayoutNameLbl", "ApplicationLbl", "WndTitleLbl"});
    ExpectKind<TEdit>(layouts, {"LayoutNameEdBx", "ApplicationEdBx", "WndTitleEdBx"});
    ExpectKind<TButton>(layouts,
                        {"NewLayoutBtn", "DeleteLayoutBtn", "ApplyBtn", "AddBtn", "CloseBtn", "HelpBtn"});
    ExpectKind<TRadioButton>(layouts, {"VisibleRBtn", "AllRBtn"});
    ExpectKind<TListView>(layouts, {"LayoutList"});
    ExpectKind<TTreeView>(layouts, {"ActiveWndsTree"});

    auto& learn = ui.app.CreateForm<input::TLearnForm>();
    ExpectKind<TLabel>(learn, {"InstructionsLbl"});
    ExpectKind<TGroupBox>(learn, {"IncomingGrpBx", "ProgressGrpBx"});
    ExpectKind<TProgressBar>(learn, {"ProgressBar"});
    ExpectKind<TShape>(learn, {"Circle1", "Circle2", "Circle3", "Circle4"});
    ExpectKind<TButton>(learn, {"RestartBtn", "AcceptBtn", "CancelBtn", "HelpBtn"});

    auto& test = ui.app.CreateForm<input::TTestOriginForm>();
    ExpectKind<TLabel>(test, {"ShowDataFromLbl", "DataFormatLbl"});
    ExpectKind<TComboBox>(test, {"ShowDataFromCoBx", "DataFormatCoBx"});
    ExpectKind<TButton>(test, {"CloseBtn", "HelpBtn"});
    ExpectKind<TPanel>(test, {"Panel1", "Panel2", "Panel3", "Panel4"});
    ExpectKind<TMemo>(test, {"Memo"});

    // The language file names the OK button "OkBtn": lookup ignores case.
    auto& password = ui.app.CreateForm<feedback::TPasswordDlg>();
    ExpectKind<TLabel>(password, {"EnterPasswordLbl"});
    ExpectKind<TEdit>(password, {"PasswordEdBx"});
    ExpectKind<TButton>(password, {"OkBtn", "CancelBtn"});
}

// ---- The action editor ------------------------------------------------------

TEST(ActionEditor, IsAFixedCentredDialogOf368By327ThatPreviewsKeys) {
    fakes::FakeUi ui;
    auto& form = ui.app.CreateForm<actions::TActionForm>(Windows());
    EXPECT_EQ(form.Width(), 368);
    EXPECT_EQ(form.Height(), 327);
    EXPECT_EQ(form.BorderStyle(), FormBorderStyle::Dialog);
    EXPECT_EQ(form.Position(), FormPosition::ScreenCenter);
    EXPECT_TRUE(form.KeyPreview());
}

TEST(ActionEditor, OnePageOfDetailsShowsAndEveryPageTakesTheSamePlace) {
    fakes::FakeUi ui;
    auto& form = ui.app.CreateForm<actions::TActionForm>(Windows());
    const auto& pages = form.DetailsGrpBx.Controls();
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_EQ(std::count_if(pages.begin(), pages.end(), [](Control* p) { return p->Visible(); }), 1);
    EXPECT_TRUE(form.TapKeyPanel.Visible());
    for (Control* page : pages) EXPECT_EQ(page->BoundsRect(), form.TapKeyPanel.BoundsRect()) << page->Name();
}

// Each option's radio button goes with the controls it enables; until the
// user picks another, only the checked option's controls can be used.
TEST(ActionEditor, OnlyTheCheckedOptionsControlsStartEnabled) {
    fakes::FakeUi ui;
    auto& f = ui.app.CreateForm<actions::TActionForm>(Windows());
    struct Option {
        TRadioButton& radio;
        std::vector<Control*> controls;
    };
    const std::vector<std::vector<Option>> pages = {
        {{f.SystemKeyRBtn, {&f.SystemKeysCoBx}}, {f.ParticularKeyRBtn, {&f.ParticularKeyEdBx}}},
        {{f.ClickRBtn, {&f.ClickTypeCoBx, &f.DoubleClickChBtn}},
         {f.RelativeMoveRBtn, {&f.RelativeMoveCoBx, &f.AccelerationLbl, &f.AccelBar, &f.MaxLbl}},
         {f.AbsoluteMoveRBtn, {&f.XPositionEdBx, &f.XPosUpDown, &f.YPositionEdBx, &f.YPosUpDown}}},
        {{f.WinMsgRBtn, {&f.WinMsgCoBx}}, {f.UserMsgRBtn, {&f.UserMsgCoBx}}},
        {{f.ShutDownRBtn, {&f.ShutDownCoBx}}, {f.WindowStateRBtn, {&f.WindowStateCoBx}}, {f.OSDRBtn, {&f.OSDCoBx}}},
    };
    for (const auto& page : pages) {
        EXPECT_TRUE(page.front().radio.Checked()) << page.front().radio.Name();
        for (const Option& option : page) {
            EXPECT_EQ(option.radio.Checked(), &option.radio == &page.front().radio) << option.radio.Name();
            for (Control* c : option.controls) EXPECT_EQ(c->Enabled(), option.radio.Checked()) << c->Name();
        }
    }
    // The volume options wait for a mixer line; the program box for its tick.
    EXPECT_TRUE(f.VolumeRBtn.Checked());
    for (Control* c : std::initializer_list<Control*>{&f.VolumeRBtn, &f.VolumeCoBx, &f.VolIncrementBar, &f.MuteRBtn})
        EXPECT_FALSE(c->Enabled()) << c->Name();
    EXPECT_TRUE(f.MixerLineCoBx.Enabled());
    EXPECT_FALSE(f.TryFirstChBx.Checked());
    EXPECT_FALSE(f.TryFirstCoBx.Enabled());
    EXPECT_EQ(f.TryFirstCoBx.Color(), clBtnFace);
}

TEST(ActionEditor, TheWindowsMessageTableIsSortedWithItsStandardNumbers) {
    fakes::FakeUi ui;
    auto& form = ui.app.CreateForm<actions::TActionForm>(Windows());
    const TStrings& table = form.WinMsgListBox.Items;
    EXPECT_FALSE(form.WinMsgListBox.Visible());
    EXPECT_FALSE(form.UserMsgListBox.Visible());
    ASSERT_EQ(table.Count(), 206);

    std::vector<std::string> threeDigits;
    for (int i = 0; i < table.Count(); ++i) {
        const std::string& line = table[i];
        const auto eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        EXPECT_EQ(line.rfind("WM_", 0), 0u) << line;
        const std::string number = line.substr(eq + 1);
        EXPECT_TRUE(std::all_of(number.begin(), number.end(),
                                [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F'); }))
            << line;
        if (number.size() == 3) {
            threeDigits.push_back(line.substr(0, eq));
        } else {
            EXPECT_EQ(number.size(), 4u) << line;
        }
        if (i > 0) {
            EXPECT_TRUE(TextLess(table[i - 1], line)) << table[i - 1] << " before " << line;
        }
    }
    EXPECT_EQ(threeDigits, (std::vector<std::string>{"WM_CAPTURECHANGED", "WM_DEVICECHANGE", "WM_HANDHELDFIRST",
                                                     "WM_HANDHELDLAST", "WM_MOVING", "WM_POWERBROADCAST",
                                                     "WM_PRINT", "WM_PRINTCLIENT", "WM_SIZING"}));
    for (const char* row : {"WM_CLOSE=0010", "WM_COMMAND=0111", "WM_APP=8000", "WM_USER=0400", "WM_CAPTURECHANGED=215"})
        EXPECT_GE(table.IndexOf(row), 0) << row;
    EXPECT_EQ(table[0], "WM_ACTIVATE=0006");
    EXPECT_EQ(table[205], "WM_WININICHANGE=001A");
}

TEST(ActionEditor, TheDelayStepsByAQuarterSecondUpToItsLimitWithoutThousandsSeparators) {
    fakes::FakeUi ui;
    auto& form = ui.app.CreateForm<actions::TActionForm>(Windows());
    EXPECT_EQ(form.DelayEdBx.Text(), "0");
    form.DelayUpDwn.UserClickUp();
    EXPECT_EQ(form.DelayEdBx.Text(), "250");
    form.DelayUpDwn.SetPosition(40000);
    EXPECT_EQ(form.DelayEdBx.Text(), "32767");
    form.DelayUpDwn.SetPosition(1250);
    EXPECT_EQ(form.DelayEdBx.Text(), "1250");
    EXPECT_EQ(form.wParamEdBx.Text(), "0");
    EXPECT_EQ(form.lParamEdBx.Text(), "0");
    EXPECT_FALSE(form.CursorPosTimer.Running());
}

TEST(ActionEditor, EscapeCancelsAndEnterPressesAcceptWhichDecidesForItself) {
    fakes::FakeUi ui;
    auto& form = ui.app.CreateForm<actions::TActionForm>(Windows());
    bool accepted = false;
    form.AcceptBtn.OnClick = [&](Component*) { accepted = true; };
    ui.dialogs.ExpectModal("ActionForm", [&](TForm&) {
        EXPECT_EQ(form.ParticularKeyRBtn.UserKeyDown(keys::Return, 0), 0);
        EXPECT_TRUE(accepted);
        EXPECT_EQ(form.ModalResult(), mrNone); // Accept checks the page before it closes
        form.ParticularKeyRBtn.UserKeyDown(keys::Escape, 0);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

// ---- Buttons that close the dialogs -----------------------------------------

TEST(SecondaryFormKeys, ThePasswordIsTypedHiddenAndEnterOrEscapeCloseTheDialog) {
    fakes::FakeUi ui;
    auto& dlg = ui.app.CreateForm<feedback::TPasswordDlg>();
    EXPECT_EQ(dlg.PasswordEdBx.PasswordChar(), '*');
    EXPECT_EQ(dlg.ActiveControl(), &dlg.PasswordEdBx);
    ui.dialogs
        .ExpectModal("PasswordDlg",
                     [&](TForm&) {
                         dlg.PasswordEdBx.UserType("Abc");
                         dlg.PasswordEdBx.UserKeyDown(keys::Return, 0);
                     })
        .ExpectModal("PasswordDlg", [&](TForm&) { dlg.PasswordEdBx.UserKeyDown(keys::Escape, 0); });
    EXPECT_EQ(dlg.ShowModal(), mrOk);
    EXPECT_EQ(dlg.PasswordEdBx.Text(), "Abc");
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
}

TEST(SecondaryFormKeys, LearningCannotBeAcceptedBeforeSamplesAgreeButCanBeCancelled) {
    fakes::FakeUi ui;
    auto& dlg = ui.app.CreateForm<input::TLearnForm>();
    for (TShape* light : {&dlg.Circle1, &dlg.Circle2, &dlg.Circle3, &dlg.Circle4})
        EXPECT_EQ(light->BrushColor(), clTeal) << light->Name();
    ui.dialogs.ExpectModal("LearnForm", [&](TForm& form) {
        EXPECT_FALSE(form.DialogKey(keys::Return)); // Accept is still disabled
        dlg.AcceptBtn.SetEnabled(true);
        dlg.AcceptBtn.UserClicked();
    });
    EXPECT_EQ(dlg.ShowModal(), mrOk);
    ui.dialogs.ExpectModal("LearnForm", [](TForm& form) { form.DialogKey(keys::Escape); });
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
}

TEST(SecondaryFormKeys, CloseIsTheDefaultOfTheLayoutManagerAndTheTestViewer) {
    fakes::FakeUi ui;
    auto& layouts = ui.app.CreateForm<actions::TLayoutsForm>();
    auto& viewer = ui.app.CreateForm<input::TTestOriginForm>();
    ui.dialogs.ExpectModal("LayoutsForm", [](TForm& form) { form.DialogKey(keys::Return); })
        .ExpectModal("TestOriginForm", [](TForm& form) { form.DialogKey(keys::Return); });
    EXPECT_EQ(layouts.ShowModal(), mrOk);
    EXPECT_EQ(viewer.ShowModal(), mrOk);
    // The layout buttons wait for a selection, and the window list shows visible windows first.
    EXPECT_FALSE(layouts.DeleteLayoutBtn.Enabled());
    EXPECT_FALSE(layouts.ApplyBtn.Enabled());
    EXPECT_FALSE(layouts.AddBtn.Enabled());
    EXPECT_TRUE(layouts.VisibleRBtn.Checked());
    EXPECT_EQ(viewer.DataFormatCoBx.Items.Items(), (std::vector<std::string>{"Decimal", "Hexadecimal", "ASCII"}));
}

} // namespace
} // namespace orvane
