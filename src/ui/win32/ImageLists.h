#pragma once
// The system image list that shows a model image list: trees, list views and
// owner-drawn items draw from it. One per model list, kept for the program's
// life, so that every control using the list shares the same handle.
#include "ui/ImageList.h"

#include "ui/win32/SystemHeaders.h"

namespace orvane::ui::win32 {

class Win32Ui;

// The list's images at its current size and count. The program carries no
// pictures yet, so each index gets its own coloured shape; the handle stays
// the same when the model's size or count changes.
HIMAGELIST ImageListFor(Win32Ui& ui, TImageList& images);

// The colour at the middle of a placeholder image, so that tests can tell the
// images apart.
COLORREF PlaceholderColor(int index);

} // namespace orvane::ui::win32
