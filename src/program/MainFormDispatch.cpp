// What a recognised command does: the layout of the window in front, the
// triggers, the announcement, and the fired action's descriptions carried out
// by the executor, one per ActionTimer tick or one per firing.
#include "actions/ActionForm.h"
#include "actions/CommandDispatch.h"
#include "program/MainForm.h"
#include "settings/SettingsForm.h"

#include <algorithm>

namespace orvane::program {

void TMainForm::DispatchCommand(TCommand& command) {
    CommandsTree.SetSelected(CommandsTree.Items().Item(command.NodeIndex));
    if (!Model) return;
    std::string title = platform_.windows.WindowTitle(platform_.windows.ForegroundWindow());
    if (title.size() > actions::kForegroundTitleLength) title.resize(actions::kForegroundTitleLength);
    const TLayout* matched = actions::MatchLayout(*Model, title);
    TAction* action = actions::AdvanceTriggers(*Model, command, matched);

    const ModelWatch watch = WatchModel();
    PublishRecognizedCommand(command, action);
    if (!action || !StillHolds(watch, *action)) return;
    // Only in the running state (its icon in the tray) does an action run;
    // while the user configures, commands only advance triggers and announce.
    if (action->Actions.empty() || !TrayIcon.ShowIcon()) return;
    // A chain still running stops where it is; its action keeps its place.
    Model->CurrentAction = action;
    ActionTimerTimer(nullptr);
}

void TMainForm::ActionTimerTimer(ui::Component*) {
    ActionTimer.SetEnabled(false);
    if (!Model || !Model->CurrentAction) return;
    TAction* action = Model->CurrentAction;
    if (action->Actions.empty()) return;
    const auto count = static_cast<std::int32_t>(action->Actions.size());
    if (action->ActIndex < 0 || action->ActIndex >= count) action->ActIndex = 0;
    // A copy: sending keys lets messages run, and one of them may open
    // another configuration or start a nested dispatch that frees the action.
    const std::string description = action->Actions[static_cast<std::size_t>(action->ActIndex)];
    const ModelWatch watch = WatchModel();
    // A failure leaves ActIndex where it is and the timer off: the chain
    // stops, and the same description runs again at the next firing.
    executor_.ExecuteAction(description);
    if (!StillHolds(watch, *action)) return;
    // A nested dispatch may have started another chain meanwhile; this one
    // then stops after its description.
    if (actions::AdvanceActIndex(*action) && Model->CurrentAction == action) ActionTimer.SetEnabled(true);
}

bool TMainForm::StillHolds(const ModelWatch& watch, const TCommand& command) const {
    return Model && Model.get() == watch.model && modelGeneration_ == watch.generation && Model->Owns(&command);
}

bool TMainForm::StillHolds(const ModelWatch& watch, const TAction& action) const {
    if (!Model || Model.get() != watch.model || modelGeneration_ != watch.generation) return false;
    for (const auto& layout : Model->Layouts)
        for (const auto& own : layout->Actions)
            if (own.get() == &action) return true;
    return false;
}

actions::ExecutorHost TMainForm::ExecutorHostLinks() {
    actions::ExecutorHost host;
    host.SetActionInterval = [this](int interval) { ActionTimer.SetInterval(static_cast<std::uint32_t>(interval)); };
    host.SwitchOrigins = [this](bool on) { SwitchOrigins(on); };
    host.ShowOSD = [this](const std::string& text) { osd_.ShowOSD(text); };
    host.SetOSDSuffix = [this](const std::string& text) { osd_.OSDSuffix = text; };
    host.AdvancedKeyPress = [this] { return settingsForm_ && settingsForm_->AdvancedKeyPressChBx.Checked(); };
    host.ApplicationWindow = [this] { return static_cast<platform::WindowHandle>(Handle()); };
    // The action editor's lists serve as lookup tables, whether or not it is shown.
    using Editor = actions::TActionForm;
    auto items = [this](const ui::TStrings& (*list)(const Editor&)) {
        return [this, list] { return actionForm_ ? list(*actionForm_).Items() : std::vector<std::string>{}; };
    };
    host.WindowsMessages = items([](const Editor& e) -> const ui::TStrings& { return e.WinMsgListBox.Items; });
    host.UserMessages = items([](const Editor& e) -> const ui::TStrings& { return e.UserMsgListBox.Items; });
    host.MixerLines = items([](const Editor& e) -> const ui::TStrings& { return e.MixerLineCoBx.Items; });
    host.OSDItems = items([](const Editor& e) -> const ui::TStrings& { return e.OSDCoBx.Items; });
    host.MixerVolumeSlots = [this] { return MixerVolumeSlots; };
    host.MixerMuteSlots = [this] { return MixerMuteSlots; };
    host.mixer = &MidiMixer;
    return host;
}

// Read from the settings dialog at each display, so that a change there
// applies to the next text.
feedback::OSDOptions TMainForm::OSDOptionsNow() const {
    feedback::OSDOptions options;
    options.font = OSDFont;
    if (!settingsForm_) return options;
    const settings::TSettingsForm& f = *settingsForm_;
    options.showRemote = f.RemoteChBx.Checked();
    options.showCommand = f.CommandChBx.Checked();
    options.showAction = f.ActionChBx.Checked();
    options.background = f.BackgroundCoBx.ItemIndex();
    options.displayTime = f.ShowTimeUpDwn.Position();
    options.repaint = f.RepaintChBx.Checked();
    return options;
}

} // namespace orvane::program
