// Peers of the controls that offer choices and text: list box, memo,
// up-down and radio group (the combo box has a file of its own; the menus
// are in MenuPeers.cpp).
#include "ui/Buttons.h"
#include "ui/Convert.h"
#include "ui/Edits.h"
#include "ui/win32/ChoicePeers.h"
#include "ui/win32/Win32Ui.h"

#include <algorithm>

namespace orvane::ui::win32 {

const ListMessages kListBoxMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT};
const ListMessages kComboBoxMessages{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT};

void SyncItems(HWND window, const ListMessages& messages, std::vector<std::string>& shown,
               const std::vector<std::string>& wanted) {
    if (shown == wanted) return;
    const std::size_t had = shown.size(), has = wanted.size(), common = std::min(had, has);
    std::size_t head = 0;
    while (head < common && shown[head] == wanted[head]) ++head;
    std::size_t tail = 0;
    while (tail < common - head && shown[had - 1 - tail] == wanted[has - 1 - tail]) ++tail;
    const std::size_t removed = had - head - tail, added = has - head - tail;
    if (removed <= 1 && added <= 1) {
        const auto at = static_cast<WPARAM>(head);
        if (removed) SendMessageA(window, messages.remove, at, 0);
        if (added) SendMessageA(window, messages.insert, at, reinterpret_cast<LPARAM>(wanted[head].c_str()));
    } else {
        SendMessageA(window, messages.reset, 0, 0);
        for (const std::string& text : wanted)
            SendMessageA(window, messages.insert, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    }
    shown = wanted;
}

namespace {

class ListBoxPeer : public WindowPeer {
public:
    ListBoxPeer(Win32Ui& ui, TListBox& list) : WindowPeer(ui, list), list_(list) {
        Create("ListBox", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE);
        ShowItems();
    }

    // Inside the update bracket the list is shown once, at its end.
    void Changed(const Change& change) override {
        if (!Handle()) return;
        switch (change.prop) {
        case Prop::Items:
            if (!Updating()) ShowItems();
            break;
        case Prop::ItemIndex:
            if (!Updating()) ShowSelection();
            break;
        case Prop::EndUpdate:
            if (Updating()) ShowItems();
            WindowPeer::Changed(change);
            break;
        default:
            WindowPeer::Changed(change);
            break;
        }
    }

    bool OnCommand(WORD code) override {
        if (Pushing()) return false;
        switch (code) {
        case LBN_SELCHANGE:
            list_.UserSelect(static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)));
            ShowSelection(); // the model may have refused, or a handler moved it
            return true;
        case LBN_DBLCLK:
            list_.UserDblClicked();
            return true;
        default:
            return false;
        }
    }

private:
    void ShowItems() {
        if (!Handle()) return;
        Push push(*this);
        SyncItems(Handle(), kListBoxMessages, shown_, list_.Items.Items());
        ShowSelection();
    }
    void ShowSelection() {
        Push push(*this);
        if (SendMessageA(Handle(), LB_GETCURSEL, 0, 0) != list_.ItemIndex())
            SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
    }

    TListBox& list_;
    std::vector<std::string> shown_;
};

// A multi-line edit over the memo's lines, which the window shows joined by
// CR LF; inside the update bracket, once, at its end.
class MemoPeer : public WindowPeer {
public:
    MemoPeer(Win32Ui& ui, TMemo& memo) : WindowPeer(ui, memo), memo_(memo) {
        DWORD style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (memo.ReadOnly()) style |= ES_READONLY;
        Create("Edit", style, WS_EX_CLIENTEDGE);
        // No limit on the text, so that no line is ever lost.
        if (Handle()) SendMessageA(Handle(), EM_SETLIMITTEXT, 0, 0);
    }

    void Changed(const Change& change) override {
        if (!Handle()) return;
        switch (change.prop) {
        case Prop::Items:
            if (!Updating()) ShowLines();
            break;
        case Prop::EndUpdate:
            if (Updating()) ShowLines();
            WindowPeer::Changed(change);
            break;
        case Prop::ReadOnly: {
            Push push(*this);
            SendMessageA(Handle(), EM_SETREADONLY, memo_.ReadOnly(), 0);
            break;
        }
        default:
            WindowPeer::Changed(change);
            break;
        }
    }

    bool OnCommand(WORD code) override {
        if (code != EN_CHANGE || Pushing()) return false;
        memo_.UserSetText(WindowText());
        return true;
    }

protected:
    std::string CaptionText() const override { return Joined(); }

private:
    std::string Joined() const {
        std::string text = memo_.Lines.Text();
        if (text.size() >= 2) text.resize(text.size() - 2); // no line break after the last line
        return text;
    }

    void ShowLines() {
        Push push(*this);
        const std::string text = Joined();
        const std::string now = WindowText();
        if (text == now) return;
        if (!now.empty() && text.size() > now.size() && text.compare(0, now.size(), now) == 0) {
            // Lines added at the end are appended at the caret, which scrolls
            // them into view, as a log should.
            const int end = GetWindowTextLengthA(Handle());
            SendMessageA(Handle(), EM_SETSEL, end, end);
            SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str() + now.size()));
        } else {
            PushText(text);
        }
    }

    TMemo& memo_;
};

// The up-down's arrows sit at the right of its edit. The model decides every
// step and writes the edit's text itself: the window asks it through
// UDN_DELTAPOS and is then told the result. The window does not write the
// edit (no UDS_SETBUDDYINT): it would do so on every position it is given,
// rewriting a number while it is being typed (and the thousands separator
// is the model's to choose).
class UpDownPeer : public WindowPeer {
public:
    UpDownPeer(Win32Ui& ui, TUpDown& upDown) : WindowPeer(ui, upDown), upDown_(upDown) {
        Create(UPDOWN_CLASSA, UDS_ALIGNRIGHT | UDS_ARROWKEYS);
        if (!Handle()) return;
        ShowRange();
        ShowIncrement();
        // The edit may come later in the form; its peer exists once the form is realised.
        if (!BindBuddy()) PostMessageA(Handle(), kBindBuddy, 0, 0);
    }

    void Changed(const Change& change) override {
        if (!Handle()) return;
        switch (change.prop) {
        case Prop::Range:
            ShowRange();
            break;
        case Prop::Position:
            ShowPosition();
            break;
        case Prop::Increment:
            ShowIncrement();
            break;
        default:
            WindowPeer::Changed(change);
            break;
        }
    }

    bool OnNotify(NMHDR& header, LRESULT& result) override {
        if (header.code != UDN_DELTAPOS) return false;
        const int delta = reinterpret_cast<NMUPDOWN&>(header).iDelta;
        if (!Pushing()) {
            if (delta > 0)
                upDown_.UserClickUp();
            else if (delta < 0)
                upDown_.UserClickDown();
        }
        ShowPosition();
        result = TRUE; // the window keeps the position it was just given
        return true;
    }

    // A position set on the window from outside (as by a tool) reaches the
    // model the way a number typed into the edit does.
    bool OnScroll(int code, int) override {
        if (code != SB_THUMBPOSITION) return code == SB_ENDSCROLL;
        if (Pushing()) return true;
        const auto position = static_cast<int>(SendMessageA(Handle(), UDM_GETPOS32, 0, 0));
        TEdit* edit = upDown_.Associate();
        if (position != upDown_.Position() && edit) {
            edit->UserSetText(FormatInteger(position, upDown_.Thousands()));
            if (ControlPeer* editPeer = edit->Peer()) editPeer->Changed(Change{Prop::Text});
        }
        ShowPosition();
        return true;
    }

protected:
    bool HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != kBindBuddy) return false;
        BindBuddy();
        result = 0;
        return true;
    }

    void ApplyBounds() override {
        HWND buddy = reinterpret_cast<HWND>(SendMessageA(Handle(), UDM_GETBUDDY, 0, 0));
        if (!buddy) {
            WindowPeer::ApplyBounds();
            return;
        }
        RECT edit;
        GetWindowRect(buddy, &edit);
        MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&edit), 2);
        SetWindowPos(Handle(), nullptr, edit.right, edit.top, upDown_.Width(), edit.bottom - edit.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

private:
    static constexpr UINT kBindBuddy = WM_APP + 0x4F;

    bool BindBuddy() {
        TEdit* edit = upDown_.Associate();
        auto* editPeer = edit ? dynamic_cast<WindowPeer*>(edit->Peer()) : nullptr;
        if (!editPeer || !editPeer->Handle()) return false;
        {
            Push push(*this);
            SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(editPeer->Handle()), 0);
        }
        // The system narrows the edit to make room for the arrows; the form's
        // layout keeps the edit as designed and puts the arrows beside it.
        editPeer->Changed(Change{Prop::Bounds});
        ApplyBounds();
        ShowPosition();
        return true;
    }

    void ShowRange() {
        Push push(*this);
        SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(upDown_.Min()), upDown_.Max());
        ShowPosition();
    }

    void ShowIncrement() {
        Push push(*this);
        UDACCEL accel{0, static_cast<UINT>(std::max(upDown_.Increment(), 0))};
        SendMessageA(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    }

    void ShowPosition() {
        Push push(*this);
        SendMessageA(Handle(), UDM_SETPOS32, 0, upDown_.Position());
    }

    TUpDown& upDown_;
};

// A group box holding one radio button per item, in a column spread over its
// height as the classic radio group arranges them. The buttons are no
// controls of the model; the group hears their clicks itself.
class RadioGroupPeer : public WindowPeer {
public:
    RadioGroupPeer(Win32Ui& ui, TRadioGroup& group) : WindowPeer(ui, group), group_(group) {
        Create("Button", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
        MakeButtons();
    }

    void Changed(const Change& change) override {
        if (!Handle()) return;
        switch (change.prop) {
        case Prop::Items:
            MakeButtons();
            break;
        case Prop::ItemIndex:
            ShowChecked();
            break;
        case Prop::Bounds:
            WindowPeer::Changed(change);
            Arrange();
            break;
        case Prop::Enabled:
            WindowPeer::Changed(change);
            for (HWND button : buttons_) EnableWindow(button, group_.Enabled());
            break;
        default:
            WindowPeer::Changed(change);
            break;
        }
    }

    bool OnCtlColor(HDC dc, HBRUSH& brush) override {
        SetBkMode(dc, TRANSPARENT);
        brush = GetSysColorBrush(COLOR_BTNFACE);
        return true;
    }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case WM_COMMAND: {
            const int index = IndexOf(reinterpret_cast<HWND>(lParam));
            if (index < 0) return false;
            if (HIWORD(wParam) == BN_CLICKED && !Pushing()) {
                group_.UserSelect(index);
                ShowChecked();
            } else if (HIWORD(wParam) == BN_SETFOCUS) {
                group_.UserFocused();
            }
            result = 0;
            return true;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (IndexOf(reinterpret_cast<HWND>(lParam)) < 0) return false;
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            return true;
        case WM_NCHITTEST: // a group box lets the mouse through; this one holds buttons
            result = HTCLIENT;
            return true;
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(Handle(), &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
            result = TRUE;
            return true;
        }
        default:
            return false;
        }
    }

private:
    int IndexOf(HWND button) const {
        auto it = std::find(buttons_.begin(), buttons_.end(), button);
        return it == buttons_.end() || !button ? -1 : static_cast<int>(it - buttons_.begin());
    }

    void MakeButtons() {
        if (!Handle()) return;
        Push push(*this);
        for (HWND button : buttons_) DestroyWindow(button);
        buttons_.clear();
        for (int i = 0; i < group_.Items.Count(); ++i) {
            DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_NOTIFY;
            if (i == 0) style |= WS_GROUP;
            if (!group_.Enabled()) style |= WS_DISABLED;
            HWND button = CreateWindowExA(0, "Button", group_.Items[i].c_str(), style, 0, 0, 0, 0, Handle(),
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), Ui().Instance(),
                                          nullptr);
            if (!button) continue;
            SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(Ui().Font()), FALSE);
            buttons_.push_back(button);
        }
        Arrange();
        ShowChecked();
    }

    void Arrange() {
        if (buttons_.empty()) return;
        RECT client;
        GetClientRect(Handle(), &client);
        const int rows = static_cast<int>(buttons_.size());
        const int fontHeight = FontHeight();
        const int free = std::max(static_cast<int>(client.bottom) - fontHeight - 5, 0);
        const int rowHeight = free / rows;
        const int top = fontHeight + 1 + (free % rows) / 2;
        for (int i = 0; i < rows; ++i)
            SetWindowPos(buttons_[static_cast<std::size_t>(i)], nullptr, 8, top + i * rowHeight,
                         std::max(static_cast<int>(client.right) - 10, 0), rowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    int FontHeight() const {
        HDC dc = GetDC(Handle());
        HGDIOBJ old = SelectObject(dc, Ui().Font());
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(Handle(), dc);
        return metrics.tmHeight;
    }

    // Tab stops at the checked button only (the first when none is), as in a dialog.
    void ShowChecked() {
        Push push(*this);
        const int stop = std::max(group_.ItemIndex(), 0);
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            const bool checked = static_cast<int>(i) == group_.ItemIndex();
            SendMessageA(buttons_[i], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
            const LONG_PTR style = GetWindowLongPtrA(buttons_[i], GWL_STYLE);
            SetWindowLongPtrA(buttons_[i], GWL_STYLE,
                              static_cast<int>(i) == stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        }
    }

    TRadioGroup& group_;
    std::vector<HWND> buttons_;
};

} // namespace

std::unique_ptr<WindowPeer> MakeChoicePeer(Win32Ui& ui, Control& control) {
    if (auto* box = dynamic_cast<TComboBox*>(&control)) return MakeComboBoxPeer(ui, *box);
    if (auto* list = dynamic_cast<TListBox*>(&control)) return std::make_unique<ListBoxPeer>(ui, *list);
    if (auto* memo = dynamic_cast<TMemo*>(&control)) return std::make_unique<MemoPeer>(ui, *memo);
    if (auto* upDown = dynamic_cast<TUpDown*>(&control)) return std::make_unique<UpDownPeer>(ui, *upDown);
    if (auto* group = dynamic_cast<TRadioGroup*>(&control)) return std::make_unique<RadioGroupPeer>(ui, *group);
    return nullptr;
}

} // namespace orvane::ui::win32
