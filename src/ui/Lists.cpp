#include "ui/Lists.h"

#include "core/Exception.h"
#include "core/Text.h"
#include "ui/Application.h"

#include <algorithm>

namespace orvane::ui {

namespace {

// Keeps a selection on the same item across a change of the list; true when
// the index changed.
bool FollowChange(int& index, TStrings::ChangeKind kind, int at) {
    const int before = index;
    switch (kind) {
    case TStrings::ChangeKind::Inserted:
        if (index >= at) ++index;
        break;
    case TStrings::ChangeKind::Deleted:
        if (index == at)
            index = -1;
        else if (index > at)
            --index;
        break;
    case TStrings::ChangeKind::Reset:
        index = -1;
        break;
    case TStrings::ChangeKind::Changed:
        break;
    }
    return index != before;
}

} // namespace

TListBox::TListBox(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    PublishHint();
    PublishInteger("ItemIndex", [this] { return itemIndex_; }, [this](int v) { SetItemIndex(v); });
    PublishStrings("Items", [this] { return Items.Items(); },
                   [this](const std::vector<std::string>& v) { Items.Assign(v); });
    Items.SetListener([this](TStrings::ChangeKind kind, int at) {
        Notify(Prop::Items);
        if (FollowChange(itemIndex_, kind, at)) Notify(Prop::ItemIndex);
    });
    Items.SetUpdateListener([this](bool updating) { NotifyUpdate(updating); });
}

void TListBox::SetItemIndex(int index) {
    if (index < 0 || index >= Items.Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Notify(Prop::ItemIndex);
}

std::string TListBox::Text() const { return itemIndex_ >= 0 ? Items[itemIndex_] : std::string(); }

void TListBox::UserSelect(int index) {
    if (!AcceptsInput() || index < 0 || index >= Items.Count() || index == itemIndex_) return;
    {
        PeerSilence silence(*this);
        SetItemIndex(index);
    }
    Dispatch([this] { Click(); });
}

TFileListBox::TFileListBox(Control& parent, std::string name) : TListBox(parent, std::move(name)) {
    SetSorted(true);
}

void TFileListBox::SetDirectory(std::string directory) {
    if (directory == directory_) return;
    directory_ = std::move(directory);
    Update();
}

void TFileListBox::SetMask(std::string mask) {
    if (mask == mask_) return;
    mask_ = std::move(mask);
    Update();
}

void TFileListBox::Update() {
    Application* app = FindApplication();
    if (!app) throw EInvalidOperation("File list '" + Name() + "' has no application to list files");
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= mask_.size()) {
        const std::size_t end = std::min(mask_.find(';', start), mask_.size());
        std::string mask = mask_.substr(start, end - start);
        mask.erase(0, mask.find_first_not_of(' '));
        mask.erase(mask.find_last_not_of(' ') + 1);
        if (!mask.empty())
            for (auto& file : app->Files().ListFiles(directory_, mask))
                if (std::none_of(names.begin(), names.end(), [&](const auto& n) { return SameText(n, file); }))
                    names.push_back(std::move(file));
        start = end + 1;
    }
    Items.Assign(std::move(names));
}

TComboBox::TComboBox(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    PublishHint();
    PublishText("Text", [this] { return text_; }, [this](const std::string& v) { SetText(v); });
    PublishInteger("ItemIndex", [this] { return itemIndex_; }, [this](int v) { SetItemIndex(v); });
    PublishStrings("Items", [this] { return Items.Items(); },
                   [this](const std::vector<std::string>& v) { Items.Assign(v); });
    Items.SetListener([this](TStrings::ChangeKind kind, int at) {
        Notify(Prop::Items);
        const bool moved = FollowChange(itemIndex_, kind, at);
        // Emptying the list empties the text too; a list shows only its selection.
        std::string text = text_;
        if (kind == TStrings::ChangeKind::Reset)
            text.clear();
        else if (!Editable())
            text = itemIndex_ >= 0 ? Items[itemIndex_] : std::string();
        if (moved) Notify(Prop::ItemIndex);
        if (text != text_) {
            text_ = std::move(text);
            Notify(Prop::Text);
        }
    });
    Items.SetUpdateListener([this](bool updating) { NotifyUpdate(updating); });
}

void TComboBox::SetStyle(ComboStyle style) {
    if (style_ == style) return;
    style_ = style;
    Notify(Prop::Style);
}

void TComboBox::SelectQuietly(int index) {
    if (index < 0 || index >= Items.Count()) index = -1;
    std::string text = index >= 0 ? Items[index] : std::string();
    if (index != itemIndex_) {
        itemIndex_ = index;
        Notify(Prop::ItemIndex);
    }
    if (text != text_) {
        text_ = std::move(text);
        Notify(Prop::Text);
    }
}

void TComboBox::SetItemIndex(int index) { SelectQuietly(index); }

void TComboBox::SetText(std::string text) {
    if (!Editable()) {
        SelectQuietly(Items.IndexOf(text));
        return;
    }
    if (itemIndex_ != -1) {
        itemIndex_ = -1;
        Notify(Prop::ItemIndex);
    }
    if (text == text_) return;
    text_ = std::move(text);
    Notify(Prop::Text);
}

void TComboBox::UserSelect(int index) {
    if (!AcceptsInput() || index < 0 || index >= Items.Count() || index == itemIndex_) return;
    {
        PeerSilence silence(*this);
        SelectQuietly(index);
    }
    Dispatch([this] {
        Click();
        if (OnChange) OnChange(this);
    });
}

void TComboBox::UserSetText(std::string text) {
    if (!AcceptsInput() || !Editable() || text == text_) return;
    {
        PeerSilence silence(*this);
        SetText(std::move(text));
    }
    if (OnChange) Dispatch([this] { OnChange(this); });
}

void TComboBox::UserDropDown() {
    if (!AcceptsInput() || !OnDropDown) return;
    Dispatch([this] { OnDropDown(this); });
}

void TComboBox::UserDrawItem(TCanvas& canvas, int index, Rect rect, unsigned state) {
    Dispatch([&] {
        if (OnDrawItem) {
            OnDrawItem(this, canvas, index, rect, state);
            return;
        }
        canvas.FillRect(rect);
        if (index >= 0 && index < Items.Count()) canvas.TextOut(rect.left + 2, rect.top, Items[index]);
    });
}

} // namespace orvane::ui
