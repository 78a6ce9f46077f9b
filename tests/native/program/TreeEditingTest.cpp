// Building the commands tree by hand: new remotes and commands with their
// names asked, learning a new command's code, renaming, deleting, the
// recognition switch, the sounds of the pop-up menu and moving nodes.
#include "native/program/ProgramFixture.h"
#include "core/TextLimits.h"
#include "input/LearnForm.h"
#include "settings/SettingsForm.h"

namespace orvane::program {
namespace {

class TreeEditing : public ProgramFixture {
protected:
    TreeEditing() {
        // No origin: learning switches them on without a device.
        settings::TSettingsForm& s = program->Settings();
        for (ui::TCheckBox* box : {&s.SerialBasedChBx, &s.UIRServerChBx, &s.AverChBx, &s.BestBuyChBx,
                                   &s.CreativeiNFRAChBx, &s.KeyboardChBx, &s.TCPIPChBX})
            box->SetChecked(false);
        Main().SwitchOrigins(false);
        Main().SaveMenu.SetEnabled(false);
    }
    ~TreeEditing() override { ui.dialogs.VerifyAllShown(); }

    // A completed sequence from an origin.
    void Press(std::initializer_list<int> values) {
        Main().IncomingSequence.Clear();
        for (int value : values) Main().IncomingSequence.Append(value);
        Main().ProcessDataSequence();
    }
    static ui::Point On(const ui::TTreeNode* node) {
        const ui::Rect r = node->DisplayRect(true);
        return {r.left + 2, r.top + 2};
    }
    std::vector<std::string> Captions(const ui::TMenuItem& menu) {
        std::vector<std::string> captions;
        for (const ui::TMenuItem* item : menu.Items())
            captions.push_back(item->Caption() + (item->Enabled() ? "" : " (off)") + (item->Checked() ? " *" : ""));
        return captions;
    }
};

TEST_F(TreeEditing, ANewCommandIsAskedForGoesAboveTheSelectedOneAndLearnsItsCode) {
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& play = AddCommand(tv, "Play");
    Main().CommandsTree.SetSelected(tv->GetFirstChild());

    ui.dialogs.ExpectPrompt("New command", "Stop\r\nnow");
    ui.dialogs.ExpectModal("LearnForm", [&](ui::TForm& form) {
        auto& learn = dynamic_cast<input::TLearnForm&>(form);
        EXPECT_TRUE(Main().EnableOriginMenu.Checked());
        EXPECT_EQ(Main().IRTimer.Interval(), 300u);
        Press({10, 20, 30});
        Press({79, 75});
        Press({12, 18, 31});
        Press({10, 21});
        EXPECT_EQ(learn.LearnQueue.Count, 2);
        learn.AcceptBtn.UserClicked();
    });
    Main().NewCommandMenu.Click();

    EXPECT_EQ(TreeText(), "TV\n  Stop  now\n  Play\n");
    const TCommand& stop = *RecordOf(tv->GetFirstChild());
    EXPECT_EQ(stop.CodeHigh(), 1);
    EXPECT_EQ(stop.Code[0], 10);
    EXPECT_EQ(stop.Code[1], 20);
    EXPECT_EQ(tv->GetFirstChild()->ImageIndex(), 3);
    EXPECT_TRUE(tv->GetFirstChild()->Selected());
    EXPECT_EQ(Main().IRTimer.Interval(), 125u);
    EXPECT_TRUE(Main().SaveMenu.Enabled());
    EXPECT_EQ(Model().Commands, (std::vector<TCommand*>{&play, const_cast<TCommand*>(&stop)}));
    EXPECT_EQ(play.NodeIndex, 2);

    // A cancelled prompt adds nothing; a cancelled run learns nothing.
    ui.dialogs.ExpectPromptCancel("New remote");
    Main().NewRemoteMenu.Click();
    ui.dialogs.ExpectModal("LearnForm", [&](ui::TForm& form) {
        Press({10, 20});
        Press({10, 20});
        form.SetModalResult(ui::mrCancel);
    });
    Main().LearnMenu.Click();
    EXPECT_EQ(play.CodeHigh(), -1);
    EXPECT_EQ(Main().IRTimer.Interval(), 125u);
    EXPECT_EQ(TreeText(), "TV\n  Stop  now\n  Play\n");
}

TEST_F(TreeEditing, LearningDoesNotStartWhenTheOriginsFail) {
    ui::TTreeNode* tv = AddRemote("TV");
    AddCommand(tv, "Play");
    Main().CommandsTree.SetSelected(tv->GetFirstChild());
    program->Settings().SerialBasedChBx.SetChecked(true); // no COM1 here
    Main().SaveMenu.SetEnabled(false);
    ui.dialogs.ExpectMessageBox("Cannot open serial port COM1");
    Main().LearnMenu.Click();
    EXPECT_EQ(Main().IRTimer.Interval(), 125u);
    EXPECT_FALSE(Main().SaveMenu.Enabled());
}

TEST_F(TreeEditing, RecognitionSwitchedOffOnARemoteReachesEveryCommandAndItsImage) {
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& play = AddCommand(tv, "Play", {1, 2});
    TCommand& stop = AddCommand(tv, "Stop");
    Main().CommandsTree.SetSelected(tv);
    Main().CommandsMenu.Click();
    EXPECT_TRUE(Main().EnabledMenu.Checked());
    EXPECT_FALSE(Main().LearnMenu.Enabled());
    Main().EnabledMenu.Click();
    EXPECT_FALSE(play.Enabled || stop.Enabled);
    EXPECT_EQ(tv->Item(0)->ImageIndex(), 2);
    EXPECT_EQ(tv->Item(1)->ImageIndex(), 1);
    Main().TypematicMenu.Click();
    EXPECT_FALSE(play.Typematic || stop.Typematic);
    EXPECT_TRUE(Main().SaveMenu.Enabled());
}

TEST_F(TreeEditing, DeletingACommandRemovesEveryTriggerEntryAndARemoteGoesWithItsCommandsAfterOneQuestion) {
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& play = AddCommand(tv, "Play");
    TCommand& stop = AddCommand(tv, "Stop");
    AddCommand(tv, "Mute");
    ui::TTreeNode* radio = AddRemote("Radio");
    TCommand& next = AddCommand(radio, "Next");
    Main().NewBtnClick(nullptr);
    TAction& twice = *Model().CurrentAction;
    AddTrigger(tv->Item(0));
    AddTrigger(tv->Item(0));
    Main().NewBtnClick(nullptr);
    TAction& once = *Model().CurrentAction;
    AddTrigger(tv->Item(0));
    AddTrigger(radio->Item(0));
    Main().LastCommand = &play;

    Main().CommandsTree.SetSelected(tv->Item(0));
    ui.dialogs.ExpectMessageBox("Are you sure you want to delete the command 'Play'?", ui::mrNo);
    Main().DeleteMenu.Click();
    EXPECT_EQ(Model().Commands.size(), 4u);
    ui.dialogs.ExpectMessageBox("Are you sure you want to delete the command 'Play'?", ui::mrYes);
    ui::Key del = ui::keys::Delete;
    Main().CommandsTree.UserKeyDown(del, 0);
    EXPECT_EQ(ui.dialogs.MessageBoxes().back().caption, "Delete command");
    EXPECT_EQ(ui.dialogs.MessageBoxes().back().flags, ui::mb::YesNo | ui::mb::IconQuestion);
    EXPECT_TRUE(twice.Triggers.empty());
    EXPECT_EQ(once.Triggers, std::vector<TCommand*>{&next});
    EXPECT_EQ(Main().LastCommand, nullptr);
    EXPECT_EQ(Model().Commands, (std::vector<TCommand*>{&stop, Model().Commands[1], &next}));

    Main().CommandsTree.SetSelected(tv);
    ui.dialogs.ExpectMessageBox("Are you sure you want to delete the remote 'TV' and all its commands?", ui::mrYes);
    Main().DeleteMenu.Click();
    EXPECT_EQ(TreeText(), "Radio\n  Next\n");
    EXPECT_EQ(Model().Commands, std::vector<TCommand*>{&next});
    EXPECT_EQ(next.NodeIndex, 1);
    EXPECT_EQ(Main().TriggerTree.Items().Count(), 2); // the pane shows what is left: Radio / Next
}

TEST_F(TreeEditing, DraggingMovesCommandsAndRemotesButNeverARemoteAmongCommands) {
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& play = AddCommand(tv, "Play");
    AddCommand(tv, "Stop");
    ui::TTreeNode* radio = AddRemote("Radio");
    AddCommand(radio, "Next");
    tv->SetExpanded(true);
    radio->SetExpanded(true);
    Main().NewBtnClick(nullptr);
    AddTrigger(tv->Item(1));
    AddTrigger(tv->Item(0));
    ui::TTreeView& tree = Main().CommandsTree;

    tree.SetSelected(tv->Item(1)); // Stop onto Radio: its first command
    EXPECT_TRUE(ui::DragTo(tree, tree, On(radio)));
    EXPECT_EQ(TreeText(), "TV\n  Play\nRadio\n  Stop\n  Next\n");
    EXPECT_EQ(Model().CurrentAction->Triggers[1], &play);
    EXPECT_EQ(RecordOf(radio->Item(0))->NodeIndex, 3);
    EXPECT_EQ(Main().TriggerTree.Items().GetFirstNode()->Text(), "Radio"); // Stop, now under Radio
    EXPECT_TRUE(Main().SaveMenu.Enabled());

    tree.SetSelected(radio); // a remote onto a command: refused
    EXPECT_FALSE(ui::DragTo(tree, tree, On(tv->Item(0))));
    EXPECT_TRUE(ui::DragTo(tree, tree, On(tv))); // onto a remote: before it
    EXPECT_EQ(TreeText(), "Radio\n  Stop\n  Next\nTV\n  Play\n");

    tree.SetSelected(tv->Item(0)); // Play onto Next: before it, under Radio
    EXPECT_TRUE(ui::DragTo(tree, tree, On(radio->Item(1))));
    EXPECT_EQ(TreeText(), "Radio\n  Stop\n  Play\n  Next\nTV\n");
    EXPECT_EQ(Model().Commands[0], &play); // the recognition order stays
}

TEST_F(TreeEditing, ThePopUpMenuCopiesTheCommandsMenuWithTheSoundsOfTheSettings) {
    ui::TListView& sounds = program->Settings().SoundsList;
    sounds.Add()->SetCaption("Ding");
    sounds.Add()->SetCaption("Bell");
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& play = AddCommand(tv, "Play");
    play.Sound = "bell";
    tv->SetExpanded(true);

    // A right click selects the node under the pointer, then the menu opens.
    const ui::Point at = On(tv->Item(0));
    Main().CommandsTree.UserMouseDown(ui::MouseButton::Right, 0, at);
    Main().CommandsPopUpMenu.Popup(at);
    const ui::TMenuItem& popup = Main().CommandsPopUpMenu.Items();
    EXPECT_EQ(Captions(popup), (std::vector<std::string>{"Add new &remote", "Add new comman&d", "&Learn...", "-",
                                                         "&Recognition enabled *", "&Typematic function *",
                                                         "&Play sound", "-",
                                                         "Copy to &action trigger list (off)", "Rena&me",
                                                         "D&elete"}));
    const ui::TMenuItem& soundCopy = popup.Item(6);
    EXPECT_EQ(Captions(soundCopy), (std::vector<std::string>{"None", "Ding", "Bell *"}));
    EXPECT_EQ(soundCopy.Item(1).Name(), "Sound0Copy");
    EXPECT_EQ(popup.Item(1).GetShortCut(), Main().NewCommandMenu.GetShortCut());

    soundCopy.Item(1).Click();
    EXPECT_EQ(play.Sound, "Ding");
    soundCopy.Item(0).Click();
    EXPECT_EQ(play.Sound, "None");

    // Nothing under the pointer: nothing selected, only a new remote offered.
    Main().CommandsTree.UserMouseDown(ui::MouseButton::Left, 0, {5, 200});
    Main().CommandsPopUpMenu.Popup({5, 200});
    EXPECT_EQ(Captions(Main().CommandsPopUpMenu.Items())[1], "Add new comman&d (off)");
    EXPECT_EQ(Captions(Main().CommandsPopUpMenu.Items())[0], "Add new &remote");
}

TEST_F(TreeEditing, RenamedNamesKeepToOneBoundedLine) {
    ui::TTreeNode* tv = AddRemote("TV");
    AddCommand(tv, "Play");
    Main().NewBtnClick(nullptr);
    AddTrigger(tv->Item(0));
    Main().CommandsTree.SetSelected(tv);
    ui.dialogs.ExpectPrompt("Rename", "Living\nroom" + std::string(300, 'x'));
    Main().RenameMenu.Click();
    EXPECT_EQ(tv->Text().size(), core::kMaxNameLength);
    EXPECT_EQ(tv->Text().substr(0, 12), "Living roomx");
    ui.dialogs.ExpectPromptCancel("Rename");
    Main().RenameMenu.Click();
    EXPECT_EQ(tv->Text().size(), core::kMaxNameLength);

    // In place: F2, then the edit ends with a line break typed in.
    Main().SaveMenu.SetEnabled(false);
    Main().CommandsTree.SetSelected(tv->Item(0));
    ui::Key f2 = ui::keys::F2;
    Main().CommandsTree.UserKeyDown(f2, 0);
    ASSERT_TRUE(Main().CommandsTree.IsEditing());
    Main().CommandsTree.UserEndEdit("Pl\r\nay");
    EXPECT_EQ(tv->Item(0)->Text(), "Pl  ay");
    EXPECT_TRUE(Main().SaveMenu.Enabled());
    ASSERT_EQ(Main().TriggerTree.Items().Count(), 2);
    EXPECT_EQ(Main().TriggerTree.Items().Item(1)->Text(), "Pl  ay");
    Main().CommandsTree.SetSelected(tv);
    EXPECT_FALSE(Model().TreeEdited);
}

} // namespace
} // namespace orvane::program
