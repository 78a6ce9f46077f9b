// Menus: copies of items, radio items, shortcuts and pop-up menus.
#include "TestForm.h"
#include "core/Exception.h"
#include "fakes/FakePeers.h"
#include "fakes/FakeUi.h"
#include "ui/TreeView.h"

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

using testing::TDemoForm;

class MenuTest : public ::testing::Test {
protected:
    fakes::FakeUi ui;
    TDemoForm form{ui.app};
};

TEST_F(MenuTest, ACopyCarriesTheItemsStateAndHandlerUnderANewName) {
    int clicks = 0;
    TMenuItem typematic(&form, "TypematicMenu");
    typematic.SetCaption("&Typematic function");
    typematic.SetChecked(true);
    typematic.SetEnabled(false);
    typematic.SetRadioItem(true);
    typematic.SetTag(7);
    typematic.SetShortCut(MakeShortCut('T', ssCtrl));
    typematic.OnClick = [&](Component* sender) {
        EXPECT_EQ(sender->Name(), "TypematicMenuCopy");
        ++clicks;
    };

    auto copy = CopyMenuItem(typematic, &form, true);
    EXPECT_EQ(copy->Name(), "TypematicMenuCopy");
    EXPECT_EQ(copy->Caption(), "&Typematic function");
    EXPECT_TRUE(copy->Checked());
    EXPECT_FALSE(copy->Enabled());
    EXPECT_TRUE(copy->RadioItem());
    EXPECT_EQ(copy->Tag(), 7);
    EXPECT_EQ(copy->GetShortCut(), MakeShortCut('T', ssCtrl));
    EXPECT_EQ(form.FindComponent("typematicmenucopy"), copy.get());
    copy->Click(); // disabled: nothing
    copy->SetEnabled(true);
    copy->UserClicked();
    EXPECT_EQ(clicks, 1);

    EXPECT_EQ(CopyMenuItem(typematic, &form, false)->GetShortCut(), 0);
}

TEST_F(MenuTest, CheckingARadioItemUnchecksTheOthersOfItsGroup) {
    TMenuItem& none = form.FileMenu.Add(std::make_unique<TMenuItem>(&form, "NoneMenu"));
    TMenuItem& ding = form.FileMenu.Add(std::make_unique<TMenuItem>(&form, "Sound0"));
    TMenuItem& other = form.FileMenu.Add(std::make_unique<TMenuItem>(&form, "Other"));
    for (TMenuItem* item : {&none, &ding, &other}) item->SetRadioItem(true);
    other.SetGroupIndex(1);
    none.SetChecked(true);
    other.SetChecked(true);
    ding.SetChecked(true);
    EXPECT_FALSE(none.Checked());
    EXPECT_TRUE(ding.Checked());
    EXPECT_TRUE(other.Checked());
}

TEST_F(MenuTest, DeletingFreesOwnedItemsAndDetachesMembers) {
    form.FileMenu.Insert(0, std::make_unique<TMenuItem>(&form, "First"));
    form.FileMenu.Add(std::make_unique<TMenuItem>(&form, "Last"));
    ASSERT_EQ(form.FileMenu.Count(), 3);
    EXPECT_EQ(form.FileMenu.Item(1).Name(), "NewMenu");
    // Everything but the first, as a menu rebuilt before it opens does.
    while (form.FileMenu.Count() > 1) form.FileMenu.Delete(1);
    EXPECT_EQ(form.FindComponent("Last"), nullptr);
    EXPECT_EQ(form.NewMenu.Parent(), nullptr);
    EXPECT_EQ(form.FileMenu.Item(0).Name(), "First");
    EXPECT_THROW(form.FileMenu.Item(1), EListError);
    form.FileMenu.Clear();
    EXPECT_EQ(form.FindComponent("First"), nullptr);
    // A member may go back in.
    form.FileMenu.Add(form.NewMenu);
    EXPECT_EQ(form.NewMenu.Parent(), &form.FileMenu);
    EXPECT_THROW(form.NewMenu.Add(form.FileMenu), EInvalidOperation); // no loops
}

TEST_F(MenuTest, AShortcutOpensItsSubmenuFirstAndClicksTheItemOnlyIfStillEnabled) {
    std::vector<std::string> log;
    bool enable = true;
    form.FileMenu.OnClick = [&](Component*) {
        log.push_back("open File");
        form.NewMenu.SetEnabled(enable);
    };
    form.NewMenu.OnClick = [&](Component*) { log.push_back("New"); };
    bool editSaw = false;
    form.DelayEdBx.OnKeyDown = [&](Component*, Key&, ShiftState) { editSaw = true; };

    EXPECT_EQ(form.DelayEdBx.UserKeyDown('N', ssCtrl), 0);
    EXPECT_FALSE(editSaw);
    // Disabled when its submenu opens, the item does not take its shortcut:
    // the key goes on to the control.
    enable = false;
    EXPECT_EQ(form.DelayEdBx.UserKeyDown('N', ssCtrl), 'N');
    EXPECT_EQ(log, (std::vector<std::string>{"open File", "New", "open File"}));
    EXPECT_TRUE(editSaw);
    EXPECT_EQ(form.DelayEdBx.UserKeyDown('N', 0), 'N');
}

TEST_F(MenuTest, APopupRaisesOnPopupBeforeItShowsAndItsShortcutsServeItsControl) {
    std::vector<std::string> log;
    TTreeView tree(form, "CommandsTree");
    TPopupMenu popup(form, "CommandsPopUpMenu");
    struct Peer : fakes::RecordingPeer {
        std::vector<std::string>* log;
        void PopupAt(Point at) override {
            log->push_back("shown at " + std::to_string(at.x) + "," + std::to_string(at.y));
        }
    };
    auto peer = std::make_unique<Peer>();
    peer->log = &log;
    popup.SetPeer(std::move(peer));
    TMenuItem& del = popup.Items().Add(std::make_unique<TMenuItem>(&form, "DeleteMenuCopy"));
    del.SetShortCut(keys::Delete);
    del.OnClick = [&](Component*) { log.push_back("delete"); };
    popup.OnPopup = [&](Component*) { log.push_back("popup"); };
    tree.SetPopupMenu(&popup);

    popup.UserPopup({100, 200});
    EXPECT_EQ(tree.UserKeyDown(keys::Delete, 0), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "shown at 100,200", "delete"}));
    EXPECT_EQ(fakes::PeerOf(popup).Count(Prop::MenuItemAdded), 1);
}

TEST(ShortCutText, NamesTheModifiersAndTheKey) {
    EXPECT_EQ(ShortCutToText(MakeShortCut('G', ssCtrl)), "Ctrl+G");
    EXPECT_EQ(ShortCutToText(MakeShortCut(keys::F2, ssShift | ssAlt)), "Shift+Alt+F2");
    EXPECT_EQ(ShortCutToText(keys::Delete), "Del");
    EXPECT_EQ(ShortCutToText(0), "");
}

} // namespace
} // namespace orvane::ui
