// The action list of the action pane: the current action's descriptions, one
// row each, added, changed and removed through the action editor, reordered
// by dragging one row onto another.
#include "actions/ActionForm.h"
#include "actions/DescribeAction.h"
#include "program/MainForm.h"

#include <utility>

namespace orvane::program {

void TMainForm::BindActionPane() {
    using ui::Handler;
    NewBtn.OnClick = Handler(this, &TMainForm::NewBtnClick);
    DeleteBtn.OnClick = Handler(this, &TMainForm::DeleteBtnClick);
    RenameBtn.OnClick = Handler(this, &TMainForm::RenameBtnClick);
    TriggeringRGrp.OnClick = Handler(this, &TMainForm::TriggeringRGrpClick);
    TrigTypeRGrp.OnClick = Handler(this, &TMainForm::TrigTypeRGrpClick);
    AllAtOnceChBtn.OnClick = Handler(this, &TMainForm::AllAtOnceChBtnClick);
    NewActionBtn.OnClick = Handler(this, &TMainForm::NewActionBtnClick);
    RemoveBtn.OnClick = Handler(this, &TMainForm::RemoveBtnClick);
    PropertiesBtn.OnClick = Handler(this, &TMainForm::PropertiesBtnClick);
    ActionsList.OnDblClick = Handler(this, &TMainForm::ActionsListDblClick);
    ActionsList.OnChange = Handler(this, &TMainForm::ActionsListChange);
    ActionsList.OnDragOver = Handler(this, &TMainForm::ActionsListDragOver);
    ActionsList.OnDragDrop = Handler(this, &TMainForm::ActionsListDragDrop);
    BindTriggerTree();
}

void TMainForm::DescribeRow(const std::string& description, ui::TListItem& row) {
    // Before the action editor exists there are no words to describe in.
    if (actionForm_) actions::DescribeAction(description, row, *actionForm_, platform_.windows);
}

// The description the action editor was left with, or nothing when it was
// cancelled or set up none.
std::string TMainForm::EditDescription() {
    if (!actionForm_ || actionForm_->ShowModal() != ui::mrOk) return {};
    return actionForm_->BuildActionDescription();
}

void TMainForm::NewActionBtnClick(ui::Component*) {
    TAction* action = Model ? Model->CurrentAction : nullptr;
    if (!action) return;
    const std::string description = EditDescription();
    if (description.empty()) return;
    action->Actions.push_back(description);
    action->ActIndex = 0;
    ui::TListItem* row = ActionsList.Add();
    SaveMenu.SetEnabled(true);
    DescribeRow(description, *row);
    UpdateActionListButtons();
}

void TMainForm::PropertiesBtnClick(ui::Component*) {
    TAction* action = Model ? Model->CurrentAction : nullptr;
    ui::TListItem* row = ActionsList.Selected();
    if (!action || !row || !actionForm_ || row->Index() >= static_cast<int>(action->Actions.size())) return;
    std::string& stored = action->Actions[row->Index()];
    actionForm_->LoadActionDescription(stored);
    const std::string description = EditDescription();
    if (description.empty() || description == stored) return;
    stored = description;
    SaveMenu.SetEnabled(true);
    DescribeRow(description, *row);
}

void TMainForm::ActionsListDblClick(ui::Component* sender) { PropertiesBtnClick(sender); }

void TMainForm::RemoveBtnClick(ui::Component*) {
    TAction* action = Model ? Model->CurrentAction : nullptr;
    ui::TListItem* row = ActionsList.Selected();
    if (!action || !row || row->Index() >= static_cast<int>(action->Actions.size())) return;
    action->Actions.erase(action->Actions.begin() + row->Index());
    action->ActIndex = action->Actions.empty() ? -1 : 0;
    row->Delete();
    SaveMenu.SetEnabled(true);
    UpdateActionListButtons();
}

void TMainForm::ActionsListChange(ui::Component*, ui::TListItem* item, ui::ItemChange change) {
    if (item && change == ui::ItemChange::Text && ActionsList.ColumnCount() > 0) {
        // Room for the row's image beside the caption.
        const int imageWidth = ActionsList.SmallImages() ? ActionsList.SmallImages()->Width() : 0;
        const int room = imageWidth + imageWidth / 2;
        const int width = ActionsList.StringWidth(item->Caption());
        if (width > ActionsList.Column(0).width - room) ActionsList.SetColumnWidth(0, width + room);
    }
    UpdateActionListButtons();
}

// "All at once" needs two descriptions; removing and changing need a row.
void TMainForm::UpdateActionListButtons() {
    const bool rowChosen = ActionsList.Selected() && Model && Model->CurrentAction;
    AllAtOnceChBtn.SetEnabled(ActionsList.Count() >= 2);
    RemoveBtn.SetEnabled(rowChosen);
    PropertiesBtn.SetEnabled(rowChosen);
}

void TMainForm::ActionsListDragOver(ui::Component*, ui::Component* source, int x, int y, ui::DragState,
                                    bool& accept) {
    accept = source == &ActionsList && ActionsList.Selected() &&
             (ActionsList.Count() == 0 || ActionsList.GetItemAt(x, y));
}

void TMainForm::ActionsListDragDrop(ui::Component*, ui::Component* source, int x, int y) {
    TAction* action = Model ? Model->CurrentAction : nullptr;
    const ui::TListItem* dragged = ActionsList.Selected();
    const ui::TListItem* target = ActionsList.GetItemAt(x, y);
    if (source != &ActionsList || !action || !dragged || !target) return;
    const auto count = static_cast<int>(action->Actions.size());
    const int from = dragged->Index();
    const int to = target->Index();
    if (from >= count || to >= count || action->Actions[from] == action->Actions[to]) return;
    std::swap(action->Actions[from], action->Actions[to]);
    RefreshActionPane();
    SaveMenu.SetEnabled(true);
}

} // namespace orvane::program
