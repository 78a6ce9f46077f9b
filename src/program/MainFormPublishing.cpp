// Announcing a recognised command to the user and to other programs.
#include "core/Exception.h"
#include "feedback/EventText.h"
#include "program/MainForm.h"
#include "settings/SettingsForm.h"

namespace orvane::program {

// In this order: the command's sound, the on-screen display, the DDE item and
// the TCP/IP event clients.
void TMainForm::PublishRecognizedCommand(TCommand& command, TAction* action) {
    const ui::TTreeNode* node = CommandsTree.Items().Item(command.NodeIndex);
    const std::string commandName = node ? node->Text() : std::string();
    const std::string remoteName = node && node->Parent() ? node->Parent()->Text() : std::string();
    const std::string* actionName = action ? &action->Name : nullptr;

    PlayCommandSound(command);
    // The on-screen display: the remote, the command and the action, as the
    // settings ask.
    OSD().AnnounceCommand(remoteName, commandName, actionName);

    if (!settingsForm_ || (!DDEConversationOpen && !TCPClientConnected)) return;
    const settings::TSettingsForm& f = *settingsForm_;

    // With no conversation open the item keeps its value.
    if (DDEConversationOpen) {
        const std::string text = feedback::ComposeEventText(
            {f.RemoteNameChBX.Checked(), f.CommandNameChBx.Checked(), f.CommandsDataChBx.Checked(),
             f.ActionDescriptionChBx.Checked()},
            remoteName, commandName, command, actionName);
        if (!text.empty()) RemoteControlData.SetText(text);
    }
    // The bare text, back to back with the previous one on each client's stream.
    if (TCPClientConnected) {
        ServerSocket.SendToAll(feedback::ComposeEventText(
            {f.TCPRemoteNameChBX.Checked(), f.TCPCommandNameChBx.Checked(), f.TCPCommandsDataChBx.Checked(),
             f.TCPActionDescriptionChBx.Checked()},
            remoteName, commandName, command, actionName));
    }
}

void TMainForm::RemoteControlDataOpen(ui::Component*) { DDEConversationOpen = true; }

// With several clients the flag follows the last open or close.
void TMainForm::RemoteControlDataClose(ui::Component*) { DDEConversationOpen = false; }

void TMainForm::ServerSocketClientConnect(ui::Component*) { TCPClientConnected = true; }

// Any client's disconnect stops the sending, also to the clients still
// connected, until the next connect.
void TMainForm::ServerSocketClientDisconnect(ui::Component*) { TCPClientConnected = false; }

// What clients send means nothing here.
void TMainForm::ServerSocketClientRead(ui::Component*) {}

void TMainForm::CopyDDELinkInfo() {
    if (!platform_.clipboard.Put(RemoteControlData.LinkInformation(platform_.clipboard)))
        throw Exception("Cannot open clipboard");
}

// The sound is found by name at each press, so a deleted sound leaves its
// commands silent; "None" is a name like any other.
void TMainForm::PlayCommandSound(const TCommand& command) {
    if (!settingsForm_ || !settingsForm_->PlaySndsChBx.Checked()) return;
    if (const std::string* file = settingsForm_->SoundFile(command.Sound)) platform_.sounds.PlayFile(*file);
}

} // namespace orvane::program
