#pragma once
// The program's start: the application's title, its eight windows created in
// a fixed order, and the main window's show-time work, which needs all of
// them and so starts once the last one exists.
#include "program/MainForm.h"
#include "platform/Platform.h"
#include "platform/SerialPort.h"
#include "settings/SettingsStore.h"
#include "ui/Application.h"

#include <vector>

namespace orvane::actions {
class TActionForm;
class TLayoutsForm;
} // namespace orvane::actions
namespace orvane::input {
class TAVerForm;
class TLearnForm;
class TTestOriginForm;
} // namespace orvane::input
namespace orvane::feedback {
class TPasswordDlg;
}
namespace orvane::settings {
class TSettingsForm;
}

namespace orvane::program {

class Program {
public:
    Program(ui::Application& app, platform::Platform platform, platform::SerialPorts& serialPorts);

    // Creates the windows in order and starts the main window's show-time work.
    void Start();

    TMainForm& Main() const { return *main_; }
    settings::TSettingsForm& Settings() const { return *settings_; }
    actions::TLayoutsForm& Layouts() const { return *layouts_; }
    input::TAVerForm& AVer() const { return *aver_; }
    input::TTestOriginForm& TestOrigin() const { return *testOrigin_; }
    // The seven translated windows, in the order a language reaches them.
    std::vector<ui::TForm*> TranslatedWindows() const;
    settings::SettingsStore& Store() { return store_; }

private:
    ui::Application& app_;
    platform::Platform platform_;
    platform::SerialPorts& serialPorts_;
    settings::SettingsStore store_;
    TMainForm* main_ = nullptr;
    actions::TLayoutsForm* layouts_ = nullptr;
    settings::TSettingsForm* settings_ = nullptr;
    actions::TActionForm* action_ = nullptr;
    input::TAVerForm* aver_ = nullptr;
    input::TTestOriginForm* testOrigin_ = nullptr;
    input::TLearnForm* learn_ = nullptr;
    feedback::TPasswordDlg* password_ = nullptr;
};

} // namespace orvane::program
