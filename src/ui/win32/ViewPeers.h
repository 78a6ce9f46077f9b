#pragma once
// The makers of the view peers that live in files of their own.
#include "ui/ListView.h"
#include "ui/TreeView.h"
#include "ui/win32/WindowPeer.h"

#include <memory>

namespace orvane::ui::win32 {

std::unique_ptr<WindowPeer> MakeTreeViewPeer(Win32Ui& ui, TTreeView& tree);
std::unique_ptr<WindowPeer> MakeListViewPeer(Win32Ui& ui, TListView& list);

// The width of a text in a window's font.
int TextWidthIn(HWND window, const std::string& text);

} // namespace orvane::ui::win32
