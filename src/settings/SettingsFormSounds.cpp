// The "Sounds" page: the sounds Windows gives its own events, the user's
// named sounds and their place in the registry.
#include "core/Exception.h"
#include "core/Text.h"
#include "settings/SettingsForm.h"
#include "ui/Application.h"
#include "ui/Updating.h"

#include <exception>

namespace orvane::settings {

using namespace orvane::ui;

namespace {

constexpr const char* kAppsKey = "\\AppEvents\\Schemes\\Apps";
constexpr const char* kLabelsKey = "\\AppEvents\\EventLabels\\";

// A key's default value as text; anything that is not text counts as empty,
// so that one odd entry of another program does not stop the dialog.
std::string DefaultText(platform::Registry& registry, const std::string& path) {
    auto key = registry.OpenKey(platform::RootKey::CurrentUser, path, false);
    if (!key) return {};
    const auto value = key->QueryValue("");
    if (!value || (value->type != platform::ValueType::String && value->type != platform::ValueType::ExpandString))
        return {};
    std::string text = value->data;
    // The registry's own terminating zeros are no part of the text.
    if (const auto end = text.find('\0'); end != std::string::npos) text.resize(end);
    return text;
}

std::vector<std::string> SubKeys(platform::Registry& registry, const std::string& path) {
    auto key = registry.OpenKey(platform::RootKey::CurrentUser, path, false);
    return key ? key->SubKeyNames() : std::vector<std::string>{};
}

// The file name without its folder.
std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void TSettingsForm::ReadWindowsSounds() {
    platform::Registry& registry = store_.Registry();
    const std::string apps = kAppsKey;
    std::string longest;
    {
        Updating updating(WinSoundsList);
        for (const std::string& app : SubKeys(registry, apps)) {
            for (const std::string& event : SubKeys(registry, apps + "\\" + app)) {
                const std::string file = DefaultText(registry, apps + "\\" + app + "\\" + event + "\\.Current");
                if (file.empty()) continue;
                std::string label = DefaultText(registry, kLabelsKey + event);
                if (label.empty()) label = event;
                TListItem* item = WinSoundsList.Add();
                item->SetCaption(label);
                item->SubItems.Add(file);
                if (file.size() > longest.size()) longest = file;
            }
        }
    }
    // Only ever wider: with no event sounds the column keeps its design width.
    WidenFileColumn(longest);
    WinSoundsList.AlphaSort();
    std::vector<std::string> labels;
    for (int i = 0; i < WinSoundsList.Count(); ++i) labels.push_back(WinSoundsList.Item(i)->Caption());
    WinSoundsCoBx.Items.Assign(std::move(labels));
    WinSoundsCoBx.SetItemIndex(-1);
}

void TSettingsForm::ReadNamedSounds() {
    auto key = store_.Registry().OpenKey(platform::RootKey::CurrentUser, kSoundsKey, true);
    if (!key) return;
    Updating updating(SoundsList);
    for (const std::string& name : key->ValueNames()) {
        std::string file;
        try {
            file = key->ReadString(name);
        } catch (const std::exception&) {
            // A value that is not text names no file; the sound is kept, silent.
        }
        AddSound(name, file);
    }
}

void TSettingsForm::WriteNamedSounds() {
    auto settings = store_.Registry().OpenKey(platform::RootKey::CurrentUser, kSettingsKey, true);
    if (!settings) throw ERegistryException(std::string("Failed to create key ") + kSettingsKey);
    settings->DeleteSubKey("Sounds");
    auto sounds = store_.Registry().OpenKey(platform::RootKey::CurrentUser, kSoundsKey, true);
    if (!sounds) throw ERegistryException(std::string("Failed to create key ") + kSoundsKey);
    // In list order, so that of equal names the last one stays.
    for (int i = 0; i < SoundsList.Count(); ++i) {
        const TListItem* item = SoundsList.Item(i);
        sounds->WriteString(item->Caption(), item->SubItems.Count() > 0 ? item->SubItems[0] : "");
    }
}

const std::string* TSettingsForm::SoundFile(const std::string& name) const {
    for (int i = 0; i < SoundsList.Count(); ++i) {
        const TListItem* item = SoundsList.Item(i);
        if (SameText(item->Caption(), name)) return item->SubItems.Count() > 0 ? &item->SubItems[0] : nullptr;
    }
    return nullptr;
}

void TSettingsForm::AddSound(const std::string& name, const std::string& file) {
    TListItem* item = SoundsList.Add();
    item->SetCaption(name);
    item->SubItems.Add(file);
}

void TSettingsForm::WidenFileColumn(const std::string& file) {
    const int width = SoundsList.StringWidth("a") * static_cast<int>(file.size());
    if (width > SoundsList.Column(1).width) SoundsList.SetColumnWidth(1, width);
}

void TSettingsForm::NewSoundBtnClick(Component*) {
    std::string file;
    if (WinSoundsRBtn.Checked()) {
        const int index = WinSoundsCoBx.ItemIndex();
        if (index < 0 || index >= WinSoundsList.Count()) return;
        const TListItem* chosen = WinSoundsList.Item(index);
        file = chosen->SubItems.Count() > 0 ? chosen->SubItems[0] : "";
        AddSound(chosen->Caption(), file);
    } else if (ExternalFileRBtn.Checked()) {
        // The file dialog is shared with the log file's, which sets its own filter.
        OpenFile.Filter = "Wave table (*.wav)|*.wav";
        OpenFile.DefaultExt = "wav";
        if (!OpenFile.Execute()) return;
        file = OpenFile.FileName;
        // A cancelled box answers the proposal: the sound is named after its file.
        AddSound(App().InputBox("New sound", "Enter sound name:", NameOf(file)), file);
    } else {
        return;
    }
    WidenFileColumn(file);
}

void TSettingsForm::WinSoundsRBtnClick(Component*) { WinSoundsCoBx.SetEnabled(WinSoundsRBtn.Checked()); }

void TSettingsForm::SoundsListDblClick(Component*) {
    const TListItem* item = SoundsList.Selected();
    if (item && soundPlayer_ && item->SubItems.Count() > 0) soundPlayer_->PlayFile(item->SubItems[0]);
}

void TSettingsForm::SoundsListKeyDown(Component* sender, Key& key, ShiftState) {
    if (key == keys::Delete && SoundsList.Selected()) DeleteMenuClick(sender);
}

void TSettingsForm::SoundListPopUpMenuPopup(Component*) { DeleteMenu.SetEnabled(SoundsList.Selected() != nullptr); }

void TSettingsForm::DeleteMenuClick(Component*) {
    TListItem* item = SoundsList.Selected();
    if (!item) return;
    if (App().MessageBox("Are you sure you want to remove from list this sound?", "Confirmation",
                         mb::YesNo | mb::IconQuestion) == mrYes)
        item->Delete();
}

} // namespace orvane::settings
