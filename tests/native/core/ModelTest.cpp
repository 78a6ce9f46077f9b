#include "core/Model.h"

#include "fakes/FakeUi.h"
#include "ui/Form.h"
#include "ui/TreeView.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

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
    EXPECT_EQ(remote.CodeHigh(), -1);
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
    EXPECT_LE(command.Code.Capacity(), kMaxCodeValues) << "room never grows past the longest code";
    EXPECT_THROW(command.Append(7), ERangeError);
    EXPECT_EQ(command.CodeHigh(), 1000);
    EXPECT_EQ(command.Code[1000], 1000);
}

// Values are held at their length and read only below it: whatever room a
// code keeps from a longer past, an index at or past its count is a range
// error, on reading and on writing.
TEST(TCommandCode, ReadsAndWritesOnlyTheValuesItHolds) {
    struct Case {
        const char* what;
        int values;    // appended, 0, 1, 2, ...
        bool cleared;  // then emptied and refilled with 3 values
    };
    for (const Case& c : {Case{"empty", 0, false}, Case{"one value", 1, false}, Case{"past a first room", 9, false},
                          Case{"full", kMaxCodeValues, false}, Case{"refilled shorter", 500, true}}) {
        SCOPED_TRACE(c.what);
        TCommand command;
        for (int i = 0; i < c.values; ++i) command.Append(i * 3);
        if (c.cleared) {
            const int room = command.Code.Capacity();
            command.Clear();
            EXPECT_EQ(command.Count(), 0);
            EXPECT_THROW(static_cast<void>(std::as_const(command.Code)[0]), ERangeError) << "nothing stale is read";
            for (int i = 0; i < 3; ++i) command.Append(i * 3);
            EXPECT_EQ(command.Code.Capacity(), room) << "emptying keeps the room";
        }
        const int count = c.cleared ? 3 : c.values;
        ASSERT_EQ(command.CodeHigh(), count - 1);
        for (int i = 0; i < count; ++i) EXPECT_EQ(command.Code[i], i * 3);
        EXPECT_EQ(std::vector<std::int32_t>(command.Code.begin(), command.Code.end()).size(), std::size_t(count));
        for (int bad : {-1, count, count + 1, kMaxCodeValues}) {
            EXPECT_THROW(static_cast<void>(std::as_const(command.Code)[bad]), ERangeError) << bad;
            EXPECT_THROW(command.Code[bad] = 1, ERangeError) << bad;
        }
        const TCommand copy = command;
        EXPECT_EQ(copy.Code, command.Code);
        EXPECT_EQ(copy.Code.Capacity(), count) << "a copy takes room for its values only";
    }
}

// Recognition reads the codes from the configuration's index of them: every
// way a command or its code changes must show there at the next look.
TEST(Configuration, CodeIndexFollowsEveryChangeOfTheCommandsAndTheirCodes) {
    using Codes = std::vector<std::vector<std::int32_t>>;
    auto indexed = [](Configuration& config) {
        Codes codes;
        const CodeIndex& index = config.Codes();
        for (const CodeIndex::Entry& entry : index.Entries()) {
            EXPECT_EQ(entry.command, config.Commands[codes.size()]);
            const auto code = index.Code(entry);
            codes.emplace_back(code.begin(), code.end());
        }
        return codes;
    };
    struct Change {
        const char* what;
        std::function<void(Configuration&, TCommand& first, TCommand& second)> make;
        Codes after;
    };
    TCommand sample;
    sample.Append(9);
    sample.Append(8);
    const std::vector<Change> changes = {
        {"a value written", [](auto&, TCommand& first, auto&) { first.Code[1] = 7; }, {{1, 7}, {3}}},
        {"a value appended", [](auto&, auto&, TCommand& second) { second.Append(4); }, {{1, 2}, {3, 4}}},
        {"a code emptied", [](auto&, TCommand& first, auto&) { first.Clear(); }, {{}, {3}}},
        {"a code replaced", [&](auto&, auto&, TCommand& second) { second.Code = sample.Code; }, {{1, 2}, {9, 8}}},
        {"a command added", [](Configuration& config, auto&, auto&) { config.NewCommandRecord().Append(5); },
         {{1, 2}, {3}, {5}}},
        {"a command deleted", [](Configuration& config, TCommand& first, auto&) { config.DeleteRecord(first); }, {{3}}},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        Configuration config("Default");
        TCommand& first = config.NewCommandRecord();
        first.Append(1);
        first.Append(2);
        TCommand& second = config.NewCommandRecord();
        second.Append(3);
        EXPECT_EQ(indexed(config), (Codes{{1, 2}, {3}}));
        change.make(config, first, second);
        EXPECT_EQ(indexed(config), change.after);
    }
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
