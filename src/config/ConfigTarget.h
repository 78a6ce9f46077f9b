#pragma once
// What the configuration reader rebuilds a configuration through: the commands
// tree and the model it fills, and the silent forms of the editing commands a
// user would give. The main window is the one target; the reader never knows
// it by name, so the file format stands below the windows that use it.
namespace orvane::core {
class Configuration;
}
namespace orvane::ui {
class TTreeView;
}

namespace orvane::config {

class ConfigTarget {
public:
    virtual ui::TTreeView& TargetTree() = 0;
    virtual core::Configuration& TargetModel() = 0;
    // A new remote at the end of the tree.
    virtual void AddRemote() = 0;
    // A new command in the selected remote, as New command would add it.
    virtual void AddCommand() = 0;
    // A new action in the current layout, made the current action.
    virtual void AddAction() = 0;
    // The selected node's commands appended to the current action's triggers.
    virtual void CopySelectionToAction() = 0;
    // The current layout shown in the action pane.
    virtual void ShowCurrentLayout() = 0;

protected:
    ~ConfigTarget() = default;
};

} // namespace orvane::config
