// Peers of the controls that offer choices and text: combo box, list box,
// memo, up-down, radio group; and the menus.
#include "ui/win32/Win32Ui.h"
#include "ui/win32/WindowPeer.h"

namespace orvane::ui::win32 {

std::unique_ptr<WindowPeer> MakeChoicePeer(Win32Ui&, Control&) { return nullptr; }

void MakeMenuPeers(Win32Ui&, TForm&) {}

} // namespace orvane::ui::win32
