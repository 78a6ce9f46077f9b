// Announcing a recognised command to the user and to other programs.
#include "program/MainForm.h"

namespace orvane::program {

// In this order: the command's sound, the on-screen display, the DDE item and
// the TCP/IP event clients.
void TMainForm::PublishRecognizedCommand(TCommand& command, TAction* action) {
    // The on-screen display: the remote, the command and the action, as the
    // settings ask.
    {
        const ui::TTreeNode* node = CommandsTree.Items().Item(command.NodeIndex);
        const ui::TTreeNode* remote = node->Parent();
        OSD().AnnounceCommand(remote ? remote->Text() : std::string(), node->Text(), action ? &action->Name : nullptr);
    }
}

} // namespace orvane::program
