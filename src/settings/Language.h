#pragma once
// The translation component every window carries as `Lang`: the keys of the
// window's translatable texts, and the language file that replaces them.
// Window texts are keyed "Window.Component.Property" in the section
// "Translations"; the program's messages are keyed by their English wording
// in the section "Messages".
#include "settings/LanguageText.h"
#include "ui/Component.h"
#include "ui/Events.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane::settings {

// Raised for each text about to be replaced; the handler may change newValue.
using TLanguageNotifyEvent =
    std::function<void(ui::Component* sender, ui::Component* component, const std::string& propertyName,
                       const std::string& oldValue, std::string& newValue)>;

class TLanguage : public ui::Component {
public:
    // Owned by the window whose components it translates.
    TLanguage(ui::Component& window, std::string name, std::vector<std::string> properties = {});

    const std::string& LanguageFile() const { return languageFile_; }
    // A new path is read at once, and with AutoTranslate the window is
    // translated. The same path again changes nothing.
    void SetLanguageFile(const std::string& path);
    // The same, with the file already read by the caller, so that switching
    // every window to a language reads the file once.
    void SetLanguageFile(const std::string& path, std::shared_ptr<const LanguageText> text);

    // The window's translation keys, one per line; blank lines are skipped.
    std::vector<std::string> Properties;
    ui::NotifyEvent OnBeforeTranslation;
    ui::NotifyEvent OnAfterTranslation;
    TLanguageNotifyEvent OnTranslate;

    const std::string& Separator() const { return separator_; }
    // An empty or blank separator is ",".
    void SetSeparator(const std::string& separator);
    bool AutoTranslate = true;

    // One pass over Properties, each key read from "Translations". An empty
    // or missing value leaves the text as it is.
    void Translate();
    // The message's translation from "Messages", or the message itself.
    std::string LookupMessage(const std::string& text) const;

private:
    void Apply(std::string key, std::string value);

    std::string languageFile_;
    std::shared_ptr<const LanguageText> text_;
    std::string separator_ = ",";
};

} // namespace orvane::settings
