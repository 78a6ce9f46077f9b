// The action pane as a user works it: actions of a layout made, renamed and
// deleted; commands dragged onto the trigger tree, reordered and deleted;
// descriptions added, changed, removed and swapped; and only real changes
// counting as unsaved.
#include "native/program/ProgramFixture.h"
#include "actions/ActionForm.h"
#include "core/TextLimits.h"

namespace orvane::program {
namespace {

const std::string kMark = "\xA1";
std::string Osd(const std::string& text) { return kMark + "OSD" + kMark + text + "Delay:0"; }

class ActionPane : public ProgramFixture {
protected:
    ~ActionPane() override { ui.dialogs.VerifyAllShown(); }

    // A new action through "&New" and its prompt.
    TAction& NewAction(const std::string& name) {
        ui.dialogs.ExpectPrompt("New action", name);
        Main().NewBtn.Click();
        return *Model().CurrentAction;
    }
    // The action editor closed with OK on the page that a description sets.
    void EditorAnswers(const std::string& description) {
        ui.dialogs.ExpectModal("ActionForm", [description](ui::TForm& form) {
            static_cast<actions::TActionForm&>(form).LoadActionDescription(description);
            form.SetModalResult(ui::mrOk);
        });
    }
    static ui::Point On(const ui::TTreeNode* node) {
        const ui::Rect r = node->DisplayRect(true);
        return {r.left + 2, r.top + 2};
    }
    static ui::Point On(const ui::TListItem* row) { return {20, row->Index() * ui::TListView::RowHeight + 4}; }
    // The trigger tree, a line per node, children indented.
    std::string Triggers() {
        std::string text;
        for (ui::TTreeNode* n = Main().TriggerTree.Items().GetFirstNode(); n; n = n->GetNext())
            text += (n->Level() ? "  " : "") + n->Text() + "\n";
        return text;
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < Main().ActionsList.Count(); ++i) rows.push_back(Main().ActionsList.Item(i)->Caption());
        return rows;
    }
    void Select(ui::TTreeNode* node) { Main().TriggerTree.SetSelected(node); }
    void PressDelete() {
        ui::Key del = ui::keys::Delete;
        Main().TriggerTree.UserKeyDown(del, 0);
    }
};

TEST_F(ActionPane, ActionsAreMadeRenamedAndDeletedWithTheirQuestions) {
    TMainForm& main = Main();
    Model().AddLayout("Empty", "", "");
    main.LayoutSetupMenuClick(nullptr);

    // Cancel makes nothing; the name proposed is "My action".
    ui.dialogs.ExpectPromptCancel("New action");
    main.NewBtn.Click();
    EXPECT_EQ(ui.dialogs.Prompts().back().proposed, "My action");
    EXPECT_EQ(ui.dialogs.Prompts().back().prompt, "Action name:");
    EXPECT_TRUE(Model().DefaultLayout().Actions.empty());
    EXPECT_FALSE(main.SaveMenu.Enabled());

    // Two actions of one name: both exist, the new one chosen and shown.
    TAction& first = NewAction("Play");
    TAction& second = NewAction("Play");
    EXPECT_EQ(ui.dialogs.Prompts().back().proposed, "Play");
    EXPECT_NE(&first, &second);
    EXPECT_EQ(main.ActionCoBx.Items.Items(), (std::vector<std::string>{"Play", "Play"}));
    EXPECT_EQ(main.ActionCoBx.ItemIndex(), 1);
    EXPECT_TRUE(main.ActionPageCtrl.Enabled() && main.DeleteBtn.Enabled() && main.RenameBtn.Enabled());
    EXPECT_TRUE(main.SaveMenu.Enabled());

    // A renamed action keeps to one bounded line, as command names do.
    ui.dialogs.ExpectPrompt("Rename action", "Two\r\nlines" + std::string(300, 'x'));
    main.RenameBtn.Click();
    EXPECT_EQ(second.Name, "Two  lines" + std::string(core::kMaxNameLength - 10, 'x'));
    EXPECT_EQ(main.ActionCoBx.Items[1], second.Name);
    EXPECT_EQ(main.ActionCoBx.ItemIndex(), 1);

    // A layout without actions leaves nothing to edit.
    main.LayoutCoBx.SetItemIndex(1);
    main.LayoutCoBxChange(&main.LayoutCoBx);
    EXPECT_TRUE(main.ActionCoBx.Items.Empty());
    EXPECT_EQ(Model().CurrentAction, nullptr);
    EXPECT_FALSE(main.ActionPageCtrl.Enabled() || main.DeleteBtn.Enabled() || main.RenameBtn.Enabled());
    main.LayoutCoBx.SetItemIndex(0);
    main.LayoutCoBxChange(&main.LayoutCoBx);
    EXPECT_EQ(Model().CurrentAction, &first);

    // No keeps the action; Yes takes it out of every command that fires it.
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& play = AddCommand(tv, "Play");
    AddTrigger(tv);
    ui.dialogs.ExpectMessageBox("Are you sure you want to delete the action 'Play'?", ui::mrNo);
    main.DeleteBtn.Click();
    EXPECT_EQ(ui.dialogs.MessageBoxes().back().caption, "Delete action");
    EXPECT_EQ(ui.dialogs.MessageBoxes().back().flags, ui::mb::YesNo | ui::mb::IconQuestion);
    EXPECT_EQ(Model().DefaultLayout().Actions.size(), 2u);
    ui.dialogs.ExpectMessageBox("Are you sure you want to delete the action 'Play'?", ui::mrYes);
    main.DeleteBtn.Click();
    EXPECT_TRUE(play.TriggeredActions.empty());
    EXPECT_EQ(Model().DefaultLayout().Actions.size(), 1u);
    EXPECT_EQ(main.ActionCoBx.Items.Items(), std::vector<std::string>{second.Name});
    EXPECT_EQ(main.ActionCoBx.ItemIndex(), -1);
    EXPECT_EQ(Model().CurrentAction, nullptr);
    EXPECT_FALSE(main.ActionPageCtrl.Enabled());
}

TEST_F(ActionPane, TriggersComeByDropAndMenuAndAreGroupedReorderedAndDeleted) {
    TMainForm& main = Main();
    ui::TTreeNode* a = AddRemote("A");
    TCommand& a1 = AddCommand(a, "A1");
    TCommand& a2 = AddCommand(a, "A2");
    TCommand& a3 = AddCommand(a, "A3");
    ui::TTreeNode* b = AddRemote("B");
    TCommand& b1 = AddCommand(b, "B1");
    TAction& action = NewAction("Go");
    action.TrigPos = 2;

    // A remote dropped twice, anywhere: six triggers in tree order, at the end.
    main.CommandsTree.SetSelected(a);
    EXPECT_TRUE(ui::DragTo(main.CommandsTree, main.TriggerTree, {5, 5}));
    EXPECT_TRUE(ui::DragTo(main.CommandsTree, main.TriggerTree, On(main.TriggerTree.Items().Item(0))));
    EXPECT_EQ(action.Triggers, (std::vector<TCommand*>{&a1, &a2, &a3, &a1, &a2, &a3}));
    EXPECT_EQ(action.TrigPos, 0);
    EXPECT_EQ(a1.TriggeredActions, std::vector<TAction*>{&action});

    // Drag rules: a remote may not go onto a command, a command may.
    struct Case {
        ui::TTreeNode* dragged;
        int target; // node of the trigger tree, -1 for empty space
        bool accepted;
    } cases[] = {{a, 1, false}, {a, 0, true}, {a->Item(0), 1, true}, {a, -1, true}, {nullptr, 0, false}};
    for (const Case& c : cases) {
        main.CommandsTree.SetSelected(c.dragged);
        bool accept = true;
        const ui::Point at = c.target < 0 ? ui::Point{100, 160} : On(main.TriggerTree.Items().Item(c.target));
        main.TriggerTreeDragOver(&main.TriggerTree, &main.CommandsTree, at.x, at.y, ui::DragState::Move, accept);
        EXPECT_EQ(accept, c.accepted) << "target " << c.target;
    }

    // A1 B1 A2: root A with A1 and A2, then root B with B1 (by the menu).
    while (!action.Triggers.empty()) Model().RemoveTrigger(action, 0);
    for (ui::TTreeNode* node : {a->Item(0), b->Item(0), a->Item(1)}) {
        main.CommandsTree.SetSelected(node);
        main.CopyToActionMenu.Click();
    }
    EXPECT_EQ(Triggers(), "A\n  A1\n  A2\nB\n  B1\n");

    // Reordering: A2 dropped on B1 swaps those two entries.
    main.SaveMenu.SetEnabled(false);
    Select(main.TriggerTree.Items().Item(2));
    EXPECT_TRUE(ui::DragTo(main.TriggerTree, main.TriggerTree, On(main.TriggerTree.Items().Item(4))));
    EXPECT_EQ(action.Triggers, (std::vector<TCommand*>{&a1, &a2, &b1}));
    EXPECT_TRUE(main.SaveMenu.Enabled());
    // Onto a remote: nothing lasting.
    main.SaveMenu.SetEnabled(false);
    Select(main.TriggerTree.Items().Item(1));
    EXPECT_TRUE(ui::DragTo(main.TriggerTree, main.TriggerTree, On(main.TriggerTree.Items().Item(3))));
    EXPECT_EQ(action.Triggers, (std::vector<TCommand*>{&a1, &a2, &b1}));
    EXPECT_FALSE(main.SaveMenu.Enabled());

    // The Delete key asks; deleting B1 keeps A1 and A2.
    Select(main.TriggerTree.Items().Item(4));
    main.TriggerTreePopUpMenu.Popup({0, 0});
    EXPECT_TRUE(main.DeleteTrigger.Enabled());
    ui.dialogs.ExpectMessageBox("Are you sure you want to delete the command 'B1'?", ui::mrNo);
    PressDelete();
    EXPECT_EQ(action.Triggers.size(), 3u);
    Select(main.TriggerTree.Items().Item(4));
    ui.dialogs.ExpectMessageBox("Are you sure you want to delete the command 'B1'?", ui::mrYes);
    PressDelete();
    EXPECT_EQ(ui.dialogs.MessageBoxes().back().caption, "Delete command");
    EXPECT_EQ(action.Triggers, (std::vector<TCommand*>{&a1, &a2}));
    EXPECT_TRUE(b1.TriggeredActions.empty());
    EXPECT_EQ(Triggers(), "A\n  A1\n  A2\n");
    // A remote node offers no deletion.
    Select(main.TriggerTree.Items().Item(0));
    main.TriggerTreePopUpMenu.Popup({0, 0});
    EXPECT_FALSE(main.DeleteTrigger.Enabled());
    PressDelete();

    // One of two entries of a command: the command still fires the action;
    // the last one: it no longer does. The node deleted is the one chosen.
    main.CommandsTree.SetSelected(a->Item(1));
    main.CopyToActionMenu.Click(); // A1 A2 A2
    action.TrigPos = 2;
    Select(main.TriggerTree.Items().Item(3));
    main.TriggerTree.Items().Item(3)->SetText("second A2");
    ui.dialogs.ExpectMessageBox("Are you sure you want to delete the command 'second A2'?", ui::mrYes);
    main.TriggerTreePopUpMenu.Popup({0, 0});
    main.DeleteTrigger.Click();
    EXPECT_EQ(action.Triggers, (std::vector<TCommand*>{&a1, &a2}));
    EXPECT_EQ(a2.TriggeredActions, std::vector<TAction*>{&action});
    EXPECT_EQ(action.TrigPos, 2);
    Select(main.TriggerTree.Items().Item(2));
    ui.dialogs.ExpectMessageBox("Are you sure you want to delete the command 'A2'?", ui::mrYes);
    main.TriggerTreePopUpMenu.Popup({0, 0});
    main.DeleteTrigger.Click();
    EXPECT_TRUE(a2.TriggeredActions.empty());
    EXPECT_EQ(a1.TriggeredActions, std::vector<TAction*>{&action});
}

TEST_F(ActionPane, DescriptionsAreAddedChangedRemovedAndSwappedInRunAndSaveOrder) {
    TMainForm& main = Main();
    TAction& action = NewAction("Show");
    EXPECT_FALSE(main.AllAtOnceChBtn.Enabled());

    EditorAnswers(Osd("one"));
    main.NewActionBtn.Click();
    ASSERT_EQ(action.Actions.size(), 1u);
    EXPECT_EQ(action.ActIndex, 0);
    EXPECT_FALSE(main.AllAtOnceChBtn.Enabled());
    // Cancel adds nothing.
    ui.dialogs.ExpectModal("ActionForm", ui::mrCancel);
    main.NewActionBtn.Click();
    EditorAnswers(Osd("two"));
    main.NewActionBtn.Click();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(main.AllAtOnceChBtn.Enabled());
    EXPECT_FALSE(main.RemoveBtn.Enabled() || main.PropertiesBtn.Enabled());

    // A long caption widens the column to the caption and one and a half images.
    const int before = main.ActionsList.Column(0).width;
    main.ActionsList.SetItemIndex(0);
    EXPECT_TRUE(main.RemoveBtn.Enabled() && main.PropertiesBtn.Enabled());
    EditorAnswers(Osd(std::string(80, 'w')));
    main.ActionsList.UserDblClicked();
    const int room = main.ActionsImgList.Width() + main.ActionsImgList.Width() / 2;
    EXPECT_EQ(main.ActionsList.Column(0).width, main.ActionsList.StringWidth(std::string(80, 'w')) + room);
    EXPECT_GT(main.ActionsList.Column(0).width, before);
    EditorAnswers(Osd("one"));
    main.PropertiesBtn.Click();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"one", "two"}));

    // Swapping by drag and drop changes the order they run and are saved in.
    const std::vector<std::string> order = action.Actions;
    main.ActionsList.SetItemIndex(1);
    EXPECT_TRUE(ui::DragTo(main.ActionsList, main.ActionsList, On(main.ActionsList.Item(0))));
    EXPECT_EQ(action.Actions, (std::vector<std::string>{order[1], order[0]}));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"two", "one"}));
    const std::string path = PathOf("swapped.orv");
    ui.dialogs.ExpectSaveFile("", path);
    main.SaveAsMenu.UserClicked();
    EXPECT_NE(Bytes(path).find("A0=" + order[1] + "\r\nA1=" + order[0] + "\r\n"), std::string::npos);

    // Removing: ActIndex back to 0 while some remain, -1 after the last.
    action.ActIndex = 1;
    main.ActionsList.SetItemIndex(0);
    main.RemoveBtn.Click();
    EXPECT_EQ(action.ActIndex, 0);
    EXPECT_FALSE(main.AllAtOnceChBtn.Enabled());
    main.ActionsList.SetItemIndex(0);
    main.RemoveBtn.Click();
    EXPECT_EQ(action.ActIndex, -1);
    EXPECT_TRUE(action.Actions.empty() && Rows().empty());
    EXPECT_FALSE(main.RemoveBtn.Enabled() || main.PropertiesBtn.Enabled());
    EXPECT_TRUE(main.SaveMenu.Enabled());
}

TEST_F(ActionPane, OnlyARealChangeMarksTheConfigurationChanged) {
    TMainForm& main = Main();
    TAction& plain = NewAction("Plain");
    TAction& odd = NewAction("Odd");
    odd.TrigEn = 1;
    odd.TrigType = 1;
    odd.AllAtOnce = true;
    odd.Actions = {Osd("a"), Osd("b")};
    main.SaveMenu.SetEnabled(false);

    // Switching between actions shows each one's values and changes nothing.
    for (int pick : {0, 1, 0, 1}) {
        main.ActionCoBx.SetItemIndex(pick);
        main.ActionCoBxChange(&main.ActionCoBx);
    }
    EXPECT_EQ(main.TriggeringRGrp.ItemIndex(), 1);
    EXPECT_EQ(main.TrigTypeRGrp.ItemIndex(), 1);
    EXPECT_TRUE(main.AllAtOnceChBtn.Checked());
    EXPECT_FALSE(main.SaveMenu.Enabled());
    EXPECT_EQ(plain.TrigEn, 0);
    EXPECT_TRUE(odd.AllAtOnce);

    // Clicking the value already set is no change; another value is.
    main.TrigTypeRGrp.UserSelect(1);
    EXPECT_FALSE(main.SaveMenu.Enabled());
    main.TrigTypeRGrp.UserSelect(0);
    main.AllAtOnceChBtn.UserClicked();
    main.TriggeringRGrp.UserSelect(0);
    EXPECT_EQ(odd.TrigType, 0);
    EXPECT_FALSE(odd.AllAtOnce);
    EXPECT_EQ(odd.TrigEn, 0);
    EXPECT_TRUE(main.SaveMenu.Enabled());
    // Renaming to the same name is no change either.
    main.SaveMenu.SetEnabled(false);
    ui.dialogs.ExpectPrompt("Rename action", "Odd");
    main.RenameBtn.Click();
    EXPECT_FALSE(main.SaveMenu.Enabled());
}

} // namespace
} // namespace orvane::program
