// orvane-gallery.exe NAME: shows the registered form NAME (for example
// SettingsForm) with the real Win32 services; closing it ends the program.
// Without a name, or with an unknown one, lists the names on stdout.
#include "Gallery.h"
#include "core/Text.h"
#include "platform/win32/Win32Platform.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32Ui.h"

#include <cstdio>

namespace orvane::gallery {

std::vector<GalleryForm>& GalleryForms() {
    static std::vector<GalleryForm> forms;
    return forms;
}

namespace {
class NoFiles : public ui::FileLister {
public:
    std::vector<std::string> ListFiles(const std::string&, const std::string&) override { return {}; }
};
} // namespace

} // namespace orvane::gallery

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    using namespace orvane;
    platform::win32::Win32Platform platform;
    ui::win32::Win32Dialogs dialogs;
    gallery::NoFiles files;
    ui::Application app({platform.timers, dialogs, files});
    ui::win32::Win32Ui ui(app);
    dialogs.Attach(ui);
    app.SetTitle("Orvane gallery");
    settings::SettingsStore store(platform.registry);
    gallery::GalleryContext context{app, platform.Services(), store};

    std::string wanted = commandLine ? commandLine : "";
    while (!wanted.empty() && wanted.back() == ' ') wanted.pop_back();
    for (auto& entry : gallery::GalleryForms()) {
        if (!SameText(entry.name, wanted)) continue;
        ui::TForm& form = entry.create(context);
        form.Show();
        int code = ui.Run();
        app.DestroyForms();
        return code;
    }
    for (auto& entry : gallery::GalleryForms()) std::printf("%s\n", entry.name.c_str());
    return 2;
}
