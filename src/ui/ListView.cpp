#include "ui/ListView.h"

#include "core/Exception.h"
#include "ui/Application.h"
#include "ui/ImageList.h"

#include <algorithm>
#include <optional>

namespace orvane::ui {

TListItem::TListItem(TListView& view) : view_(view) {
    SubItems.SetListener([this](TStrings::ChangeKind, int) { view_.Notify(Change{Prop::ItemChanged, nullptr, this}); });
}

void TListItem::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    view_.ItemChanged(*this, ItemChange::Text);
}

void TListItem::SetImageIndex(int index) {
    if (imageIndex_ == index) return;
    imageIndex_ = index;
    view_.ItemChanged(*this, ItemChange::Image);
}

bool TListItem::Selected() const { return view_.selected_ == this; }

void TListItem::SetSelected(bool selected) {
    if (selected)
        view_.SetSelected(this);
    else if (Selected())
        view_.SetSelected(nullptr);
}

int TListItem::Index() const { return view_.IndexOf(this); }

void TListItem::Delete() { view_.Delete(Index()); }

TListView::TListView(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 250, 150);
    SetColor(clWindow);
    PublishHint();
}

// The items die with the list without telling anyone.
TListView::~TListView() { SetPeer(nullptr); }

void TListView::SetStyle(ViewStyle style) {
    if (style_ == style) return;
    style_ = style;
    Notify(Prop::Style);
}

void TListView::SetShowColumnHeaders(bool show) {
    if (showColumnHeaders_ == show) return;
    showColumnHeaders_ = show;
    Notify(Prop::Style);
}

void TListView::SetSmallImages(TImageList* images) {
    if (smallImages_ == images) return;
    smallImages_ = images;
    Notify(Prop::Images);
}

int TListView::AddColumn(std::string caption, int width) {
    columns_.push_back(TListColumn{std::move(caption), width});
    Notify(Prop::Columns);
    return ColumnCount() - 1;
}

const TListColumn& TListView::Column(int index) const {
    if (index < 0 || index >= ColumnCount()) throw EListError::OutOfBounds(index);
    return columns_[static_cast<std::size_t>(index)];
}

void TListView::SetColumnWidth(int index, int width) {
    Column(index);
    auto& column = columns_[static_cast<std::size_t>(index)];
    if (column.width == width) return;
    column.width = width;
    Notify(Prop::Columns);
}

TListItem* TListView::Item(int index) const {
    if (index < 0 || index >= Count()) throw EListError::OutOfBounds(index);
    return items_[static_cast<std::size_t>(index)].get();
}

TListItem* TListView::Add() { return Insert(Count()); }

TListItem* TListView::Insert(int index) {
    if (index < 0 || index > Count()) throw EListError::OutOfBounds(index);
    auto item = std::unique_ptr<TListItem>(new TListItem(*this));
    TListItem* ref = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    Notify(Change{Prop::ItemAdded, nullptr, ref});
    return ref;
}

void TListView::Delete(int index) {
    TListItem* item = Item(index);
    Notify(Change{Prop::ItemDeleting, nullptr, item});
    // The selection goes with its item, quietly, as the system's list does.
    if (selected_ == item) selected_ = nullptr;
    items_.erase(items_.begin() + index);
}

void TListView::Clear() {
    if (items_.empty()) return;
    Notify(Change{Prop::ItemDeleting});
    selected_ = nullptr;
    items_.clear();
}

int TListView::IndexOf(const TListItem* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
}

void TListView::BeginUpdate() {
    if (updateCount_++ == 0) NotifyUpdate(true);
}

void TListView::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) NotifyUpdate(false);
}

void TListView::ItemChanged(TListItem& item, ItemChange change) {
    Notify(Change{Prop::ItemChanged, nullptr, &item});
    if (OnChange) OnChange(this, &item, change);
}

void TListView::SetSelected(TListItem* item) { Select(item, false); }

void TListView::SetItemIndex(int index) {
    Select(index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)].get() : nullptr, false);
}

void TListView::Select(TListItem* item, bool fromPeer) {
    if (item && IndexOf(item) < 0) return;
    if (item == selected_) return;
    TListItem* previous = selected_;
    {
        std::optional<PeerSilence> silence;
        if (fromPeer) silence.emplace(*this);
        selected_ = item;
        Notify(Change{Prop::Selected, nullptr, item});
    }
    if (!OnChange) return;
    // The item losing the selection reports first, as the system's list does.
    auto raise = [this, previous, item] {
        if (previous) OnChange(this, previous, ItemChange::State);
        if (item && IndexOf(item) >= 0) OnChange(this, item, ItemChange::State);
    };
    if (fromPeer)
        Dispatch(raise);
    else
        raise();
}

void TListView::UserSelect(TListItem* item) {
    if (!AcceptsInput()) return;
    Select(item, true);
}

void TListView::AlphaSort() {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const auto& a, const auto& b) { return TextLess(a->caption_, b->caption_); });
    Notify(Change{Prop::ItemChanged});
}

int TListView::StringWidth(const std::string& text) const {
    int width = 0;
    if (ControlPeer* peer = Peer(); peer && peer->MeasureText(text, width)) return width;
    // A form not shown yet has no windows; the native side still measures.
    if (const Application* app = FindApplication(); !Peer() && app && app->MeasureText(text, width)) return width;
    return HeadlessTextWidth(text);
}

HitInfo TListView::HitTestAt(Point at) const {
    HitInfo info;
    if (Application* app = FindApplication()) app->EnsureRealised(*this);
    if (ControlPeer* peer = Peer(); peer && peer->HitTest(at, info)) return info;
    if (at.x < 0) info.tests |= htToLeft;
    if (at.x >= Width()) info.tests |= htToRight;
    if (at.y < 0) info.tests |= htAbove;
    if (at.y >= Height()) info.tests |= htBelow;
    if (info.tests) return info;
    const int top = style_ == ViewStyle::Report && showColumnHeaders_ ? RowHeight : 0;
    const int row = at.y < top ? -1 : (at.y - top) / RowHeight;
    if (row < 0 || row >= Count()) {
        info.tests = htNowhere;
        return info;
    }
    info.item = items_[static_cast<std::size_t>(row)].get();
    info.tests = smallImages_ && at.x < smallImages_->Width() ? htOnIcon : htOnLabel;
    return info;
}

} // namespace orvane::ui
