#pragma once
// The parts of the choice peers shared between their files: the combo box's
// maker, and how a list box or combo box window follows its model's items.
#include "ui/Lists.h"
#include "ui/win32/WindowPeer.h"

#include <memory>
#include <string>
#include <vector>

namespace orvane::ui::win32 {

std::unique_ptr<WindowPeer> MakeComboBoxPeer(Win32Ui& ui, TComboBox& box);

// The item messages of a list box or of a combo box.
struct ListMessages {
    UINT insert;
    UINT remove;
    UINT reset;
};
extern const ListMessages kListBoxMessages;
extern const ListMessages kComboBoxMessages;

// Brings a window's items, last sent as shown, in step with wanted. The model
// reports one change at a time, so an insertion, a deletion or a changed item
// costs a message or two; anything else fills the list again.
void SyncItems(HWND window, const ListMessages& messages, std::vector<std::string>& shown,
               const std::vector<std::string>& wanted);

} // namespace orvane::ui::win32
