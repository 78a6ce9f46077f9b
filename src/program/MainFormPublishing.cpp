// Announcing a recognised command to the user and to other programs.
#include "program/MainForm.h"
#include "settings/SettingsForm.h"

namespace orvane::program {

// In this order: the command's sound, the on-screen display, the DDE item and
// the TCP/IP event clients.
void TMainForm::PublishRecognizedCommand(TCommand& command, TAction*) {
    PlayCommandSound(command);
}

// The sound is found by name at each press, so a deleted sound leaves its
// commands silent; "None" is a name like any other.
void TMainForm::PlayCommandSound(const TCommand& command) {
    if (!settingsForm_ || !settingsForm_->PlaySndsChBx.Checked()) return;
    if (const std::string* file = settingsForm_->SoundFile(command.Sound)) platform_.sounds.PlayFile(*file);
}

} // namespace orvane::program
