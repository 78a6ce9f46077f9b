#include "program/Program.h"

#include "actions/ActionForm.h"
#include "actions/LayoutsForm.h"
#include "feedback/PasswordDlg.h"
#include "input/AVerForm.h"
#include "input/LearnForm.h"
#include "input/TestOriginForm.h"
#include "settings/SettingsForm.h"

namespace orvane::program {

Program::Program(ui::Application& app, platform::Platform platform, platform::SerialPorts& serialPorts)
    : app_(app), platform_(platform), serialPorts_(serialPorts), store_(platform.registry) {}

std::vector<ui::TForm*> Program::TranslatedWindows() const {
    return {main_, action_, layouts_, learn_, password_, settings_, testOrigin_};
}

void Program::Start() {
    app_.SetTitle(kProductName);
    main_ = &app_.CreateForm<TMainForm>(MainServices{platform_, store_, serialPorts_});
    layouts_ = &app_.CreateForm<actions::TLayoutsForm>();
    settings_ = &app_.CreateForm<settings::TSettingsForm>(store_, main_->ClientSocket, main_->ServerSocket,
                                                          platform_.shell.ExecutablePath(),
                                                          [this] { main_->SwitchOrigins(false); });
    main_->AttachWindows(*layouts_, *settings_);
    // Logging follows the dialog's log file setting from the next press on.
    settings_->OnLogEnabledChange = [this](bool enabled) { main_->LogEnabled = enabled; };
    settings_->OnOSDFontChange = [this](const ui::TFont& font) { main_->OSDFont = font; };
    action_ = &app_.CreateForm<actions::TActionForm>(platform_.windows);
    main_->AttachActionForm(*action_);
    aver_ = &app_.CreateForm<input::TAVerForm>();
    testOrigin_ = &app_.CreateForm<input::TTestOriginForm>();
    main_->AttachOriginWindows(*aver_, *testOrigin_);
    learn_ = &app_.CreateForm<input::TLearnForm>();
    main_->AttachLearnForm(*learn_);
    password_ = &app_.CreateForm<feedback::TPasswordDlg>();
    main_->AttachPasswordDialog(*password_);
    settings_->AttachPassword(*password_, main_->ArnEncryption);
    // The order in which a chosen language reaches the windows.
    settings_->AttachTranslatedWindows(TranslatedWindows());

    // A copy that gave way to the one already running shows nothing.
    if (app_.Terminated()) return;
    // The last window's creation starts the main window's show-time work:
    // shown normally, or, to start in the tray, its show and activation run
    // without the window ever appearing.
    if (!store_.ReadSettingBool("Load minimized")) {
        main_->Show();
    } else {
        main_->FormShow(nullptr);
        main_->FormActivate(nullptr);
    }
}

} // namespace orvane::program
