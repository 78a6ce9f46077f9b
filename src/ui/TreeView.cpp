#include "ui/TreeView.h"

#include "core/Exception.h"
#include "ui/Application.h"
#include "ui/ImageList.h"

#include <algorithm>
#include <functional>

namespace orvane::ui {

// ---- TTreeNode -------------------------------------------------------------

TTreeNode::TTreeNode(TTreeView& tree, TTreeNode* parent, std::string text)
    : tree_(tree), parent_(parent), text_(std::move(text)) {}

TTreeNode::~TTreeNode() = default;

void TTreeNode::SetText(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    tree_.NodeChanged(Prop::NodeChanged, this);
}

void TTreeNode::SetImageIndex(int index) {
    if (imageIndex_ == index) return;
    imageIndex_ = index;
    tree_.NodeChanged(Prop::NodeChanged, this);
}

void TTreeNode::SetSelectedIndex(int index) {
    if (selectedIndex_ == index) return;
    selectedIndex_ = index;
    tree_.NodeChanged(Prop::NodeChanged, this);
}

TTreeNode* TTreeNode::Parent() const { return parent_ == &tree_.root_ ? nullptr : parent_; }

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = parent_; p && p != &tree_.root_; p = p->parent_) ++level;
    return level;
}

int TTreeNode::Index() const {
    const auto& siblings = parent_->children_;
    if (indexHint_ < siblings.size() && siblings[indexHint_].get() == this) return static_cast<int>(indexHint_);
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) {
            indexHint_ = i;
            return static_cast<int>(i);
        }
    return -1;
}

int TTreeNode::AbsoluteIndex() const {
    int index = 0;
    for (const TTreeNode* n = tree_.items_.GetFirstNode(); n; n = n->GetNext(), ++index)
        if (n == this) return index;
    return -1;
}

TTreeNode* TTreeNode::Item(int index) const {
    if (index < 0 || index >= Count()) throw EListError::OutOfBounds(index);
    return children_[static_cast<std::size_t>(index)].get();
}

TTreeNode* TTreeNode::GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }

TTreeNode* TTreeNode::GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }

TTreeNode* TTreeNode::GetNextSibling() const {
    const int i = Index();
    return i + 1 < static_cast<int>(parent_->children_.size()) ? parent_->children_[i + 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    const int i = Index();
    return i > 0 ? parent_->children_[i - 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (!children_.empty()) return children_.front().get();
    for (const TTreeNode* n = this; n && n != &tree_.root_; n = n->parent_)
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

bool TTreeNode::HasAsParent(const TTreeNode* ancestor) const {
    if (!ancestor) return false;
    for (const TTreeNode* p = parent_; p; p = p->parent_)
        if (p == ancestor) return true;
    return false;
}

void TTreeNode::SetExpanded(bool expanded) { tree_.Expand(this, expanded, false); }

bool TTreeNode::IsVisible() const {
    for (const TTreeNode* p = parent_; p && p != &tree_.root_; p = p->parent_)
        if (!p->expanded_) return false;
    return true;
}

void TTreeNode::MakeVisible() {
    for (TTreeNode* p = parent_; p && p != &tree_.root_; p = p->parent_) p->SetExpanded(true);
}

bool TTreeNode::Selected() const { return tree_.selected_ == this; }

void TTreeNode::SetSelected(bool selected) {
    if (selected)
        tree_.SetSelected(this);
    else if (Selected())
        tree_.SetSelected(nullptr);
}

bool TTreeNode::EditText() {
    if (tree_.readOnly_) return false;
    tree_.SetSelected(this);
    // The selection's handler may have deleted this node.
    if (!tree_.Contains(this)) return false;
    tree_.editing_ = this;
    tree_.NodeChanged(Prop::EditLabel, this);
    return true;
}

void TTreeNode::Delete() { tree_.DeleteNode(this); }

void TTreeNode::DeleteChildren() {
    while (!children_.empty()) tree_.DeleteNode(children_.back().get());
}

void TTreeNode::MoveTo(TTreeNode* destination, NodeAttachMode mode) {
    if (destination == this || (destination && destination->HasAsParent(this))) return;
    if (destination && &destination->tree_ != &tree_) return;
    // Take the node out first, so positions count without it.
    auto& from = parent_->children_;
    auto it = from.begin() + Index();
    std::unique_ptr<TTreeNode> self = std::move(*it);
    from.erase(it);

    TTreeNode* root = &tree_.root_;
    TTreeNode* newParent = root;
    std::size_t position = 0;
    switch (mode) {
    case NodeAttachMode::Add:
        newParent = destination ? destination->parent_ : root;
        position = newParent->children_.size();
        break;
    case NodeAttachMode::AddFirst:
        newParent = destination ? destination->parent_ : root;
        position = 0;
        break;
    case NodeAttachMode::AddChild:
        newParent = destination ? destination : root;
        position = newParent->children_.size();
        break;
    case NodeAttachMode::AddChildFirst:
        newParent = destination ? destination : root;
        position = 0;
        break;
    case NodeAttachMode::Insert:
        newParent = destination ? destination->parent_ : root;
        position = destination ? static_cast<std::size_t>(destination->Index()) : newParent->children_.size();
        break;
    }
    newParent->children_.insert(newParent->children_.begin() + static_cast<std::ptrdiff_t>(position),
                                std::move(self));
    parent_ = newParent;
    indexHint_ = position;
    tree_.order_.clear();
    tree_.NodeChanged(Prop::NodeMoved, this);
}

Rect TTreeNode::DisplayRect(bool textOnly) const {
    const auto rows = tree_.VisibleRows();
    auto it = std::find(rows.begin(), rows.end(), this);
    if (it == rows.end()) return {};
    const int top = static_cast<int>(it - rows.begin()) * TTreeView::RowHeight;
    if (!textOnly) return {0, top, tree_.Width(), top + TTreeView::RowHeight};
    const int left = tree_.LabelLeft(*this);
    return {left, top, left + tree_.TextWidth(text_) + 4, top + TTreeView::RowHeight};
}

// ---- TTreeNodes ------------------------------------------------------------

int TTreeNodes::Count() const { return static_cast<int>(tree_.nodes_.size()); }

TTreeNode* TTreeNodes::Item(int absoluteIndex) const {
    // Nodes are looked up by number many times between changes (every
    // trigger of an action names one): the order is listed once per change.
    auto& order = tree_.order_;
    if (order.empty()) {
        order.reserve(tree_.nodes_.size());
        for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext()) order.push_back(n);
    }
    if (absoluteIndex < 0 || absoluteIndex >= static_cast<int>(order.size())) throw ETreeViewError("Invalid index");
    return order[static_cast<std::size_t>(absoluteIndex)];
}

TTreeNode* TTreeNodes::GetFirstNode() const { return tree_.root_.GetFirstChild(); }

namespace {

// A node of another tree cannot place a node in this one.
TTreeNode* Own(TTreeView& tree, TTreeNode* node) {
    if (node && &node->TreeView() != &tree) throw EInvalidOperation("Tree node belongs to another tree");
    return node;
}

} // namespace

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, std::string text) {
    Own(tree_, sibling);
    TTreeNode* parent = sibling ? sibling->parent_ : &tree_.root_;
    return tree_.AddNode(parent, parent->Count(), std::move(text));
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, std::string text) {
    Own(tree_, sibling);
    return tree_.AddNode(sibling ? sibling->parent_ : &tree_.root_, 0, std::move(text));
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, std::string text) {
    TTreeNode* p = parent ? Own(tree_, parent) : &tree_.root_;
    return tree_.AddNode(p, p->Count(), std::move(text));
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, std::string text) {
    return tree_.AddNode(parent ? Own(tree_, parent) : &tree_.root_, 0, std::move(text));
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, std::string text) {
    if (!sibling) return Add(nullptr, std::move(text));
    Own(tree_, sibling);
    return tree_.AddNode(sibling->parent_, sibling->Index(), std::move(text));
}

void TTreeNodes::Delete(TTreeNode* node) {
    if (node) tree_.DeleteNode(node);
}

void TTreeNodes::Clear() { tree_.ClearNodes(); }

void TTreeNodes::BeginUpdate() {
    if (tree_.updateCount_++ == 0) tree_.NotifyUpdate(true);
}

void TTreeNodes::EndUpdate() {
    if (tree_.updateCount_ == 0) return;
    if (--tree_.updateCount_ == 0) tree_.NotifyUpdate(false);
}

bool TTreeNodes::Updating() const { return tree_.updateCount_ > 0; }

// ---- TTreeView -------------------------------------------------------------

TTreeView::TTreeView(Control& parent, std::string name)
    : Control(parent, std::move(name)), root_(*this, nullptr, std::string()) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    PublishHint();
}

// The nodes die with the tree without telling anyone.
TTreeView::~TTreeView() { SetPeer(nullptr); }

TTreeNode* TTreeView::AddNode(TTreeNode* parent, int position, std::string text) {
    auto node = std::unique_ptr<TTreeNode>(new TTreeNode(*this, parent, std::move(text)));
    TTreeNode* ref = node.get();
    parent->children_.insert(parent->children_.begin() + position, std::move(node));
    ref->indexHint_ = static_cast<std::size_t>(position);
    nodes_.insert(ref);
    order_.clear();
    NodeChanged(Prop::NodeAdded, ref);
    return ref;
}

bool TTreeView::Contains(const TTreeNode* node) const { return nodes_.contains(node); }

void TTreeView::DeleteNode(TTreeNode* node) {
    if (!node || node == &root_ || &node->tree_ != this) return;
    const bool selectionGoes = selected_ == node || (selected_ && selected_->HasAsParent(node));
    TTreeNode* successor = nullptr;
    if (selectionGoes) {
        successor = node->GetPrevSibling();
        if (!successor) successor = node->Parent();
        if (!successor) successor = node->GetNextSibling();
    }
    if (editing_ && (editing_ == node || editing_->HasAsParent(node))) {
        editing_ = nullptr;
        NodeChanged(Prop::EditLabel, nullptr);
    }
    NodeChanged(Prop::NodeDeleting, node);
    std::function<void(const TTreeNode&)> forget = [&](const TTreeNode& gone) {
        nodes_.erase(&gone);
        for (const auto& child : gone.children_) forget(*child);
    };
    forget(*node);
    auto& siblings = node->parent_->children_;
    siblings.erase(siblings.begin() + node->Index());
    order_.clear();
    if (selectionGoes) {
        selected_ = nullptr;
        Select(successor, false);
        if (!successor) {
            Notify(Change{Prop::Selected});
            if (OnChange) OnChange(this, nullptr);
        }
    }
}

void TTreeView::ClearNodes() {
    if (root_.children_.empty()) return;
    if (editing_) {
        editing_ = nullptr;
        NodeChanged(Prop::EditLabel, nullptr);
    }
    NodeChanged(Prop::NodeDeleting, nullptr);
    root_.children_.clear();
    nodes_.clear();
    order_.clear();
    if (selected_) {
        selected_ = nullptr;
        Notify(Change{Prop::Selected});
        if (OnChange) OnChange(this, nullptr);
    }
}

void TTreeView::SetSelected(TTreeNode* node) { Select(node, false); }

void TTreeView::Select(TTreeNode* node, bool fromPeer) {
    if (node && !Contains(node)) return;
    if (node == selected_) return;
    {
        // Selecting a node shows it, as the system's tree does.
        std::optional<PeerSilence> silence;
        if (fromPeer) silence.emplace(*this);
        if (node) node->MakeVisible();
        selected_ = node;
        Notify(Change{Prop::Selected, node});
    }
    if (!OnChange) return;
    if (fromPeer)
        Dispatch([this, node] { OnChange(this, node); });
    else
        OnChange(this, node);
}

void TTreeView::Expand(TTreeNode* node, bool expanded, bool fromPeer) {
    if (!node || node->expanded_ == expanded) return;
    TTreeNode* newSelection = nullptr;
    {
        std::optional<PeerSilence> silence;
        if (fromPeer) silence.emplace(*this);
        node->expanded_ = expanded;
        NodeChanged(Prop::NodeExpanded, node);
        if (!expanded && selected_ && selected_->HasAsParent(node)) newSelection = node;
    }
    if (newSelection) Select(newSelection, fromPeer);
}

void TTreeView::SetImages(TImageList* images) {
    if (images_ == images) return;
    images_ = images;
    Notify(Prop::Images);
}

void TTreeView::SetShowRoot(bool show) {
    if (showRoot_ == show) return;
    showRoot_ = show;
    Notify(Prop::Style);
}

void TTreeView::UserSelect(TTreeNode* node) {
    if (!AcceptsInput()) return;
    Select(node, true);
}

void TTreeView::UserSetExpanded(TTreeNode* node, bool expanded) {
    if (!AcceptsInput() || !Contains(node)) return;
    Expand(node, expanded, true);
}

bool TTreeView::UserBeginEdit(TTreeNode* node) {
    if (!AcceptsInput() || readOnly_ || !Contains(node)) return false;
    PeerSilence silence(*this);
    editing_ = node;
    NodeChanged(Prop::EditLabel, node);
    return true;
}

void TTreeView::UserEndEdit(std::optional<std::string> text) {
    TTreeNode* node = editing_;
    if (!node) return;
    {
        PeerSilence silence(*this);
        editing_ = nullptr;
        NodeChanged(Prop::EditLabel, nullptr);
    }
    if (!text) return;
    Dispatch([&] {
        std::string s = *text;
        if (OnEdited) OnEdited(this, node, s);
        if (Contains(node)) node->SetText(std::move(s));
    });
}

int TTreeView::TextWidth(const std::string& text) const {
    int width = 0;
    if (ControlPeer* peer = Peer(); peer && peer->MeasureText(text, width)) return width;
    // A form not shown yet has no windows; the native side still measures.
    if (const Application* app = FindApplication(); !Peer() && app && app->MeasureText(text, width)) return width;
    return HeadlessTextWidth(text);
}

int TTreeView::LabelLeft(const TTreeNode& node) const {
    const int depth = node.Level() + (showRoot_ ? 1 : 0);
    return depth * indent_ + (images_ ? images_->Width() : 0);
}

std::vector<TTreeNode*> TTreeView::VisibleRows() const {
    std::vector<TTreeNode*> rows;
    std::function<void(const TTreeNode&)> walk = [&](const TTreeNode& parent) {
        for (const auto& child : parent.children_) {
            rows.push_back(child.get());
            if (child->expanded_) walk(*child);
        }
    };
    walk(root_);
    return rows;
}

HitInfo TTreeView::HitTestAt(Point at) const {
    HitInfo info;
    if (Application* app = FindApplication()) app->EnsureRealised(*this);
    if (ControlPeer* peer = Peer(); peer && peer->HitTest(at, info)) return info;
    if (at.x < 0) info.tests |= htToLeft;
    if (at.x >= Width()) info.tests |= htToRight;
    if (at.y < 0) info.tests |= htAbove;
    if (at.y >= Height()) info.tests |= htBelow;
    if (info.tests) return info;

    const auto rows = VisibleRows();
    const auto row = static_cast<std::size_t>(at.y / RowHeight);
    if (row >= rows.size()) {
        info.tests = htNowhere;
        return info;
    }
    TTreeNode* node = rows[row];
    info.node = node;
    const int depth = node->Level() + (showRoot_ ? 1 : 0);
    const int indentEnd = depth * indent_;
    const int iconEnd = indentEnd + (images_ ? images_->Width() : 0);
    const int labelEnd = iconEnd + TextWidth(node->text_) + 4;
    // Roots have a button only when they show lines; every other parent does.
    const bool button = node->HasChildren() && depth >= 1;
    if (at.x < indentEnd)
        info.tests = button && at.x >= indentEnd - indent_ ? htOnButton : htOnIndent;
    else if (at.x < iconEnd)
        info.tests = htOnIcon;
    else if (at.x < labelEnd)
        info.tests = htOnLabel;
    else
        info.tests = htOnRight;
    return info;
}

} // namespace orvane::ui
