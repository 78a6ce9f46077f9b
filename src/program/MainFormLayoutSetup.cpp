// The layout manager as the main window opens it, and the layout box that
// follows the layouts it leaves.
#include "actions/LayoutsForm.h"
#include "program/MainForm.h"

#include <string>
#include <vector>

namespace orvane::program {

void TMainForm::LayoutSetupMenuClick(ui::Component* sender) {
    if (!Model) return;
    const TLayout* current = Model->CurrentLayout;
    if (sender && layoutsForm_) {
        // Only "Close" keeps the edits as a change; the close box does not.
        if (layoutsForm_->ShowModal() == ui::mrOk) SaveMenu.SetEnabled(true);
    }
    const int index = LayoutCoBx.ItemIndex();
    const std::string chosen = index >= 0 ? LayoutCoBx.Items[index] : std::string();
    std::vector<std::string> names;
    names.reserve(Model->Layouts.size());
    for (const auto& layout : Model->Layouts) names.push_back(layout->Name);
    LayoutCoBx.Items.Assign(std::move(names));
    const int again = index >= 0 ? LayoutCoBx.Items.IndexOf(chosen) : -1;
    LayoutCoBx.SetItemIndex(again >= 0 ? again : 0);
    // Deleting the current layout made the default one current: the pane
    // shows it as if it had been chosen.
    if (Model->CurrentLayout != current) {
        LayoutCoBx.SetItemIndex(0);
        LayoutCoBxChange(nullptr);
    }
}

} // namespace orvane::program
