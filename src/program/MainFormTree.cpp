// The commands tree: node numbers and images, and the silent forms that the
// file reader builds remotes and commands with.
#include "program/MainForm.h"
#include "ui/Updating.h"

namespace orvane::program {
namespace {

// Node images of CommandsImgList.
constexpr int kRemoteImage = 0;
constexpr int kNoCodeImage = 1;
constexpr int kRecognitionOffImage = 2;
constexpr int kRecognitionOnImage = 3;
constexpr int kSelectedCommandImage = 4;

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
        node->SetImageIndex(record->CodeHigh < 0 ? kNoCodeImage
                             : record->Enabled   ? kRecognitionOnImage
                                                 : kRecognitionOffImage);
    }
}

void TMainForm::NewRemoteMenuClick(ui::Component*) {
    if (!Model) return;
    ui::TTreeNode* node = CommandsTree.Items().Add(nullptr, Translate("New remote"));
    node->SetImageIndex(kRemoteImage);
    node->SetSelectedIndex(kRemoteImage);
    TCommand& record = Model->NewRemoteRecord();
    record.NodeIndex = NodeNumber(*node);
    node->SetData(&record);
    SaveMenu.SetEnabled(true);
}

void TMainForm::NewCommandMenuClick(ui::Component*) {
    ui::TTreeNode* selected = CommandsTree.Selected();
    if (!selected || !Model) return;
    const std::string name = Translate("New command");
    ui::TTreeNode* node = selected->Level() > 0 ? CommandsTree.Items().Insert(selected, name)
                                                : CommandsTree.Items().AddChild(selected, name);
    TCommand& record = Model->NewCommandRecord();
    record.NodeIndex = NodeNumber(*node);
    node->SetData(&record);
    node->SetImageIndex(kNoCodeImage);
    node->SetSelectedIndex(kSelectedCommandImage);
    SaveMenu.SetEnabled(true);
}

} // namespace orvane::program
