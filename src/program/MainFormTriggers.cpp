// The trigger tree of the action pane: commands added by the menu or by
// dropping them from the commands tree, reordered by dragging, and deleted.
// Each command node of the tree stands for one entry of the action's
// triggers; the roots gather the entries by remote name.
#include "program/MainForm.h"

#include <utility>

namespace orvane::program {

void TMainForm::BindTriggerTree() {
    using ui::Handler;
    TriggerTree.OnDragOver = Handler(this, &TMainForm::TriggerTreeDragOver);
    TriggerTree.OnDragDrop = Handler(this, &TMainForm::TriggerTreeDragDrop);
    TriggerTree.OnMouseDown = Handler(this, &TMainForm::TriggerTreeMouseDown);
    TriggerTree.OnKeyDown = Handler(this, &TMainForm::TriggerTreeKeyDown);
    TriggerTreePopUpMenu.OnPopup = Handler(this, &TMainForm::TriggerTreePopUpMenuPopup);
    DeleteTrigger.OnClick = Handler(this, &TMainForm::DeleteTriggerClick);
}

void TMainForm::CopyToActionMenuClick(ui::Component* sender) {
    ui::TTreeNode* node = CommandsTree.Selected();
    TAction* action = Model ? Model->CurrentAction : nullptr;
    if (!node || !action) return;
    // New triggers go to the end and restart the action's sequence.
    if (node->Level() == 0) {
        for (int i = 0; i < node->Count(); ++i) Model->AddTrigger(*action, *RecordOf(node->Item(i)));
    } else {
        Model->AddTrigger(*action, *RecordOf(node));
    }
    if (sender) RefreshActionPane();
    SaveMenu.SetEnabled(true);
}

int TMainForm::TriggerEntryOf(const ui::TTreeNode* node) const {
    const TAction* action = Model ? Model->CurrentAction : nullptr;
    if (!action || !node || !node->Parent()) return -1;
    // The n-th child of a root is the n-th entry whose remote bears its name.
    const std::string& remote = node->Parent()->Text();
    int wanted = node->Index();
    for (int i = 0; i < static_cast<int>(action->Triggers.size()); ++i)
        if (RemoteNameOf(*action->Triggers[i]) == remote && wanted-- == 0) return i;
    return -1;
}

void TMainForm::TriggerTreeDragOver(ui::Component*, ui::Component* source, int x, int y, ui::DragState,
                                    bool& accept) {
    const ui::TTreeNode* target = TriggerTree.GetNodeAt(x, y);
    if (source == &CommandsTree) {
        const ui::TTreeNode* dragged = CommandsTree.Selected();
        accept = dragged && (TriggerTree.Items().Count() == 0 || !target || target->Level() == 0 ||
                             dragged->Level() > 0);
    } else if (source == &TriggerTree) {
        const ui::TTreeNode* dragged = TriggerTree.Selected();
        accept = dragged && target && (target->Level() == 0 || dragged->Level() > 0);
    } else {
        accept = false;
    }
}

void TMainForm::TriggerTreeDragDrop(ui::Component*, ui::Component* source, int x, int y) {
    if (source == &CommandsTree) {
        // Where it lands does not matter: new triggers always go last.
        CopyToActionMenuClick(&TriggerTree);
        return;
    }
    TAction* action = Model ? Model->CurrentAction : nullptr;
    ui::TTreeNode* dragged = TriggerTree.Selected();
    if (source != &TriggerTree || !action || !dragged) return;
    if (!(TriggerTree.GetHitTestInfoAt(x, y) & (ui::htOnIcon | ui::htOnLabel | ui::htOnIndent | ui::htNowhere)))
        return;
    // Two commands swap the entries their nodes stand for; anything else
    // only redraws, which shows the list order again.
    const int from = TriggerEntryOf(dragged);
    const int to = TriggerEntryOf(TriggerTree.GetNodeAt(x, y));
    const bool swap = from >= 0 && to >= 0 && action->Triggers[from] != action->Triggers[to];
    if (swap) std::swap(action->Triggers[from], action->Triggers[to]);
    RefreshActionPane();
    if (swap) SaveMenu.SetEnabled(true);
}

void TMainForm::TriggerTreeMouseDown(ui::Component*, ui::MouseButton, ui::ShiftState, int x, int y) {
    TriggerTree.SetSelected(TriggerTree.GetNodeAt(x, y));
}

void TMainForm::TriggerTreeKeyDown(ui::Component* sender, ui::Key& key, ui::ShiftState) {
    const ui::TTreeNode* node = TriggerTree.Selected();
    if (key == ui::keys::Delete && !TriggerTree.IsEditing() && node && node->Level() > 0) DeleteTriggerClick(sender);
}

void TMainForm::TriggerTreePopUpMenuPopup(ui::Component*) {
    const ui::TTreeNode* node = TriggerTree.Selected();
    DeleteTrigger.SetEnabled(node && node->Level() > 0);
}

void TMainForm::DeleteTriggerClick(ui::Component*) {
    ui::TTreeNode* node = TriggerTree.Selected();
    TAction* action = Model ? Model->CurrentAction : nullptr;
    const int entry = TriggerEntryOf(node);
    if (!action || entry < 0) return;
    const std::string text =
        Translate("Are you sure you want to delete the command '") + node->Text() + Translate("'?");
    if (App().MessageBox(text, Translate("Delete command"), ui::mb::YesNo | ui::mb::IconQuestion) == ui::mrYes) {
        // The command stays triggering the action while another entry names it.
        Model->RemoveTrigger(*action, entry);
        SaveMenu.SetEnabled(true);
    }
    RefreshActionPane();
}

} // namespace orvane::program
