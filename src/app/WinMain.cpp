// The program's entry point: the Win32 services, the control model's native
// side, the program's windows, and the message loop.
#include "program/Program.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32SerialPort.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32FileLister.h"
#include "ui/win32/Win32Ui.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace orvane;
    platform::win32::Win32Platform platform;
    ui::win32::Win32Dialogs dialogs;
    ui::win32::Win32FileLister files;
    ui::Application app({platform.timers, dialogs, files});
    ui::win32::Win32Ui ui(app);
    dialogs.Attach(ui);

    platform::win32::Win32SerialPorts serialPorts;
    // What a serial handler raises where the dispatch point does not reach.
    serialPorts.SetErrorSink([&app](const std::exception& failure) { app.HandleException(failure); });
    // And what gets past a socket event's dispatch.
    platform.sockets.SetErrorSink([&app](const std::exception& failure) { app.HandleException(failure); });
    platform.dde.SetErrorSink([&app](const std::exception& failure) { app.HandleException(failure); });

    program::Program program(app, platform.Services(), serialPorts);
    // A failure while starting is shown like any other; the program goes on
    // with what it has.
    app.Dispatch([&] { program.Start(); });
    if (!app.MainForm()) return 1;
    const int exitCode = ui.Run();
    app.DestroyForms();
    return exitCode;
}
