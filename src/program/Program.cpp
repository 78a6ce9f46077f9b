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
    layouts_ = &app_.CreateForm<actions::TLayoutsForm>(&platform_.windows);
    settings_ = &app_.CreateForm<settings::TSettingsForm>(store_, main_->ClientSocket, main_->ServerSocket,
                                                          platform_.shell.ExecutablePath(),
                                                          [this] { main_->SwitchOrigins(false); });
    main_->AttachWindows(*layouts_, *settings_);
    // Logging follows the dialog's log file setting from the next press on.
    settings_->OnLogEnabledChange = [this](bool enabled) { main_->LogEnabled = enabled; };
    settings_->AttachSoundPlayer(platform_.sounds);
    settings_->OnOSDFontChange = [this](const ui::TFont& font) { main_->OSDFont = font; };
    const std::string exe = platform_.shell.ExecutablePath();
    actions::ActionFormServices editor(platform_.windows);
    editor.mouse = &platform_.mouse;
    editor.screen = &platform_.screen;
    editor.files = &platform_.files;
    editor.programFolder = exe.substr(0, exe.find_last_of("\\/:") + 1);
    editor.mixer = &main_->MidiMixer;
    editor.mixerVolumeSlots = &main_->MixerVolumeSlots;
    editor.mixerMuteSlots = &main_->MixerMuteSlots;
    editor.actionImages = &main_->ActionsImgList;
    editor.layouts = layouts_;
    action_ = &app_.CreateForm<actions::TActionForm>(editor);
    settings_->OnCopyDDELinkInfo = [this] { main_->CopyDDELinkInfo(); };
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
