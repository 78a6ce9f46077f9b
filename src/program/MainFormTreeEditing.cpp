// Editing the commands tree: the Commands menu and its pop-up copy, renaming,
// deleting, the recognition, typematic and sound switches, and moving nodes
// by drag and drop.
#include "program/CommandImages.h"
#include "program/MainForm.h"
#include "core/Text.h"
#include "core/TextLimits.h"
#include "settings/SettingsForm.h"

namespace orvane::program {

void TMainForm::BindTreeEditing() {
    using ui::Handler;
    CommandsMenu.OnClick = Handler(this, &TMainForm::CommandsMenuClick);
    CommandsPopUpMenu.OnPopup = Handler(this, &TMainForm::CommandsPopUpMenuPopup);
    NewRemoteMenu.OnClick = Handler(this, &TMainForm::NewRemoteMenuClick);
    NewCommandMenu.OnClick = Handler(this, &TMainForm::NewCommandMenuClick);
    LearnMenu.OnClick = Handler(this, &TMainForm::LearnMenuClick);
    EnabledMenu.OnClick = Handler(this, &TMainForm::EnabledMenuClick);
    TypematicMenu.OnClick = Handler(this, &TMainForm::TypematicMenuClick);
    NoneMenu.OnClick = Handler(this, &TMainForm::SoundListMenuClick);
    CopyToActionMenu.OnClick = Handler(this, &TMainForm::CopyToActionMenuClick);
    RenameMenu.OnClick = Handler(this, &TMainForm::RenameMenuClick);
    DeleteMenu.OnClick = Handler(this, &TMainForm::DeleteMenuClick);
    CommandsTree.OnMouseDown = Handler(this, &TMainForm::CommandsTreeMouseDown);
    CommandsTree.OnKeyDown = Handler(this, &TMainForm::CommandsTreeKeyDown);
    CommandsTree.OnChange = Handler(this, &TMainForm::CommandsTreeChange);
    CommandsTree.OnEdited = Handler(this, &TMainForm::CommandsTreeEdited);
    CommandsTree.OnDragOver = Handler(this, &TMainForm::CommandsTreeDragOver);
    CommandsTree.OnDragDrop = Handler(this, &TMainForm::CommandsTreeDragDrop);
}

void TMainForm::CommandsMenuClick(ui::Component*) {
    // The sounds as the settings dialog lists them now, after "None".
    while (SoundMenu.Count() > 1) SoundMenu.Delete(SoundMenu.Count() - 1);
    if (settingsForm_) {
        const ui::TListView& sounds = settingsForm_->SoundsList;
        for (int i = 0; i < sounds.Count(); ++i) {
            auto item = std::make_unique<ui::TMenuItem>(this, "Sound" + std::to_string(i));
            item->SetCaption(sounds.Item(i)->Caption());
            item->SetRadioItem(true);
            item->OnClick = ui::Handler(this, &TMainForm::SoundListMenuClick);
            SoundMenu.Add(std::move(item));
        }
    }

    ui::TTreeNode* node = CommandsTree.Selected();
    const TCommand* record = RecordOf(node);
    const bool selected = record != nullptr;
    const bool command = selected && node->Level() > 0;
    for (ui::TMenuItem* item : {&NewCommandMenu, &PropertiesMenu, &EnabledMenu, &TypematicMenu, &RenameMenu,
                                &DeleteMenu})
        item->SetEnabled(selected);
    LearnMenu.SetEnabled(command);
    SoundMenu.SetEnabled(command);
    CopyToActionMenu.SetEnabled(selected && Model && Model->CurrentAction);
    if (!selected) return;
    EnabledMenu.SetChecked(record->Enabled);
    TypematicMenu.SetChecked(record->Typematic);
    if (!command) return;
    node->SetImageIndex(CommandImage(*record));
    ui::TMenuItem* chosen = &NoneMenu;
    for (ui::TMenuItem* item : SoundMenu.Items())
        if (SameText(item->Caption(), record->Sound)) {
            chosen = item;
            break;
        }
    chosen->SetChecked(true);
}

void TMainForm::CommandsPopUpMenuPopup(ui::Component*) {
    CommandsMenuClick(&CommandsMenu);
    ui::TMenuItem& popup = CommandsPopUpMenu.Items();
    popup.Clear();
    // "&Properties" is no submenu here: its entries stand in its place, the
    // sounds as a submenu of their own.
    for (int i = CommandsMenu.IndexOf(NewRemoteMenu); i < CommandsMenu.Count(); ++i) {
        const ui::TMenuItem& item = CommandsMenu.Item(i);
        if (&item != &PropertiesMenu) {
            popup.Add(ui::CopyMenuItem(item, this, true));
            continue;
        }
        for (ui::TMenuItem* entry : PropertiesMenu.Items()) {
            ui::TMenuItem& copy = popup.Add(ui::CopyMenuItem(*entry, this, true));
            for (ui::TMenuItem* sound : entry->Items()) copy.Add(ui::CopyMenuItem(*sound, this, true));
        }
    }
}

void TMainForm::RenameMenuClick(ui::Component*) {
    ui::TTreeNode* node = CommandsTree.Selected();
    if (!node) return;
    node->SetText(core::FileText(App().InputBox(Translate("Rename"), Translate("Enter new name:"), node->Text())));
    RefreshActionPane();
    SaveMenu.SetEnabled(true);
}

void TMainForm::DeleteMenuClick(ui::Component*) {
    ui::TTreeNode* node = CommandsTree.Selected();
    if (!node) return;
    const bool remote = node->Level() == 0;
    const std::string text = remote ? Translate("Are you sure you want to delete the remote '") + node->Text() +
                                          Translate("' and all its commands?")
                                    : Translate("Are you sure you want to delete the command '") + node->Text() +
                                          Translate("'?");
    const std::string caption = Translate(remote ? "Delete remote" : "Delete command");
    if (App().MessageBox(text, caption, ui::mb::YesNo | ui::mb::IconQuestion) == ui::mrYes) {
        if (remote)
            while (ui::TTreeNode* child = node->GetFirstChild()) DeleteTreeNode(child);
        DeleteTreeNode(node);
    }
    RefreshCommandsTree();
    RefreshActionPane();
}

void TMainForm::DeleteTreeNode(ui::TTreeNode* node) {
    TCommand* record = RecordOf(node);
    if (record && Model && Model->Owns(record)) {
        // A typematic repeat must not reach a freed command.
        if (LastCommand == record) LastCommand = nullptr;
        node->SetData(nullptr);
        Model->DeleteRecord(*record);
    }
    node->Delete();
    SaveMenu.SetEnabled(true);
}

namespace {

// Flips the clicked check item (the menu's own or its pop-up copy) and gives
// its state to the node's record and, for a remote, to each of its commands.
void FlipSwitch(ui::Component* sender, ui::TMenuItem& menuItem, ui::TTreeNode* node, bool TCommand::*flag) {
    auto* item = dynamic_cast<ui::TMenuItem*>(sender);
    if (!item) item = &menuItem;
    item->SetChecked(!item->Checked());
    if (TCommand* record = RecordOf(node)) record->*flag = item->Checked();
    for (int i = 0; node && i < node->Count(); ++i)
        if (TCommand* child = RecordOf(node->Item(i))) child->*flag = item->Checked();
}

} // namespace

void TMainForm::EnabledMenuClick(ui::Component* sender) {
    FlipSwitch(sender, EnabledMenu, CommandsTree.Selected(), &TCommand::Enabled);
    RefreshCommandsTree();
    SaveMenu.SetEnabled(true);
}

void TMainForm::TypematicMenuClick(ui::Component* sender) {
    FlipSwitch(sender, TypematicMenu, CommandsTree.Selected(), &TCommand::Typematic);
    SaveMenu.SetEnabled(true);
}

void TMainForm::SoundListMenuClick(ui::Component* sender) {
    auto* item = dynamic_cast<ui::TMenuItem*>(sender);
    TCommand* record = RecordOf(CommandsTree.Selected());
    if (!item || !record) return;
    item->SetChecked(true);
    record->Sound = item->Caption();
    SaveMenu.SetEnabled(true);
}

void TMainForm::CommandsTreeMouseDown(ui::Component*, ui::MouseButton button, ui::ShiftState, int x, int y) {
    // Any button selects the node under the pointer, so that the pop-up menu
    // acts on it. A left click on an icon or a label is left to the system's
    // tree, which selects the node itself: selected beforehand, the click
    // would read as the slow second click that starts editing the label.
    if (button == ui::MouseButton::Left && (CommandsTree.GetHitTestInfoAt(x, y) & (ui::htOnIcon | ui::htOnLabel)))
        return;
    CommandsTree.SetSelected(CommandsTree.GetNodeAt(x, y));
}

void TMainForm::CommandsTreeKeyDown(ui::Component* sender, ui::Key& key, ui::ShiftState) {
    ui::TTreeNode* node = CommandsTree.Selected();
    if (!node) return;
    if (key == ui::keys::F2) {
        node->EditText();
    } else if (key == ui::keys::Delete && !CommandsTree.IsEditing()) {
        DeleteMenuClick(sender);
    }
}

void TMainForm::CommandsTreeChange(ui::Component*, ui::TTreeNode*) {
    if (!Model || !Model->TreeEdited) return;
    RefreshActionPane();
    SaveMenu.SetEnabled(true);
    Model->TreeEdited = false;
}

void TMainForm::CommandsTreeEdited(ui::Component*, ui::TTreeNode* node, std::string& text) {
    text = core::FileText(text);
    if (!Model) return;
    Model->TreeEdited = true;
    // The new name is an unsaved change at once, not only once another node
    // is selected: closing right after a rename must ask to save it.
    node->SetText(text);
    RefreshActionPane();
    SaveMenu.SetEnabled(true);
}

void TMainForm::CommandsTreeDragOver(ui::Component*, ui::Component* source, int x, int y, ui::DragState,
                                     bool& accept) {
    const ui::TTreeNode* dragged = CommandsTree.Selected();
    const ui::TTreeNode* target = CommandsTree.GetNodeAt(x, y);
    accept = dragged && source == &CommandsTree && target && (target->Level() == 0 || dragged->Level() > 0);
}

void TMainForm::CommandsTreeDragDrop(ui::Component*, ui::Component* source, int x, int y) {
    ui::TTreeNode* dragged = CommandsTree.Selected();
    if (source != &CommandsTree || !dragged) return;
    const ui::HitTests hit = CommandsTree.GetHitTestInfoAt(x, y);
    if (!(hit & (ui::htOnIcon | ui::htOnLabel | ui::htOnIndent | ui::htNowhere))) return;
    ui::TTreeNode* target = CommandsTree.GetNodeAt(x, y);
    if (!target || target == dragged) return;
    if (target->Level() == 0) {
        // A command becomes the remote's first; a remote goes before it.
        dragged->MoveTo(target, dragged->Level() > 0 ? ui::NodeAttachMode::AddChildFirst : ui::NodeAttachMode::Insert);
    } else if (dragged->Level() > 0) {
        // On a command's icon or label, or on its indent: before it, under its remote.
        dragged->MoveTo(target, ui::NodeAttachMode::Insert);
    } else {
        return; // a remote never goes among commands
    }
    RefreshCommandsTree();
    RefreshActionPane();
    SaveMenu.SetEnabled(true);
}

} // namespace orvane::program
