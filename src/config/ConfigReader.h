#pragma once
// Reads an ".orv" file into the main window through the INI engine. The model
// is rebuilt only by the silent forms of the editing handlers, as the user's
// own commands would build it: new remote and new command, new layout (the
// layout manager's), new action and add-to-trigger-list.
//
// Version 4 files hold nodes "C0", "C1", ... and layouts; version 3 files
// (the old format) hold nodes "1", "2", ... and no layouts.
#include "config/BigIniFile.h"
#include "config/ConfigTarget.h"

#include <string>
#include <vector>

namespace orvane::actions {
class TLayoutsForm;
}
namespace orvane::ui {
class TTreeNode;
}

namespace orvane::config {

class ConfigReader {
public:
    // The file's version: "Version" of "File information", 3 when missing.
    // Nothing marks a version 3 file but its "NumComandos".
    static int VersionOf(const TBiggerIniFile& ini);
    // False for a file that is no configuration at all.
    static bool IsConfiguration(const TBiggerIniFile& ini);

    ConfigReader(const TBiggerIniFile& ini, ConfigTarget& target, actions::TLayoutsForm& layouts);

    // Appends the file's remotes and commands to the commands tree. A command
    // that comes before any remote gets a new remote to hold it.
    void ReadNodes();
    // Adds the file's layouts after the default one, with their actions and
    // triggers. A trigger naming no node of the file raises "Invalid index";
    // what was read until then stays.
    void ReadLayouts();
    // Whether the file described more than it holds, so that reading stopped
    // before the end: what was read is not the whole file.
    bool CutShort() const { return cutShort_; }

private:
    // The code of a version 4 node: "Code" and its continuation keys, in a
    // text reused from node to node.
    std::string_view CodeOf(const std::string& section, int digits);
    ui::TTreeNode* AddRemote();
    ui::TTreeNode* Node(int number) const;
    // One more thing the file describes. A file cannot describe more things
    // than it has lines (plus what defaults may fill in), so counts beyond
    // that are damage: reading stops there instead of running for ever.
    bool Take();
    // The commands a trigger naming a remote adds, on a bound of their own:
    // the trigger is one line of the file, whatever the remote holds.
    bool TakeRemoteCommands(int count);
    // A node, layout or action whose section the file lacks is made of
    // defaults alone, and costs the file nothing: such things draw on an
    // allowance of their own, so that a count far beyond what the file holds
    // (say, two thousand million commands over junk) soon ends the reading.
    bool TakeSection(const std::string& section);

    const TBiggerIniFile& ini_;
    ConfigTarget& target_;
    actions::TLayoutsForm& layouts_;
    const int version_;
    long long budget_;
    long long remoteCommands_ = 0;
    long long missingSections_ = 0;
    bool cutShort_ = false;
    ui::TTreeNode* lastRoot_ = nullptr;
    // The node each of the file's node sections became, by section number.
    std::vector<ui::TTreeNode*> nodes_;
    std::string code_;
};

} // namespace orvane::config
