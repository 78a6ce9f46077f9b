#pragma once
// Tooltips: a control's hint over the whole control, or a text over one part
// of a window (a status bar panel whose text does not fit). One tooltip window
// per top-level window of the program, made on first use and destroyed with
// it. The tools do not subclass anything: the peers' window procedure relays
// the mouse to the tooltip.
#include "ui/win32/SystemHeaders.h"

#include <string>

namespace orvane::ui::win32 {

// The hint over a whole window; an empty text removes it.
void SetWindowTip(HWND window, const std::string& text);
// A text over a part of a window, told apart by id (not 0); an empty text removes it.
void SetAreaTip(HWND window, UINT id, const RECT& area, const std::string& text);
// Hands a mouse message of a window with tips to its tooltip window.
void RelayToTip(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The tooltip window serving a window, or none yet.
HWND TipWindowFor(HWND window);

} // namespace orvane::ui::win32
