// The tree view's peer: the system's tree, with a node of the window for each
// node of the model, in the same order, with the same texts, images and
// expansion.
//
// Inside the tree's update bracket the window's redrawing is off. Texts and
// images still go to it at once (cheap then), but the first change of shape
// (a node added, deleted, moved, opened or closed) makes it drop its items
// and take the whole tree again at the end, each node inserted open or
// closed as it is: the system's tree otherwise lays itself out and scrolls at
// every such change. The selection is shown once, at the end.
#include "ui/ImageList.h"
#include "ui/win32/DragTracker.h"
#include "ui/win32/ImageLists.h"
#include "ui/win32/ViewPeers.h"
#include "ui/win32/Win32Ui.h"

#include <map>
#include <utility>
#include <optional>

namespace orvane::ui::win32 {
namespace {

class TreeViewPeer : public WindowPeer, public DropHighlight {
public:
    TreeViewPeer(Win32Ui& ui, TTreeView& tree) : WindowPeer(ui, tree), tree_(tree), drag_(*this) {
        Create(WC_TREEVIEWA, Style(), WS_EX_CLIENTEDGE);
        if (!Handle()) return;
        Push push(*this);
        ShowImages();
        InsertAll();
        ShowSelection();
    }

    void Changed(const Change& change) override {
        if (!Handle()) return;
        Push push(*this);
        if (Updating() && Deferred(change)) return;
        switch (change.prop) {
        case Prop::NodeAdded:
            if (change.node) Insert(*change.node);
            break;
        case Prop::NodeDeleting:
            Remove(change.node);
            break;
        case Prop::NodeMoved:
            // The window cannot move an item: the subtree is made again at its new place.
            if (change.node) {
                Remove(change.node);
                Insert(*change.node);
            }
            ShowSelection();
            break;
        case Prop::NodeChanged:
            if (change.node) ShowNode(*change.node);
            break;
        case Prop::NodeExpanded:
            if (change.node) ShowExpanded(*change.node);
            break;
        case Prop::Selected:
            ShowSelection();
            break;
        case Prop::EditLabel:
            ShowEditing(change.node);
            break;
        case Prop::Images:
            ShowImages();
            break;
        case Prop::Style:
            ShowStyle();
            break;
        case Prop::EndUpdate:
            CatchUp(change);
            break;
        default:
            WindowPeer::Changed(change);
            break;
        }
    }

    bool OnNotify(NMHDR& header, LRESULT& result) override {
        auto& view = reinterpret_cast<NMTREEVIEWA&>(header);
        switch (header.code) {
        case TVN_SELCHANGEDA: {
            if (Pushing()) return false;
            tree_.UserSelect(NodeOf(view.itemNew.hItem));
            Push push(*this); // the model may have refused
            ShowSelection();
            return true;
        }
        case TVN_ITEMEXPANDEDA:
            if (Pushing()) return false;
            if (TTreeNode* node = NodeOf(view.itemNew.hItem)) {
                tree_.UserSetExpanded(node, WindowExpanded(view.itemNew.hItem));
                Push push(*this);
                if (tree_.Contains(node)) ShowExpanded(*node);
            }
            return true;
        case TVN_BEGINLABELEDITA: {
            auto& info = reinterpret_cast<NMTVDISPINFOA&>(header);
            // Editing that code began is already the model's; the user's needs its consent.
            result = Pushing() || tree_.UserBeginEdit(NodeOf(info.item.hItem)) ? FALSE : TRUE;
            return true;
        }
        case TVN_ENDLABELEDITA: {
            auto& info = reinterpret_cast<NMTVDISPINFOA&>(header);
            if (!Pushing()) {
                std::optional<std::string> text;
                if (info.item.pszText) text = info.item.pszText;
                tree_.UserEndEdit(std::move(text));
            }
            // The model has given the node its final text (a handler may change it).
            result = FALSE;
            return true;
        }
        case TVN_GETDISPINFOA: {
            // To the window, image -1 means "ask the parent": the model's answer is no image.
            auto& info = reinterpret_cast<NMTVDISPINFOA&>(header);
            if (TTreeNode* node = NodeOf(info.item.hItem)) {
                if (info.item.mask & TVIF_IMAGE) info.item.iImage = node->ImageIndex();
                if (info.item.mask & TVIF_SELECTEDIMAGE) info.item.iSelectedImage = node->SelectedIndex();
            }
            result = 0;
            return true;
        }
        case TVN_BEGINDRAGA:
            if (tree_.GetDragMode() == DragMode::Automatic && tree_.AcceptsInput()) drag_.Begin(view.ptDrag);
            return true;
        case NM_DBLCLK:
            if (!Pushing()) tree_.UserDblClicked();
            return false;
        default:
            return false;
        }
    }

    bool HitTest(Point at, HitInfo& info) override {
        if (!Handle() || rebuild_) return false;
        TVHITTESTINFO hit{};
        hit.pt = {at.x, at.y};
        SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        static const std::pair<UINT, unsigned> kFlags[] = {
            {TVHT_NOWHERE, htNowhere},   {TVHT_ONITEMICON, htOnIcon},     {TVHT_ONITEMLABEL, htOnLabel},
            {TVHT_ONITEMINDENT, htOnIndent}, {TVHT_ONITEMBUTTON, htOnButton}, {TVHT_ONITEMRIGHT, htOnRight},
            {TVHT_ONITEMSTATEICON, htOnStateIcon},
            {TVHT_ABOVE, htAbove},       {TVHT_BELOW, htBelow},
            {TVHT_TORIGHT, htToRight},   {TVHT_TOLEFT, htToLeft},
        };
        info.tests = 0;
        for (auto [system, model] : kFlags)
            if (hit.flags & system) info.tests |= model;
        info.node = NodeOf(hit.hItem);
        return true;
    }

    bool MeasureText(const std::string& text, int& width) override {
        if (!Handle()) return false;
        width = TextWidthIn(Handle(), text);
        return true;
    }

    void ShowDropTarget(const Point* at) override {
        HTREEITEM item = nullptr;
        if (at) {
            TVHITTESTINFO hit{};
            hit.pt = {at->x, at->y};
            item = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        }
        Push push(*this);
        SendMessageA(Handle(), TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item));
    }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (!drag_.Handle(message, wParam, lParam)) return false;
        result = 0;
        return true;
    }

private:
    DWORD Style() const {
        DWORD style = WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS;
        if (tree_.ShowRoot()) style |= TVS_LINESATROOT;
        if (!tree_.ReadOnly()) style |= TVS_EDITLABELS;
        return style;
    }

    HTREEITEM ItemOf(const TTreeNode* node) const {
        auto it = items_.find(node);
        return it == items_.end() ? nullptr : it->second;
    }
    TTreeNode* NodeOf(HTREEITEM item) const {
        auto it = nodes_.find(item);
        return it == nodes_.end() ? nullptr : it->second;
    }

    bool WindowExpanded(HTREEITEM item) const {
        return (SendMessageA(Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
                TVIS_EXPANDED) != 0;
    }

    // True when a change inside the update bracket waits for its end.
    bool Deferred(const Change& change) {
        switch (change.prop) {
        case Prop::NodeAdded:
        case Prop::NodeDeleting:
        case Prop::NodeMoved:
        case Prop::NodeExpanded:
            if (!rebuild_) {
                rebuild_ = true;
                firstVisible_ = NodeOf(reinterpret_cast<HTREEITEM>(
                    SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
                Remove(nullptr);
            }
            return true;
        case Prop::NodeChanged:
            return rebuild_;
        case Prop::Selected:
            return true;
        default:
            return false;
        }
    }

    // The end of the update bracket: the whole tree again when its shape
    // changed, redrawing back on; then, once the window has laid itself out,
    // scrolled back to where it was and to the selection.
    void CatchUp(const Change& end) {
        const bool rebuilt = std::exchange(rebuild_, false);
        if (rebuilt) InsertAll();
        WindowPeer::Changed(end);
        if (rebuilt && firstVisible_ && tree_.Contains(firstVisible_))
            if (HTREEITEM first = ItemOf(firstVisible_))
                SendMessageA(Handle(), TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(first));
        firstVisible_ = nullptr;
        ShowSelection();
    }

    void InsertAll() {
        for (TTreeNode* node = tree_.Items().GetFirstNode(); node; node = node->GetNextSibling())
            Append(*node, TVI_ROOT);
    }

    // Makes the window's item for a node and its subtree, after its previous sibling.
    void Insert(TTreeNode& node) {
        TTreeNode* parent = node.Parent();
        HTREEITEM parentItem = parent ? ItemOf(parent) : TVI_ROOT;
        if (!parentItem) return;
        // The last sibling goes last, so that the window need not look its previous sibling up.
        HTREEITEM after = TVI_LAST;
        if (TTreeNode* previous = node.GetPrevSibling(); !previous)
            after = TVI_FIRST;
        else if (node.GetNextSibling())
            if (HTREEITEM item = ItemOf(previous)) after = item;
        Append(node, parentItem, after);
        // The window opens a node only once it has children; the model may have opened it before.
        if (node.Expanded() && node.HasChildren()) ShowExpanded(node);
        if (parent && parent->Expanded()) ShowExpanded(*parent);
    }

    // Makes the window's items for a node and its subtree, each open or
    // closed as its node is. The window looks every item handle it is given
    // up among all its items, so a whole tree is built naming as few as it can:
    // each parent once, and no sibling.
    void Append(TTreeNode& node, HTREEITEM parentItem, HTREEITEM after = TVI_LAST) {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parentItem;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
        insert.item.state = node.Expanded() ? TVIS_EXPANDED : 0;
        insert.item.stateMask = TVIS_EXPANDED;
        insert.item.pszText = const_cast<char*>(node.Text().c_str());
        insert.item.iImage = node.ImageIndex();
        insert.item.iSelectedImage = node.SelectedIndex();
        insert.item.lParam = reinterpret_cast<LPARAM>(&node);
        auto item = reinterpret_cast<HTREEITEM>(
            SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (!item) return;
        items_[&node] = item;
        nodes_[item] = &node;
        for (TTreeNode* child = node.GetFirstChild(); child; child = child->GetNextSibling()) Append(*child, item);
    }

    // Removes a node's item with its subtree; none: every item.
    void Remove(const TTreeNode* node) {
        if (!node) {
            SendMessageA(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
            items_.clear();
            nodes_.clear();
            return;
        }
        HTREEITEM item = ItemOf(node);
        Forget(*node);
        if (item) SendMessageA(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    }

    void Forget(const TTreeNode& node) {
        if (HTREEITEM item = ItemOf(&node)) nodes_.erase(item);
        items_.erase(&node);
        for (TTreeNode* child = node.GetFirstChild(); child; child = child->GetNextSibling()) Forget(*child);
    }

    void ShowNode(TTreeNode& node) {
        HTREEITEM item = ItemOf(&node);
        if (!item) return;
        TVITEMA update{};
        update.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        update.hItem = item;
        update.pszText = const_cast<char*>(node.Text().c_str());
        update.iImage = node.ImageIndex();
        update.iSelectedImage = node.SelectedIndex();
        SendMessageA(Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&update));
    }

    void ShowExpanded(TTreeNode& node) {
        HTREEITEM item = ItemOf(&node);
        if (!item || WindowExpanded(item) == node.Expanded()) return;
        SendMessageA(Handle(), TVM_EXPAND, node.Expanded() ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item));
    }

    void ShowSelection() {
        TTreeNode* selected = tree_.Selected();
        HTREEITEM wanted = selected ? ItemOf(selected) : nullptr;
        auto shown = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
        if (wanted != shown) SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(wanted));
    }

    void ShowEditing(TTreeNode* node) {
        if (!node) {
            SendMessageA(Handle(), TVM_ENDEDITLABELNOW, TRUE, 0);
            return;
        }
        HTREEITEM item = ItemOf(node);
        if (!item) return;
        // The model allows editing whenever the tree is not read-only now.
        LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
        if (!(style & TVS_EDITLABELS)) SetWindowLongPtrA(Handle(), GWL_STYLE, style | TVS_EDITLABELS);
        SetFocus(Handle());
        SendMessageA(Handle(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item));
    }

    void ShowImages() {
        TImageList* images = tree_.Images();
        HIMAGELIST list = images ? ImageListFor(Ui(), *images) : nullptr;
        SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
    }

    void ShowStyle() {
        LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(TVS_LINESATROOT);
        if (tree_.ShowRoot()) style |= TVS_LINESATROOT;
        SetWindowLongPtrA(Handle(), GWL_STYLE, style);
        InvalidateRect(Handle(), nullptr, TRUE);
    }

    TTreeView& tree_;
    DragTracker drag_;
    std::map<const TTreeNode*, HTREEITEM> items_;
    std::map<HTREEITEM, TTreeNode*> nodes_;
    // Inside the update bracket: the window's items are gone until its end.
    bool rebuild_ = false;
    // The node shown first when the items went; compared, never followed.
    const TTreeNode* firstVisible_ = nullptr;
};

} // namespace

std::unique_ptr<WindowPeer> MakeTreeViewPeer(Win32Ui& ui, TTreeView& tree) {
    return std::make_unique<TreeViewPeer>(ui, tree);
}

} // namespace orvane::ui::win32
