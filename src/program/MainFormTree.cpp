// The commands tree: node numbers and images, and adding remotes and
// commands (silent, as the file reader builds them, or asking for a name).
#include "program/CommandImages.h"
#include "program/MainForm.h"
#include "core/TextLimits.h"
#include "ui/Updating.h"

namespace orvane::program {
namespace {

// A node's place in display order. Remotes hold commands only, so each
// remote before it counts for itself and its commands. The last remote (where
// new nodes go) counts back from the number of nodes, so that filling a tree
// does not walk every remote before each new node.
int NodeNumber(const ui::TTreeNode& node) {
    const ui::TTreeNode* remote = node.Parent() ? node.Parent() : &node;
    int number = 0;
    if (!remote->GetNextSibling())
        number = remote->TreeView().Items().Count() - 1 - remote->Count();
    else
        for (const ui::TTreeNode* r = remote->GetPrevSibling(); r; r = r->GetPrevSibling()) number += 1 + r->Count();
    if (node.Parent()) number += 1 + node.Index();
    return number;
}

} // namespace

void TMainForm::RefreshCommandsTree() {
    HourGlass busy(App());
    ui::Updating nodes(CommandsTree.Items());
    core::RenumberNodes(CommandsTree);
    for (ui::TTreeNode* node = CommandsTree.Items().GetFirstNode(); node; node = node->GetNext()) {
        const TCommand* record = RecordOf(node);
        if (!record || node->Level() == 0) continue;
        node->SetImageIndex(CommandImage(*record));
    }
}

void TMainForm::NewRemoteMenuClick(ui::Component* sender) {
    if (!Model) return;
    std::string name = Translate("New remote");
    if (sender && !App().PromptText(Translate("New remote"), Translate("Remote name:"), name)) return;
    ui::TTreeNode* node = CommandsTree.Items().Add(nullptr, core::FileText(name));
    node->SetImageIndex(kRemoteImage);
    node->SetSelectedIndex(kRemoteImage);
    TCommand& record = Model->NewRemoteRecord();
    record.NodeIndex = NodeNumber(*node);
    node->SetData(&record);
    if (sender) RefreshCommandsTree();
    SaveMenu.SetEnabled(true);
}

void TMainForm::NewCommandMenuClick(ui::Component* sender) {
    ui::TTreeNode* selected = CommandsTree.Selected();
    if (!selected || !Model) return;
    std::string name = Translate("New command");
    if (sender && !App().PromptText(Translate("New command"), Translate("Command name:"), name)) return;
    name = core::FileText(name);
    ui::TTreeNode* node = selected->Level() > 0 ? CommandsTree.Items().Insert(selected, name)
                                                : CommandsTree.Items().AddChild(selected, name);
    TCommand& record = Model->NewCommandRecord();
    record.NodeIndex = NodeNumber(*node);
    node->SetData(&record);
    node->SetImageIndex(kNoCodeImage);
    node->SetSelectedIndex(kSelectedCommandImage);
    // Marked before learning starts: the new command is an unsaved change
    // even when the origins fail to start or learning is cancelled.
    SaveMenu.SetEnabled(true);
    if (!sender) return;
    node->MakeVisible();
    CommandsTree.SetSelected(node);
    RefreshCommandsTree();
    LearnMenuClick(sender);
}

} // namespace orvane::program
