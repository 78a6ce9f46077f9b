// The combo box peer: an editable box with a list, a drop-down list, or a
// drop-down list whose items the program draws. Inside the update bracket the
// list and the selection are shown once, at its end.
#include "ui/Events.h"
#include "ui/win32/ChoicePeers.h"
#include "ui/win32/DeviceCanvas.h"
#include "ui/win32/Win32Ui.h"

#include <algorithm>

namespace orvane::ui::win32 {
namespace {

DWORD StyleFor(ComboStyle style) {
    switch (style) {
    case ComboStyle::DropDownList:
        return CBS_DROPDOWNLIST;
    case ComboStyle::OwnerDrawFixed:
        return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    case ComboStyle::DropDown:
    default:
        return CBS_DROPDOWN | CBS_AUTOHSCROLL;
    }
}

class ComboBoxPeer : public WindowPeer {
public:
    ComboBoxPeer(Win32Ui& ui, TComboBox& box) : WindowPeer(ui, box), box_(box) { Build(); }

    void Changed(const Change& change) override {
        if (!Handle()) return;
        switch (change.prop) {
        case Prop::Items:
            if (!Updating()) ShowItems();
            break;
        case Prop::ItemIndex:
        case Prop::Text:
            if (!Updating()) ShowSelection();
            break;
        case Prop::EndUpdate:
            if (Updating()) ShowItems();
            WindowPeer::Changed(change);
            break;
        case Prop::Style:
            Rebuild();
            break;
        default:
            WindowPeer::Changed(change);
            break;
        }
    }

    bool OnCommand(WORD code) override {
        if (Pushing()) return false;
        switch (code) {
        case CBN_SELCHANGE:
            box_.UserSelect(static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)));
            ShowSelection(); // the model may have refused, or a handler moved it
            return true;
        case CBN_EDITCHANGE:
            box_.UserSetText(WindowText());
            return true;
        case CBN_DROPDOWN:
            box_.UserDropDown();
            return true;
        case CBN_SETFOCUS:
            // The edit inside an editable box takes the focus, not the box.
            box_.UserFocused();
            return true;
        case CBN_KILLFOCUS:
            // Nothing to report: the control that takes the focus reports it,
            // and the model raises this box's OnExit then.
            return true;
        default:
            return false;
        }
    }

    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override {
        if (box_.Style() != ComboStyle::OwnerDrawFixed) return false;
        item.itemHeight = static_cast<UINT>(box_.ItemHeight());
        return true;
    }

    // The canvas is prepared as the system draws an item in that state, then
    // the model draws it (its OnDrawItem, or the plain text).
    bool OnDrawItem(DRAWITEMSTRUCT& item) override {
        if (box_.Style() != ComboStyle::OwnerDrawFixed) return false;
        unsigned state = 0;
        if (item.itemState & ODS_SELECTED) state |= odSelected;
        if (item.itemState & ODS_FOCUS) state |= odFocused;
        if (item.itemState & ODS_DISABLED) state |= odDisabled;
        if (item.itemState & ODS_COMBOBOXEDIT) state |= odComboBoxEdit;
        const Rect rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
        const auto index = static_cast<int>(item.itemID);
        {
            DeviceCanvas canvas(Ui(), item.hDC);
            const bool selected = index >= 0 && (state & odSelected);
            canvas.SetBrushColor(selected ? clHighlight : box_.Color());
            canvas.SetFontColor(selected ? clHighlightText : (state & odDisabled) ? clGrayText : clWindowText);
            if (index >= 0)
                box_.UserDrawItem(canvas, index, rect, state);
            else
                canvas.FillRect(rect);
        }
        if (state & odFocused) DrawFocusRect(item.hDC, &item.rcItem);
        return true;
    }

protected:
    // Text set on an editable box from outside reaches the model as typing
    // does; the box itself reports no change for it.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != WM_SETTEXT || Pushing() || !box_.Editable()) return false;
        result = CallOriginal(message, wParam, lParam);
        box_.UserSetText(WindowText());
        return true;
    }

    std::string CaptionText() const override { return box_.Editable() ? box_.Text() : std::string(); }

    // A combo box window is as tall as its open list; the box itself keeps
    // the height its font or item height gives it.
    void ApplyBounds() override {
        const Rect bounds = box_.BoundsRect();
        const int itemHeight = static_cast<int>(SendMessageA(Handle(), CB_GETITEMHEIGHT, 0, 0));
        const int listHeight = std::max(box_.DropDownCount(), 1) * std::max(itemHeight, 1) + 2;
        SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height() + listHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

private:
    void Build() {
        Create("ComboBox", WS_TABSTOP | WS_VSCROLL | StyleFor(box_.Style()));
        if (!Handle()) return;
        if (box_.Style() == ComboStyle::OwnerDrawFixed) {
            Push push(*this);
            SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), box_.ItemHeight());
            SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, box_.ItemHeight());
        }
        ShowItems();
        ApplyBounds();
    }

    // A combo box window cannot change its kind: a new one takes its place
    // (the old one's destruction makes the base forget it).
    void Rebuild() {
        Push push(*this);
        HWND old = Handle();
        HWND before = GetWindow(old, GW_HWNDPREV);
        DestroyWindow(old);
        shown_.clear();
        Build();
        if (Handle())
            SetWindowPos(Handle(), before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    void ShowItems() {
        Push push(*this);
        SyncItems(Handle(), kComboBoxMessages, shown_, box_.Items.Items());
        ShowSelection();
    }

    void ShowSelection() {
        Push push(*this);
        const int index = box_.ItemIndex();
        if (SendMessageA(Handle(), CB_GETCURSEL, 0, 0) != index)
            SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        // An editable box shows its own text; a list shows its selected item.
        if (box_.Editable()) PushText(box_.Text());
    }

    TComboBox& box_;
    std::vector<std::string> shown_;
};

} // namespace

std::unique_ptr<WindowPeer> MakeComboBoxPeer(Win32Ui& ui, TComboBox& box) {
    return std::make_unique<ComboBoxPeer>(ui, box);
}

} // namespace orvane::ui::win32
