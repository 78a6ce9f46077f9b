#include "ui/Buttons.h"

#include "ui/Form.h"

#include <algorithm>

namespace orvane::ui {

TButton::TButton(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 75, 25);
    PublishCaption();
    PublishHint();
    PublishInteger("ModalResult", [this] { return modalResult_; }, [this](int v) { modalResult_ = v; });
}

void TButton::SetDefault(bool value) {
    if (default_ == value) return;
    default_ = value;
    Notify(Prop::Default);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
    Control::Click();
}

TCheckBox::TCheckBox(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 97, 17);
    PublishCaption();
    PublishHint();
}

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Notify(Prop::Checked);
    Click();
}

void TCheckBox::UserClicked() {
    if (!AcceptsInput()) return;
    {
        PeerSilence silence(*this);
        checked_ = !checked_;
        Notify(Prop::Checked);
    }
    Dispatch([this] { Click(); });
}

TRadioButton::TRadioButton(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 113, 17);
    PublishCaption();
    PublishHint();
}

void TRadioButton::TurnSiblingsOff() {
    if (!Parent()) return;
    for (Control* c : Parent()->Controls()) {
        auto* sibling = dynamic_cast<TRadioButton*>(c);
        if (sibling && sibling != this && sibling->checked_) {
            sibling->checked_ = false;
            sibling->Notify(Prop::Checked);
        }
    }
}

void TRadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Notify(Prop::Checked);
    if (!checked) return;
    TurnSiblingsOff();
    Click();
}

void TRadioButton::UserClicked() {
    if (!AcceptsInput() || checked_) return;
    {
        PeerSilence silence(*this);
        checked_ = true;
        Notify(Prop::Checked);
    }
    TurnSiblingsOff();
    Dispatch([this] { Click(); });
}

TRadioGroup::TRadioGroup(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 185, 105);
    PublishCaption();
    PublishHint();
    PublishInteger("ItemIndex", [this] { return itemIndex_; }, [this](int v) { SetItemIndex(v); });
    PublishStrings("Items", [this] { return Items.Items(); },
                   [this](const std::vector<std::string>& v) { Items.Assign(v); });
    // New items keep the checked position while it still exists.
    Items.SetListener([this](TStrings::ChangeKind, int) {
        Notify(Prop::Items);
        const int clamped = std::min(itemIndex_, Items.Count() - 1);
        if (clamped != itemIndex_) {
            itemIndex_ = clamped;
            Notify(Prop::ItemIndex);
        }
    });
}

int TRadioGroup::Clamp(int index) const { return std::clamp(index, -1, Items.Count() - 1); }

void TRadioGroup::SetItemIndex(int index) {
    index = Clamp(index);
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Notify(Prop::ItemIndex);
    // Unchecking every button raises no click, as in the classic framework.
    if (index >= 0) Click();
}

void TRadioGroup::UserSelect(int index) {
    index = Clamp(index);
    if (!AcceptsInput() || index < 0 || index == itemIndex_) return;
    {
        PeerSilence silence(*this);
        itemIndex_ = index;
        Notify(Prop::ItemIndex);
    }
    Dispatch([this] { Click(); });
}

} // namespace orvane::ui
