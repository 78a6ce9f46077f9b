// The tree view: positions after each kind of change, selection, hit tests,
// label editing and drag and drop.
#include "core/Exception.h"
#include "fakes/FakeUi.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/TreeView.h"

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

class TreeViewTest : public ::testing::Test {
protected:
    TreeViewTest() {
        tree.SetBounds(0, 0, 200, 300);
        r1 = tree.Items().Add(nullptr, "R1");
        a1 = tree.Items().AddChild(r1, "A1");
        a2 = tree.Items().AddChild(r1, "A2");
        r2 = tree.Items().Add(nullptr, "R2");
        b1 = tree.Items().AddChild(r2, "B1");
        tree.OnChange = [this](Component*, TTreeNode* node) { changes.push_back(node); };
    }

    // The texts in display order, checking that each node knows its own place.
    std::string Order() const {
        std::string out;
        for (int i = 0; i < tree.Items().Count(); ++i) {
            TTreeNode* node = tree.Items().Item(i);
            EXPECT_EQ(node->AbsoluteIndex(), i) << node->Text();
            out += (out.empty() ? "" : " ") + node->Text();
        }
        return out;
    }

    fakes::FakeUi ui;
    TForm form{ui.app, "MainForm"};
    TTreeView tree{form, "CommandsTree"};
    TTreeNode *r1, *a1, *a2, *r2, *b1;
    std::vector<TTreeNode*> changes;
};

TEST_F(TreeViewTest, AbsoluteIndexesFollowDisplayOrderAsNodesAreAddedAndInserted) {
    EXPECT_EQ(Order(), "R1 A1 A2 R2 B1");
    TTreeNode* a0 = tree.Items().Insert(a1, "A0");
    tree.Items().AddChildFirst(r2, "B0");
    tree.Items().AddFirst(r1, "R0");
    EXPECT_EQ(Order(), "R0 R1 A0 A1 A2 R2 B0 B1");
    EXPECT_EQ(a0->Parent(), r1);
    EXPECT_EQ(a0->Index(), 0);
    EXPECT_EQ(a1->Index(), 1);
    EXPECT_EQ(a1->Level(), 1);
    EXPECT_EQ(r1->Level(), 0);
    EXPECT_EQ(r1->Parent(), nullptr);
    EXPECT_EQ(r1->Count(), 3);
}

TEST_F(TreeViewTest, MovingANodeCarriesItsSubtreeAndRenumbersEveryNode) {
    r2->MoveTo(r1, NodeAttachMode::Insert); // a remote before a remote
    EXPECT_EQ(Order(), "R2 B1 R1 A1 A2");
    a2->MoveTo(r2, NodeAttachMode::AddChildFirst); // a command as first of another remote
    EXPECT_EQ(Order(), "R2 A2 B1 R1 A1");
    EXPECT_EQ(a2->Parent(), r2);
    b1->MoveTo(a1, NodeAttachMode::Insert); // a command before a command
    EXPECT_EQ(Order(), "R2 A2 R1 B1 A1");
    a2->MoveTo(r1, NodeAttachMode::AddChild);
    EXPECT_EQ(Order(), "R2 R1 B1 A1 A2");
    EXPECT_EQ(r2->Count(), 0);
    a1->MoveTo(a2, NodeAttachMode::Add);
    EXPECT_EQ(Order(), "R2 R1 B1 A2 A1");
}

TEST_F(TreeViewTest, ANodeCannotMoveBesideOrIntoItselfOrItsSubtreeOrAnotherTree) {
    TTreeView other(form, "TriggerTree");
    TTreeNode* foreign = other.Items().Add(nullptr, "X");
    r1->MoveTo(a1, NodeAttachMode::AddChild);
    r1->MoveTo(a2, NodeAttachMode::Insert);
    r1->MoveTo(r1, NodeAttachMode::Insert);
    r1->MoveTo(foreign, NodeAttachMode::AddChild);
    EXPECT_EQ(Order(), "R1 A1 A2 R2 B1");
    EXPECT_THROW(tree.Items().AddChild(foreign, "Y"), EInvalidOperation);
    EXPECT_EQ(other.Items().Count(), 1);
}

TEST_F(TreeViewTest, DeletingANodeTakesItsSubtreeAndAStaleIndexIsInvalid) {
    const int lastBefore = b1->AbsoluteIndex();
    a1->Delete();
    EXPECT_EQ(Order(), "R1 A2 R2 B1");
    tree.Items().Delete(r1);
    EXPECT_EQ(Order(), "R2 B1");
    try {
        tree.Items().Item(lastBefore);
        FAIL() << "a stale index found a node";
    } catch (const ETreeViewError& e) {
        EXPECT_STREQ(e.what(), "Invalid index");
    }
    EXPECT_THROW(tree.Items().Item(-1), ETreeViewError);
    tree.Items().Clear();
    EXPECT_EQ(tree.Items().Count(), 0);
    EXPECT_THROW(tree.Items().Item(0), ETreeViewError);
}

TEST_F(TreeViewTest, EveryChangeOfSelectionRunsOnChangeOnce) {
    tree.SetSelected(a2);
    tree.SetSelected(a2);
    a2->SetSelected(true);
    tree.UserSelect(a2); // the window reporting what the model already has
    tree.UserSelect(b1);
    tree.SetSelected(nullptr);
    EXPECT_EQ(changes, (std::vector<TTreeNode*>{a2, b1, nullptr}));
}

TEST_F(TreeViewTest, SelectingAHiddenNodeExpandsItsParents) {
    EXPECT_FALSE(b1->IsVisible());
    tree.SetSelected(b1);
    EXPECT_TRUE(r2->Expanded());
    EXPECT_TRUE(b1->IsVisible());
}

TEST_F(TreeViewTest, DeletingTheSelectionSelectsAPreviousSiblingElseTheParentElseTheNextSibling) {
    tree.SetSelected(a2);
    a2->Delete();
    EXPECT_EQ(tree.Selected(), a1);
    a1->Delete();
    EXPECT_EQ(tree.Selected(), r1);
    r1->Delete();
    EXPECT_EQ(tree.Selected(), r2);
    tree.SetSelected(b1);
    r2->Delete(); // the selection goes with its parent, and nothing is left
    EXPECT_EQ(tree.Selected(), nullptr);
    EXPECT_EQ(changes, (std::vector<TTreeNode*>{a2, a1, r1, r2, b1, nullptr}));
}

TEST_F(TreeViewTest, CollapsingANodeThatHoldsTheSelectionSelectsIt) {
    tree.SetSelected(a1);
    r1->SetExpanded(false);
    EXPECT_EQ(tree.Selected(), r1);
    tree.SetSelected(b1);
    tree.UserSetExpanded(r2, false);
    EXPECT_EQ(changes, (std::vector<TTreeNode*>{a1, r1, b1, r2}));
}

TEST_F(TreeViewTest, HitTestsNameThePartOfTheRowUnderThePoint) {
    TImageList images(form, "CommandsImgList");
    tree.SetImages(&images);
    tree.SetShowRoot(false);
    r1->SetExpanded(true);
    // Rows: R1, A1, A2, R2. Roots sit at x 0 with no indent; A1 is indented once.
    const int row = TTreeView::RowHeight;
    EXPECT_EQ(tree.GetHitTestInfoAt(5, 0), htOnIcon);
    EXPECT_EQ(tree.GetHitTestInfoAt(20, 0), htOnLabel);
    EXPECT_EQ(tree.GetHitTestInfoAt(150, 0), htOnRight);
    EXPECT_EQ(tree.GetHitTestInfoAt(5, row), htOnIndent);
    EXPECT_EQ(tree.GetHitTestInfoAt(25, row), htOnIcon);
    EXPECT_EQ(tree.GetHitTestInfoAt(40, row + 3), htOnLabel);
    EXPECT_EQ(tree.GetHitTestInfoAt(5, 10 * row), htNowhere);
    EXPECT_EQ(tree.GetHitTestInfoAt(-1, 5), htToLeft);
    EXPECT_EQ(tree.GetHitTestInfoAt(250, -3), htToRight | htAbove);
    EXPECT_EQ(tree.GetHitTestInfoAt(5, 400), htBelow);

    EXPECT_EQ(tree.GetNodeAt(5, row), a1); // the indent belongs to the node's row
    EXPECT_EQ(tree.GetNodeAt(150, 3 * row), r2);
    EXPECT_EQ(tree.GetNodeAt(5, 10 * row), nullptr);

    const Rect label = a2->DisplayRect(true);
    EXPECT_EQ(tree.GetHitTestInfoAt(label.left + 1, label.top + 1), htOnLabel);
    EXPECT_EQ(b1->DisplayRect(true), Rect{}); // collapsed away
}

TEST_F(TreeViewTest, AParentShowsAButtonInItsLastIndentWhenRootsShowLines) {
    tree.SetShowRoot(true);
    r1->SetExpanded(true);
    EXPECT_EQ(tree.GetHitTestInfoAt(5, 0), htOnButton);
    EXPECT_EQ(tree.GetHitTestInfoAt(5, TTreeView::RowHeight), htOnIndent);    // A1's first indent
    EXPECT_EQ(tree.GetHitTestInfoAt(25, TTreeView::RowHeight), htOnIndent);   // A1 has no children
    EXPECT_EQ(tree.GetHitTestInfoAt(40, TTreeView::RowHeight), htOnLabel);
}

TEST_F(TreeViewTest, LabelEditingEndsInOnEditedWhoseTextTheNodeReceives) {
    std::vector<std::string> edited;
    tree.OnEdited = [&](Component*, TTreeNode* node, std::string& text) {
        edited.push_back(node->Text() + "->" + text);
        text += "!";
    };
    ASSERT_TRUE(a1->EditText());
    EXPECT_TRUE(tree.IsEditing());
    EXPECT_EQ(tree.Selected(), a1);
    tree.UserEndEdit("Play");
    EXPECT_FALSE(tree.IsEditing());
    EXPECT_EQ(a1->Text(), "Play!");

    ASSERT_TRUE(tree.UserBeginEdit(a2));
    tree.UserEndEdit(std::nullopt); // cancelled
    EXPECT_EQ(a2->Text(), "A2");
    EXPECT_EQ(edited, (std::vector<std::string>{"A1->Play"}));

    tree.SetReadOnly(true);
    EXPECT_FALSE(a2->EditText());
    EXPECT_FALSE(tree.UserBeginEdit(a2));
    EXPECT_FALSE(tree.IsEditing());
}

TEST_F(TreeViewTest, DeletingTheNodeBeingEditedEndsTheEditing) {
    ASSERT_TRUE(a1->EditText());
    r1->Delete();
    EXPECT_FALSE(tree.IsEditing());
    tree.UserEndEdit("late"); // nothing left to receive it
    EXPECT_EQ(Order(), "R2 B1");
}

TEST_F(TreeViewTest, DragOverAsksTheTargetAndADropDeliversTheSourceAndThePoint) {
    TTreeView other(form, "TriggerTree");
    std::vector<std::string> events;
    tree.OnDragOver = [&](Component* sender, Component* source, int x, int y, DragState, bool& accept) {
        EXPECT_EQ(sender, &tree);
        events.push_back("over " + source->Name() + " " + std::to_string(x) + "," + std::to_string(y));
        accept = source == &tree;
    };
    tree.OnDragDrop = [&](Component*, Component* source, int x, int y) {
        events.push_back("drop " + source->Name() + " " + std::to_string(x) + "," + std::to_string(y));
    };
    EXPECT_TRUE(DragTo(tree, tree, {30, 20}));
    EXPECT_FALSE(DragTo(other, tree, {30, 40}));
    EXPECT_EQ(events, (std::vector<std::string>{"over CommandsTree 30,20", "drop CommandsTree 30,20",
                                                "over TriggerTree 30,40"}));
    // Without a handler a control refuses every drop.
    EXPECT_FALSE(other.UserDragOver(tree, {1, 1}, DragState::Move));
}

TEST_F(TreeViewTest, MouseDownReportsTheButtonAndThePoint) {
    std::string seen;
    tree.OnMouseDown = [&](Component*, MouseButton button, ShiftState shift, int x, int y) {
        seen = (button == MouseButton::Right ? "right " : "left ") + std::to_string(shift) + " " +
               std::to_string(x) + "," + std::to_string(y);
        tree.SetSelected(tree.GetNodeAt(x, y));
    };
    tree.UserMouseDown(MouseButton::Right, ssCtrl, {40, 3 * TTreeView::RowHeight + 2});
    EXPECT_EQ(seen, "right 4 40," + std::to_string(3 * TTreeView::RowHeight + 2));
    EXPECT_EQ(tree.Selected(), nullptr); // only R1 and R2 show: row 3 is empty
    tree.UserMouseDown(MouseButton::Left, 0, {40, TTreeView::RowHeight});
    EXPECT_EQ(tree.Selected(), r2);
}

} // namespace
} // namespace orvane::ui
