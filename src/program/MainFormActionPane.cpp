// The action pane: the layout and action chosen, the action's triggers and
// descriptions, and the silent forms that the file reader builds actions and
// triggers with.
#include "actions/DescribeAction.h"
#include "core/Exception.h"
#include "program/MainForm.h"
#include "ui/Updating.h"

#include "core/TextLimits.h"

#include <algorithm>
#include <exception>

namespace orvane::program {

// The layout chosen in the combo box becomes the one the action pane edits.
void TMainForm::LayoutCoBxChange(ui::Component*) {
    const int index = LayoutCoBx.ItemIndex();
    if (index < 0 || !Model) return;
    const std::string& name = LayoutCoBx.Items[index];
    TLayout* chosen = nullptr;
    for (auto& layout : Model->Layouts)
        if (layout->Name == name) {
            chosen = layout.get();
            break;
        }
    if (!chosen) return;
    Model->CurrentLayout = chosen;
    {
        ui::Updating names(ActionCoBx.Items);
        ActionCoBx.Items.Clear();
        for (auto& action : chosen->Actions) ActionCoBx.Items.Add(action->Name);
        ActionCoBx.SetItemIndex(ActionCoBx.Items.Empty() ? -1 : 0);
    }
    ActionCoBxChange(nullptr);
}

void TMainForm::ActionCoBxChange(ui::Component*) {
    const int index = ActionCoBx.ItemIndex();
    const bool chosen = index >= 0 && Model && index < static_cast<int>(Model->CurrentLayout->Actions.size());
    DeleteBtn.SetEnabled(chosen);
    RenameBtn.SetEnabled(chosen);
    ActionPageCtrl.SetEnabled(chosen);
    if (Model) Model->CurrentAction = chosen ? Model->CurrentLayout->Actions[index].get() : nullptr;
    RefreshActionPane();
}

// Redraws the pane from the current action: its triggers by remote, its
// triggering and mode, and its list of descriptions.
void TMainForm::RefreshActionPane() {
    ui::Updating triggers(TriggerTree.Items());
    ui::Updating descriptions(ActionsList);
    TriggerTree.Items().Clear();
    ActionsList.Clear();
    TAction* action = Model ? Model->CurrentAction : nullptr;
    if (!action) return;
    for (TCommand* command : action->Triggers) {
        ui::TTreeNode* node = CommandsTree.Items().Item(command->NodeIndex);
        const std::string remote = node->Parent() ? node->Parent()->Text() : std::string();
        ui::TTreeNode* root = nullptr;
        for (ui::TTreeNode* r = TriggerTree.Items().GetFirstNode(); r; r = r->GetNextSibling())
            if (r->Text() == remote) {
                root = r;
                break;
            }
        if (!root) root = TriggerTree.Items().Add(nullptr, remote);
        ui::TTreeNode* child = TriggerTree.Items().AddChild(root, node->Text());
        child->SetImageIndex(node->ImageIndex());
        child->SetSelectedIndex(node->SelectedIndex());
        child->SetData(command);
        root->SetExpanded(true);
    }
    TriggeringRGrp.SetItemIndex(action->TrigEn);
    TrigTypeRGrp.SetItemIndex(action->TrigType);
    AllAtOnceChBtn.SetChecked(action->AllAtOnce);
    // Every description gets its row, even after one that cannot be
    // described; the first such failure is reported once the list is whole.
    std::exception_ptr failure;
    for (const std::string& description : action->Actions) {
        ui::TListItem* row = ActionsList.Add();
        // Before the action editor exists there are no words to describe in.
        if (!actionForm_) continue;
        try {
            actions::DescribeAction(description, *row, *actionForm_, platform_.windows);
        } catch (const Exception&) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (failure) std::rethrow_exception(failure);
}

void TMainForm::NewBtnClick(ui::Component*) {
    if (!Model) return;
    const int index = ActionCoBx.ItemIndex();
    const std::string name = index >= 0 ? ActionCoBx.Items[index] : Translate("My action");
    Model->CurrentAction = &Model->AddAction(*Model->CurrentLayout, core::FileText(name));
    SaveMenu.SetEnabled(true);
}

void TMainForm::CopyToActionMenuClick(ui::Component* sender) {
    ui::TTreeNode* node = CommandsTree.Selected();
    TAction* action = Model ? Model->CurrentAction : nullptr;
    if (!node || !action) return;
    // Adding a trigger restarts the action's sequence.
    if (node->Level() == 0) {
        for (int i = 0; i < node->Count(); ++i) Model->AddTrigger(*action, *RecordOf(node->Item(i)));
    } else {
        Model->AddTrigger(*action, *RecordOf(node));
    }
    if (sender) RefreshActionPane();
    SaveMenu.SetEnabled(true);
}

} // namespace orvane::program
