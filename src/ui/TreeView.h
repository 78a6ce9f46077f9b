#pragma once
// The tree view and its nodes. Nodes belong to the tree; code keeps pointers
// to them only while they exist (a deleted node's pointer is dead).
//
// Positions: a node's Index counts among its siblings; its AbsoluteIndex is
// its place in display order among all nodes (each node before its children,
// collapsed or not), the number by which the program names a node.
//
// Every change of the selection runs OnChange, whether code, the user or a
// deletion made it. Deleting the selected node (or its parent) selects its
// previous sibling, else its parent, else its next sibling, else nothing.
// Collapsing a node that holds the selection selects that node.
//
// Without a window the tree lays itself out plainly for hit tests: rows of
// RowHeight pixels from the top, Indent pixels per level (plus one when roots
// show lines), then the image (when the tree has images), then the label
// (its text plus two pixels on each side).
#include "ui/Control.h"
#include "ui/PointerSet.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::ui {

class TTreeView;
class TImageList;

enum class NodeAttachMode {
    Add,           // last sibling of the destination
    AddFirst,      // first sibling of the destination
    AddChild,      // last child of the destination
    AddChildFirst, // first child of the destination
    Insert,        // just before the destination
};

class TTreeNode {
public:
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;
    ~TTreeNode();

    TTreeView& TreeView() const { return tree_; }

    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);

    // None for a root node.
    TTreeNode* Parent() const;
    int Level() const;
    int Index() const;
    int AbsoluteIndex() const;

    int Count() const { return static_cast<int>(children_.size()); }
    bool HasChildren() const { return !children_.empty(); }
    // Raises EListError for a bad index.
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstChild() const;
    TTreeNode* GetLastChild() const;
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in display order, or none.
    TTreeNode* GetNext() const;
    bool HasAsParent(const TTreeNode* ancestor) const;

    bool Expanded() const { return expanded_; }
    void SetExpanded(bool expanded);
    // Shown: every parent expanded.
    bool IsVisible() const;
    void MakeVisible();

    bool Selected() const;
    void SetSelected(bool selected);

    // Begins editing the label (selecting the node); false on a read-only tree.
    bool EditText();

    void Delete();
    void DeleteChildren();
    // Moves the node with its subtree. Moving a node next to or into itself
    // or its own subtree does nothing.
    void MoveTo(TTreeNode* destination, NodeAttachMode mode);

    // The row of a shown node (its label only, when textOnly); empty otherwise.
    Rect DisplayRect(bool textOnly) const;

private:
    friend class TTreeView;
    friend class TTreeNodes;
    TTreeNode(TTreeView& tree, TTreeNode* parent, std::string text);

    TTreeView& tree_;
    TTreeNode* parent_; // the tree's hidden root for a root node
    std::vector<std::unique_ptr<TTreeNode>> children_;
    std::string text_;
    void* data_ = nullptr;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    bool expanded_ = false;
    // Where the node last was among its siblings: walking thousands of roots
    // in order would otherwise search the siblings at every step.
    mutable std::size_t indexHint_ = 0;
};

// The nodes of a tree, as the tree's Items.
class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView& tree) : tree_(tree) {}
    // Every node, at every level.
    int Count() const;
    // The node at an absolute index; raises ETreeViewError "Invalid index"
    // when no node has it.
    TTreeNode* Item(int absoluteIndex) const;
    TTreeNode* GetFirstNode() const;

    // Sibling or parent none means the roots.
    TTreeNode* Add(TTreeNode* sibling, std::string text);
    TTreeNode* AddFirst(TTreeNode* sibling, std::string text);
    TTreeNode* AddChild(TTreeNode* parent, std::string text);
    TTreeNode* AddChildFirst(TTreeNode* parent, std::string text);
    TTreeNode* Insert(TTreeNode* sibling, std::string text);
    void Delete(TTreeNode* node);
    void Clear();

    // The update bracket, for adding, changing or deleting many nodes at
    // once. The tree changes as ever (selection, events, positions); only
    // its window may wait and show the result once. Brackets nest; an
    // EndUpdate without a BeginUpdate does nothing.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const;

private:
    TTreeView& tree_;
};

class TTreeView : public Control {
public:
    static constexpr int RowHeight = 16;

    TTreeView(Control& parent, std::string name);
    ~TTreeView() override;

    TTreeNodes& Items() { return items_; }
    const TTreeNodes& Items() const { return items_; }

    TTreeNode* Selected() const { return selected_; }
    void SetSelected(TTreeNode* node);

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool show);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    int Indent() const { return indent_; }
    void SetIndent(int indent) { indent_ = indent; }

    bool IsEditing() const { return editing_ != nullptr; }
    TTreeNode* EditingNode() const { return editing_; }

    HitInfo HitTestAt(Point at) const;
    HitTests GetHitTestInfoAt(int x, int y) const { return HitTestAt({x, y}).tests; }
    // The node whose row holds the point, or none.
    TTreeNode* GetNodeAt(int x, int y) const { return HitTestAt({x, y}).node; }
    // Whether a node pointer still names a node of this tree.
    bool Contains(const TTreeNode* node) const;

    TreeNodeEvent OnChange;
    TreeEditedEvent OnEdited;

    // The user selected a node (or none).
    void UserSelect(TTreeNode* node);
    void UserSetExpanded(TTreeNode* node, bool expanded);
    // The user began editing a label; false when the tree refuses.
    bool UserBeginEdit(TTreeNode* node);
    // The user ended editing with a text, or cancelled it (no text). A text
    // runs OnEdited, whose handler may change it, and becomes the node's.
    void UserEndEdit(std::optional<std::string> text);

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    TTreeNode* AddNode(TTreeNode* parent, int position, std::string text);
    void DeleteNode(TTreeNode* node);
    void ClearNodes();
    void NodeChanged(Prop prop, TTreeNode* node) { Notify(Change{prop, node}); }
    void Select(TTreeNode* node, bool fromPeer);
    void Expand(TTreeNode* node, bool expanded, bool fromPeer);
    int TextWidth(const std::string& text) const;
    int LabelLeft(const TTreeNode& node) const;
    std::vector<TTreeNode*> VisibleRows() const;

    TTreeNode root_; // hidden; its children are the roots
    TTreeNodes items_{*this};
    // Every node of the tree, so that telling a live node from a dead pointer
    // does not walk thousands of nodes at each selection.
    PointerSet<TTreeNode> nodes_;
    // Every node in display order, listed by the first lookup by number
    // after a change of shape; empty until then.
    mutable std::vector<TTreeNode*> order_;
    TTreeNode* selected_ = nullptr;
    TTreeNode* editing_ = nullptr;
    TImageList* images_ = nullptr;
    int updateCount_ = 0;
    bool showRoot_ = true;
    bool readOnly_ = false;
    int indent_ = 19;
};

} // namespace orvane::ui
