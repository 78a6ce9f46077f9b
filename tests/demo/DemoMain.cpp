// orvane-demo.exe [basic|views|choices]: shows one demo form; closing it ends
// the program with exit status 0.
#include "Demo.h"
#include "platform/win32/Win32Timers.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32Ui.h"

#include <cstring>

namespace {

// The demo needs no file lists.
class NoFiles : public orvane::ui::FileLister {
public:
    std::vector<std::string> ListFiles(const std::string&, const std::string&) override { return {}; }
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    orvane::platform::win32::Win32Timers timers;
    orvane::ui::win32::Win32Dialogs dialogs;
    NoFiles files;
    orvane::ui::Application app({timers, dialogs, files});
    orvane::ui::win32::Win32Ui ui(app);
    dialogs.Attach(ui);
    app.SetTitle("Orvane demo");

    orvane::ui::TForm* form = nullptr;
    if (std::strstr(commandLine, "views"))
        form = &orvane::demo::CreateViewsDemo(app);
    else if (std::strstr(commandLine, "choices"))
        form = &orvane::demo::CreateChoicesDemo(app);
    else
        form = &orvane::demo::CreateBasicDemo(app);
    form->Show();
    int code = ui.Run();
    app.DestroyForms();
    return code;
}
