// Opening and saving configuration files.
#include "core/Files.h"
#include "core/MainForm.h"

namespace orvane::core {

void TMainForm::OpenMenuClick(ui::Component* sender) {
    if (sender) return;
    // Until configuration files are read, a name that names no file is
    // forgotten and an existing file is left as it is.
    const std::string name = StatBar.PanelText(kFileNamePanel);
    if (!FileExists(name)) StatBar.SetPanelText(kFileNamePanel, "");
}

void TMainForm::SaveMenuClick(ui::Component*) {
    throw Exception("Configurations cannot be saved yet.");
}

} // namespace orvane::core
