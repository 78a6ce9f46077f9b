// Opening, importing and saving configuration files. The reading and writing
// themselves are config::ConfigReader and config::ConfigWriter.
#include "actions/LayoutsForm.h"
#include "config/BigIniFile.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "config/FileAccess.h"
#include "program/MainForm.h"
#include "ui/Updating.h"

namespace orvane::program {
namespace {

// The views a file fills, held from showing anything until it is read, so
// that each shows the result once.
struct ViewsUpdating {
    ViewsUpdating(TMainForm& main, actions::TLayoutsForm& layouts)
        : commands(main.CommandsTree.Items()), triggers(main.TriggerTree.Items()),
          descriptions(main.ActionsList), layoutNames(main.LayoutCoBx.Items), actionNames(main.ActionCoBx.Items),
          layoutList(layouts.LayoutList) {}
    ui::Updating<ui::TTreeNodes> commands, triggers;
    ui::Updating<ui::TListView> descriptions;
    ui::Updating<ui::TStrings> layoutNames, actionNames;
    ui::Updating<ui::TListView> layoutList;
};

} // namespace

void TMainForm::ImportMenuClick(ui::Component*) { OpenMenuClick(&ImportMenu); }

void TMainForm::OpenMenuClick(ui::Component* sender) {
    const bool import = sender == &ImportMenu;
    std::string name;
    if (sender) {
        if (SaveMenu.Enabled()) {
            bool canClose = true;
            FormCloseQuery(nullptr, canClose);
            if (!canClose) return;
        }
        if (!OpenDialog.Execute()) return;
        name = OpenDialog.FileName;
        if (!import) {
            StatBar.SetPanelText(kFileNamePanel, name);
            WriteSettingString("LastORVFile", name);
        }
    } else {
        name = StatBar.PanelText(kFileNamePanel);
        if (name.empty()) return;
    }

    // A file that is gone is forgotten without a word; an import just stops.
    if (config::FileMissing(name)) {
        if (!import) {
            WriteSettingString("LastORVFile", "");
            StatBar.SetPanelText(kFileNamePanel, "");
        }
        return;
    }

    const config::TBiggerIniFile ini(name);
    if (!import) {
        FormDestroy(nullptr);
        SetCaption("");
        FormCreate(nullptr);
    } else {
        ui::TTreeNode* last = CommandsTree.Items().GetFirstNode();
        while (last && last->GetNextSibling()) last = last->GetNextSibling();
        if (last && last->HasChildren()) last = last->GetLastChild();
        CommandsTree.SetSelected(last);
    }

    if (!config::ConfigReader::IsConfiguration(ini)) {
        App().MessageBox(Translate("The selected file is not a Orvane configuration file type."),
                         Translate("Cannot open file"), ui::mb::Ok | ui::mb::IconWarning);
        if (!import) StatBar.SetPanelText(kFileNamePanel, "");
        return;
    }

    if (!layoutsForm_) throw EInvalidOperation("The main window has no layout manager to read layouts with");
    HourGlass busy(App());
    ViewsUpdating updating(*this, *layoutsForm_);
    config::ConfigReader reader(ini, *this, *layoutsForm_);
    try {
        reader.ReadNodes();
        if (!import) reader.ReadLayouts();
    } catch (...) {
        // What was read stays, and the views show it.
        RefreshAfterReading();
        throw;
    }
    RefreshAfterReading();
    if (reader.CutShort()) {
        // What is open is not what the file holds, so it counts as changed.
        SaveMenu.SetEnabled(true);
        App().MessageBox(Translate("The file describes more than it holds; only part of it was read."),
                         "Orvane", ui::mb::Ok | ui::mb::IconWarning);
        return;
    }
    if (!import) SaveMenu.SetEnabled(false);
}

void TMainForm::RefreshAfterReading() {
    RefreshCommandsTree();
    for (ui::TTreeNode* node = CommandsTree.Items().GetFirstNode(); node; node = node->GetNext())
        node->SetExpanded(true);
    LayoutSetupMenuClick(nullptr);
    RefreshActionPane();
}

void TMainForm::SaveAsMenuClick(ui::Component*) {
    if (!SaveDialog.Execute() || SaveDialog.FileName.empty()) return;
    StatBar.SetPanelText(kFileNamePanel, SaveDialog.FileName);
    WriteSettingString("LastORVFile", SaveDialog.FileName);
    SaveMenuClick(nullptr);
}

void TMainForm::SaveMenuClick(ui::Component* sender) {
    const std::string name = StatBar.PanelText(kFileNamePanel);
    if (name.empty()) {
        SaveAsMenuClick(sender);
        return;
    }
    HourGlass busy(App());
    const config::ConfigWriter writer(CommandsTree, *Model);
    writer.Save(name, ProgramTitle(), platform_.clock.DateTimeText(platform_.clock.LocalTime()));
    SaveMenu.SetEnabled(false);
}

} // namespace orvane::program
