// The list view's peer: the system's list view, with the model's items in the
// same order (each window item carries its model item), its columns and small
// images.
//
// Inside the list's update bracket the window's redrawing is off; the first
// item added, deleted or reordered empties the window, which takes every
// item again at the end. Captions still go to it at once; the selection is
// shown once, at the end.
#include "ui/ImageList.h"
#include "ui/win32/DragTracker.h"
#include "ui/win32/ImageLists.h"
#include "ui/win32/ViewPeers.h"
#include "ui/win32/Win32Ui.h"

#include <utility>

namespace orvane::ui::win32 {
namespace {

// Posted to itself after an item lost the selection: by then the item that
// takes it over (if any) has it, so the model sees one change, not two.
const UINT kCheckSelection = WM_APP + 0x2F1;

class ListViewPeer : public WindowPeer {
public:
    ListViewPeer(Win32Ui& ui, TListView& list) : WindowPeer(ui, list), list_(list), drag_(*this) {
        // The image lists are the program's, shared by several controls.
        Create(WC_LISTVIEWA, WS_TABSTOP | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | ViewStyle(),
               WS_EX_CLIENTEDGE);
        if (!Handle()) return;
        Push push(*this);
        ShowImages();
        ShowColumns();
        ShowAll();
    }

    void Changed(const Change& change) override {
        if (!Handle()) return;
        Push push(*this);
        if (Updating() && Deferred(change)) return;
        switch (change.prop) {
        case Prop::ItemAdded:
            if (change.item) Insert(*change.item, list_.IndexOf(change.item));
            break;
        case Prop::ItemDeleting:
            if (!change.item)
                SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
            else if (int index = list_.IndexOf(change.item); index >= 0)
                SendMessageA(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
            break;
        case Prop::ItemChanged:
            // No item: the order changed (sorting).
            if (change.item)
                ShowItem(*change.item, list_.IndexOf(change.item));
            else
                ShowAll();
            break;
        case Prop::Selected:
            ShowSelection();
            break;
        case Prop::Columns:
            ShowColumns();
            break;
        case Prop::Images:
            ShowImages();
            break;
        case Prop::Style: {
            const LONG_PTR keep = GetWindowLongPtrA(Handle(), GWL_STYLE) &
                                  ~static_cast<LONG_PTR>(LVS_TYPEMASK | LVS_NOCOLUMNHEADER);
            SetWindowLongPtrA(Handle(), GWL_STYLE, keep | ViewStyle());
            InvalidateRect(Handle(), nullptr, TRUE);
            break;
        }
        case Prop::EndUpdate:
            // The rows while redrawing is still off; the selection (which
            // scrolls) once the window lays itself out again.
            if (std::exchange(rebuild_, false)) InsertAll();
            WindowPeer::Changed(change);
            ShowSelection();
            break;
        default:
            WindowPeer::Changed(change);
            break;
        }
    }

    bool OnNotify(NMHDR& header, LRESULT&) override {
        auto& view = reinterpret_cast<NMLISTVIEW&>(header);
        switch (header.code) {
        case LVN_ITEMCHANGED:
            if (Pushing() || !(view.uChanged & LVIF_STATE) || !((view.uNewState ^ view.uOldState) & LVIS_SELECTED))
                return false;
            if (view.uNewState & LVIS_SELECTED) {
                list_.UserSelect(ItemOf(view.lParam));
                Push push(*this); // the model may have refused
                ShowSelection();
            } else if (!checkPosted_) {
                checkPosted_ = PostMessageA(Handle(), kCheckSelection, 0, 0) != FALSE;
            }
            return true;
        case LVN_GETDISPINFOA: {
            // To the window, image -1 means "ask the parent": the model's answer is no image.
            auto& info = reinterpret_cast<NMLVDISPINFOA&>(header);
            if ((info.item.mask & LVIF_IMAGE) && info.item.iItem >= 0 && info.item.iItem < list_.Count())
                info.item.iImage = list_.Item(info.item.iItem)->ImageIndex();
            return true;
        }
        case LVN_BEGINDRAG:
            if (list_.GetDragMode() == DragMode::Automatic && list_.AcceptsInput()) drag_.Begin(view.ptAction);
            return true;
        case NM_DBLCLK:
            if (!Pushing()) list_.UserDblClicked();
            return false;
        default:
            return false;
        }
    }

    bool HitTest(Point at, HitInfo& info) override {
        if (!Handle() || rebuild_) return false;
        LVHITTESTINFO hit{};
        hit.pt = {at.x, at.y};
        const int index = static_cast<int>(SendMessageA(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        info.tests = 0;
        info.item = index >= 0 && index < list_.Count() ? list_.Item(index) : nullptr;
        if (hit.flags & LVHT_NOWHERE) info.tests |= htNowhere;
        if (hit.flags & LVHT_ONITEMICON) info.tests |= htOnIcon;
        if (hit.flags & LVHT_ONITEMLABEL) info.tests |= htOnLabel;
        // One bit means the state icon on an item and "above" elsewhere.
        if (hit.flags & LVHT_ONITEMSTATEICON) info.tests |= info.item ? htOnStateIcon : htAbove;
        if (hit.flags & LVHT_BELOW) info.tests |= htBelow;
        if (hit.flags & LVHT_TORIGHT) info.tests |= htToRight;
        if (hit.flags & LVHT_TOLEFT) info.tests |= htToLeft;
        return true;
    }

    bool MeasureText(const std::string& text, int& width) override {
        if (!Handle()) return false;
        width = TextWidthIn(Handle(), text);
        return true;
    }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == kCheckSelection) {
            checkPosted_ = false;
            // Nothing took the selection over: the user cleared it.
            if (SelectedRow() < 0 && list_.Selected()) {
                list_.UserSelect(nullptr);
                Push push(*this);
                ShowSelection();
            }
            result = 0;
            return true;
        }
        if (!drag_.Handle(message, wParam, lParam)) return false;
        result = 0;
        return true;
    }

private:
    DWORD ViewStyle() const {
        DWORD style = list_.Style() == ui::ViewStyle::Report ? LVS_REPORT : LVS_LIST;
        if (!list_.ShowColumnHeaders()) style |= LVS_NOCOLUMNHEADER;
        return style;
    }

    int SelectedRow() const {
        return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    TListItem* ItemOf(LPARAM param) const {
        auto* item = reinterpret_cast<TListItem*>(param);
        return list_.IndexOf(item) >= 0 ? item : nullptr;
    }

    // True when a change inside the update bracket waits for its end.
    bool Deferred(const Change& change) {
        switch (change.prop) {
        case Prop::ItemAdded:
        case Prop::ItemDeleting:
            break;
        case Prop::ItemChanged:
            if (change.item) return rebuild_;
            break;
        case Prop::Selected:
            return true;
        default:
            return false;
        }
        if (!rebuild_) {
            rebuild_ = true;
            SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
        }
        return true;
    }

    // The item's row at index, made or shown again.
    void Insert(TListItem& item, int index) { ShowRow(item, index, LVM_INSERTITEMA); }
    void ShowItem(TListItem& item, int index) { ShowRow(item, index, LVM_SETITEMA); }
    void ShowRow(TListItem& item, int index, UINT message) {
        LVITEMA row{};
        row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        row.iItem = index;
        row.pszText = const_cast<char*>(item.Caption().c_str());
        row.iImage = item.ImageIndex();
        row.lParam = reinterpret_cast<LPARAM>(&item);
        if (SendMessageA(Handle(), message, 0, reinterpret_cast<LPARAM>(&row)) >= 0) ShowSubItems(item, index);
    }

    void ShowSubItems(TListItem& item, int index) {
        for (int column = 1; column < list_.ColumnCount(); ++column) {
            const int sub = column - 1;
            LVITEMA cell{};
            cell.iSubItem = column;
            cell.pszText = const_cast<char*>(sub < item.SubItems.Count() ? item.SubItems[sub].c_str() : "");
            SendMessageA(Handle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&cell));
        }
    }

    void ShowAll() {
        InsertAll();
        ShowSelection();
    }
    void InsertAll() {
        SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
        for (int i = 0; i < list_.Count(); ++i) Insert(*list_.Item(i), i);
    }

    void ShowSelection() {
        TListItem* selected = list_.Selected();
        const int wanted = selected ? list_.IndexOf(selected) : -1;
        const int shown = SelectedRow();
        if (wanted == shown) return;
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        if (shown >= 0)
            SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(shown), reinterpret_cast<LPARAM>(&state));
        if (wanted < 0) return;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(wanted), reinterpret_cast<LPARAM>(&state));
        SendMessageA(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(wanted), FALSE);
    }

    void ShowColumns() {
        const int wanted = list_.ColumnCount();
        for (int i = 0; i < wanted; ++i) {
            const TListColumn& model = list_.Column(i);
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.pszText = const_cast<char*>(model.caption.c_str());
            column.cx = model.width;
            column.iSubItem = i;
            SendMessageA(Handle(), i < columns_ ? LVM_SETCOLUMNA : LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&column));
        }
        for (; columns_ > wanted; --columns_)
            SendMessageA(Handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(columns_ - 1), 0);
        const bool added = wanted > columns_;
        columns_ = wanted;
        if (added)
            for (int i = 0; i < list_.Count(); ++i) ShowSubItems(*list_.Item(i), i);
    }

    void ShowImages() {
        TImageList* images = list_.SmallImages();
        HIMAGELIST handle = images ? ImageListFor(Ui(), *images) : nullptr;
        SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(handle));
    }

    TListView& list_;
    DragTracker drag_;
    int columns_ = 0;
    bool checkPosted_ = false;
    // Inside the update bracket: the window's rows are gone until its end.
    bool rebuild_ = false;
};

} // namespace

std::unique_ptr<WindowPeer> MakeListViewPeer(Win32Ui& ui, TListView& list) {
    return std::make_unique<ListViewPeer>(ui, list);
}

} // namespace orvane::ui::win32
