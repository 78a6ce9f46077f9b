#include "config/ConfigReader.h"

#include "actions/LayoutsForm.h"
#include "config/CodeText.h"
#include "core/Model.h"
#include "ui/TreeView.h"


namespace orvane::config {
namespace {

constexpr const char* kInformation = "File information";
// Room for what defaults may add to a file that leaves sections out.
constexpr long long kDefaultsAllowance = 1024;
// Triggers that name a remote add each of its commands. Far more than anyone
// sets up, yet it keeps a small hostile file from filling the memory.
constexpr long long kRemoteTriggerCommands = 1 << 20;

// A key or section name with its number. (Built by appending: GCC 12 warns
// wrongly about a literal added to a temporary string.)
std::string Numbered(std::string prefix, int number) {
    prefix += std::to_string(number);
    return prefix;
}

} // namespace

int ConfigReader::VersionOf(const TBiggerIniFile& ini) { return ini.ReadInteger(kInformation, "Version", 3); }

bool ConfigReader::IsConfiguration(const TBiggerIniFile& ini) {
    return VersionOf(ini) != 3 || ini.ReadInteger("Config", "NumComandos", -1) != -1;
}

ConfigReader::ConfigReader(const TBiggerIniFile& ini, ConfigTarget& target, actions::TLayoutsForm& layouts)
    : ini_(ini), target_(target), layouts_(layouts), version_(VersionOf(ini)) {
    const TSectionList& sections = ini.Sections();
    budget_ = kDefaultsAllowance + sections.Count() + static_cast<long long>(sections.LineCount());
    for (ui::TTreeNode* root = target.TargetTree().Items().GetFirstNode(); root; root = root->GetNextSibling())
        lastRoot_ = root;
}

bool ConfigReader::Take() {
    if (budget_ <= 0) {
        cutShort_ = true;
        return false;
    }
    --budget_;
    return true;
}

bool ConfigReader::TakeRemoteCommands(int count) {
    remoteCommands_ += count;
    if (remoteCommands_ <= kRemoteTriggerCommands) return true;
    // Nothing more is read.
    budget_ = 0;
    cutShort_ = true;
    return false;
}

bool ConfigReader::TakeSection(const std::string& section) {
    if (ini_.SectionExists(section) || ++missingSections_ <= kDefaultsAllowance) return true;
    budget_ = 0;
    cutShort_ = true;
    return false;
}

ui::TTreeNode* ConfigReader::AddRemote() {
    target_.AddRemote();
    lastRoot_ = lastRoot_ ? lastRoot_->GetNextSibling() : target_.TargetTree().Items().GetFirstNode();
    return lastRoot_;
}

ui::TTreeNode* ConfigReader::Node(int number) const {
    if (number < 0 || number >= static_cast<int>(nodes_.size())) throw ETreeViewError("Invalid index");
    return nodes_[static_cast<std::size_t>(number)];
}

std::string_view ConfigReader::CodeOf(const std::string& section, int digits) {
    const std::string_view first = ini_.ReadValue(section, "Code").value_or("");
    // Continuation keys hold whole values of at most 8 digits, as the writer
    // writes them; reading stops once the text holds every value a code can.
    if (digits < 1 || digits > 8) return first;
    const std::size_t enough = static_cast<std::size_t>(core::kMaxCodeIndex + 1) * static_cast<std::size_t>(digits);
    code_.assign(first);
    for (int part = 1; part <= core::kMaxCodeIndex + 1 && code_.size() < enough; ++part) {
        const std::optional<std::string_view> more = ini_.ReadValue(section, Numbered("Code", part));
        if (!more) break;
        code_ += *more;
    }
    return code_;
}

void ConfigReader::ReadNodes() {
    if (version_ != 3 && version_ != 4) return;
    const bool old = version_ == 3;
    // The old format numbers its nodes from 1.
    const int first = old ? 1 : 0;
    const int count = old ? ini_.ReadInteger("Config", "NumComandos", 0) : ini_.ReadInteger(kInformation, "Commands", 0);
    ui::TTreeView& tree = target_.TargetTree();
    ui::TTreeNode* remote = nullptr;
    for (int i = 0; i < count && Take(); ++i) {
        const int number = first + i;
        const std::string section = old ? std::to_string(number) : Numbered("C", number);
        if (!TakeSection(section)) break;
        ui::TTreeNode* node = nullptr;
        if (ini_.ReadInteger(section, "Level", 0) != 0) {
            if (!remote) remote = AddRemote();
            if (tree.Selected() != remote) tree.SetSelected(remote);
            target_.AddCommand();
            node = remote->GetLastChild();
        } else {
            node = remote = AddRemote();
        }
        nodes_.push_back(node);

        const std::string fallback = Numbered("Remote ", number);
        node->SetText(old ? ini_.ReadString("Comandos", std::to_string(number), fallback)
                          : ini_.ReadString(section, "Name", fallback));
        core::TCommand& record = *core::RecordOf(node);
        record.Enabled = ini_.ReadBool(section, old ? "Activado" : "Recognition", true);
        record.Typematic = ini_.ReadBool(section, "Typematic", true);
        record.Sound = ini_.ReadString(section, "Sound", "");
        const int digits = ini_.ReadInteger(section, "Digits", 2);
        ReadCode(old ? ini_.ReadValue(section, "Codigo").value_or("") : CodeOf(section, digits), digits, record);
    }
}

void ConfigReader::ReadLayouts() {
    if (version_ != 4) return;
    core::Configuration& model = target_.TargetModel();
    ui::TTreeView& tree = target_.TargetTree();
    const int count = ini_.ReadInteger(kInformation, "Layouts", 0);
    for (int l = 0; l < count && Take(); ++l) {
        const std::string section = Numbered("L", l);
        if (!TakeSection(section)) break;
        // Layout 0 is the default layout the model always has, with its own name.
        core::TLayout* layout = &model.DefaultLayout();
        if (l > 0) {
            layouts_.NewLayoutBtnClick(nullptr);
            layout = model.Layouts.back().get();
            layout->Name = ini_.ReadString(section, "Name", Numbered("Layout ", l));
            layout->Application = ini_.ReadString(section, "Application", "");
            layout->WndTitle = ini_.ReadString(section, "WndTitle", "");
            layouts_.LayoutList.Item(layouts_.LayoutList.Count() - 1)->SetCaption(layout->Name);
            layouts_.LayoutListClick(nullptr);
        }
        model.CurrentLayout = layout;

        const int actions = ini_.ReadInteger(section, "ActCount", 0);
        for (int a = 0; a < actions && Take(); ++a) {
            const std::string actionSection = section + Numbered("A", a);
            if (!TakeSection(actionSection)) break;
            target_.AddAction();
            core::TAction& action = *model.CurrentAction;
            action.Name = ini_.ReadString(actionSection, "Name", Numbered("Action ", a));
            action.TrigEn = ini_.ReadInteger(actionSection, "TrigEn", 0);
            action.TrigType = ini_.ReadInteger(actionSection, "TrigType", 0);
            action.AllAtOnce = ini_.ReadBool(actionSection, "AllAtOnce", false);

            const int descriptions = ini_.ReadInteger(actionSection, "ActCount", 0);
            for (int d = 0; d < descriptions && Take(); ++d)
                action.Actions.push_back(ini_.ReadString(actionSection, Numbered("A", d), ""));
            // The next description to run is the first; without one there is none.
            action.ActIndex = action.Actions.empty() ? -1 : 0;

            const int triggers = ini_.ReadInteger(actionSection, "TrigCount", 0);
            for (int t = 0; t < triggers && Take(); ++t) {
                ui::TTreeNode* node = Node(ini_.ReadInteger(actionSection, Numbered("TC", t), -1));
                if (node->Level() == 0 && !TakeRemoteCommands(node->Count())) break;
                if (tree.Selected() != node) tree.SetSelected(node);
                target_.CopySelectionToAction();
            }
        }
    }
    // The pane shows the chosen layout again only once every layout is read:
    // an action it cannot draw must not cut the reading short.
    target_.ShowCurrentLayout();
}

} // namespace orvane::config
