#pragma once
// The row of the main window's action list that stands for one action
// description: a caption made from its fields in the editor's own words, and
// the image of its type.
#include "actions/ActionForm.h"
#include "platform/WindowSystem.h"
#include "ui/ListView.h"

#include <string>

namespace orvane::actions {

// Sets the row's caption and image. The captions and item texts come from
// the action editor (so they follow its language), the key names from the
// system. A numeric field that does not convert raises EConvertError; a code
// outside its list gives an empty item text. A text without a type tag
// leaves the row as it was.
void DescribeAction(const std::string& text, ui::TListItem& item, const TActionForm& editor,
                    platform::WindowSystem& windows);

} // namespace orvane::actions
