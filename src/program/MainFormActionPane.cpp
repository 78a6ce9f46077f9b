// The action pane: the layout and action chosen, the redraw of the action's
// triggers and descriptions, making, renaming and deleting actions (silent
// for the file reader too), and the triggering, mode and "all at once" values.
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

std::string TMainForm::RemoteNameOf(const TCommand& command) const {
    const ui::TTreeNode* node = CommandsTree.Items().Item(command.NodeIndex);
    return node->Parent() ? node->Parent()->Text() : std::string();
}

// Redraws the pane from the current action: its triggers by remote, its
// triggering and mode, and its list of descriptions.
void TMainForm::RefreshActionPane() {
    struct Refreshing {
        bool& flag;
        const bool before;
        explicit Refreshing(bool& f) : flag(f), before(f) { flag = true; }
        ~Refreshing() { flag = before; }
    } refreshing(refreshingPane_);
    ui::Updating triggers(TriggerTree.Items());
    ui::Updating descriptions(ActionsList);
    TriggerTree.Items().Clear();
    ActionsList.Clear();
    TAction* action = Model ? Model->CurrentAction : nullptr;
    UpdateActionListButtons();
    if (!action) return;
    for (TCommand* command : action->Triggers) {
        ui::TTreeNode* node = CommandsTree.Items().Item(command->NodeIndex);
        const std::string remote = RemoteNameOf(*command);
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
        try {
            DescribeRow(description, *row);
        } catch (const Exception&) {
            if (!failure) failure = std::current_exception();
        }
    }
    UpdateActionListButtons();
    if (failure) std::rethrow_exception(failure);
}

void TMainForm::NewBtnClick(ui::Component* sender) {
    if (!Model) return;
    const int index = ActionCoBx.ItemIndex();
    std::string name = index >= 0 ? ActionCoBx.Items[index] : Translate("My action");
    if (sender && !App().PromptText(Translate("New action"), Translate("Action name:"), name)) return;
    name = core::FileText(name);
    Model->CurrentAction = &Model->AddAction(*Model->CurrentLayout, name);
    if (sender) {
        ActionCoBx.Items.Add(name);
        ActionCoBx.SetItemIndex(ActionCoBx.Items.Count() - 1);
        ActionCoBxChange(sender);
    }
    SaveMenu.SetEnabled(true);
}

void TMainForm::DeleteBtnClick(ui::Component*) {
    const int index = ActionCoBx.ItemIndex();
    TAction* action = Model ? Model->CurrentAction : nullptr;
    if (index < 0 || !action) return;
    const std::string text =
        Translate("Are you sure you want to delete the action '") + action->Name + Translate("'?");
    if (App().MessageBox(text, Translate("Delete action"), ui::mb::YesNo | ui::mb::IconQuestion) != ui::mrYes)
        return;
    Model->DeleteAction(*action);
    ActionCoBx.Items.Delete(index);
    ActionCoBx.SetItemIndex(-1);
    ActionCoBxChange(nullptr);
    SaveMenu.SetEnabled(true);
}

void TMainForm::RenameBtnClick(ui::Component*) {
    const int index = ActionCoBx.ItemIndex();
    TAction* action = Model ? Model->CurrentAction : nullptr;
    if (index < 0 || !action) return;
    std::string name = action->Name;
    if (!App().PromptText(Translate("Rename action"), Translate("Action name:"), name)) return;
    name = core::FileText(name);
    if (name == action->Name) return;
    action->Name = name;
    ActionCoBx.Items.Set(index, name);
    ActionCoBx.SetItemIndex(index);
    SaveMenu.SetEnabled(true);
}

// The redraw sets these controls from the action and so runs their clicks;
// only a value that differs from the stored one is a change.
void TMainForm::TriggeringRGrpClick(ui::Component*) {
    SetActionValue(Model ? Model->CurrentAction : nullptr, &TAction::TrigEn, TriggeringRGrp.ItemIndex());
}

void TMainForm::TrigTypeRGrpClick(ui::Component*) {
    SetActionValue(Model ? Model->CurrentAction : nullptr, &TAction::TrigType, TrigTypeRGrp.ItemIndex());
}

void TMainForm::AllAtOnceChBtnClick(ui::Component*) {
    TAction* action = Model ? Model->CurrentAction : nullptr;
    if (!action || refreshingPane_ || action->AllAtOnce == AllAtOnceChBtn.Checked()) return;
    action->AllAtOnce = AllAtOnceChBtn.Checked();
    SaveMenu.SetEnabled(true);
}

void TMainForm::SetActionValue(TAction* action, std::int32_t TAction::*field, int value) {
    if (!action || refreshingPane_ || value < 0 || action->*field == value) return;
    action->*field = value;
    SaveMenu.SetEnabled(true);
}

} // namespace orvane::program
