#include "core/Model.h"

#include "fakes/FakeUi.h"
#include "ui/Form.h"
#include "ui/TreeView.h"

#include <gtest/gtest.h>

namespace orvane::core {
namespace {

TEST(Configuration, StartsWithTheDefaultLayoutOnly) {
    Configuration config("Default");
    ASSERT_EQ(config.Layouts.size(), 1u);
    EXPECT_EQ(config.DefaultLayout().Name, "Default");
    EXPECT_EQ(config.DefaultLayout().Application, "");
    EXPECT_EQ(config.DefaultLayout().WndTitle, "");
    EXPECT_EQ(config.CurrentLayout, &config.DefaultLayout());
    EXPECT_EQ(config.CurrentAction, nullptr);
    EXPECT_TRUE(config.Commands.empty());
}

TEST(Configuration, NewRecordsHaveTheDefaultsAndOnlyCommandsAreListed) {
    Configuration config("Default");
    TCommand& remote = config.NewRemoteRecord();
    TCommand& first = config.NewCommandRecord();
    TCommand& second = config.NewCommandRecord();
    EXPECT_EQ(remote.CodeHigh, -1);
    EXPECT_TRUE(remote.Enabled);
    EXPECT_TRUE(remote.Typematic);
    EXPECT_EQ(remote.Sound, "");
    EXPECT_EQ(config.Commands, (std::vector<TCommand*>{&first, &second}));
}

TEST(Configuration, ATriggerListedTwiceLinksTheActionOnceUntilItsLastEntryGoes) {
    Configuration config("Default");
    TCommand& play = config.NewCommandRecord();
    TCommand& stop = config.NewCommandRecord();
    TAction& action = config.AddAction(*config.CurrentLayout, "Play then stop");
    EXPECT_EQ(action.TrigPos, -1);
    EXPECT_EQ(action.Layout, config.CurrentLayout);

    config.AddTrigger(action, play);
    config.AddTrigger(action, stop);
    config.AddTrigger(action, play);
    EXPECT_EQ(action.Triggers, (std::vector<TCommand*>{&play, &stop, &play}));
    EXPECT_EQ(play.TriggeredActions, std::vector<TAction*>{&action});
    EXPECT_EQ(action.TrigPos, 0);

    config.RemoveTrigger(action, 0);
    EXPECT_EQ(play.TriggeredActions, std::vector<TAction*>{&action});
    config.RemoveTrigger(action, 1);
    EXPECT_TRUE(play.TriggeredActions.empty());
    EXPECT_EQ(stop.TriggeredActions, std::vector<TAction*>{&action});
    EXPECT_THROW(config.RemoveTrigger(action, 5), EListError);
}

TEST(Configuration, DeletingACommandRemovesEveryReferenceToIt) {
    Configuration config("Default");
    TCommand& play = config.NewCommandRecord();
    TCommand& stop = config.NewCommandRecord();
    TLayout& player = config.AddLayout("Player", "player.exe", "Player");
    TAction& a = config.AddAction(config.DefaultLayout(), "A");
    TAction& b = config.AddAction(player, "B");
    config.AddTrigger(a, play);
    config.AddTrigger(a, stop);
    config.AddTrigger(a, play);
    config.AddTrigger(b, play);

    config.DeleteRecord(play);
    EXPECT_EQ(config.Commands, std::vector<TCommand*>{&stop});
    EXPECT_EQ(a.Triggers, std::vector<TCommand*>{&stop});
    EXPECT_TRUE(b.Triggers.empty());
}

TEST(Configuration, DeletingAnActionUnlinksItFromEveryCommand) {
    Configuration config("Default");
    TCommand& play = config.NewCommandRecord();
    TAction& keep = config.AddAction(config.DefaultLayout(), "Keep");
    TAction& drop = config.AddAction(config.DefaultLayout(), "Drop");
    config.AddTrigger(keep, play);
    config.AddTrigger(drop, play);
    config.CurrentAction = &drop;

    config.DeleteAction(drop);
    EXPECT_EQ(play.TriggeredActions, std::vector<TAction*>{&keep});
    EXPECT_EQ(config.DefaultLayout().Actions.size(), 1u);
    EXPECT_EQ(config.CurrentAction, nullptr);
}

TEST(TCommandCode, HoldsAtMost1001ValuesAndRefusesMore) {
    TCommand command;
    for (int i = 0; i <= kMaxCodeIndex; ++i) command.Append(i);
    EXPECT_EQ(command.Count(), 1001);
    EXPECT_EQ(command.Code[1000], 1000);
    EXPECT_THROW(command.Append(7), ERangeError);
    EXPECT_EQ(command.CodeHigh, 1000);
}

TEST(NodeNumbers, FollowDisplayOrderAfterAMoveWhileCommandsKeepTheirOrder) {
    fakes::FakeUi ui;
    ui::TForm form(ui.app, "MainForm");
    ui::TTreeView tree(form, "CommandsTree");
    Configuration config("Default");
    auto addRemote = [&](const char* name) {
        ui::TTreeNode* node = tree.Items().Add(nullptr, name);
        node->SetData(&config.NewRemoteRecord());
        return node;
    };
    auto addCommand = [&](ui::TTreeNode* remote, const char* name) {
        ui::TTreeNode* node = tree.Items().AddChild(remote, name);
        node->SetData(&config.NewCommandRecord());
        return node;
    };
    ui::TTreeNode* tv = addRemote("TV");
    ui::TTreeNode* power = addCommand(tv, "Power");
    ui::TTreeNode* mute = addCommand(tv, "Mute");
    ui::TTreeNode* hifi = addRemote("HiFi");
    ui::TTreeNode* play = addCommand(hifi, "Play");
    RenumberNodes(tree);
    EXPECT_EQ(RecordOf(play)->NodeIndex, 4);

    power->MoveTo(hifi, ui::NodeAttachMode::AddChild);
    RenumberNodes(tree);
    EXPECT_EQ(RecordOf(tv)->NodeIndex, 0);
    EXPECT_EQ(RecordOf(mute)->NodeIndex, 1);
    EXPECT_EQ(RecordOf(hifi)->NodeIndex, 2);
    EXPECT_EQ(RecordOf(play)->NodeIndex, 3);
    EXPECT_EQ(RecordOf(power)->NodeIndex, 4);
    EXPECT_EQ(config.Commands, (std::vector<TCommand*>{RecordOf(power), RecordOf(mute), RecordOf(play)}));
}

} // namespace
} // namespace orvane::core
