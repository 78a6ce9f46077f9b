// The silent forms of the editing handlers, which the file reader builds the
// model with: they ask nothing and redraw nothing, but keep the model whole.
#include "native/program/ProgramFixture.h"

namespace orvane::program {
namespace {

using SilentEditing = ProgramFixture;

TEST_F(SilentEditing, RemotesGoLastAndCommandsUnderTheSelectedRemoteOrBeforeTheSelectedCommand) {
    TMainForm& main = Main();
    main.CommandsTree.SetSelected(nullptr);
    main.NewCommandMenuClick(nullptr);  // nothing selected: nothing added
    EXPECT_EQ(main.CommandsTree.Items().Count(), 0);
    EXPECT_FALSE(main.SaveMenu.Enabled());

    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& play = AddCommand(tv, "Play");
    ui::TTreeNode* radio = AddRemote("Radio");
    TCommand& next = AddCommand(radio, "Next");
    main.CommandsTree.SetSelected(radio->GetFirstChild());
    main.NewCommandMenuClick(nullptr);
    EXPECT_EQ(TreeText(), "TV\n  Play\nRadio\n  New command\n  Next\n");
    EXPECT_TRUE(main.SaveMenu.Enabled());

    // A remote is no command; commands keep the order they were made in.
    ASSERT_EQ(Model().Commands.size(), 3u);
    EXPECT_EQ(Model().Commands[0], &play);
    EXPECT_EQ(Model().Commands[1], &next);
    const TCommand& fresh = *RecordOf(radio->GetFirstChild());
    EXPECT_EQ(fresh.NodeIndex, 3);
    EXPECT_EQ(fresh.CodeHigh(), -1);
    EXPECT_TRUE(fresh.Enabled && fresh.Typematic && fresh.Sound.empty());
    EXPECT_EQ(radio->GetFirstChild()->ImageIndex(), 1);
    EXPECT_EQ(radio->GetFirstChild()->SelectedIndex(), 4);
    EXPECT_EQ(radio->ImageIndex(), 0);
    EXPECT_FALSE(radio->Selected());

    // New nodes in an earlier remote and after the last one are numbered by their place.
    main.CommandsTree.SetSelected(tv->GetFirstChild());
    main.NewCommandMenuClick(nullptr);
    EXPECT_EQ(RecordOf(tv->GetFirstChild())->NodeIndex, 1);
    EXPECT_EQ(RecordOf(AddRemote("DVD"))->NodeIndex, 6);
}

TEST_F(SilentEditing, RefreshingTheTreeNumbersEveryNodeAndShowsEachCommandsState) {
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& learned = AddCommand(tv, "Play", {1, 2});
    TCommand& off = AddCommand(tv, "Stop", {3});
    TCommand& none = AddCommand(tv, "Mute");
    off.Enabled = false;
    Main().CommandsTree.SetSelected(tv->GetFirstChild());
    Main().NewCommandMenuClick(nullptr);  // shifts every command after it
    Main().RefreshCommandsTree();
    EXPECT_EQ(learned.NodeIndex, 2);
    EXPECT_EQ(none.NodeIndex, 4);
    EXPECT_EQ(tv->Item(1)->ImageIndex(), 3);
    EXPECT_EQ(tv->Item(2)->ImageIndex(), 2);
    EXPECT_EQ(tv->Item(3)->ImageIndex(), 1);
}

TEST_F(SilentEditing, CopyingARemoteMakesEachOfItsCommandsATriggerInTreeOrder) {
    TMainForm& main = Main();
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& play = AddCommand(tv, "Play");
    TCommand& stop = AddCommand(tv, "Stop");
    main.CommandsTree.SetSelected(tv);
    main.CopyToActionMenuClick(nullptr);  // no current action: nothing
    main.NewBtnClick(nullptr);
    TAction& action = *Model().CurrentAction;
    EXPECT_EQ(action.Name, "My action");
    EXPECT_TRUE(main.ActionCoBx.Items.Empty());

    AddTrigger(tv);
    AddTrigger(tv->GetFirstChild());
    EXPECT_EQ(action.Triggers, (std::vector<TCommand*>{&play, &stop, &play}));
    EXPECT_EQ(play.TriggeredActions, std::vector<TAction*>{&action});
    EXPECT_EQ(action.TrigPos, 0);
    EXPECT_EQ(main.TriggerTree.Items().Count(), 0);  // not redrawn
}

TEST_F(SilentEditing, ANewActionIsNamedAfterTheSelectedOne) {
    Main().NewBtnClick(nullptr);
    Model().CurrentAction->Name = "Volume";
    Main().LayoutCoBxChange(nullptr);
    Main().NewBtnClick(nullptr);
    EXPECT_EQ(Model().CurrentAction->Name, "Volume");
    EXPECT_EQ(Model().DefaultLayout().Actions.size(), 2u);
}

TEST_F(SilentEditing, ANewLayoutIsListedSelectedAndShownInTheManager) {
    actions::TLayoutsForm& manager = program->Layouts();
    manager.NewLayoutBtnClick(nullptr);
    ASSERT_EQ(Model().Layouts.size(), 2u);
    const TLayout& layout = *Model().Layouts[1];
    EXPECT_EQ(layout.Name, "My layout");
    EXPECT_EQ(layout.Application, "(Application)");
    EXPECT_EQ(layout.WndTitle, "(Window title)");
    ASSERT_EQ(manager.LayoutList.Count(), 1);
    EXPECT_EQ(manager.LayoutList.Item(0)->Data(), &layout);
    EXPECT_TRUE(manager.LayoutList.Item(0)->Selected());
    EXPECT_EQ(manager.WndTitleEdBx.Text(), "(Window title)");
    EXPECT_TRUE(manager.LayoutNameEdBx.Enabled() && manager.DeleteLayoutBtn.Enabled());
    EXPECT_EQ(manager.LayoutNameEdBx.SelLength(), 9);
    EXPECT_FALSE(manager.ApplyBtn.Enabled());

    // The main window's box follows only when asked, keeping its choice.
    EXPECT_EQ(Main().LayoutCoBx.Items.Count(), 1);
    Main().LayoutSetupMenuClick(nullptr);
    EXPECT_EQ(Main().LayoutCoBx.Items.Items(), (std::vector<std::string>{"Default", "My layout"}));
    EXPECT_EQ(Main().LayoutCoBx.ItemIndex(), 0);
}

} // namespace
} // namespace orvane::program
