#pragma once
// The configuration the user edits: remotes and commands (one record per node
// of the commands tree), layouts, and each layout's actions with their
// triggers. The main window owns it; recognition, dispatch, the editors and
// the file reader and writer work on it.
#include "core/CodeIndex.h"
#include "core/CodeValues.h"
#include "core/Exception.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvane::ui {
class TTreeNode;
class TTreeView;
} // namespace orvane::ui

namespace orvane::core {

struct TAction;
struct TLayout;

// A remote or a command, or the data sequence the origins are collecting.
struct TCommand {
    // The code, at most 1001 values, held at its length (CodeValues.h).
    // First, beside Enabled: recognition reads only these of each command.
    CodeValues Code;
    bool Enabled = true;
    bool Typematic = true;
    std::string Sound;
    // The node's place in the tree in display order, counted from 0.
    std::int32_t NodeIndex = 0;
    // Every action whose triggers hold this command, each once.
    std::vector<TAction*> TriggeredActions;

    // Index of the last value of the code; -1 while there is no code.
    std::int32_t CodeHigh() const { return Code.High(); }
    int Count() const { return Code.Count(); }
    // Appends one value; past the last index it is a range error, never a
    // silent overflow.
    void Append(std::int32_t value) { Code.Append(value); }
    void Clear() { Code.Clear(); }
};

struct TAction {
    std::string Name;
    // The trigger commands in order; a command may occur more than once.
    std::vector<TCommand*> Triggers;
    std::int32_t TrigEn = 0;   // 0 "Enabled", 1 "Disabled"
    std::int32_t TrigType = 0; // 0 "AND" (in order), 1 "OR" (any)
    std::int32_t TrigPos = -1; // progress through an AND sequence; -1 without triggers
    std::vector<std::string> Actions; // the action descriptions, in execution order
    std::int32_t ActIndex = -1;       // next description to run; -1 when there is none
    bool AllAtOnce = false;
    TLayout* Layout = nullptr;
};

struct TLayout {
    std::string Name;
    std::string Application;
    std::string WndTitle;
    std::vector<std::unique_ptr<TAction>> Actions;
};

// The lists of the configuration and the operations that keep its
// invariants: triggers and triggered actions always mirror each other, and
// deleting a command or an action removes every reference to it.
class Configuration {
public:
    // Creation: no records, and the default layout only (named by the caller,
    // translated).
    explicit Configuration(std::string defaultLayoutName);
    Configuration(const Configuration&) = delete;
    Configuration& operator=(const Configuration&) = delete;

    // Every command record (never a remote), in creation order: the order in
    // which recognition tries them.
    std::vector<TCommand*> Commands;
    // Entry 0 is the default layout; never empty.
    std::vector<std::unique_ptr<TLayout>> Layouts;
    TLayout* CurrentLayout = nullptr;
    TAction* CurrentAction = nullptr;
    bool TreeEdited = false;
    // The actions whose AND sequence dispatch left part-way (TrigPos past 0),
    // each once: the next command resets these rather than walking every
    // command's actions. Deleting an action takes it out.
    std::vector<TAction*> PartlyAdvanced;

    TLayout& DefaultLayout() const { return *Layouts.front(); }

    // The codes of Commands side by side, brought up to date first when a
    // command or a record's code changed since the last call.
    const CodeIndex& Codes();

    // A new record with the defaults, owned by the configuration; a command's
    // record is also appended to Commands.
    TCommand& NewRemoteRecord();
    TCommand& NewCommandRecord();
    // Removes a record with every reference to it and frees it.
    void DeleteRecord(TCommand& record);
    bool Owns(const TCommand* record) const;

    TLayout& AddLayout(std::string name, std::string application, std::string wndTitle);
    TAction& AddAction(TLayout& layout, std::string name);
    // Removes the action from its layout and from every command's
    // TriggeredActions, then frees it.
    void DeleteAction(TAction& action);
    // Deletes every action of a layout as DeleteAction does, then the layout.
    // When it was the current layout the default one becomes current, so
    // that nothing keeps pointing at it. The default layout stays.
    void DeleteLayout(TLayout& layout);

    // Appends a trigger and restarts the action's sequence.
    void AddTrigger(TAction& action, TCommand& command);
    // Removes one entry of the trigger list; the progress is left as it is.
    void RemoveTrigger(TAction& action, int index);

private:
    // Counts changes of Commands and of the records' codes.
    std::uint64_t changes_ = 0;
    std::uint64_t indexedAt_ = ~std::uint64_t{0};
    CodeIndex codes_;
    std::vector<std::unique_ptr<TCommand>> records_;
};

// The record a node of the commands tree carries.
TCommand* RecordOf(const ui::TTreeNode* node);
// Numbers every node's record by its place in display order.
void RenumberNodes(const ui::TTreeView& tree);

} // namespace orvane::core
