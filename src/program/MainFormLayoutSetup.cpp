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
    std::vector<std::string> names;
    names.reserve(Model->Layouts.size());
    int shown = 0;
    for (const auto& layout : Model->Layouts) {
        // The box shows the layout the pane edits, by its place: a name may
        // have changed here, or be shared by two layouts.
        if (layout.get() == Model->CurrentLayout) shown = static_cast<int>(names.size());
        names.push_back(layout->Name);
    }
    LayoutCoBx.Items.Assign(std::move(names));
    LayoutCoBx.SetItemIndex(shown);
    // Deleting the current layout made the default one current: the pane
    // shows it as if it had been chosen.
    if (Model->CurrentLayout != current) LayoutCoBxChange(nullptr);
}

} // namespace orvane::program
