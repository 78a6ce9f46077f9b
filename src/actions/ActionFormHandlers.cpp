// What the action editor does while the user sets an action up: the pages
// and their options, the pictures of the owner-drawn lists, the cursor
// position, the program file, the window lists, the user's messages and the
// check before it closes.
#include "actions/ActionExecutor.h"
#include "actions/ActionForm.h"
#include "actions/LayoutsForm.h"
#include "core/Text.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace orvane::actions {

using namespace ui;

namespace {

constexpr int kMouseMoveType = 1;
constexpr int kPostMessageType = 3;

// A selected and focused item's text. The value's high byte means nothing to
// the system, which draws with its three colour bytes: almost white.
constexpr TColor kSelectedItemText = 0x7FFFFFF8 & 0x00FFFFFF;
constexpr int kImageLeft = 3;
constexpr int kTextGap = 10;

// How an owned window stands in a window list, under its owner.
constexpr const char* kOwnedIndent = "   ";

// The caption as a question asks for it: without its first "&" and first ":".
std::string Asked(std::string caption) {
    if (const auto amp = caption.find('&'); amp != std::string::npos) caption.erase(amp, 1);
    if (const auto colon = caption.find(':'); colon != std::string::npos) caption.erase(colon, 1);
    return caption + "?";
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

} // namespace

void TActionForm::LangAfterTranslation(Component*) {
    SelectType(0);
    for (TComboBox* box :
         {&ClickTypeCoBx, &RelativeMoveCoBx, &WinMsgCoBx, &VolumeCoBx, &SystemKeysCoBx, &ShutDownCoBx, &WindowStateCoBx})
        box->SetItemIndex(0);
}

void TActionForm::ActionTypeCoBxClick(Component*) {
    const int type = ActionTypeCoBx.ItemIndex();
    const bool toWindow = type == 0 || type == kPostMessageType;
    for (Control* c : std::initializer_list<Control*>{&DestinationWndLbl, &DestinationWndCoBx, &KeepActiveChBx})
        c->SetEnabled(toWindow);
    DestinationWndCoBx.SetColor(toWindow ? clWindow : clBtnFace);
    TPanel* shown = PageOf(type);
    for (Control* page : DetailsGrpBx.Controls()) page->SetVisible(page == shown);
    // The live cursor position is shown on the mouse page only.
    CursorPosTimer.SetEnabled(type == kMouseMoveType);
}

void TActionForm::OptionRBtnClick(Component* sender) {
    struct Option {
        TRadioButton& radio;
        std::initializer_list<Control*> controls;
    };
    const Option options[] = {
        {SystemKeyRBtn, {&SystemKeysCoBx}},
        {ParticularKeyRBtn, {&ParticularKeyEdBx}},
        {ClickRBtn, {&ClickTypeCoBx, &DoubleClickChBtn}},
        {RelativeMoveRBtn, {&RelativeMoveCoBx, &AccelerationLbl, &AccelBar, &MaxLbl}},
        {AbsoluteMoveRBtn, {&XPositionEdBx, &XPosUpDown, &YPositionEdBx, &YPosUpDown}},
        {WinMsgRBtn, {&WinMsgCoBx}},
        {UserMsgRBtn, {&UserMsgCoBx}},
        {VolumeRBtn, {&VolumeCoBx, &VolIncrementBar}},
        {MuteRBtn, {}},
        {ShutDownRBtn, {&ShutDownCoBx}},
        {WindowStateRBtn, {&WindowStateCoBx}},
        {OSDRBtn, {&OSDCoBx}},
    };
    // The options of one page are siblings; the other pages keep their state.
    const auto* clicked = dynamic_cast<const Control*>(sender);
    if (!clicked) return;
    for (const Option& option : options)
        if (option.radio.Parent() == clicked->Parent())
            for (Control* c : option.controls) c->SetEnabled(option.radio.Checked());
}

void TActionForm::TryFirstChBxClick(Component*) {
    const bool on = TryFirstChBx.Checked();
    TryFirstCoBx.SetEnabled(on);
    TryFirstCoBx.SetColor(on ? clWindow : clBtnFace);
}

void TActionForm::DrawImageItem(TCanvas& canvas, const TImageList* images, int index, const std::string& text,
                                Rect rect, unsigned state) {
    canvas.FillRect(rect);
    int x = rect.left + kImageLeft;
    if (images) {
        canvas.DrawImage(*images, index, x, rect.top + (rect.Height() - images->Height()) / 2);
        x += images->Width();
    }
    const bool highlighted = (state & odSelected) && (state & odFocused);
    canvas.SetFontColor(highlighted ? kSelectedItemText : clMenuText);
    canvas.TextOut(x + kTextGap, rect.top + (rect.Height() - canvas.TextHeight(text)) / 2, text);
}

void TActionForm::ActionTypeCoBxDrawItem(Component*, TCanvas& canvas, int index, Rect rect, unsigned state) {
    if (index < 0 || index >= ActionTypeCoBx.Items.Count()) return;
    DrawImageItem(canvas, services_.actionImages, index, ActionTypeCoBx.Items[index], rect, state);
}

void TActionForm::RelativeMoveCoBxDrawItem(Component*, TCanvas& canvas, int index, Rect rect, unsigned state) {
    if (index < 0 || index >= RelativeMoveCoBx.Items.Count()) return;
    DrawImageItem(canvas, &ArrowsImgList, index, RelativeMoveCoBx.Items[index], rect, state);
}

void TActionForm::CursorPosTimerTimer(Component*) {
    if (!services_.mouse) return;
    const platform::CursorPoint at = services_.mouse->CursorPos();
    XPosInfoLbl.SetCaption(std::to_string(at.x));
    YPosInfoLbl.SetCaption(std::to_string(at.y));
}

void TActionForm::FormKeyDown(Component*, Key& key, ShiftState) {
    if (key != keys::F2 || !services_.mouse) return;
    const platform::CursorPoint at = services_.mouse->CursorPos();
    XPosUpDown.SetPosition(at.x);
    YPosUpDown.SetPosition(at.y);
}

void TActionForm::BrowseBtnClick(Component*) {
    if (OpenDialog.Execute()) FileNameEdBx.SetText(OpenDialog.FileName);
}

void TActionForm::FileNameEdBxChange(Component*) {
    // The executor's own reading of the type: the file's name decides, not a
    // dot in a folder's name.
    const std::string extension = ProgramExtension(FileNameEdBx.Text());
    EnterSuspendModeChBx.SetEnabled(extension == "EXE" || extension == "COM" || extension == "BAT");
}

void TActionForm::WindowListDropDown(Component* sender) {
    auto* box = dynamic_cast<TComboBox*>(sender);
    TLayoutsForm* layouts = services_.layouts;
    if (!box || !layouts) return;
    const Cursor previous = App().GetCursor();
    App().SetCursor(Cursor::HourGlass);
    try {
        layouts->AllRBtn.SetChecked(true);
        layouts->FormShow(nullptr);
        std::vector<std::string> titles;
        for (TTreeNode* node = layouts->ActiveWndsTree.Items().GetFirstNode(); node; node = node->GetNext())
            titles.push_back(node->Parent() ? kOwnedIndent + node->Text() : node->Text());
        // The typed text stays when the list is refilled.
        const std::string typed = box->Text();
        box->Items.Assign(std::move(titles));
        box->SetText(typed);
    } catch (...) {
        App().SetCursor(previous);
        throw;
    }
    App().SetCursor(previous);
}

void TActionForm::WindowListExit(Component* sender) {
    auto* box = dynamic_cast<TComboBox*>(sender);
    if (!box || box->ItemIndex() < 0) return;
    const std::string& text = box->Text();
    if (text.rfind(kOwnedIndent, 0) == 0) box->SetText(text.substr(std::string(kOwnedIndent).size()));
}

void TActionForm::UserMsgCoBxClick(Component*) {
    const std::string& name = UserMsgCoBx.Text();
    for (const std::string& line : UserMsgListBox.Items.Items()) {
        if (line.find('=') == std::string::npos || !SameText(MessageName(line), name)) continue;
        const auto first = line.find(',');
        if (first == std::string::npos) return;
        const auto second = line.find(',', first + 1);
        // A line with one comma gives its wParam and an empty lParam.
        wParamEdBx.SetText(line.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1));
        lParamEdBx.SetText(second == std::string::npos ? std::string() : line.substr(second + 1));
        return;
    }
}

void TActionForm::HexEdBxKeyPress(Component*, char& key) {
    if (key != '\b' && !IsHexDigit(key)) key = 0;
}

void TActionForm::RefuseAccept(const std::string& caption) {
    App().MessageBox(Asked(caption), "Action setup incomplete", mb::Ok | mb::IconWarning);
}

void TActionForm::AcceptBtnClick(Component*) {
    if (TapKeyPanel.Visible()) {
        if (ParticularKeyRBtn.Checked() && ParticularKeyEdBx.Text().empty())
            return RefuseAccept(ParticularKeyRBtn.Caption());
    } else if (ExecuteProgramPanel.Visible()) {
        if (FileNameEdBx.Text().empty()) return RefuseAccept(ExeNameLbl.Caption());
    } else if (PostMessagePanel.Visible()) {
        if (UserMsgRBtn.Checked() && UserMsgCoBx.Text().empty()) return RefuseAccept(UserMsgRBtn.Caption());
    } else if (SoundPanel.Visible()) {
        // Without a mixer line there is nothing to set up.
        if (MixerLineCoBx.Items.Empty()) return SetModalResult(mrCancel);
    } else if (EspecialPanel.Visible()) {
        if (OSDRBtn.Checked() && OSDCoBx.Text().empty()) return RefuseAccept(OSDRBtn.Caption());
    }
    SetModalResult(mrOk);
}

} // namespace orvane::actions
