#include "ui/Control.h"

#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Menus.h"

#include <algorithm>

namespace orvane::ui {

Component* Control::OwnerFor(Control& parent) { return parent.AsForm() ? &parent : parent.Owner(); }

Control::Control(Control& parent, std::string name) : Component(OwnerFor(parent), std::move(name)), parent_(&parent) {
    parent_->controls_.push_back(this);
    PublishInteger("Left", [this] { return Left(); }, [this](int v) { SetLeft(v); });
    PublishInteger("Top", [this] { return Top(); }, [this](int v) { SetTop(v); });
    PublishInteger("Width", [this] { return Width(); }, [this](int v) { SetWidth(v); });
    PublishInteger("Height", [this] { return Height(); }, [this](int v) { SetHeight(v); });
}

Control::Control(Component* owner, std::string name) : Component(owner, std::move(name)) {
    PublishInteger("Left", [this] { return Left(); }, [this](int v) { SetLeft(v); });
    PublishInteger("Top", [this] { return Top(); }, [this](int v) { SetTop(v); });
    PublishInteger("Width", [this] { return Width(); }, [this](int v) { SetWidth(v); });
    PublishInteger("Height", [this] { return Height(); }, [this](int v) { SetHeight(v); });
}

Control::~Control() {
    if (TForm* form = ParentForm(); form && form != this) form->ControlDestroyed(*this);
    if (TForm* form = dynamic_cast<TForm*>(Owner()); form && form != this) form->ControlDestroyed(*this);
    for (Control* c : controls_) c->parent_ = nullptr;
    if (parent_) {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

TForm* Control::ParentForm() const {
    for (Control* c = const_cast<Control*>(this); c; c = c->parent_)
        if (TForm* form = c->AsForm()) return form;
    return nullptr;
}

void Control::SetBounds(int left, int top, int width, int height) {
    const Rect r{left, top, left + std::max(width, 0), top + std::max(height, 0)};
    if (r == bounds_) return;
    bounds_ = r;
    Notify(Prop::Bounds);
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Notify(Prop::Enabled);
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Notify(Prop::Visible);
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::SetHint(std::string hint) {
    if (hint_ == hint) return;
    hint_ = std::move(hint);
    Notify(Prop::Hint);
}

void Control::SetColor(TColor color) {
    if (color_ == color) return;
    color_ = color;
    Notify(Prop::Color);
}

void Control::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    Notify(Prop::Caption);
}

void Control::PublishCaption() {
    PublishText("Caption", [this] { return caption_; }, [this](const std::string& v) { SetCaption(v); });
}

void Control::PublishHint() {
    PublishText("Hint", [this] { return hint_; }, [this](const std::string& v) { SetHint(v); });
}

void Control::SetFocus() {
    if (TForm* form = ParentForm(); form && form != this) form->SetActiveControl(this);
}

void Control::NotifyFocus() { Notify(Prop::Focus); }

bool Control::Focused() const {
    TForm* form = ParentForm();
    return form && form != this && form->ActiveControl() == this;
}

void Control::Click() {
    if (OnClick) OnClick(this);
}

bool Control::AcceptsInput() const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->enabled_) return false;
        if (!c->visible_ && !c->AsForm()) return false;
    }
    return true;
}

void Control::UserClicked() {
    if (!AcceptsInput()) return;
    Dispatch([this] { Click(); });
}

void Control::UserDblClicked() {
    if (!AcceptsInput() || !OnDblClick) return;
    Dispatch([this] { OnDblClick(this); });
}

void Control::UserMouseDown(MouseButton button, ShiftState shift, Point at) {
    if (!AcceptsInput() || !OnMouseDown) return;
    Dispatch([&] { OnMouseDown(this, button, shift, at.x, at.y); });
}

Key Control::RouteKeyDown(Key key, ShiftState shift) {
    const ShortCut shortCut = MakeShortCut(key, shift);
    if (popupMenu_ && popupMenu_->IsShortCut(shortCut)) return 0;
    TForm* form = ParentForm();
    if (form && form->Menu() && form->Menu()->IsShortCut(shortCut)) return 0;
    // A memo keeps Enter for itself; elsewhere Enter and Escape press the dialog's buttons.
    if (form && shift == 0 && !dynamic_cast<TMemo*>(this) && form->DialogKey(key)) return 0;
    if (form && form != this && form->KeyPreview() && form->OnKeyDown) {
        form->OnKeyDown(form, key, shift);
        if (key == 0) return 0;
    }
    if (OnKeyDown) OnKeyDown(this, key, shift);
    return key;
}

char Control::RouteKeyPress(char key) {
    TForm* form = ParentForm();
    if (form && form != this && form->KeyPreview() && form->OnKeyPress) {
        form->OnKeyPress(form, key);
        if (key == 0) return 0;
    }
    if (OnKeyPress) OnKeyPress(this, key);
    return key;
}

Key Control::UserKeyDown(Key key, ShiftState shift) {
    if (!AcceptsInput()) return key;
    Key result = key;
    // A failed handler consumes the key: the event is abandoned.
    if (!Dispatch([&] { result = RouteKeyDown(key, shift); })) return 0;
    return result;
}

char Control::UserKeyPress(char key) {
    if (!AcceptsInput()) return key;
    char result = key;
    if (!Dispatch([&] { result = RouteKeyPress(key); })) return 0;
    return result;
}

void Control::UserFocused() {
    TForm* form = ParentForm();
    if (!form || form == this || form->ActiveControl() == this || !AcceptsInput()) return;
    Dispatch([&] { form->ChangeFocus(this, true); });
}

bool Control::UserDragOver(Control& source, Point at, DragState state) {
    if (!AcceptsInput() || !OnDragOver) return false;
    bool accept = false;
    if (!Dispatch([&] {
            accept = true;
            OnDragOver(this, &source, at.x, at.y, state, accept);
        }))
        return false;
    return accept;
}

void Control::UserDragDrop(Control& source, Point at) {
    if (!AcceptsInput() || !OnDragDrop) return;
    Dispatch([&] { OnDragDrop(this, &source, at.x, at.y); });
}

bool DragTo(Control& source, Control& target, Point at) {
    if (!target.UserDragOver(source, at, DragState::Enter)) return false;
    target.UserDragDrop(source, at);
    return true;
}

} // namespace orvane::ui
