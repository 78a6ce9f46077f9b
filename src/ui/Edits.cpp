#include "ui/Edits.h"

#include "ui/Convert.h"

#include <algorithm>

namespace orvane::ui {

TEdit::TEdit(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    PublishHint();
    PublishText("Text", [this] { return text_; }, [this](const std::string& v) { SetText(v); });
}

TEdit::~TEdit() {
    if (upDown_) upDown_->edit_ = nullptr;
}

void TEdit::TextChanged() {
    selStart_ = 0;
    selLength_ = 0;
    if (upDown_) upDown_->EditTextChanged(text_);
}

void TEdit::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    TextChanged();
    Notify(Prop::Text);
    if (OnChange) OnChange(this);
}

void TEdit::SetReadOnly(bool readOnly) {
    if (readOnly_ == readOnly) return;
    readOnly_ = readOnly;
    Notify(Prop::ReadOnly);
}

void TEdit::SetMaxLength(std::size_t length) {
    if (maxLength_ == length) return;
    maxLength_ = length;
    Notify(Prop::MaxLength);
}

void TEdit::SetSelection(int start, int length) {
    const int size = static_cast<int>(text_.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (start == selStart_ && length == selLength_) return;
    selStart_ = start;
    selLength_ = length;
    Notify(Prop::Selection);
}

void TEdit::UserSetText(std::string text) {
    if (!AcceptsInput()) return;
    // The window keeps the limit itself; text put there by other means is cut
    // here, and the window shown what was kept.
    const bool cut = maxLength_ > 0 && text.size() > maxLength_;
    if (cut) text.resize(maxLength_);
    if (text == text_) {
        if (cut) Notify(Prop::Text);
        return;
    }
    {
        PeerSilence silence(*this);
        text_ = std::move(text);
        TextChanged();
    }
    if (cut) Notify(Prop::Text);
    if (OnChange) Dispatch([this] { OnChange(this); });
}

void TEdit::UserType(std::string_view chars) {
    for (char typed : chars) {
        if (!AcceptsInput() || readOnly_) return;
        const char key = UserKeyPress(typed);
        if (key == 0) continue;
        std::string text = text_;
        const auto start = static_cast<std::size_t>(selStart_);
        const auto length = static_cast<std::size_t>(selLength_);
        // A character past the limit is refused, as the window refuses it.
        if (key != '\b' && length == 0 && maxLength_ > 0 && text.size() >= maxLength_) continue;
        if (key == '\b') {
            if (length > 0)
                text.erase(start, length);
            else if (!text.empty())
                text.pop_back();
        } else if (length > 0) {
            text.replace(start, length, 1, key);
        } else {
            text.push_back(key);
        }
        UserSetText(std::move(text));
    }
}

TMemo::TMemo(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 185, 89);
    SetColor(clWindow);
    PublishHint();
    PublishStrings("Lines", [this] { return Lines.Items(); },
                   [this](const std::vector<std::string>& v) { Lines.Assign(v); });
    Lines.SetListener([this](TStrings::ChangeKind, int) { Notify(Prop::Items); });
    Lines.SetUpdateListener([this](bool updating) { NotifyUpdate(updating); });
}

void TMemo::SetReadOnly(bool readOnly) {
    if (readOnly_ == readOnly) return;
    readOnly_ = readOnly;
    Notify(Prop::ReadOnly);
}

void TMemo::UserSetText(std::string_view text) {
    if (!AcceptsInput() || readOnly_) return;
    PeerSilence silence(*this);
    Lines.SetText(text);
}

TUpDown::TUpDown(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 16, 21);
    PublishHint();
    PublishInteger("Min", [this] { return min_; }, [this](int v) { SetMin(v); });
    PublishInteger("Max", [this] { return max_; }, [this](int v) { SetMax(v); });
    PublishInteger("Position", [this] { return position_; }, [this](int v) { SetPosition(v); });
    PublishInteger("Increment", [this] { return increment_; }, [this](int v) { SetIncrement(v); });
}

TUpDown::~TUpDown() {
    if (edit_) edit_->upDown_ = nullptr;
}

void TUpDown::Move(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    Notify(Prop::Position);
    if (edit_) edit_->SetText(FormatInteger(position_, thousands_));
}

void TUpDown::SetPosition(int position) { Move(position); }

void TUpDown::SetMin(int min) {
    min_ = min;
    if (max_ < min_) max_ = min_;
    Notify(Prop::Range);
    Move(position_);
}

void TUpDown::SetMax(int max) {
    max_ = max;
    if (min_ > max_) min_ = max_;
    Notify(Prop::Range);
    Move(position_);
}

void TUpDown::SetAssociate(TEdit* edit) {
    if (edit_ == edit) return;
    if (edit_) edit_->upDown_ = nullptr;
    if (edit && edit->upDown_) edit->upDown_->edit_ = nullptr;
    edit_ = edit;
    if (!edit_) return;
    edit_->upDown_ = this;
    edit_->SetText(FormatInteger(position_, thousands_));
}

void TUpDown::EditTextChanged(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (!(thousands_ && c == ',')) digits += c;
    const auto value = TryStrToInt(digits);
    if (!value) return;
    const int position = std::clamp(*value, min_, max_);
    if (position == position_) return;
    position_ = position;
    Notify(Prop::Position);
}

void TUpDown::Step(int delta) {
    if (!AcceptsInput()) return;
    const long long target = static_cast<long long>(position_) + delta;
    const int position = static_cast<int>(std::clamp<long long>(target, min_, max_));
    if (position == position_) return;
    {
        PeerSilence silence(*this);
        position_ = position;
        Notify(Prop::Position);
    }
    // The edit's OnChange is the event; it runs through the dispatch point.
    if (edit_) Dispatch([this] { edit_->SetText(FormatInteger(position_, thousands_)); });
}

void TUpDown::UserClickUp() { Step(increment_); }

void TUpDown::UserClickDown() { Step(-increment_); }

} // namespace orvane::ui
