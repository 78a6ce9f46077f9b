// The main window's controls: where they sit and how they look at design.
// Client area 640 x 440: the commands tree on the left, the action pane on
// the right, the two main buttons and help under them, the status bar last.
#include "program/MainForm.h"

namespace orvane::program {

void TMainForm::LayOutControls() {
    RemoteCommandsGrpBx.SetCaption("Remote commands");
    RemoteCommandsGrpBx.SetBounds(8, 6, 240, 374);
    CommandsTree.SetBounds(10, 20, 220, 344);
    // Remotes are roots without lines; nodes are dragged to move them or to
    // make them triggers, and labels are renamed in place.
    CommandsTree.SetShowRoot(false);
    CommandsTree.SetDragMode(ui::DragMode::Automatic);
    CommandsTree.SetImages(&CommandsImgList);
    CommandsTree.SetPopupMenu(&CommandsPopUpMenu);

    MainPageCtrl.SetBounds(256, 8, 376, 372);
    ExecuteActionTab.SetCaption("On receive command");
    ExecuteActionTab.SetBounds(4, 24, 368, 344);

    LayoutLbl.SetCaption("Actual layout:");
    LayoutLbl.SetBounds(10, 13, 84, 13);
    LayoutCoBx.SetStyle(ui::ComboStyle::DropDownList);
    LayoutCoBx.SetBounds(98, 9, 224, 21);
    ManageLayoutsBtn.SetCaption("...");
    ManageLayoutsBtn.SetHint("Manage layouts...");
    ManageLayoutsBtn.SetBounds(328, 8, 30, 23);

    ActionsGrpBx.SetCaption("Execute action");
    ActionsGrpBx.SetBounds(8, 40, 352, 80);
    ActionLbl.SetCaption("Action name:");
    ActionLbl.SetBounds(10, 22, 72, 13);
    ActionCoBx.SetStyle(ui::ComboStyle::DropDownList);
    ActionCoBx.SetDropDownCount(15);
    ActionCoBx.SetBounds(88, 18, 254, 21);
    NewBtn.SetCaption("&New");
    NewBtn.SetBounds(88, 46, 80, 23);
    // Delete and rename need a selected action; there is none yet.
    DeleteBtn.SetCaption("&Delete");
    DeleteBtn.SetBounds(175, 46, 80, 23);
    DeleteBtn.SetEnabled(false);
    RenameBtn.SetCaption("R&ename");
    RenameBtn.SetBounds(262, 46, 80, 23);
    RenameBtn.SetEnabled(false);

    // The pages edit the current action, so they wait for one.
    ActionPageCtrl.SetBounds(8, 128, 352, 208);
    ActionPageCtrl.SetEnabled(false);

    TriggerTab.SetCaption("Trigger commands");
    TriggerTab.SetBounds(4, 24, 344, 180);
    TriggerTree.SetBounds(6, 6, 206, 168);
    TriggerTree.SetDragMode(ui::DragMode::Automatic);
    TriggerTree.SetImages(&CommandsImgList);
    // Its labels name commands of the commands tree: renamed there only.
    TriggerTree.SetReadOnly(true);
    TriggerTree.SetPopupMenu(&TriggerTreePopUpMenu);
    TriggeringRGrp.SetCaption("Triggering");
    TriggeringRGrp.Items.Assign({"Enabled", "Disabled"});
    TriggeringRGrp.SetItemIndex(0);
    TriggeringRGrp.SetBounds(220, 2, 118, 80);
    TrigTypeRGrp.SetCaption("Mode");
    TrigTypeRGrp.Items.Assign({"AND", "OR"});
    TrigTypeRGrp.SetItemIndex(0);
    TrigTypeRGrp.SetBounds(220, 90, 118, 80);

    ActionListTab.SetCaption("Actions list");
    ActionListTab.SetBounds(4, 24, 344, 180);
    ActionsList.SetBounds(6, 6, 332, 112);
    ActionsList.SetStyle(ui::ViewStyle::Report);
    ActionsList.SetShowColumnHeaders(false);
    ActionsList.SetReadOnly(true);
    ActionsList.SetSmallImages(&ActionsImgList);
    // Widened when a caption needs more room.
    ActionsList.AddColumn("", 306);
    ActionsList.SetDragMode(ui::DragMode::Automatic);
    NewActionBtn.SetCaption("Ne&w...");
    NewActionBtn.SetBounds(6, 126, 84, 23);
    // These need a selected row, and "all at once" at least two rows.
    RemoveBtn.SetCaption("Remo&ve");
    RemoveBtn.SetBounds(96, 126, 84, 23);
    RemoveBtn.SetEnabled(false);
    PropertiesBtn.SetCaption("&Properties...");
    PropertiesBtn.SetBounds(186, 126, 96, 23);
    PropertiesBtn.SetEnabled(false);
    AllAtOnceChBtn.SetCaption("Si&mulate all at once");
    AllAtOnceChBtn.SetBounds(6, 156, 180, 17);
    AllAtOnceChBtn.SetEnabled(false);

    RunBtn.SetCaption("&Run!");
    RunBtn.SetBounds(8, 390, 90, 25);
    SettingsBtn.SetCaption("&Settings...");
    SettingsBtn.SetBounds(106, 390, 90, 25);
    HelpBtn.SetCaption("&Help");
    HelpBtn.SetBounds(542, 390, 90, 25);

    StatBar.SetBounds(0, 421, 640, 19);
    StatBar.AddPanel(400); // the configuration's file name
    StatBar.AddPanel(240); // the origins in use
}

} // namespace orvane::program
