// Opening and importing configuration files: what the model becomes, the old
// format, the defaults, and every kind of damage.
#include "config/BigIniFile.h"
#include "core/TextLimits.h"
#include "native/program/ProgramFixture.h"

#include "fakes/FakePeers.h"

#include <filesystem>
#include <functional>

namespace orvane::program {
namespace {

constexpr const char* kCutShort = "The file describes more than it holds; only part of it was read.";

class ConfigFileReading : public ProgramFixture {
protected:
    // Opens through the File menu; `message` is the box that opening shows.
    void Open(const std::string& path, const std::string& message = "") {
        ui.dialogs.ExpectOpenFile("", path);
        if (!message.empty()) ui.dialogs.ExpectMessageBox(message);
        Main().OpenMenu.UserClicked();
    }
    void Import(const std::string& path) {
        ui.dialogs.ExpectOpenFile("", path);
        Main().ImportMenu.UserClicked();
    }
    std::string FileName() { return Main().StatBar.PanelText(TMainForm::kFileNamePanel); }
    // A richer configuration than the exact-text test's, saved.
    std::string SaveRich() {
        ui::TTreeNode* tv = AddRemote("TV");
        AddCommand(tv, "Play", {1, 255, 16}).Sound = "Bell";
        AddCommand(tv, "Stop", {-7}).Typematic = false;
        ui::TTreeNode* radio = AddRemote("Radio");
        AddCommand(radio, "Next", {0x1234}).Enabled = false;
        AddCommand(radio, "Mute");
        Main().NewBtnClick(nullptr);  // in the default layout
        Model().CurrentAction->Name = "Quiet";
        AddTrigger(radio->Item(1));
        program->Layouts().NewLayoutBtnClick(nullptr);
        *Model().Layouts[1] = {"Player", "player.exe", "Media Player", {}};
        Model().CurrentLayout = Model().Layouts[1].get();
        Main().NewBtnClick(nullptr);
        TAction& action = *Model().CurrentAction;
        action = {"Skip", {}, 1, 1, -1, {"K;a", "K;b", "K;c"}, 0, true, Model().CurrentLayout};
        AddTrigger(radio->Item(0));
        AddTrigger(tv->Item(1));
        AddTrigger(radio->Item(0));
        const std::string path = PathOf("rich.orv");
        Main().StatBar.SetPanelText(TMainForm::kFileNamePanel, path);
        Main().SaveMenu.UserClicked();
        return path;
    }
};

TEST_F(ConfigFileReading, ASavedConfigurationOpensAsItWasAndSavesBackTheSame) {
    const std::string path = SaveRich();
    const std::string saved = Bytes(path);
    Main().NewMenu.UserClicked();
    Main().NewRemoteMenuClick(nullptr);
    ui.dialogs.ExpectMessageBox("Save changes to the configuration file?", ui::mrNo);
    ui.dialogs.ExpectOpenFile("", path);
    Main().OpenMenu.UserClicked();

    EXPECT_EQ(TreeText(), "TV\n  Play\n  Stop\nRadio\n  Next\n  Mute\n");
    EXPECT_EQ(FileName(), path);
    EXPECT_FALSE(Main().SaveMenu.Enabled());
    const auto& commands = Model().Commands;
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0]->Sound, "Bell");
    EXPECT_EQ(commands[1]->Code[0], -7);
    EXPECT_FALSE(commands[1]->Typematic);
    EXPECT_FALSE(commands[2]->Enabled);
    EXPECT_EQ(commands[3]->CodeHigh(), -1);
    EXPECT_EQ(Main().CommandsTree.Items().Item(4)->ImageIndex(), 2);
    EXPECT_TRUE(Main().CommandsTree.Items().GetFirstNode()->Expanded());

    ASSERT_EQ(Model().Layouts.size(), 2u);
    const TLayout& player = *Model().Layouts[1];
    EXPECT_EQ(player.WndTitle, "Media Player");
    ASSERT_EQ(player.Actions.size(), 1u);
    const TAction& skip = *player.Actions[0];
    EXPECT_EQ(skip.Triggers, (std::vector<TCommand*>{commands[2], commands[1], commands[2]}));
    EXPECT_EQ(skip.Actions, (std::vector<std::string>{"K;a", "K;b", "K;c"}));
    EXPECT_TRUE(skip.AllAtOnce);
    EXPECT_EQ(skip.TrigEn, 1);
    EXPECT_EQ(skip.TrigPos, 0);
    EXPECT_EQ(skip.ActIndex, 0);
    EXPECT_EQ(commands[2]->TriggeredActions, std::vector<TAction*>{const_cast<TAction*>(&skip)});
    EXPECT_EQ(Model().DefaultLayout().Actions[0]->Triggers, std::vector<TCommand*>{commands[3]});

    // The views show the default layout and its action; the manager lists the rest.
    EXPECT_EQ(Main().LayoutCoBx.Items.Items(), (std::vector<std::string>{"Default", "Player"}));
    EXPECT_EQ(Model().CurrentLayout, &Model().DefaultLayout());
    EXPECT_EQ(Main().ActionCoBx.Items.Items(), std::vector<std::string>{"Quiet"});
    EXPECT_EQ(Main().TriggerTree.Items().Count(), 2);
    EXPECT_EQ(program->Layouts().LayoutList.Item(0)->Caption(), "Player");

    Main().SaveMenu.SetEnabled(true);
    Main().SaveMenu.UserClicked();
    EXPECT_EQ(Bytes(path), saved);
}

TEST_F(ConfigFileReading, KeysMissingFromTheFileReadAsTheirDefaults) {
    Open(Write("bare.orv", "[File information]\r\nVersion=4\r\nCommands=3\r\nLayouts=2\r\n[c0]\r\n"
                           "[C1]\r\nLevel=1\r\nCode=0A0B\r\n[L0]\r\nName=Mine\r\nActCount=1\r\n[L0A0]\r\n"
                           "ActCount=2\r\nA1=x\r\n[L1]\r\nActCount=1\r\n"));
    EXPECT_EQ(TreeText(), "Remote 0\n  Remote 1\nRemote 2\n");
    const TCommand& command = *Model().Commands.at(0);
    EXPECT_TRUE(command.Enabled && command.Typematic && command.Sound.empty());
    EXPECT_EQ(command.Count(), 2);  // "Digits" 2
    EXPECT_EQ(Model().DefaultLayout().Name, "Default");
    const TAction& action = *Model().DefaultLayout().Actions.at(0);
    EXPECT_EQ(action.Name, "Action 0");
    EXPECT_EQ(action.Actions, (std::vector<std::string>{"", "x"}));
    EXPECT_EQ(action.TrigPos, -1);
    EXPECT_EQ(Model().Layouts.at(1)->Name, "Layout 1");
    EXPECT_EQ(Model().Layouts.at(1)->Actions.at(0)->ActIndex, -1);  // nothing to run
}

TEST_F(ConfigFileReading, TheOldFormatGivesRemotesAndCommandsNumberedFromOne) {
    Open(Write("old.orv", "[Config]\r\nNumComandos=3\r\n[Comandos]\r\n2=Power\r\n[2]\r\nLevel=1\r\nActivado=0\r\n"
                          "Codigo=00FF\r\nDigits=2\r\nSound=Beep\r\n[3]\r\nLevel=1\r\n"
                          "[L0]\r\nName=ignored\r\nActCount=1\r\n"));
    EXPECT_EQ(TreeText(), "Remote 1\n  Power\n  Remote 3\n");
    const TCommand& power = *Model().Commands.at(0);
    EXPECT_FALSE(power.Enabled);
    EXPECT_EQ(power.Sound, "Beep");
    EXPECT_EQ(power.Count(), 2);
    EXPECT_EQ(Model().Layouts.size(), 1u);
    EXPECT_TRUE(Model().DefaultLayout().Actions.empty());
}

TEST_F(ConfigFileReading, AFileThatIsNoConfigurationIsRejectedAndItsNameForgottenForNow) {
    const std::string binary("\x01\x89PNG\r\n\x1A\n\0\xFF[x]", 14);
    for (const std::string& bytes : {std::string(), binary, std::string("[Config]\nNumComandos=1\n"),
                                     std::string("[File information]\r\nVersion=3\r\nCommands=1\r\n")}) {
        AddRemote("TV");
        Main().SaveMenu.SetEnabled(false);
        const std::string path = Write("not.orv", bytes);
        Open(path, "The selected file is not a Orvane configuration file type.");
        EXPECT_EQ(ui.dialogs.MessageBoxes().back().caption, "Cannot open file");
        EXPECT_EQ(ui.dialogs.MessageBoxes().back().flags, ui::mb::Ok | ui::mb::IconWarning);
        EXPECT_EQ(TreeText(), "");
        EXPECT_EQ(FileName(), "");
        EXPECT_EQ(program->Store().ReadSettingString("LastORVFile"), path);
        EXPECT_EQ(Bytes(path), bytes);
    }
    // A later version reads as nothing at all, without a word.
    Open(Write("v5.orv", "[File information]\r\nVersion=5\r\nCommands=1\r\n[C0]\r\nName=TV\r\n"));
    EXPECT_EQ(TreeText(), "");
    EXPECT_EQ(FileName(), PathOf("v5.orv"));
}

TEST_F(ConfigFileReading, ATriggerNamingNoNodeStopsTheLoadWithWhatWasReadShown) {
    const std::string text = "[File information]\r\nVersion=4\r\nCommands=2\r\nLayouts=2\r\n[C0]\r\nName=TV\r\n"
                             "[C1]\r\nName=Play\r\nLevel=1\r\n[L0]\r\nActCount=2\r\n[L0A0]\r\nName=Good\r\n"
                             "TrigCount=1\r\nTC0=1\r\n[L0A1]\r\nName=Bad\r\nTrigCount=2\r\nTC0=0\r\nTC1=2\r\n"
                             "[L1]\r\nName=Never\r\n";
    Open(Write("bad.orv", text), "Invalid index");
    EXPECT_EQ(TreeText(), "TV\n  Play\n");
    ASSERT_EQ(Model().DefaultLayout().Actions.size(), 2u);
    EXPECT_EQ(Model().DefaultLayout().Actions[1]->Triggers.size(), 1u);  // the remote's one command
    EXPECT_EQ(Model().Layouts.size(), 1u);
    EXPECT_EQ(Main().LayoutCoBx.Items.Items(), std::vector<std::string>{"Default"});
    EXPECT_EQ(Main().CommandsTree.Items().Item(1)->ImageIndex(), 1);
    EXPECT_EQ(ui.app.GetCursor(), ui::Cursor::Default);
    EXPECT_EQ(Bytes(PathOf("bad.orv")), text);
}

TEST_F(ConfigFileReading, AFileThatFailsToOpenAtStartShowsWhyAndTheStartGoesOn) {
    const std::string path = Write("bad.orv", "[File information]\r\nVersion=4\r\nCommands=1\r\nLayouts=1\r\n"
                                              "[C0]\r\nName=TV\r\n[L0]\r\nActCount=1\r\n[L0A0]\r\nTrigCount=1\r\n");
    program->Store().WriteSettingString("LastORVFile", path);
    fakes::FakeUi again;
    Program restarted(again.app, platform.Services(), serialPorts);
    again.dialogs.ExpectMessageBox("Invalid index");
    restarted.Start();
    TMainForm& main = restarted.Main();
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.Splash(), nullptr);  // activation ran
    EXPECT_EQ(main.CommandsTree.Items().GetFirstNode()->Text(), "TV");
    EXPECT_EQ(main.StatBar.PanelText(TMainForm::kFileNamePanel), path);
}

TEST_F(ConfigFileReading, ImportAppendsRemotesAndCommandsOnlyAndKeepsTheFileName) {
    const std::string path = SaveRich();
    Main().StatBar.SetPanelText(TMainForm::kFileNamePanel, "C:\\home.orv");
    ui.dialogs.ExpectMessageBox("Save changes to the configuration file?", ui::mrCancel);
    Main().SaveMenu.SetEnabled(true);
    Main().ImportMenu.UserClicked();  // refused: nothing asked after the question

    Main().SaveMenu.SetEnabled(false);
    Import(path);
    EXPECT_EQ(TreeText(), "TV\n  Play\n  Stop\nRadio\n  Next\n  Mute\nTV\n  Play\n  Stop\nRadio\n  Next\n  Mute\n");
    EXPECT_EQ(Model().Commands.size(), 8u);
    EXPECT_EQ(Model().Layouts.size(), 2u);
    EXPECT_EQ(Model().Layouts[1]->Actions.size(), 1u);
    EXPECT_TRUE(Model().Commands[5]->TriggeredActions.empty());
    EXPECT_EQ(Model().Commands[7]->NodeIndex, 11);
    EXPECT_EQ(FileName(), "C:\\home.orv");
    EXPECT_TRUE(Main().SaveMenu.Enabled());

    Main().SaveMenu.SetEnabled(false);
    Import(PathOf("missing.orv"));
    EXPECT_EQ(FileName(), "C:\\home.orv");
    EXPECT_EQ(Model().Commands.size(), 8u);
}

// Whatever fills a view does so inside the view's update bracket, so that its
// window shows the result once.
TEST_F(ConfigFileReading, EveryBulkChangeOfTheViewsComesInsideTheirUpdateBrackets) {
    const std::string path = SaveRich();
    TMainForm& main = Main();
    const std::vector<ui::Component*> views{&main.CommandsTree, &main.TriggerTree, &main.ActionsList,
                                            &program->Layouts().LayoutList, &main.LayoutCoBx, &main.ActionCoBx};
    for (ui::Component* view : views) view->SetPeer(std::make_unique<fakes::RecordingPeer>());
    // Nodes and items added outside a bracket; for lists of texts, any change.
    auto unbracketed = [](const ui::Component& view) {
        int depth = 0, outside = 0;
        for (const ui::Change& change : fakes::PeerOf(view).changes) {
            if (change.prop == ui::Prop::BeginUpdate) ++depth;
            if (change.prop == ui::Prop::EndUpdate) --depth;
            const bool added = change.prop == ui::Prop::NodeAdded || change.prop == ui::Prop::ItemAdded ||
                               change.prop == ui::Prop::Items;
            if (added && depth == 0) ++outside;
        }
        return outside;
    };
    main.CommandsTree.SetSelected(main.CommandsTree.Items().GetFirstNode());
    ui::Component* const commands = views[0];
    ui::Component* const pane[] = {views[1], views[2], views[5]};
    const struct {
        const char* name;
        std::function<void()> run;
        std::vector<ui::Component*> fills;
    } paths[] = {
        // Opening empties the lists of texts before it reads, with the new model.
        {"open", [&] { Open(path); }, {views.begin(), views.begin() + 4}},
        {"import", [&] { Import(path); }, views},
        {"refreshing the tree", [&] { main.RefreshCommandsTree(); }, {commands}},
        {"showing a layout", [&] { main.LayoutCoBxChange(nullptr); }, {std::begin(pane), std::end(pane)}},
    };
    for (const auto& path : paths) {
        SCOPED_TRACE(path.name);
        for (ui::Component* view : views) fakes::PeerOf(*view).changes.clear();
        path.run();
        for (ui::Component* view : path.fills) {
            SCOPED_TRACE(view->Name());
            EXPECT_EQ(unbracketed(*view), 0);
            EXPECT_GE(fakes::PeerOf(*view).Count(ui::Prop::BeginUpdate), 1);
            EXPECT_EQ(fakes::PeerOf(*view).Count(ui::Prop::BeginUpdate),
                      fakes::PeerOf(*view).Count(ui::Prop::EndUpdate));
        }
    }
}

TEST_F(ConfigFileReading, ACommandBeforeAnyRemoteGetsARemoteAndTriggersStillFindTheirCommands) {
    Open(Write("orphan.orv", "[File information]\r\nVersion=4\r\nCommands=3\r\nLayouts=1\r\n"
                             "[C0]\r\nName=Lost\r\nLevel=1\r\n[C1]\r\nName=TV\r\n[C2]\r\nName=Play\r\nLevel=1\r\n"
                             "[L0]\r\nActCount=1\r\n[L0A0]\r\nTrigCount=2\r\nTC0=0\r\nTC1=2\r\n"));
    EXPECT_EQ(TreeText(), "New remote\n  Lost\nTV\n  Play\n");
    const auto& triggers = Model().DefaultLayout().Actions.at(0)->Triggers;
    ASSERT_EQ(triggers.size(), 2u);
    EXPECT_EQ(triggers[0], Model().Commands[0]);
    EXPECT_EQ(triggers[1], Model().Commands[1]);
}

TEST_F(ConfigFileReading, DamagedFilesOpenToTheirDefinedResultWithoutChangingTheFile) {
    std::string text = "[FILE INFORMATION]\r\nversion=4\r\ncommands=2\r\nLAYOUTS=2000000000\r\n"
                       "[c0]\r\nNAME=" + std::string(5000, 'n') + "\r\nDigits=99\r\nCode=" +
                       std::string(300, 'F') + "\r\n[C1]\r\nLevel=1\r\nDigits=0\r\nCode=0102\r\n"
                       "[L1]\r\nActCount=2000000000\r\n[L1A0]\r\nActCount=2000000000\r\n";
    for (int i = 0; i < 2000; ++i) text += "A" + std::to_string(i) + "=" + std::string(400, 'd') + "\r\n";
    const std::string path = Write("damaged.orv", text);
    const auto written = std::filesystem::last_write_time(path);
    Open(path, kCutShort);
    // What is open is not what the file holds.
    EXPECT_TRUE(Main().SaveMenu.Enabled());
    EXPECT_EQ(Main().CommandsTree.Items().GetFirstNode()->Text(), std::string(250, 'n'));
    EXPECT_EQ(RecordOf(Main().CommandsTree.Items().GetFirstNode())->CodeHigh(), 1);  // 250 characters of 99 digits
    EXPECT_EQ(Model().Commands.at(0)->CodeHigh(), -1);
    ASSERT_EQ(Model().Layouts.size(), 2u);
    const auto& descriptions = Model().Layouts[1]->Actions.at(0)->Actions;
    EXPECT_EQ(descriptions.at(0), std::string(252, 'd'));
    // The file cannot describe more than it holds: the counts stop far short of two billion.
    EXPECT_LT(descriptions.size(), 10000u);
    EXPECT_EQ(Bytes(path), text);
    EXPECT_EQ(std::filesystem::last_write_time(path), written);

    ui.dialogs.ExpectMessageBox("Save changes to the configuration file?", ui::mrNo);
    Open(Write("nodes.orv", "[File information]\r\nVersion=4\r\nCommands=2000000000\r\n"), kCutShort);
    EXPECT_GT(Main().CommandsTree.Items().Count(), 0);
    EXPECT_LT(Main().CommandsTree.Items().Count(), 10000);
}

TEST_F(ConfigFileReading, JunkBehindAHeaderAddsFewNodesAndAFileFarLargerThanAnyIsRefusedUnread) {
    // Counts of two thousand million over lines of junk: the junk is no
    // section, so only a small allowance of default remotes comes of it.
    const std::string header = "[File information]\r\nVersion=4\r\nCommands=2000000000\r\nLayouts=2000000000\r\n"
                               "[C0]\r\nName=TV\r\n[C1]\r\nName=Power\r\nLevel=1\r\nCode=4142\r\n";
    std::string junk;
    for (int i = 0; i < 50000; ++i) junk += "j" + std::to_string(i) + "\r\n";
    Open(Write("junk.orv", header + junk), kCutShort);
    EXPECT_EQ(Model().Commands.at(0)->Code[1], 0x42);
    EXPECT_LT(Main().CommandsTree.Items().Count(), 2000);
    EXPECT_LT(Model().Layouts.size(), 2000u);

    // Past the size limit nothing is read at all, whatever the file begins with.
    while (junk.size() <= static_cast<std::size_t>(config::TBigIniFile::MaxFileSize)) junk += junk;
    ui.dialogs.ExpectMessageBox("Save changes to the configuration file?", ui::mrNo);
    Open(Write("huge.orv", header + junk), "The selected file is not a Orvane configuration file type.");
    EXPECT_EQ(Main().CommandsTree.Items().Count(), 0);
    EXPECT_EQ(FileName(), "");
}

TEST_F(ConfigFileReading, TriggersNamingARemoteCostWhatTheFileHoldsNotWhatTheRemoteHolds) {
    // One remote of 60 commands, and 50 actions each triggered by the whole remote.
    std::string text = "[File information]\r\nVersion=4\r\nCommands=61\r\nLayouts=1\r\n[C0]\r\nName=TV\r\n";
    for (int c = 1; c <= 60; ++c) text += "[C" + std::to_string(c) + "]\r\nLevel=1\r\n";
    text += "[L0]\r\nActCount=50\r\n";
    for (int a = 0; a < 50; ++a) text += "[L0A" + std::to_string(a) + "]\r\nTrigCount=1\r\nTC0=0\r\n";
    Open(Write("remote-triggers.orv", text));
    const auto& actions = Model().DefaultLayout().Actions;
    ASSERT_EQ(actions.size(), 50u);
    EXPECT_EQ(actions.back()->Triggers.size(), 60u);
    EXPECT_FALSE(Main().SaveMenu.Enabled());
}

TEST_F(ConfigFileReading, TheLongestTextsTheEditorsTakeSurviveASaveAndALoad) {
    // The layout manager's boxes take no more than a file keeps.
    actions::TLayoutsForm& manager = program->Layouts();
    manager.NewLayoutBtnClick(nullptr);
    for (ui::TEdit* box : {&manager.LayoutNameEdBx, &manager.ApplicationEdBx, &manager.WndTitleEdBx}) {
        box->SelectAll();
        box->UserType(std::string(core::kMaxNameLength + 30, 'x'));
        EXPECT_EQ(box->Text().size(), core::kMaxNameLength) << box->Name();
        box->UserSetText(std::string(core::kMaxNameLength + 1, 'y'));
        EXPECT_EQ(box->Text().size(), core::kMaxNameLength) << box->Name();
    }

    // Each text at its longest, every character different from its neighbour's.
    auto longest = [](std::size_t length, char first) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += static_cast<char>(first + i % 26);
        return text;
    };
    const std::string name = longest(core::kMaxNameLength, 'a');
    const std::string description = longest(core::kMaxFileValueLength, 'A');
    ui::TTreeNode* remote = AddRemote(name);
    AddCommand(remote, name, {1});
    TLayout& layout = *Model().Layouts.at(1);
    layout = {name, longest(core::kMaxNameLength, 'b'), longest(core::kMaxNameLength, 'c'), {}};
    Model().CurrentLayout = &layout;
    Main().NewBtnClick(nullptr);
    Model().CurrentAction->Name = name;
    for (int d = 0; d < 12; ++d) Model().CurrentAction->Actions.push_back(description);
    // A line break from anywhere stays inside its line.
    Model().CurrentLayout = &Model().DefaultLayout();
    Main().NewBtnClick(nullptr);
    Model().CurrentAction->Name = "Two\r\n[C0]\r\nLevel=1";
    const std::string path = PathOf("longest.orv");
    Main().StatBar.SetPanelText(TMainForm::kFileNamePanel, path);
    Main().SaveMenu.UserClicked();

    Open(path);
    EXPECT_EQ(TreeText(), name + "\n  " + name + "\n");
    ASSERT_EQ(Model().Layouts.size(), 2u);
    const TLayout& read = *Model().Layouts[1];
    EXPECT_EQ(read.Name, name);
    EXPECT_EQ(read.Application, longest(core::kMaxNameLength, 'b'));
    EXPECT_EQ(read.WndTitle, longest(core::kMaxNameLength, 'c'));
    ASSERT_EQ(read.Actions.size(), 1u);
    EXPECT_EQ(read.Actions[0]->Name, name);
    EXPECT_EQ(read.Actions[0]->Actions, std::vector<std::string>(12, description));
    EXPECT_EQ(Model().DefaultLayout().Actions.at(0)->Name, "Two  [C0]  Level=1");
    EXPECT_EQ(Main().CommandsTree.Items().Count(), 2);
}

TEST_F(ConfigFileReading, AMissingFileIsForgottenSilentlyAndAnUnreadableOneKeepsTheConfiguration) {
    AddRemote("TV");
    Main().SaveMenu.SetEnabled(false);
    program->Store().WriteSettingString("LastORVFile", "before");
    Open(PathOf("gone.orv"));
    EXPECT_EQ(FileName(), "");
    EXPECT_EQ(program->Store().ReadSettingString("LastORVFile"), "");
    EXPECT_EQ(TreeText(), "TV\n");

    std::filesystem::create_directory(PathOf("folder.orv"));
    Open(PathOf("folder.orv"), "Cannot read file \"" + PathOf("folder.orv") + "\": Is a directory");
    EXPECT_EQ(TreeText(), "TV\n");
}

} // namespace
} // namespace orvane::program
