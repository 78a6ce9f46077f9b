// Peers of the controls that show collections and values: tree view, list
// view, status bar, page control, track bar, progress bar, shape, scroll box.
#include "ui/win32/Win32Ui.h"
#include "ui/win32/WindowPeer.h"

namespace orvane::ui::win32 {

std::unique_ptr<WindowPeer> MakeViewPeer(Win32Ui&, Control&) { return nullptr; }

} // namespace orvane::ui::win32
