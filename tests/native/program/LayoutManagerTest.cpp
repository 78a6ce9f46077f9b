// The layout manager as the user works it from the main window: the tree of
// running windows, layouts added from it or by name, changed and deleted, and
// what the main window's layout box and action pane show once it closes.
#include "ProgramFixture.h"

#include "actions/LayoutsForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::program {
namespace {

using actions::TLayoutsForm;

class LayoutManager : public ProgramFixture {
protected:
    TLayoutsForm& Manager() { return program->Layouts(); }

    // The running windows tree, a line per node, two blanks a level.
    std::string Tree() {
        std::string text;
        for (ui::TTreeNode* n = Manager().ActiveWndsTree.Items().GetFirstNode(); n; n = n->GetNext())
            text += std::string(2 * static_cast<std::size_t>(n->Level()), ' ') + n->Text() + "\n";
        return text;
    }
    // Opens the manager from the menu; the script acts in it.
    void OpenManager(std::function<void(TLayoutsForm&)> script) {
        ui.dialogs.ExpectModal("LayoutsForm", [this, script](ui::TForm&) { script(Manager()); });
        Main().LayoutSetupMenu.Click();
    }
    std::vector<std::string> ListCaptions() {
        std::vector<std::string> captions;
        for (int i = 0; i < Manager().LayoutList.Count(); ++i) {
            captions.push_back(Manager().LayoutList.Item(i)->Caption());
            EXPECT_EQ(Manager().LayoutList.Item(i)->Data(), Model().Layouts[static_cast<std::size_t>(i) + 1].get());
        }
        EXPECT_EQ(captions.size() + 1, Model().Layouts.size());
        return captions;
    }
};

TEST_F(LayoutManager, TheTreeListsOwnedWindowsUnderTheFirstNodeOfTheirOwnersTitleOrAtTheRoot) {
    // Added bottom first: each new window lies on top.
    auto& w = platform.windows;
    const auto orphanOwner = w.AddWindow("Gone");
    w.AddWindow("Orphan", orphanOwner);
    w.RemoveWindow(orphanOwner);
    const auto secondEditor = w.AddWindow("Editor");
    w.AddWindow("Replace", secondEditor);
    const auto toolbox = w.AddWindow("Toolbox", 0, false);
    w.AddWindow("Palette", toolbox);
    w.AddWindow("");
    const auto editor = w.AddWindow("Editor");
    w.AddWindow("Find", editor);
    w.AddWindow("Long\r\n" + std::string(300, 'x'));

    OpenManager([&](TLayoutsForm& m) {
        const std::string bounded = "Long  " + std::string(194, 'x');
        EXPECT_EQ(Tree(), bounded + "\nEditor\n  Find\n  Replace\nEditor\nPalette\nOrphan\n");
        EXPECT_FALSE(m.AddBtn.Enabled());
        m.AllRBtn.UserClicked();
        EXPECT_EQ(Tree(), bounded + "\nEditor\n  Find\n  Replace\nToolbox\n  Palette\nEditor\nOrphan\n");

        // A child becomes a layout named after its owner, bound to its own title.
        m.ActiveWndsTree.UserSelect(m.ActiveWndsTree.Items().Item(3));
        EXPECT_TRUE(m.AddBtn.Enabled());
        m.AddBtn.UserClicked();
        m.ActiveWndsTree.UserSelect(m.ActiveWndsTree.Items().Item(0));
        m.AddBtn.UserClicked();
        EXPECT_EQ(m.LayoutList.Selected(), nullptr);
        m.CloseBtn.UserClicked();
    });
    EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"Editor", std::string("Long  ") + std::string(194, 'x')}));
    const TLayout& added = *Model().Layouts[1];
    EXPECT_EQ(added.Application, "Editor");
    EXPECT_EQ(added.WndTitle, "Replace");
    EXPECT_TRUE(added.Actions.empty());
    EXPECT_EQ(Main().LayoutCoBx.Items.Count(), 3);
    EXPECT_TRUE(Main().SaveMenu.Enabled());
}

TEST_F(LayoutManager, NewLayoutsAreNamedByTheUserAndChangesApplyOnlyWhenAsked) {
    OpenManager([&](TLayoutsForm& m) {
        ui.dialogs.ExpectPromptCancel("New layout");
        m.NewLayoutBtn.UserClicked();
        EXPECT_EQ(m.LayoutList.Count(), 0);

        ui.dialogs.ExpectPrompt("New layout", "Games");
        m.NewLayoutBtn.UserClicked();
        EXPECT_TRUE(m.LayoutNameEdBx.Focused());
        EXPECT_EQ(m.ApplicationEdBx.Text(), "(Application)");
        EXPECT_FALSE(m.ApplyBtn.Enabled());
        m.WndTitleEdBx.UserSetText("Solitaire\r\nDeluxe");
        m.LayoutNameEdBx.UserSetText("Cards");
        EXPECT_TRUE(m.ApplyBtn.Enabled());
        EXPECT_EQ(Model().Layouts[1]->Name, "Games");
        m.ApplyBtn.UserClicked();
        EXPECT_FALSE(m.ApplyBtn.Enabled());
        m.LayoutList.UserSelect(nullptr);
        EXPECT_FALSE(m.WndTitleEdBx.Enabled() || m.DeleteLayoutBtn.Enabled());
        // The close box keeps the edits but does not mark them as a change.
        m.UserClose();
    });
    EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"Cards"}));
    EXPECT_EQ(Model().Layouts[1]->WndTitle, "Solitaire  Deluxe");
    EXPECT_EQ(Main().LayoutCoBx.Items.Items(), (std::vector<std::string>{"Default", "Cards"}));
    EXPECT_FALSE(Main().SaveMenu.Enabled());
}

TEST_F(LayoutManager, DeletingTheCurrentLayoutTakesItsActionsOutOfEveryTriggerAndShowsTheDefault) {
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& power = AddCommand(tv, "Power", {1});
    TCommand& mute = AddCommand(tv, "Mute", {2});
    Main().NewBtnClick(nullptr);
    TAction* kept = Model().CurrentAction;
    AddTrigger(tv->Item(0));
    Manager().NewLayoutBtnClick(nullptr);
    Main().LayoutSetupMenuClick(nullptr);
    Main().LayoutCoBx.UserSelect(1);
    ASSERT_EQ(Model().CurrentLayout, Model().Layouts[1].get());
    Main().NewBtnClick(nullptr);
    AddTrigger(tv);
    ASSERT_EQ(power.TriggeredActions.size(), 2u);

    OpenManager([&](TLayoutsForm& m) {
        m.LayoutList.UserSelect(m.LayoutList.Item(0));
        ui.dialogs.ExpectMessageBox("Are you sure you want to delete the layout 'My layout' and all its actions?",
                                    ui::mrNo);
        m.DeleteLayoutBtn.UserClicked();
        EXPECT_EQ(Model().Layouts.size(), 2u);
        ui.dialogs.ExpectMessageBox("Are you sure you want to delete the layout 'My layout' and all its actions?",
                                    ui::mrYes);
        m.DeleteLayoutBtn.UserClicked();
        EXPECT_EQ(m.LayoutList.Count(), 0);
        EXPECT_FALSE(m.DeleteLayoutBtn.Enabled());
        m.CloseBtn.UserClicked();
    });
    EXPECT_EQ(ui.dialogs.MessageBoxes().back().caption, "Delete layout");
    EXPECT_EQ(Model().Layouts.size(), 1u);
    EXPECT_EQ(power.TriggeredActions, (std::vector<TAction*>{kept}));
    EXPECT_TRUE(mute.TriggeredActions.empty());
    EXPECT_EQ(Model().CurrentLayout, &Model().DefaultLayout());
    EXPECT_EQ(Model().CurrentAction, kept);
    EXPECT_EQ(Main().LayoutCoBx.ItemIndex(), 0);
    EXPECT_EQ(Main().ActionCoBx.Items.Items(), (std::vector<std::string>{"My action"}));
    EXPECT_TRUE(Main().SaveMenu.Enabled());
}

// The layout box keeps showing the layout the pane edits, even renamed to a
// name another layout has.
TEST_F(LayoutManager, TheLayoutBoxFollowsTheCurrentLayoutThroughARename) {
    Manager().NewLayoutBtnClick(nullptr);
    Manager().NewLayoutBtnClick(nullptr);
    Model().Layouts[2]->Name = "Second";
    Main().LayoutSetupMenuClick(nullptr);
    Main().LayoutCoBx.UserSelect(2);
    ASSERT_EQ(Model().CurrentLayout, Model().Layouts[2].get());
    OpenManager([&](TLayoutsForm& m) {
        m.LayoutList.UserSelect(m.LayoutList.Item(1));
        m.LayoutNameEdBx.UserSetText("Default");
        m.ApplyBtn.UserClicked();
        m.CloseBtn.UserClicked();
    });
    EXPECT_EQ(Main().LayoutCoBx.Items.Items(), (std::vector<std::string>{"Default", "My layout", "Default"}));
    EXPECT_EQ(Main().LayoutCoBx.ItemIndex(), 2);
    EXPECT_EQ(Model().CurrentLayout, Model().Layouts[2].get());
}

TEST_F(LayoutManager, LayoutTextsSurviveASaveAndALoad) {
    platform.windows.AddWindow(std::string(250, 'T'));
    OpenManager([&](TLayoutsForm& m) {
        m.ActiveWndsTree.UserSelect(m.ActiveWndsTree.Items().Item(0));
        m.AddBtn.UserClicked();
        ui.dialogs.ExpectPrompt("New layout", "Two\nlines");
        m.NewLayoutBtn.UserClicked();
        m.CloseBtn.UserClicked();
    });
    const std::string path = PathOf("layouts.orv");
    ui.dialogs.ExpectSaveFile("", path);
    Main().SaveAsMenu.Click();
    std::vector<std::vector<std::string>> before;
    for (const auto& layout : Model().Layouts) before.push_back({layout->Name, layout->Application, layout->WndTitle});
    EXPECT_EQ(before[1][2], std::string(200, 'T'));
    EXPECT_EQ(before[2][0], "Two lines");

    ui.dialogs.ExpectOpenFile("", path);
    Main().OpenMenu.Click();
    std::vector<std::vector<std::string>> after;
    for (const auto& layout : Model().Layouts) after.push_back({layout->Name, layout->Application, layout->WndTitle});
    EXPECT_EQ(after, before);
    EXPECT_EQ(ListCaptions(), (std::vector<std::string>{std::string(200, 'T'), "Two lines"}));
}

} // namespace
} // namespace orvane::program
