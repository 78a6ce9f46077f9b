#include "ui/Menus.h"

#include "core/Exception.h"
#include "ui/Application.h"

#include <algorithm>

namespace orvane::ui {

TMenuItem::TMenuItem(Component* owner, std::string name) : Component(owner, std::move(name)) {
    PublishText("Caption", [this] { return caption_; }, [this](const std::string& v) { SetCaption(v); });
}

TMenuItem::~TMenuItem() {
    if (parent_) parent_->DetachChild(*this);
    for (TMenuItem* child : items_) child->parent_ = nullptr;
    items_.clear();
    owned_.clear();
}

TMenu* TMenuItem::Menu() const {
    const TMenuItem* item = this;
    while (item->parent_) item = item->parent_;
    return item->menu_;
}

void TMenuItem::Changed(Prop prop) {
    if (TMenu* menu = Menu()) menu->ItemChanged(prop, *this);
}

void TMenuItem::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    Changed(Prop::MenuItemChanged);
}

void TMenuItem::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed(Prop::MenuItemChanged);
    if (!checked || !radioItem_ || !parent_) return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_ && sibling->checked_) {
            sibling->checked_ = false;
            sibling->Changed(Prop::MenuItemChanged);
        }
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed(Prop::MenuItemChanged);
}

void TMenuItem::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Changed(Prop::MenuItemChanged);
}

void TMenuItem::SetRadioItem(bool radio) {
    if (radioItem_ == radio) return;
    radioItem_ = radio;
    Changed(Prop::MenuItemChanged);
}

void TMenuItem::SetShortCut(ShortCut shortCut) {
    if (shortCut_ == shortCut) return;
    shortCut_ = shortCut;
    Changed(Prop::MenuItemChanged);
}

TMenuItem& TMenuItem::Item(int index) const {
    if (index < 0 || index >= Count()) throw EListError::OutOfBounds(index);
    return *items_[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem& item) const {
    auto it = std::find(items_.begin(), items_.end(), &item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem& item) {
    if (index < 0 || index > Count()) throw EListError::OutOfBounds(index);
    if (&item == this || item.menu_) throw EInvalidOperation("Menu inserted twice");
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == &item) throw EInvalidOperation("Menu inserted twice");
    if (item.parent_) item.parent_->Remove(item);
    items_.insert(items_.begin() + index, &item);
    item.parent_ = this;
    item.Changed(Prop::MenuItemAdded);
}

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> item) { return Insert(Count(), std::move(item)); }

TMenuItem& TMenuItem::Insert(int index, std::unique_ptr<TMenuItem> item) {
    TMenuItem& ref = *item;
    Insert(index, ref);
    owned_.push_back(std::move(item));
    return ref;
}

void TMenuItem::DetachChild(TMenuItem& item) {
    if (TMenu* menu = Menu()) menu->ItemChanged(Prop::MenuItemRemoving, item);
    items_.erase(std::remove(items_.begin(), items_.end(), &item), items_.end());
    item.parent_ = nullptr;
}

void TMenuItem::Remove(TMenuItem& item) {
    if (item.parent_ != this) return;
    if (TMenu* menu = Menu()) menu->ItemChanged(Prop::MenuItemRemoving, item);
    items_.erase(std::remove(items_.begin(), items_.end(), &item), items_.end());
    item.parent_ = nullptr;
    auto owned = std::find_if(owned_.begin(), owned_.end(), [&](const auto& p) { return p.get() == &item; });
    if (owned != owned_.end()) owned_.erase(owned);
}

void TMenuItem::Delete(int index) { Remove(Item(index)); }

void TMenuItem::Clear() {
    while (!items_.empty()) Delete(Count() - 1);
}

void TMenuItem::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::UserClicked() {
    if (!enabled_) return;
    Dispatch([this] { Click(); });
}

TMenu::TMenu(Component& owner, std::string name) : Component(&owner, std::move(name)) { root_.menu_ = this; }

// The peer goes first: the items that die with the menu are no news to it.
TMenu::~TMenu() { SetPeer(nullptr); }

namespace {

TMenuItem* FindShortCut(const TMenuItem& parent, ShortCut shortCut) {
    for (TMenuItem* item : parent.Items()) {
        if (item->GetShortCut() == shortCut) return item;
        if (TMenuItem* found = FindShortCut(*item, shortCut)) return found;
    }
    return nullptr;
}

} // namespace

bool TMenu::IsShortCut(ShortCut shortCut) {
    if ((shortCut & 0xFF) == 0) return false;
    TMenuItem* item = FindShortCut(root_, shortCut);
    if (!item) return false;
    std::vector<TMenuItem*> path;
    for (TMenuItem* p = item; p && p != &root_; p = p->Parent()) path.insert(path.begin(), p);
    // Each submenu opens first, so its OnClick can enable or disable the item.
    for (TMenuItem* p : path) {
        if (!p->Enabled() || !p->Visible()) return false;
        p->Click();
    }
    return true;
}

void TPopupMenu::Popup(Point at) {
    if (OnPopup) OnPopup(this);
    if (Application* app = FindApplication()) app->EnsureRealised(*this);
    if (ControlPeer* peer = Peer()) peer->PopupAt(at);
}

void TPopupMenu::UserPopup(Point at) {
    Dispatch([this, at] { Popup(at); });
}

std::unique_ptr<TMenuItem> CopyMenuItem(const TMenuItem& source, Component* owner, bool withShortCut) {
    auto copy = std::make_unique<TMenuItem>(owner, source.Name() + "Copy");
    copy->SetCaption(source.Caption());
    copy->SetRadioItem(source.RadioItem());
    copy->SetGroupIndex(source.GroupIndex());
    copy->SetChecked(source.Checked());
    copy->SetEnabled(source.Enabled());
    copy->SetTag(source.Tag());
    if (withShortCut) copy->SetShortCut(source.GetShortCut());
    copy->OnClick = source.OnClick;
    return copy;
}

} // namespace orvane::ui
