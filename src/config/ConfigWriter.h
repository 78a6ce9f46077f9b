#pragma once
// Writes the configuration as an ".orv" file: the section "File information",
// one "C" section per node of the commands tree in display order, then one
// "L" section per layout, each followed by the sections of its actions. Lines
// end with CR LF; values are written as they are.
//
// A line must fit in 255 characters to be read back whole. A code too long for
// its "Code" line goes on in the keys "Code1", "Code2", ..., each holding as
// many whole values as fit; a code that fits is written on "Code" alone.
#include "core/Model.h"

#include <string>

namespace orvane::ui {
class TTreeView;
}

namespace orvane::config {

inline constexpr const char* kFileVersion = "4";
inline constexpr const char* kWebAddress = "https://orvane.example/";

class ConfigWriter {
public:
    // The tree's nodes carry the command records of the model.
    ConfigWriter(const ui::TTreeView& commandsTree, const core::Configuration& model)
        : tree_(commandsTree), model_(model) {}

    // The whole file. `date` is the "Date" value, `program` the "Program" value.
    std::string Text(const std::string& program, const std::string& date) const;

    // Writes the file, keeping its previous version as the name followed by
    // ".bak"; a failure raises EInOutError and changes neither file.
    void Save(const std::string& fileName, const std::string& program, const std::string& date) const;

private:
    const ui::TTreeView& tree_;
    const core::Configuration& model_;
};

} // namespace orvane::config
