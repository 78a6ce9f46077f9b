// Announcing a recognised command to the user and to other programs.
#include "program/MainForm.h"

namespace orvane::program {

// In this order: the command's sound, the on-screen display, the DDE item and
// the TCP/IP event clients.
void TMainForm::PublishRecognizedCommand(TCommand&, TAction*) {}

} // namespace orvane::program
