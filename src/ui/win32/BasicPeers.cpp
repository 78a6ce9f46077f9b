// Peers of the form and of the simple controls: buttons, check boxes, radio
// buttons, labels, edits, group boxes and panels.
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/Panels.h"
#include "ui/win32/Win32Ui.h"
#include "ui/win32/WindowPeer.h"

namespace orvane::ui::win32 {
namespace {

const char kClassProperty[] = "OrvaneClass";

// A form is a top-level window. Its bounds are the window's place on the
// screen and the size of its client area, which is what the program's
// layouts give.
class FormPeer : public WindowPeer {
public:
    FormPeer(Win32Ui& ui, TForm& form) : WindowPeer(ui, form), form_(form) {
        Create(OwnClass("OrvaneForm"), Style(), ExStyle());
        if (!Handle()) return;
        // Tools find a form by the name of its class.
        SetAtomProperty(kClassProperty, "T" + form.Name());
        ApplyBounds();
    }

    void Changed(const Change& change) override {
        if (!Handle()) return;
        switch (change.prop) {
        case Prop::Visible:
            ShowForm(form_.Visible());
            break;
        case Prop::Active:
            if (form_.Active() && IsWindowVisible(Handle())) SetForegroundWindow(Handle());
            break;
        case Prop::Style:
            SetWindowLongPtrA(Handle(), GWL_STYLE, Style() | (IsWindowVisible(Handle()) ? WS_VISIBLE : 0));
            SetWindowLongPtrA(Handle(), GWL_EXSTYLE, ExStyle());
            ApplyBounds();
            break;
        default:
            WindowPeer::Changed(change);
            break;
        }
    }

protected:
    void ApplyBounds() override {
        RECT frame{0, 0, form_.Width(), form_.Height()};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)),
                           GetMenu(Handle()) != nullptr, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
        SetWindowPos(Handle(), nullptr, form_.Left(), form_.Top(), frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case WM_CLOSE:
            form_.UserClose();
            result = 0;
            return true;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) form_.UserActivated();
            return false;
        case WM_POWERBROADCAST:
            // Watched, not answered: the system's default answer (grant the
            // suspend) follows whatever the handler does.
            form_.UserMessage(message, wParam, lParam);
            return false;
        default:
            // Messages other programs post to the form (WM_USER and up).
            if (message < WM_USER) return false;
            if (!form_.UserMessage(message, wParam, lParam)) return false;
            result = 0;
            return true;
        }
    }

private:
    DWORD Style() const {
        switch (form_.BorderStyle()) {
        case FormBorderStyle::Dialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
        case FormBorderStyle::Single:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
        case FormBorderStyle::None:
            return WS_POPUP | WS_CLIPCHILDREN;
        case FormBorderStyle::Sizeable:
        default:
            return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
        }
    }
    DWORD ExStyle() const {
        DWORD style = WS_EX_CONTROLPARENT;
        if (form_.BorderStyle() == FormBorderStyle::Dialog) style |= WS_EX_DLGMODALFRAME;
        return style;
    }

    void ShowForm(bool visible) {
        if (!visible) {
            ShowWindow(Handle(), SW_HIDE);
            return;
        }
        if (!centred_ && form_.Position() == FormPosition::ScreenCenter) {
            centred_ = true;
            RECT frame;
            GetWindowRect(Handle(), &frame);
            const int width = frame.right - frame.left, height = frame.bottom - frame.top;
            SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
        if (Control* focus = form_.ActiveControl())
            if (auto* peer = dynamic_cast<WindowPeer*>(focus->Peer())) SetFocus(peer->Handle());
    }

    TForm& form_;
    bool centred_ = false;
};

class ButtonPeer : public WindowPeer {
public:
    ButtonPeer(Win32Ui& ui, TButton& button) : WindowPeer(ui, button), button_(button) {
        Create("Button", WS_TABSTOP | (button.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
    }
    void Changed(const Change& change) override {
        if (change.prop == Prop::Default && Handle())
            SendMessageA(Handle(), BM_SETSTYLE, button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        else
            WindowPeer::Changed(change);
    }
    bool OnCommand(WORD code) override {
        if (code != BN_CLICKED || Pushing()) return false;
        button_.UserClicked();
        return true;
    }

private:
    TButton& button_;
};

// Check boxes and radio buttons toggle themselves on a click; the model then
// does the same, and the window is set to the model's state afterwards in case
// a handler changed it.
template <class T>
class ChoicePeer : public WindowPeer {
public:
    ChoicePeer(Win32Ui& ui, T& control, DWORD style) : WindowPeer(ui, control), control_(control) {
        Create("Button", WS_TABSTOP | style);
        ShowChecked();
    }
    void Changed(const Change& change) override {
        if (change.prop == Prop::Checked)
            ShowChecked();
        else
            WindowPeer::Changed(change);
    }
    bool OnCommand(WORD code) override {
        if (code != BN_CLICKED || Pushing()) return false;
        control_.UserClicked();
        ShowChecked();
        return true;
    }
    bool OnCtlColor(HDC dc, HBRUSH& brush) override {
        SetBkMode(dc, TRANSPARENT);
        brush = GetSysColorBrush(COLOR_BTNFACE);
        return true;
    }

private:
    void ShowChecked() {
        if (!Handle()) return;
        Push push(*this);
        SendMessageA(Handle(), BM_SETCHECK, control_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    T& control_;
};

class LabelPeer : public WindowPeer {
public:
    LabelPeer(Win32Ui& ui, TLabel& label) : WindowPeer(ui, label) { Create("Static", SS_LEFT); }
    bool OnCtlColor(HDC dc, HBRUSH& brush) override {
        SetBkMode(dc, TRANSPARENT);
        brush = GetSysColorBrush(COLOR_BTNFACE);
        return true;
    }
};

class EditPeer : public WindowPeer {
public:
    EditPeer(Win32Ui& ui, TEdit& edit) : WindowPeer(ui, edit), edit_(edit) {
        DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
        if (edit.ReadOnly()) style |= ES_READONLY;
        if (edit.PasswordChar()) style |= ES_PASSWORD;
        Create("Edit", style, WS_EX_CLIENTEDGE);
        if (Handle() && edit.PasswordChar())
            SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(edit.PasswordChar()), 0);
        if (Handle() && edit.MaxLength()) LimitText();
        // A form first shown after code selected some text shows it selected.
        if (Handle() && (edit.SelStart() || edit.SelLength())) ShowSelection();
    }
    void Changed(const Change& change) override {
        if (!Handle()) return;
        Push push(*this);
        switch (change.prop) {
        case Prop::ReadOnly:
            SendMessageA(Handle(), EM_SETREADONLY, edit_.ReadOnly(), 0);
            break;
        case Prop::Selection:
            ShowSelection();
            break;
        case Prop::MaxLength:
            LimitText();
            break;
        default:
            WindowPeer::Changed(change);
            break;
        }
    }
    bool OnCommand(WORD code) override {
        if (code != EN_CHANGE || Pushing()) return false;
        edit_.UserSetText(WindowText());
        return true;
    }

protected:
    std::string CaptionText() const override { return edit_.Text(); }

private:
    void ShowSelection() {
        SendMessageA(Handle(), EM_SETSEL, edit_.SelStart(), edit_.SelStart() + edit_.SelLength());
    }
    // 0 lifts the limit.
    void LimitText() { SendMessageA(Handle(), EM_SETLIMITTEXT, edit_.MaxLength(), 0); }

    TEdit& edit_;
};

class GroupBoxPeer : public WindowPeer {
public:
    GroupBoxPeer(Win32Ui& ui, TGroupBox& box) : WindowPeer(ui, box) {
        Create("Button", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    }
    bool OnCtlColor(HDC dc, HBRUSH& brush) override {
        SetBkMode(dc, TRANSPARENT);
        brush = GetSysColorBrush(COLOR_BTNFACE);
        return true;
    }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        // A group box is transparent to the mouse; as a parent of controls it
        // must still paint its face behind them.
        if (message == WM_NCHITTEST) {
            result = HTCLIENT;
            return true;
        }
        if (message == WM_ERASEBKGND) {
            RECT r;
            GetClientRect(Handle(), &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
            result = TRUE;
            return true;
        }
        return false;
    }
};

// A panel draws a raised bevel and its caption in the middle.
class PanelPeer : public WindowPeer {
public:
    PanelPeer(Win32Ui& ui, Control& panel, bool bevel) : WindowPeer(ui, panel), bevel_(bevel) {
        Create(OwnClass("OrvanePanel"), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    }

protected:
    bool HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != WM_PAINT) return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        if (bevel_) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
        const std::string caption = CaptionText();
        if (!caption.empty()) {
            HGDIOBJ old = SelectObject(dc, Ui().Font());
            SetBkMode(dc, TRANSPARENT);
            DrawTextA(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            SelectObject(dc, old);
        }
        EndPaint(Handle(), &paint);
        result = 0;
        return true;
    }
    void Changed(const Change& change) override {
        WindowPeer::Changed(change);
        if (change.prop == Prop::Caption && Handle()) InvalidateRect(Handle(), nullptr, TRUE);
    }

private:
    bool bevel_;
};

} // namespace

std::unique_ptr<WindowPeer> MakeBasicPeer(Win32Ui& ui, Control& control) {
    if (auto* form = dynamic_cast<TForm*>(&control)) return std::make_unique<FormPeer>(ui, *form);
    if (auto* button = dynamic_cast<TButton*>(&control)) return std::make_unique<ButtonPeer>(ui, *button);
    if (auto* box = dynamic_cast<TCheckBox*>(&control))
        return std::make_unique<ChoicePeer<TCheckBox>>(ui, *box, BS_AUTOCHECKBOX);
    if (auto* radio = dynamic_cast<TRadioButton*>(&control))
        return std::make_unique<ChoicePeer<TRadioButton>>(ui, *radio, BS_AUTORADIOBUTTON);
    if (auto* label = dynamic_cast<TLabel*>(&control)) return std::make_unique<LabelPeer>(ui, *label);
    if (auto* edit = dynamic_cast<TEdit*>(&control)) return std::make_unique<EditPeer>(ui, *edit);
    if (auto* box = dynamic_cast<TGroupBox*>(&control)) return std::make_unique<GroupBoxPeer>(ui, *box);
    if (auto* panel = dynamic_cast<TPanel*>(&control)) return std::make_unique<PanelPeer>(ui, *panel, true);
    return nullptr;
}

} // namespace orvane::ui::win32
