#include "settings/Language.h"

#include "ui/Convert.h"

namespace orvane::settings {
namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The pieces between separators, trimmed; a piece after the last separator
// counts only when it is not empty.
std::vector<std::string> SplitItems(const std::string& value, const std::string& separator) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t at; (at = value.find(separator, start)) != std::string::npos; start = at + separator.size())
        items.push_back(Trimmed(value.substr(start, at - start)));
    if (start < value.size()) items.push_back(Trimmed(value.substr(start)));
    return items;
}

} // namespace

TLanguage::TLanguage(ui::Component& window, std::string name, std::vector<std::string> properties)
    : Component(&window, std::move(name)), Properties(std::move(properties)) {
    PublishText("LanguageFile", [this] { return languageFile_; }, [this](const std::string& v) { SetLanguageFile(v); });
    PublishStrings("Properties", [this] { return Properties; },
                   [this](const std::vector<std::string>& v) { Properties = v; });
    PublishText("Separator", [this] { return separator_; }, [this](const std::string& v) { SetSeparator(v); });
}

void TLanguage::SetSeparator(const std::string& separator) {
    separator_ = Trimmed(separator).empty() ? "," : separator;
}

void TLanguage::SetLanguageFile(const std::string& path) {
    if (path == languageFile_) return;
    SetLanguageFile(path, path.empty() || !LanguageText::FileExists(path)
                              ? std::make_shared<const LanguageText>()
                              : std::make_shared<const LanguageText>(LanguageText::Load(path)));
}

void TLanguage::SetLanguageFile(const std::string& path, std::shared_ptr<const LanguageText> text) {
    if (path == languageFile_) return;
    languageFile_ = path;
    text_ = std::move(text);
    if (AutoTranslate) Translate();
}

void TLanguage::Translate() {
    if (OnBeforeTranslation) OnBeforeTranslation(this);
    for (const std::string& line : Properties) {
        const std::string key = Trimmed(line);
        if (key.empty()) continue;
        Apply(key, text_ ? text_->Read("Translations", key) : std::string());
    }
    if (OnAfterTranslation) OnAfterTranslation(this);
}

void TLanguage::Apply(std::string key, std::string value) {
    for (char& c : value)
        if (c == '~') c = '\t';
    // Each part before a "." names a component of the window; the window's own
    // name in front finds none, so a key of two parts has no target.
    Component* target = nullptr;
    for (std::size_t dot; (dot = key.find('.')) != std::string::npos;) {
        target = Owner()->FindComponent(Trimmed(key.substr(0, dot)));
        key = Trimmed(key.substr(dot + 1));
    }
    if (!target || value.empty()) return;
    const auto kind = target->PropertyKindOf(key);
    if (OnTranslate)
        OnTranslate(this, target, key, kind == ui::PropertyKind::Text ? target->GetTextProperty(key) : std::string(),
                    value);
    if (!kind) return;
    switch (*kind) {
    case ui::PropertyKind::Text: target->SetTextProperty(key, value); break;
    case ui::PropertyKind::Integer: target->SetIntegerProperty(key, ui::StrToInt(value)); break;
    case ui::PropertyKind::Strings: target->SetStringsProperty(key, SplitItems(value, separator_)); break;
    }
}

std::string TLanguage::LookupMessage(const std::string& text) const {
    // An empty translation would leave a prompt or a question without words.
    std::string translated = text_ ? text_->Read("Messages", text) : std::string();
    return translated.empty() ? text : translated;
}

} // namespace orvane::settings
