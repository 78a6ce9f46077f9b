// The settings dialog: "SettingsForm" as designed; "SettingsForm.Loaded" after
// the start-up load of the stored settings (the first-run values are stored
// first when there are none).
#include "Gallery.h"
#include "settings/SettingsDefaults.h"
#include "settings/SettingsForm.h"

#include <windows.h>

namespace orvane::gallery {
namespace {

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

settings::TSettingsForm& Create(GalleryContext& c) {
    // Never activated here, so it outlives the application without harm.
    static input::TClientSocket clientSocket(c.platform.sockets, c.app);
    static feedback::TServerSocket serverSocket(c.platform.sockets, c.app);
    return c.app.CreateForm<settings::TSettingsForm>(c.settings, clientSocket, serverSocket, ProgramPath(),
                                                     [] {});
}

const RegisterGalleryForm designed("SettingsForm", [](GalleryContext& c) -> ui::TForm& { return Create(c); });

const RegisterGalleryForm loaded("SettingsForm.Loaded", [](GalleryContext& c) -> ui::TForm& {
    auto& form = Create(c);
    if (c.settings.ReadSettingDate("First Load") == 0) {
        c.settings.WriteSettingBool("Launch on startup", true);
        settings::WriteFirstRunDefaults(c.settings);
    }
    form.LoadFromSettings(c.settings);
    return form;
});

} // namespace
} // namespace orvane::gallery
