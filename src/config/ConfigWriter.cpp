#include "config/ConfigWriter.h"

#include "config/BigIniFile.h"
#include "config/CodeText.h"
#include "config/FileAccess.h"
#include "core/TextLimits.h"
#include "ui/TreeView.h"

#include <string_view>
#include <unordered_map>
#include <utility>

namespace orvane::config {
namespace {

// A key or section name with its number. (Built by appending: GCC 12 warns
// wrongly about a literal added to a temporary string.)
std::string Numbered(std::string prefix, std::size_t number) {
    prefix += std::to_string(number);
    return prefix;
}

class Lines {
public:
    void Section(const std::string& name) {
        if (!text_.empty()) text_ += "\r\n";
        text_ += '[';
        text_ += name;
        text_ += "]\r\n";
    }
    void Key(const std::string& key, std::string_view value) {
        text_ += key;
        text_ += '=';
        text_ += value;
        text_ += "\r\n";
    }
    // A text the user entered: kept on its one line, whatever reached the
    // model. (The editors bound texts to less than this.)
    void Text(const std::string& key, const std::string& value) {
        Key(key, core::FileText(value, TBigIniFile::MaxTextLength - key.size() - 1));
    }
    void Key(const std::string& key, long long value) { Key(key, std::to_string(value)); }
    void Flag(const std::string& key, bool value) { Key(key, value ? "1" : "0"); }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

// "Code" and, for a code too long for one line, its continuation keys. Every
// line holds whole values, so a reader that knows only "Code" still gets the
// first values right.
void WriteCodeKeys(Lines& out, const CodeText& code) {
    std::size_t at = 0;
    std::size_t part = 0;
    do {
        const std::string key = part == 0 ? "Code" : Numbered("Code", part);
        const std::size_t room = TBigIniFile::MaxTextLength - key.size() - 1;
        std::size_t take = code.text.size() - at;
        if (take > room) take = room / static_cast<std::size_t>(code.digits) * static_cast<std::size_t>(code.digits);
        out.Key(key, std::string_view(code.text).substr(at, take));
        at += take;
        ++part;
    } while (at < code.text.size());
}

} // namespace

std::string ConfigWriter::Text(const std::string& program, const std::string& date) const {
    // Nodes are numbered by their place in the tree, the number their "C"
    // section gets and that triggers name.
    std::unordered_map<const core::TCommand*, int> nodeNumbers;
    int nodeCount = 0;
    for (const ui::TTreeNode* node = tree_.Items().GetFirstNode(); node; node = node->GetNext())
        nodeNumbers.emplace(core::RecordOf(node), nodeCount++);

    std::unordered_map<const core::TAction*, std::string> actionNames;
    for (std::size_t l = 0; l < model_.Layouts.size(); ++l)
        for (std::size_t a = 0; a < model_.Layouts[l]->Actions.size(); ++a)
            actionNames.emplace(model_.Layouts[l]->Actions[a].get(),
                                Numbered(Numbered("L", l) + "A", a));

    Lines out;
    out.Section("File information");
    out.Key("Program", program);
    out.Key("Version", kFileVersion);
    out.Key("Web", kWebAddress);
    out.Key("Date", date);
    out.Key("Commands", nodeCount);
    out.Key("Layouts", static_cast<long long>(model_.Layouts.size()));

    int number = 0;
    for (const ui::TTreeNode* node = tree_.Items().GetFirstNode(); node; node = node->GetNext(), ++number) {
        const core::TCommand& record = *core::RecordOf(node);
        out.Section(Numbered("C", static_cast<std::size_t>(number)));
        out.Text("Name", node->Text());
        out.Key("Level", node->Level() == 0 ? 0 : 1);
        out.Text("Sound", record.Sound);
        out.Flag("Recognition", record.Enabled);
        out.Flag("Typematic", record.Typematic);
        const CodeText code = WriteCode(record);
        out.Key("Digits", code.digits);
        WriteCodeKeys(out, code);
        out.Key("TrigCount", static_cast<long long>(record.TriggeredActions.size()));
        for (std::size_t i = 0; i < record.TriggeredActions.size(); ++i)
            out.Key(Numbered("TA", i), actionNames.at(record.TriggeredActions[i]));
    }

    for (std::size_t l = 0; l < model_.Layouts.size(); ++l) {
        const core::TLayout& layout = *model_.Layouts[l];
        const std::string section = Numbered("L", l);
        out.Section(section);
        out.Text("Name", layout.Name);
        out.Text("Application", layout.Application);
        out.Text("WndTitle", layout.WndTitle);
        out.Key("ActCount", static_cast<long long>(layout.Actions.size()));
        for (std::size_t a = 0; a < layout.Actions.size(); ++a) {
            const core::TAction& action = *layout.Actions[a];
            out.Section(Numbered(section + "A", a));
            out.Text("Name", action.Name);
            out.Key("TrigEn", action.TrigEn);
            out.Key("TrigType", action.TrigType);
            out.Flag("AllAtOnce", action.AllAtOnce);
            out.Key("TrigCount", static_cast<long long>(action.Triggers.size()));
            for (std::size_t t = 0; t < action.Triggers.size(); ++t) {
                // Every trigger is a command of the tree; its NodeIndex says the
                // same while the tree's numbering is current.
                auto found = nodeNumbers.find(action.Triggers[t]);
                out.Key(Numbered("TC", t),
                        found != nodeNumbers.end() ? found->second : action.Triggers[t]->NodeIndex);
            }
            out.Key("ActCount", static_cast<long long>(action.Actions.size()));
            for (std::size_t d = 0; d < action.Actions.size(); ++d)
                out.Text(Numbered("A", d), action.Actions[d]);
        }
    }
    return out.Take();
}

void ConfigWriter::Save(const std::string& fileName, const std::string& program, const std::string& date) const {
    WriteFileWithBackup(fileName, Text(program, date));
}

} // namespace orvane::config
