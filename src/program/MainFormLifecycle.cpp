// The main window's life: creation of the model, the show-time work (settings
// load, the configuration to open, origins), the configuring and running
// states, New, Exit and the question about unsaved changes.
#include "program/FileType.h"
#include "program/MainForm.h"
#include "program/SingleInstance.h"
#include "program/SplashForm.h"
#include "settings/SettingsDefaults.h"
#include "settings/SettingsForm.h"
#include "actions/LayoutsForm.h"

namespace orvane::program {

// ---- Settings: one registry operation each, no cache ----

std::string TMainForm::ReadSettingString(const std::string& name) { return store_.ReadSettingString(name); }
void TMainForm::WriteSettingString(const std::string& name, const std::string& text) {
    store_.WriteSettingString(name, text);
}
bool TMainForm::ReadSettingBool(const std::string& name) { return store_.ReadSettingBool(name); }
void TMainForm::WriteSettingBool(const std::string& name, bool flag) { store_.WriteSettingBool(name, flag); }
std::int32_t TMainForm::ReadSettingInteger(const std::string& name) { return store_.ReadSettingInteger(name); }
void TMainForm::WriteSettingInteger(const std::string& name, std::int32_t value) {
    store_.WriteSettingInteger(name, value);
}
double TMainForm::ReadSettingDate(const std::string& name) { return store_.ReadSettingDate(name); }
void TMainForm::WriteSettingDate(const std::string& name, double date) { store_.WriteSettingDate(name, date); }

void TMainForm::AttachWindows(actions::TLayoutsForm& layouts, settings::TSettingsForm& settings) {
    layoutsForm_ = &layouts;
    settingsForm_ = &settings;
    layouts.AttachConfiguration(Model);
}

// ---- Creation and destruction ----

void TMainForm::FormCreate(ui::Component* sender) {
    if (sender) {
        // At the start a running copy has time to ask about its unsaved
        // changes; when its user keeps it, this copy gives way. That comes
        // before the splash, which would not answer meanwhile.
        if (!ReadSettingBool("Multiple instances") &&
            EndRunningCopy(platform_.windows, ProgramTitle(), kRunningCopyWait) == RunningCopy::Stayed) {
            App().Terminate();
            return;
        }
        splash_ = std::make_unique<TSplashForm>(App(), false);
        App().Realise(*splash_);
        if (!ReadSettingBool("Hide splashscreen")) {
            splash_->Show();
            App().ProcessMessages();
        }
    }
    CounterFrequency = platform_.clock.PerformanceFrequency();
    IncomingSequence.Clear();
    CreateModel();
    TypematicActive = false;
    DDEConversationOpen = false;
    TCPClientConnected = false;
    LogEnabled = !ReadSettingString("Log file").empty();
    // New and Open only ask a running copy to close.
    if (!sender && !ReadSettingBool("Multiple instances")) EndRunningCopy(platform_.windows, ProgramTitle(), 0);
    SetCaption(ProgramTitle());
    TrayIcon.SetHint(ProgramTitle());
    // Other programs find the DDE service from here to the end of the run.
    // Not before: a conversation opened while the splash let messages run
    // would be forgotten by the reset above.
    if (sender) RemoteControlData.Register(feedback::DdeServiceName(platform_.shell.ExecutablePath()));
}

void TMainForm::CreateModel() {
    Model = std::make_unique<Configuration>(Translate("Default"));
    LayoutCoBx.Items.Clear();
    LayoutCoBx.Items.Add(Model->DefaultLayout().Name);
    LayoutCoBx.SetItemIndex(0);
    LayoutCoBxChange(nullptr);
}

void TMainForm::FormDestroy(ui::Component* sender) {
    App().SetCursor(ui::Cursor::HourGlass);
    // The layout manager's entries belong to this model, so they go with it,
    // whatever comes after. At the window's own destruction (a sender) the
    // manager, created after this window, is gone already.
    if (!sender && layoutsForm_) layoutsForm_->LayoutList.Clear();
    LayoutCoBx.Items.Clear();
    ActionCoBx.Items.Clear();
    CommandsTree.Items().Clear();
    TriggerTree.Items().Clear();
    ActionsList.Clear();
    // A repeat still pending would name a record that is about to go.
    TypematicTimer.SetEnabled(false);
    TypematicActive = false;
    LastCommand = nullptr;
    // So does an action's chain of descriptions.
    ActionTimer.SetEnabled(false);
    ++modelGeneration_;
    Model.reset();
    // A text on the screen goes with the program.
    if (sender && OSD().Displayed()) OSD().OSDShowTimerTimer(nullptr);
    App().SetCursor(ui::Cursor::Default);
}

// ---- Showing and activation ----

void TMainForm::FormShow(ui::Component*) {
    if (TrayIcon.ShowIcon()) return;
    LoadSettings();
}

void TMainForm::LoadSettings() {
    if (ReadSettingDate("First Load") == 0) {
        // A file type that cannot be registered is said once; the settings
        // and the file still load.
        App().Dispatch([this] { RegisterFileType(platform_.registry, platform_.shell); });
        WriteSettingBool("Launch on startup", true);
        settingsForm_->LaunchChBxClick(&settingsForm_->LaunchChBx);
        settings::WriteFirstRunDefaults(store_);
        // Last, so that a first start cut short by a failed write runs the
        // defaults again next time instead of finding values missing.
        const platform::LocalDateTime now = platform_.clock.LocalTime();
        WriteSettingDate("First Load", platform::DayNumber(now.year, now.month, now.day));
    }
    settingsForm_->LoadFromSettings(store_);
    OSDFont = settingsForm_->OSDFont;
    FollowEventServerBoxes();
    const std::vector<std::string> arguments = platform_.shell.Arguments();
    StatBar.SetPanelText(kFileNamePanel, arguments.empty() ? ReadSettingString("LastORVFile") : arguments.front());
    // A file that fails to open shows why; the start goes on without it.
    App().Dispatch([this] { OpenMenuClick(nullptr); });
}

void TMainForm::FormActivate(ui::Component*) {
    if (TrayIcon.ShowIcon()) return;
    // The splash goes at the first activation even when an origin's start
    // raises below.
    struct SplashEnd {
        std::unique_ptr<TSplashForm>& splash;
        ~SplashEnd() {
            if (splash && splash->Visible()) splash.reset();
        }
    } splashEnd{splash_};
    if (ReadSettingBool("Load minimized")) {
        RunBtnClick(nullptr);
    } else {
        Show();
        if (ReadSettingBool("Origin enabled")) {
            EnableOriginMenu.SetChecked(false);
            EnableOriginMenuClick(nullptr);
        }
    }
}

// ---- Configuring and running ----

void TMainForm::RunBtnClick(ui::Component*) {
    bool running = EnableOriginMenu.Checked();
    try {
        if (!running) running = SwitchOrigins(true);
    } catch (...) {
        // Whatever the origins do, the program never runs without a window
        // or an icon to come back through.
        TrayIcon.SetShowIcon(true);
        throw;
    }
    if (running) {
        App().Minimize();
        App().ShowTaskbarButton(false);
    }
    TrayIcon.SetShowIcon(true);
}

void TMainForm::SettingsMenuClick(ui::Component*) {
    try {
        settingsForm_->ShowModal();
    } catch (...) {
        AfterSettings();
        throw;
    }
    AfterSettings();
}

// Whatever closed the settings dialog, the event server follows its boxes, the
// named sounds go back to the registry and the configuration counts as changed.
void TMainForm::AfterSettings() {
    FollowEventServerBoxes();
    settingsForm_->WriteNamedSounds();
    SaveMenu.SetEnabled(true);
}

// The event server listens while at least one TCP/IP send box is checked.
void TMainForm::FollowEventServerBoxes() {
    const settings::TSettingsForm& f = *settingsForm_;
    ServerSocket.SetActive(f.TCPRemoteNameChBX.Checked() || f.TCPCommandNameChBx.Checked() ||
                           f.TCPCommandsDataChBx.Checked() || f.TCPActionDescriptionChBx.Checked());
}

// ---- Closing, New and Exit ----

void TMainForm::FormCloseQuery(ui::Component*, bool& canClose) {
    canClose = true;
    if (!SaveMenu.Enabled()) return;
    switch (App().MessageBox(Translate("Save changes to the configuration file?"), "Orvane",
                             ui::mb::YesNoCancel | ui::mb::IconWarning)) {
    case ui::mrYes:
        SaveMenuClick(nullptr);
        // Save As cancelled: nothing was saved, so nothing may be discarded.
        // (A save that fails raises, which stops the closing too.)
        canClose = !SaveMenu.Enabled();
        break;
    case ui::mrNo:
        break;
    default:
        canClose = false;
        break;
    }
}

void TMainForm::NewMenuClick(ui::Component*) {
    if (SaveMenu.Enabled()) {
        bool canClose = true;
        FormCloseQuery(nullptr, canClose);
        if (!canClose) return;
    }
    FormDestroy(nullptr);
    SetCaption("");
    FormCreate(nullptr);
    StatBar.SetPanelText(kFileNamePanel, "");
}

void TMainForm::ExitMenuClick(ui::Component*) { Close(); }

void TMainForm::AboutMenuClick(ui::Component*) {
    TSplashForm about(App(), true);
    App().Realise(about);
    about.ShowModal();
}

std::string TMainForm::Translate(const std::string& text) const { return Lang.LookupMessage(text); }

} // namespace orvane::program
