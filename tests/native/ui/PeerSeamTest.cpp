// The peer seam and the rules for events from code: which programmatic
// changes run handlers, and that a change made by the user (or echoed by the
// window) runs its handler once and is not pushed back to the window it came
// from.
#include "TestForm.h"
#include "core/Exception.h"
#include "fakes/FakePeers.h"
#include "fakes/FakeUi.h"
#include "ui/ListView.h"
#include "ui/TreeView.h"
#include "ui/Updating.h"

#include <functional>

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

using fakes::PeerOf;
using testing::TDemoForm;

class PeerSeamTest : public ::testing::Test {
protected:
    PeerSeamTest() {
        ui.app.SetPeerFactory(&factory);
        form = &ui.app.CreateForm<TDemoForm>();
    }
    int Count(const std::string& event) const { return static_cast<int>(std::count(log.begin(), log.end(), event)); }
    NotifyEvent Logger(const std::string& event) {
        return [this, event](Component*) { log.push_back(event); };
    }

    fakes::FakePeerFactory factory;
    fakes::FakeUi ui;
    TDemoForm* form = nullptr;
    std::vector<std::string> log;
};

TEST_F(PeerSeamTest, CreatingAFormRealisesItAndEveryComponentOnIt) {
    ASSERT_EQ(factory.realised, (std::vector<TForm*>{form}));
    EXPECT_NE(form->Peer(), nullptr);
    EXPECT_NE(form->LaunchChBx.Peer(), nullptr);
    EXPECT_NE(form->NewMenu.Peer(), nullptr);
    // Without a factory there are no peers, and the form works all the same.
    fakes::FakeUi bare;
    TDemoForm& plain = bare.app.CreateForm<TDemoForm>();
    EXPECT_EQ(plain.LaunchChBx.Peer(), nullptr);
    plain.LaunchChBx.SetChecked(true);
    EXPECT_TRUE(plain.LaunchChBx.Checked());
}

TEST_F(PeerSeamTest, OtherFormsAreRealisedAtTheirFirstShowOrWhenOnlyTheirWindowsCanAnswer) {
    struct TListening : TDemoForm {
        explicit TListening(Application& app) : TDemoForm(app, "Listening") {
            SetMessageHandler(0x0402, [](std::uintptr_t, std::intptr_t) {});
        }
    };
    TListening& listening = ui.app.CreateForm<TListening>();
    TDemoForm& shown = ui.app.CreateForm<TDemoForm>("Shown");
    TDemoForm& asked = ui.app.CreateForm<TDemoForm>("Asked");
    TDemoForm& popped = ui.app.CreateForm<TDemoForm>("Popped");
    TPopupMenu popup(popped, "Popup");
    // The main form and the one other programs send messages to, at once.
    EXPECT_EQ(factory.realised, (std::vector<TForm*>{form, &listening}));
    shown.LaunchChBx.SetChecked(true);
    EXPECT_EQ(shown.LaunchChBx.Peer(), nullptr);
    shown.Show();
    shown.Show();
    asked.Handle();
    asked.Handle();
    popup.Popup({10, 10});
    EXPECT_EQ(factory.realised, (std::vector<TForm*>{form, &listening, &shown, &asked, &popped}));
    EXPECT_NE(popup.Peer(), nullptr);
    EXPECT_FALSE(asked.Visible());
    // The peer made late starts from the model's state: it was told nothing.
    EXPECT_TRUE(PeerOf(shown.LaunchChBx).changes.empty());
}

TEST_F(PeerSeamTest, ACheckBoxSetFromCodeToANewValueRunsOnClick) {
    form->LaunchChBx.OnClick = Logger("click");
    form->LaunchChBx.SetChecked(true);
    form->LaunchChBx.SetChecked(true);
    form->LaunchChBx.SetChecked(false);
    EXPECT_EQ(Count("click"), 2);
    EXPECT_EQ(PeerOf(form->LaunchChBx).Count(Prop::Checked), 2);
}

TEST_F(PeerSeamTest, AUserClickTogglesTheBoxRunsOnClickOnceAndIsNotPushedBack) {
    form->LaunchChBx.OnClick = Logger("click");
    form->LaunchChBx.UserClicked();
    EXPECT_TRUE(form->LaunchChBx.Checked());
    EXPECT_EQ(Count("click"), 1);
    EXPECT_EQ(PeerOf(form->LaunchChBx).Count(Prop::Checked), 0);
}

TEST_F(PeerSeamTest, AChangeMadeByAHandlerDuringAUserEventStillReachesThePeer) {
    form->DelayEdBx.OnChange = [this](Component*) {
        if (form->DelayEdBx.Text() == "12x") form->DelayEdBx.SetText("12");
    };
    form->DelayEdBx.UserSetText("12x");
    EXPECT_EQ(form->DelayEdBx.Text(), "12");
    const auto& changes = PeerOf(form->DelayEdBx).changes;
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back().prop, Prop::Text);
}

TEST_F(PeerSeamTest, AnEditSetFromCodeRunsOnChangeAndTheWindowsEchoRunsNothing) {
    form->DelayEdBx.OnChange = Logger("change");
    form->DelayEdBx.SetText("500");
    form->DelayEdBx.SetText("500");
    form->DelayEdBx.UserSetText("500"); // the window reporting the text it was given
    EXPECT_EQ(Count("change"), 1);
    form->DelayEdBx.UserSetText("5000");
    EXPECT_EQ(Count("change"), 2);
}

TEST_F(PeerSeamTest, MovingAnUpDownRewritesItsEditAndRunsTheEditsOnChange) {
    form->DelayEdBx.OnChange = [this](Component*) {
        log.push_back("change " + std::to_string(form->DelayUpDwn.Position()));
    };
    form->DelayUpDwn.SetPosition(1000);
    EXPECT_EQ(form->DelayEdBx.Text(), "1,000");
    form->DelayUpDwn.UserClickUp();
    EXPECT_EQ(form->DelayEdBx.Text(), "1,250");
    form->DelayUpDwn.SetPosition(99999); // kept within the range
    EXPECT_EQ(form->DelayUpDwn.Position(), 32767);
    EXPECT_EQ(log, (std::vector<std::string>{"change 1000", "change 1250", "change 32767"}));
    // The arrow the user pressed already moved the window's up-down.
    EXPECT_EQ(PeerOf(form->DelayUpDwn).Count(Prop::Position), 2);
}

TEST_F(PeerSeamTest, AComboBoxItemIndexSetFromCodeRunsNothing) {
    form->KindCoBx.OnClick = Logger("click");
    form->KindCoBx.OnChange = Logger("change");
    form->KindCoBx.SetItemIndex(2);
    EXPECT_EQ(form->KindCoBx.Text(), "Right");
    form->KindCoBx.SetText("middle");
    EXPECT_EQ(form->KindCoBx.ItemIndex(), 1);
    EXPECT_TRUE(log.empty());

    form->KindCoBx.UserSelect(0);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "change"}));
    EXPECT_EQ(form->KindCoBx.Text(), "Left");
    form->KindCoBx.UserSelect(0); // the window's echo of the same choice
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(PeerSeamTest, ARadioGroupSetFromCodeRunsOnClickExceptWhenClearedOrUnchanged) {
    form->ModeRGrp.OnClick = Logger("click");
    form->ModeRGrp.SetItemIndex(1);
    form->ModeRGrp.SetItemIndex(1);
    form->ModeRGrp.SetItemIndex(-1);
    form->ModeRGrp.UserSelect(0);
    EXPECT_EQ(Count("click"), 2);
    EXPECT_EQ(form->ModeRGrp.ItemIndex(), 0);
}

TEST_F(PeerSeamTest, CheckingARadioButtonUnchecksItsSiblingsWithoutTheirClicks) {
    TRadioButton visible(*form, "VisibleRBtn");
    TRadioButton all(*form, "AllRBtn");
    ui.app.Realise(*form); // peers for the late controls
    visible.OnClick = Logger("visible");
    all.OnClick = Logger("all");
    visible.SetChecked(true);
    all.UserClicked();
    all.UserClicked(); // clicking the checked one changes nothing
    EXPECT_FALSE(visible.Checked());
    EXPECT_TRUE(all.Checked());
    EXPECT_EQ(log, (std::vector<std::string>{"visible", "all"}));
    // The sibling turned off by the user's click must be shown unchecked.
    EXPECT_EQ(PeerOf(visible).Count(Prop::Checked), 2);
    EXPECT_EQ(PeerOf(all).Count(Prop::Checked), 0);
}

TEST_F(PeerSeamTest, UserInputDoesNotReachDisabledOrHiddenControls) {
    form->OkBtn.OnClick = Logger("click");
    form->OptionsGrpBx.SetEnabled(false);
    form->LaunchChBx.UserClicked();
    EXPECT_FALSE(form->LaunchChBx.Checked());
    form->OkBtn.SetVisible(false);
    form->OkBtn.UserClicked();
    EXPECT_TRUE(log.empty());
    // Code still works them.
    form->OkBtn.Click();
    EXPECT_EQ(Count("click"), 1);
}

TEST_F(PeerSeamTest, AnUpdateBracketReachesThePeerOncePerOutermostPairWhileEveryChangeStillReachesTheModel) {
    TTreeView tree(*form, "Tree");
    TListView list(*form, "List");
    ui.app.Realise(*form);
    form->KindCoBx.SetItemIndex(1);
    struct Case {
        const char* name;
        const Component& control;
        std::function<void()> begin, end, change;
        std::function<bool()> updating, changed;
    };
    const Case cases[] = {
        {"strings", form->KindCoBx, [&] { form->KindCoBx.Items.BeginUpdate(); },
         [&] { form->KindCoBx.Items.EndUpdate(); }, [&] { form->KindCoBx.Items.Insert(0, "None"); },
         [&] { return form->KindCoBx.Items.Updating(); },
         // The selection follows its item at once.
         [&] { return form->KindCoBx.ItemIndex() == 2 && form->KindCoBx.Text() == "Middle"; }},
        {"tree nodes", tree, [&] { tree.Items().BeginUpdate(); }, [&] { tree.Items().EndUpdate(); },
         [&] { tree.SetSelected(tree.Items().Add(nullptr, "A")); }, [&] { return tree.Items().Updating(); },
         [&] { return tree.Items().Count() == 1 && tree.Selected() == tree.Items().GetFirstNode(); }},
        {"list items", list, [&] { list.BeginUpdate(); }, [&] { list.EndUpdate(); },
         [&] { list.SetSelected(list.Add()); }, [&] { return list.Updating(); },
         [&] { return list.Count() == 1 && list.ItemIndex() == 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::RecordingPeer& peer = PeerOf(c.control);
        peer.changes.clear();
        c.end(); // without a begin: nothing
        c.begin();
        c.begin();
        c.change();
        EXPECT_TRUE(c.changed());
        c.end();
        EXPECT_TRUE(c.updating());
        c.end();
        c.end();
        EXPECT_FALSE(c.updating());
        // The bracket wraps the changes, each told as ever.
        ASSERT_GE(peer.changes.size(), 3u);
        EXPECT_EQ(peer.changes.front().prop, Prop::BeginUpdate);
        EXPECT_EQ(peer.changes.back().prop, Prop::EndUpdate);
        EXPECT_EQ(peer.Count(Prop::BeginUpdate), 1);
        EXPECT_EQ(peer.Count(Prop::EndUpdate), 1);
    }
    // A bracket held by Updating ends even when the change inside it fails.
    EXPECT_THROW(
        {
            Updating nodes(tree.Items());
            tree.Items().Item(5);
        },
        ETreeViewError);
    EXPECT_FALSE(tree.Items().Updating());
}

TEST_F(PeerSeamTest, TheApplicationTellsItsPeerOfTitleTaskbarCursorAndEnd) {
    fakes::RecordingApplicationPeer peer;
    ui.app.SetPeer(&peer);
    ui.app.SetTitle("Orvane");
    ui.app.Minimize();
    ui.app.ShowTaskbarButton(false);
    ui.app.SetCursor(Cursor::HourGlass);
    ui.app.SetCursor(Cursor::HourGlass);
    ui.app.SetCursor(Cursor::Default);
    ui.app.Restore();
    ui.app.ProcessMessages();
    ui.app.Terminate();
    ui.app.SetPeer(nullptr);
    EXPECT_EQ(peer.calls, (std::vector<std::string>{"title Orvane", "minimize", "taskbar hidden", "cursor hourglass",
                                                    "cursor default", "restore", "process messages", "terminate"}));
    EXPECT_TRUE(ui.app.Terminated());
    EXPECT_FALSE(ui.app.Minimized());
    EXPECT_FALSE(ui.app.TaskbarButtonShown());
}

} // namespace
} // namespace orvane::ui
