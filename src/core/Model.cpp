#include "core/Model.h"

#include "ui/TreeView.h"

#include <algorithm>

namespace orvane::core {

Configuration::Configuration(std::string defaultLayoutName) {
    AddLayout(std::move(defaultLayoutName), "", "");
    CurrentLayout = Layouts.front().get();
}

TCommand& Configuration::NewRemoteRecord() {
    records_.push_back(std::make_unique<TCommand>());
    records_.back()->Code.CountChangesOn(&changes_);
    return *records_.back();
}

TCommand& Configuration::NewCommandRecord() {
    TCommand& record = NewRemoteRecord();
    Commands.push_back(&record);
    ++changes_;
    return record;
}

const CodeIndex& Configuration::Codes() {
    // Commands is a public list: a change made to it directly shows at
    // least in its length.
    if (indexedAt_ != changes_ || codes_.Entries().size() != Commands.size()) {
        codes_.Rebuild(Commands);
        indexedAt_ = changes_;
    }
    return codes_;
}

bool Configuration::Owns(const TCommand* record) const {
    return std::any_of(records_.begin(), records_.end(), [&](const auto& owned) { return owned.get() == record; });
}

void Configuration::DeleteRecord(TCommand& record) {
    auto listed = std::find(Commands.begin(), Commands.end(), &record);
    if (listed != Commands.end()) {
        Commands.erase(listed);
        ++changes_;
        for (TAction* action : record.TriggeredActions) std::erase(action->Triggers, &record);
    }
    std::erase_if(records_, [&](const auto& owned) { return owned.get() == &record; });
}

TLayout& Configuration::AddLayout(std::string name, std::string application, std::string wndTitle) {
    auto layout = std::make_unique<TLayout>();
    layout->Name = std::move(name);
    layout->Application = std::move(application);
    layout->WndTitle = std::move(wndTitle);
    Layouts.push_back(std::move(layout));
    return *Layouts.back();
}

TAction& Configuration::AddAction(TLayout& layout, std::string name) {
    auto action = std::make_unique<TAction>();
    action->Name = std::move(name);
    action->Layout = &layout;
    layout.Actions.push_back(std::move(action));
    return *layout.Actions.back();
}

void Configuration::DeleteAction(TAction& action) {
    for (TCommand* command : Commands) std::erase(command->TriggeredActions, &action);
    std::erase(PartlyAdvanced, &action);
    if (CurrentAction == &action) CurrentAction = nullptr;
    TLayout& layout = *action.Layout;
    std::erase_if(layout.Actions, [&](const auto& owned) { return owned.get() == &action; });
}

void Configuration::DeleteLayout(TLayout& layout) {
    if (&layout == &DefaultLayout()) return;
    while (!layout.Actions.empty()) DeleteAction(*layout.Actions.back());
    if (CurrentLayout == &layout) CurrentLayout = &DefaultLayout();
    std::erase_if(Layouts, [&](const auto& owned) { return owned.get() == &layout; });
}

void Configuration::AddTrigger(TAction& action, TCommand& command) {
    action.Triggers.push_back(&command);
    action.TrigPos = 0;
    auto& triggered = command.TriggeredActions;
    if (std::find(triggered.begin(), triggered.end(), &action) == triggered.end()) triggered.push_back(&action);
}

void Configuration::RemoveTrigger(TAction& action, int index) {
    if (index < 0 || index >= static_cast<int>(action.Triggers.size())) throw EListError::OutOfBounds(index);
    TCommand* command = action.Triggers[index];
    action.Triggers.erase(action.Triggers.begin() + index);
    if (std::find(action.Triggers.begin(), action.Triggers.end(), command) == action.Triggers.end())
        std::erase(command->TriggeredActions, &action);
    // Progress is left alone: dispatch restarts a sequence whose position has
    // run past the shortened list.
}

TCommand* RecordOf(const ui::TTreeNode* node) { return node ? static_cast<TCommand*>(node->Data()) : nullptr; }

void RenumberNodes(const ui::TTreeView& tree) {
    int index = 0;
    for (ui::TTreeNode* node = tree.Items().GetFirstNode(); node; node = node->GetNext(), ++index)
        if (TCommand* record = RecordOf(node)) record->NodeIndex = index;
}

} // namespace orvane::core
