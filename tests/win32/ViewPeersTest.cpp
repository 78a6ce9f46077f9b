// The view peers against the real common controls: the model's state shows in
// the windows, and what a user does there (simulated with the controls' own
// messages) reaches the model once, through its User... methods.
#include "ui/win32/ImageLists.h"
#include "ui/win32/Tooltips.h"
#include "ui/win32/Win32Ui.h"
#include "ui/win32/WindowPeer.h"

#include "fakes/FakeUi.h"
#include "ui/Buttons.h"
#include "ui/ImageList.h"
#include "ui/Indicators.h"
#include "ui/ListView.h"
#include "ui/Panels.h"
#include "ui/TreeView.h"
#include "ui/Updating.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::ui {
namespace {

class TViewsForm : public TForm {
public:
    explicit TViewsForm(Application& app) : TForm(app, "ViewsForm") {
        SetCaption("View peers");
        SetBounds(30, 30, 620, 420);
        Images.SetCount(5);
        Tree.SetBounds(8, 8, 200, 200);
        Tree.SetImages(&Images);
        TTreeNode* a = Tree.Items().Add(nullptr, "A");
        Tree.Items().AddChild(a, "A1")->SetImageIndex(1);
        Tree.Items().AddChild(a, "A2")->SetImageIndex(2);
        a->SetExpanded(true);
        TTreeNode* b = Tree.Items().Add(nullptr, "B");
        Tree.Items().AddChild(b, "B1")->SetSelectedIndex(4);

        List.SetBounds(216, 8, 300, 150);
        List.SetStyle(ViewStyle::Report);
        List.SetSmallImages(&Images);
        List.AddColumn("Name", 80);
        List.AddColumn("File", 120);
        for (const char* name : {"ding", "Chord", "tada"}) {
            TListItem* item = List.Add();
            item->SetCaption(name);
            item->SubItems.Add(std::string(name) + ".wav");
        }

        Bar.SetBounds(0, 400, 620, 20);
        Bar.AddPanel(100);
        Bar.AddPanel(50);
        Bar.AddPanel(70);
        Bar.SetPanelText(0, "one");
        Bar.SetPanelText(2, "three");

        Pages.SetBounds(216, 166, 300, 100);
        Page1.SetCaption("First");
        Page2.SetCaption("Second");

        Track.SetBounds(8, 216, 200, 30);
        Track.SetMin(1);
        Track.SetMax(10);
        Track.SetPosition(5);
        Track.SetLineSize(2);
        Progress.SetBounds(8, 250, 200, 16);

        Shape.SetBounds(8, 280, 80, 40);
        Shape.SetShape(ShapeType::Circle);
        Shape.SetBrushColor(clTeal);

        Box.SetBounds(216, 274, 300, 100);
        for (int i = 0; i < 6; ++i) BoxBtns[i].SetBounds(8, 8 + 30 * i, 120, 25);
    }

    TImageList Images{*this, "Images"};
    TTreeView Tree{*this, "Tree"};
    TListView List{*this, "List"};
    TStatusBar Bar{*this, "Bar"};
    TPageControl Pages{*this, "Pages"};
    TTabSheet Page1{Pages, "Page1"};
    TButton Page1Btn{Page1, "Page1Btn"};
    TTabSheet Page2{Pages, "Page2"};
    TButton Page2Btn{Page2, "Page2Btn"};
    TTrackBar Track{*this, "Track"};
    TProgressBar Progress{*this, "Progress"};
    TShape Shape{*this, "Shape"};
    TScrollBox Box{*this, "Box"};
    TButton BoxBtns[6] = {{Box, "BoxBtn1"}, {Box, "BoxBtn2"}, {Box, "BoxBtn3"},
                          {Box, "BoxBtn4"}, {Box, "BoxBtn5"}, {Box, "BoxBtn6"}};
};

class ViewPeersTest : public ::testing::Test {
protected:
    ~ViewPeersTest() override { fake.app.DestroyForms(); }

    static HWND Window(const Component& control) {
        return static_cast<win32::WindowPeer*>(control.Peer())->Handle();
    }
    static void Pump() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    // ---- tree ----
    HWND TreeWindow() const { return Window(form.Tree); }
    HTREEITEM Next(HTREEITEM item, UINT relation) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessageA(TreeWindow(), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM ItemAt(const std::string& path) const {
        HTREEITEM item = Next(nullptr, TVGN_ROOT);
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = path.find('/', start);
            const std::string part = path.substr(start, end == std::string::npos ? end : end - start);
            while (item && ItemText(item) != part) item = Next(item, TVGN_NEXT);
            if (!item || end == std::string::npos) return item;
            item = Next(item, TVGN_CHILD);
            start = end + 1;
        }
    }
    std::string ItemText(HTREEITEM item) const {
        char text[256] = {};
        TVITEMA get{};
        get.mask = TVIF_TEXT | TVIF_HANDLE;
        get.hItem = item;
        get.pszText = text;
        get.cchTextMax = sizeof(text);
        SendMessageA(TreeWindow(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&get));
        return text;
    }
    // Each node: indent, text, images, "+" when shown expanded; window and model alike.
    std::string WindowTree(HTREEITEM item = nullptr, int level = 0) const {
        std::string out;
        for (item = item ? item : Next(nullptr, TVGN_ROOT); item; item = Next(item, TVGN_NEXT)) {
            char text[256] = {};
            TVITEMA get{};
            get.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_HANDLE;
            get.hItem = item;
            get.pszText = text;
            get.cchTextMax = sizeof(text);
            get.stateMask = TVIS_EXPANDED;
            SendMessageA(TreeWindow(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&get));
            HTREEITEM child = Next(item, TVGN_CHILD);
            out += std::string(2 * level, ' ') + text + " " + std::to_string(get.iImage) + "/" +
                   std::to_string(get.iSelectedImage) + (child && (get.state & TVIS_EXPANDED) ? " +" : "") + "\n";
            if (child) out += WindowTree(child, level + 1);
        }
        return out;
    }
    std::string ModelTree() const {
        std::string out;
        for (TTreeNode* n = form.Tree.Items().GetFirstNode(); n; n = n->GetNext())
            out += std::string(2 * n->Level(), ' ') + n->Text() + " " + std::to_string(n->ImageIndex()) + "/" +
                   std::to_string(n->SelectedIndex()) + (n->HasChildren() && n->Expanded() ? " +" : "") + "\n";
        return out;
    }
    TTreeNode* Node(const std::string& path) const {
        for (TTreeNode* n = form.Tree.Items().GetFirstNode(); n; n = n->GetNext()) {
            std::string p = n->Text();
            for (TTreeNode* up = n->Parent(); up; up = up->Parent()) p = up->Text() + "/" + p;
            if (p == path) return n;
        }
        return nullptr;
    }
    std::string WindowSelection() const {
        HTREEITEM item = Next(nullptr, TVGN_CARET);
        return item ? ItemText(item) : "";
    }
    void NotifyTree(UINT code, HTREEITEM item) {
        NMTREEVIEWA notify{};
        notify.hdr = {TreeWindow(), static_cast<UINT_PTR>(GetDlgCtrlID(TreeWindow())), code};
        notify.itemNew.hItem = item;
        SendMessageA(GetParent(TreeWindow()), WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
    }

    // ---- list view ----
    HWND ListWindow() const { return Window(form.List); }
    std::string WindowList() const {
        std::string out;
        const int count = static_cast<int>(SendMessageA(ListWindow(), LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char caption[64] = {}, file[64] = {};
            LVITEMA get{};
            get.mask = LVIF_TEXT | LVIF_IMAGE;
            get.iItem = i;
            get.pszText = caption;
            get.cchTextMax = sizeof(caption);
            SendMessageA(ListWindow(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&get));
            LVITEMA sub{};
            sub.iSubItem = 1;
            sub.pszText = file;
            sub.cchTextMax = sizeof(file);
            SendMessageA(ListWindow(), LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&sub));
            out += std::string(caption) + " " + file + " " + std::to_string(get.iImage) + "\n";
        }
        return out;
    }
    std::string ModelList() const {
        std::string out;
        for (int i = 0; i < form.List.Count(); ++i) {
            TListItem* item = form.List.Item(i);
            out += item->Caption() + " " + (item->SubItems.Empty() ? "" : item->SubItems[0]) + " " +
                   std::to_string(item->ImageIndex()) + "\n";
        }
        return out;
    }
    int WindowListSelection() const {
        return static_cast<int>(SendMessageA(ListWindow(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    // As a click does: the list view reports the state change itself.
    void UserSetListState(int index, UINT state) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = state;
        SendMessageA(ListWindow(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }

    bool Shown(const Component& control) const { return IsWindowVisible(Window(control)) != FALSE; }

    fakes::FakeUi fake;
    win32::Win32Ui ui{fake.app};
    TViewsForm& form = fake.app.CreateForm<TViewsForm>();
};

// ---- tree view -------------------------------------------------------------------------

TEST_F(ViewPeersTest, TheTreeWindowFollowsEveryChangeOfTheModelsNodes) {
    EXPECT_EQ(ModelTree(), "A -1/-1 +\n  A1 1/-1\n  A2 2/-1\nB -1/-1\n  B1 -1/4\n");
    EXPECT_EQ(WindowTree(), ModelTree());

    TTreeView& tree = form.Tree;
    tree.Items().AddChildFirst(Node("B"), "B0");
    tree.Items().Insert(Node("A/A2"), "A1b")->SetImageIndex(3);
    Node("B")->SetExpanded(true);
    Node("A/A1")->SetText("A1 renamed");
    EXPECT_EQ(WindowTree(), ModelTree());

    // A moved subtree keeps its children, their images and its expansion.
    tree.Items().AddChild(Node("B/B1"), "B1x");
    Node("B/B1")->SetExpanded(true);
    Node("B/B1")->MoveTo(Node("A/A1 renamed"), NodeAttachMode::Insert);
    EXPECT_EQ(ModelTree(), "A -1/-1 +\n  B1 -1/4 +\n    B1x -1/-1\n  A1 renamed 1/-1\n  A1b 3/-1\n  A2 2/-1\n"
                           "B -1/-1 +\n  B0 -1/-1\n");
    EXPECT_EQ(WindowTree(), ModelTree());
    Node("B")->MoveTo(Node("A"), NodeAttachMode::Insert);
    EXPECT_EQ(WindowTree(), ModelTree());

    Node("A/A1b")->Delete();
    Node("B")->DeleteChildren();
    EXPECT_EQ(WindowTree(), ModelTree());
    // A node added to an empty parent that the model shows open opens in the window too.
    tree.Items().AddChild(Node("B"), "B new");
    EXPECT_EQ(WindowTree(), ModelTree());

    tree.Items().Clear();
    EXPECT_EQ(WindowTree(), "");
}

TEST_F(ViewPeersTest, InsideAnUpdateBracketTheTreeAndListWindowsWaitAndShowTheModelOnceAtItsEnd) {
    TTreeView& tree = form.Tree;
    TListView& list = form.List;
    int changes = 0;
    tree.OnChange = [&](Component*, TTreeNode*) { ++changes; };
    {
        Updating nodes(tree.Items());
        Updating items(list);
        // Texts and images alone go straight to the window.
        Node("A/A1")->SetText("A1 renamed");
        list.Item(0)->SetCaption("bell");
        EXPECT_EQ(WindowTree(), ModelTree());
        EXPECT_EQ(WindowList(), ModelList());

        TTreeNode* c = tree.Items().Add(nullptr, "C");
        for (int i = 0; i < 20; ++i) {
            std::string name = "C"; // (appended: GCC 12 warns wrongly about a literal plus a temporary)
            name += std::to_string(i);
            tree.Items().AddChild(c, name)->SetImageIndex(i % 5);
        }
        c->SetExpanded(true);
        Node("B")->SetExpanded(true);
        tree.SetSelected(Node("C/C19"));
        Node("A/A2")->Delete();
        list.Add()->SetCaption("new");
        list.SetItemIndex(3);
        // The model changes and runs its events as ever; the windows wait.
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(list.ItemIndex(), 3);
        EXPECT_EQ(SendMessageA(TreeWindow(), TVM_GETCOUNT, 0, 0), 0);
        EXPECT_EQ(SendMessageA(ListWindow(), LVM_GETITEMCOUNT, 0, 0), 0);
    }
    EXPECT_EQ(WindowTree(), ModelTree());
    EXPECT_EQ(WindowSelection(), "C19");
    // Scrolled to show it.
    RECT row{}, client{};
    const HTREEITEM shown = ItemAt("C/C19");
    std::memcpy(&row, &shown, sizeof shown); // the message takes the item in the rectangle
    ASSERT_TRUE(SendMessageA(TreeWindow(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&row)));
    GetClientRect(TreeWindow(), &client);
    EXPECT_GE(row.top, 0);
    EXPECT_LE(row.bottom, client.bottom);
    EXPECT_EQ(WindowList(), ModelList());
    EXPECT_EQ(WindowListSelection(), 3);
    EXPECT_TRUE(GetWindowLongA(TreeWindow(), GWL_STYLE) & WS_VISIBLE);

    // A bracket of texts and images only keeps the window's items.
    HTREEITEM first = ItemAt("A");
    {
        Updating nodes(tree.Items());
        Node("A")->SetImageIndex(2);
    }
    EXPECT_EQ(ItemAt("A"), first);
    EXPECT_EQ(WindowTree(), ModelTree());
}

TEST_F(ViewPeersTest, SelectionsReachTheModelOnceWhoeverMakesThem) {
    std::vector<std::string> changes;
    form.Tree.OnChange = [&](Component*, TTreeNode* node) { changes.push_back(node ? node->Text() : "none"); };

    form.Tree.SetSelected(Node("A/A2"));
    EXPECT_EQ(WindowSelection(), "A2");
    SendMessageA(TreeWindow(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(ItemAt("B/B1")));
    EXPECT_EQ(form.Tree.Selected(), Node("B/B1"));
    EXPECT_TRUE(Node("B")->Expanded()); // the window opened B to show B1
    // Deleting the selected node selects its previous sibling, else its parent.
    Node("A/A2")->Delete();
    Node("B/B1")->Delete();
    EXPECT_EQ(WindowSelection(), "B");
    EXPECT_EQ(changes, (std::vector<std::string>{"A2", "B1", "B"}));

    // A handler that picks another node wins over the user's choice.
    form.Tree.OnChange = [&](Component*, TTreeNode* node) {
        if (node && node->Text() == "A1") form.Tree.SetSelected(Node("A"));
    };
    SendMessageA(TreeWindow(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(ItemAt("A/A1")));
    EXPECT_EQ(form.Tree.Selected(), Node("A"));
    EXPECT_EQ(WindowSelection(), "A");

    // A disabled tree takes nothing from the window and shows the model's selection again.
    form.Tree.SetEnabled(false);
    SendMessageA(TreeWindow(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(ItemAt("A/A1")));
    EXPECT_EQ(form.Tree.Selected(), Node("A"));
    EXPECT_EQ(WindowSelection(), "A");
}

TEST_F(ViewPeersTest, CollapsingANodeThatHoldsTheSelectionSelectsItOnce) {
    form.Tree.SetSelected(Node("A/A1"));
    int changes = 0;
    form.Tree.OnChange = [&](Component*, TTreeNode*) { ++changes; };
    SendMessageA(TreeWindow(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(ItemAt("A")));
    NotifyTree(TVN_ITEMEXPANDEDA, ItemAt("A"));
    EXPECT_FALSE(Node("A")->Expanded());
    EXPECT_EQ(form.Tree.Selected(), Node("A"));
    EXPECT_EQ(WindowSelection(), "A");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(WindowTree(), ModelTree());
}

TEST_F(ViewPeersTest, LabelEditsEndWithTheTextTheModelsHandlerGives) {
    form.Tree.OnEdited = [](Component*, TTreeNode*, std::string& text) { text += "!"; };
    ASSERT_TRUE(Node("A/A1")->EditText());
    HWND edit = reinterpret_cast<HWND>(SendMessageA(TreeWindow(), TVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "Power");
    SendMessageA(TreeWindow(), TVM_ENDEDITLABELNOW, FALSE, 0);
    EXPECT_FALSE(form.Tree.IsEditing());
    EXPECT_EQ(Node("A/Power!"), form.Tree.Selected());
    EXPECT_EQ(ItemText(ItemAt("A/Power!")), "Power!");

    // Begun by the user and cancelled: the model edits meanwhile, the text stays.
    edit = reinterpret_cast<HWND>(SendMessageA(TreeWindow(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(ItemAt("B"))));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(form.Tree.EditingNode(), Node("B"));
    SetWindowTextA(edit, "Radio");
    SendMessageA(TreeWindow(), TVM_ENDEDITLABELNOW, TRUE, 0);
    EXPECT_FALSE(form.Tree.IsEditing());
    EXPECT_EQ(ItemText(ItemAt("B")), "B");

    // A handler that fails keeps the old text and shows the failure.
    form.Tree.OnEdited = [](Component*, TTreeNode*, std::string&) { throw std::runtime_error("Name in use"); };
    fake.dialogs.ExpectMessageBox("Name in use");
    edit = reinterpret_cast<HWND>(SendMessageA(TreeWindow(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(ItemAt("B"))));
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "Radio");
    SendMessageA(TreeWindow(), TVM_ENDEDITLABELNOW, FALSE, 0);
    EXPECT_EQ(Node("B")->Text(), "B");
    EXPECT_EQ(ItemText(ItemAt("B")), "B");

    // A read-only tree refuses the user's edit.
    form.Tree.SetReadOnly(true);
    EXPECT_EQ(SendMessageA(TreeWindow(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(ItemAt("B"))), 0);
    EXPECT_FALSE(form.Tree.IsEditing());
}

TEST_F(ViewPeersTest, TheTreeAnswersHitTestsFromItsWindow) {
    RECT label{};
    const HTREEITEM item = ItemAt("A/A2"); // TVM_GETITEMRECT takes it in the rectangle
    std::memcpy(&label, &item, sizeof(item));
    ASSERT_TRUE(SendMessageA(TreeWindow(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label)));
    const int x = (label.left + label.right) / 2, y = (label.top + label.bottom) / 2;
    EXPECT_EQ(form.Tree.GetNodeAt(x, y), Node("A/A2"));
    EXPECT_EQ(form.Tree.GetHitTestInfoAt(x, y), HitTests{htOnLabel});
    EXPECT_EQ(form.Tree.GetHitTestInfoAt(label.right + 20, y), HitTests{htOnRight});
    EXPECT_EQ(form.Tree.GetNodeAt(x, 190), nullptr);
    EXPECT_EQ(form.Tree.GetHitTestInfoAt(x, 190), HitTests{htNowhere});
    EXPECT_TRUE(form.Tree.GetHitTestInfoAt(-5, y) & htToLeft);
}

// ---- list view -------------------------------------------------------------------------

TEST_F(ViewPeersTest, TheListWindowFollowsTheModelsItemsAndColumns) {
    EXPECT_EQ(WindowList(), "ding ding.wav -1\nChord Chord.wav -1\ntada tada.wav -1\n");
    TListView& list = form.List;
    list.Item(1)->SetImageIndex(2);
    list.Item(0)->SubItems.Set(0, "bell.wav");
    TListItem* inserted = list.Insert(1);
    inserted->SetCaption("Alarm");
    list.Delete(3);
    EXPECT_EQ(WindowList(), ModelList());
    list.AlphaSort();
    EXPECT_EQ(WindowList(), "Alarm  -1\nChord Chord.wav 2\nding bell.wav -1\n");

    list.SetColumnWidth(0, 130);
    list.AddColumn("Length", 60);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    ASSERT_TRUE(SendMessageA(ListWindow(), LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(column.cx, 130);
    EXPECT_TRUE(SendMessageA(ListWindow(), LVM_GETCOLUMNA, 2, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(column.cx, 60);

    list.Clear();
    EXPECT_EQ(WindowList(), "");
}

TEST_F(ViewPeersTest, ListSelectionsByTheUserReachTheModelAsOneChange) {
    std::vector<std::string> events;
    form.List.OnChange = [&](Component*, TListItem* item, ItemChange change) {
        if (change == ItemChange::State)
            events.push_back(item->Caption() + (item->Selected() ? " selected" : " left"));
    };
    form.List.SetItemIndex(0);
    EXPECT_EQ(WindowListSelection(), 0);

    // The window takes the selection from one item and gives it to another.
    UserSetListState(2, LVIS_SELECTED | LVIS_FOCUSED);
    Pump();
    EXPECT_EQ(form.List.ItemIndex(), 2);
    // A click on no item clears it.
    UserSetListState(2, 0);
    Pump();
    EXPECT_EQ(form.List.Selected(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"ding selected", "ding left", "tada selected", "tada left"}));

    // Deleting the selected item in code leaves none in the window either.
    form.List.SetItemIndex(1);
    form.List.Delete(1);
    EXPECT_EQ(WindowListSelection(), -1);
}

TEST_F(ViewPeersTest, TheListAnswersHitTestsFromItsWindow) {
    RECT row{};
    row.left = LVIR_LABEL;
    ASSERT_TRUE(SendMessageA(ListWindow(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)));
    const int x = (row.left + row.right) / 2, y = (row.top + row.bottom) / 2;
    HitInfo hit = form.List.HitTestAt({x, y});
    EXPECT_EQ(hit.item, form.List.Item(1));
    EXPECT_TRUE(hit.tests & htOnLabel);
    EXPECT_EQ(form.List.GetItemAt(x, 140), nullptr);
}

// ---- status bar, page control, track bar -------------------------------------------------

TEST_F(ViewPeersTest, TheStatusBarShowsThePanelsTheLastTakingTheRest) {
    HWND bar = Window(form.Bar);
    int edges[3] = {};
    ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(edges[1], 150);
    EXPECT_EQ(edges[2], -1);
    form.Bar.SetPanelText(1, "two");
    char text[32] = {};
    for (int i = 0; i < 3; ++i) {
        SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, (std::vector<const char*>{"one", "two", "three"})[i]);
    }
}

// The texts of a tooltip window's tools, in order.
std::vector<std::string> TipTexts(HWND tip) {
    std::vector<std::string> texts;
    const int count = tip ? static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.lpszText = text;
        SendMessageA(tip, TTM_ENUMTOOLSA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool));
        texts.push_back(text);
    }
    return texts;
}

TEST_F(ViewPeersTest, HintsAndPanelTextsThatDoNotFitShowAsTooltips) {
    HWND bar = Window(form.Bar);
    EXPECT_TRUE(TipTexts(win32::TipWindowFor(bar)).empty());
    const std::string all = "Origin enabled: Serial port based, AVerMedia TV Series Remote, TCP/IP";
    form.Bar.SetPanelText(1, all);
    EXPECT_EQ(TipTexts(win32::TipWindowFor(bar)), std::vector<std::string>{all});
    form.Bar.SetPanelText(1, "ok");
    EXPECT_TRUE(TipTexts(win32::TipWindowFor(bar)).empty());

    form.Page1Btn.SetHint("Manage layouts...");
    EXPECT_EQ(TipTexts(win32::TipWindowFor(Window(form.Page1Btn))), std::vector<std::string>{"Manage layouts..."});
    form.Page1Btn.SetHint("");
    EXPECT_TRUE(TipTexts(win32::TipWindowFor(Window(form.Page1Btn))).empty());
}

TEST_F(ViewPeersTest, ThePageControlShowsOnlyTheActivePage) {
    form.Show();
    HWND tabs = Window(form.Pages);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(Shown(form.Page1Btn));
    EXPECT_FALSE(Shown(form.Page2Btn));
    // The page fills the tab's display area.
    RECT area{}, page{};
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    GetWindowRect(Window(form.Page1), &page);
    MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&page), 2);
    EXPECT_EQ(page.left, area.left);
    EXPECT_EQ(page.bottom, area.bottom);

    // The user's choice: the tab control tells its parent.
    SendMessageA(tabs, TCM_SETCURFOCUS, 1, 0);
    EXPECT_EQ(form.Pages.ActivePage(), &form.Page2);
    EXPECT_FALSE(Shown(form.Page1Btn));
    EXPECT_TRUE(Shown(form.Page2Btn));

    form.Pages.SetActivePageIndex(0);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(Shown(form.Page1Btn));

    // A disabled page control keeps its page, on screen too.
    form.Pages.SetEnabled(false);
    SendMessageA(tabs, TCM_SETCURFOCUS, 1, 0);
    EXPECT_EQ(form.Pages.ActivePageIndex(), 0);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(Shown(form.Page1Btn));

    form.Page2.SetCaption("Renamed");
    char text[32] = {};
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = text;
    tab.cchTextMax = sizeof(text);
    SendMessageA(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&tab));
    EXPECT_STREQ(text, "Renamed");
}

TEST_F(ViewPeersTest, TheTrackBarReportsOnlyTheUsersMoves) {
    HWND track = Window(form.Track);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMAX, 0, 0), 10);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(SendMessageA(track, TBM_GETLINESIZE, 0, 0), 2);
    std::vector<int> changes;
    form.Track.OnChange = [&](Component*) { changes.push_back(form.Track.Position()); };

    form.Track.SetPosition(7);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 7);
    // The user drags the thumb; the bar tells its parent.
    SendMessageA(track, TBM_SETPOS, TRUE, 3);
    SendMessageA(GetParent(track), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 3), reinterpret_cast<LPARAM>(track));
    SendMessageA(GetParent(track), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(track));
    EXPECT_EQ(form.Track.Position(), 3);
    form.Track.SetMax(2);
    EXPECT_EQ(SendMessageA(track, TBM_GETRANGEMAX, 0, 0), 2);
    EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 2);
    EXPECT_EQ(changes, std::vector<int>{3});
}

// ---- images, shape, scroll box ------------------------------------------------------------------

TEST_F(ViewPeersTest, ImageListsAreSharedAndFollowTheModelsSizeAndCount) {
    HIMAGELIST list = win32::ImageListFor(ui, form.Images);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(TreeWindow(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0)), list);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(ListWindow(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)), list);
    EXPECT_EQ(ImageList_GetImageCount(list), 5);

    form.Images.SetCount(7);
    form.Images.SetSize(24, 20);
    EXPECT_EQ(win32::ImageListFor(ui, form.Images), list);
    EXPECT_EQ(ImageList_GetImageCount(list), 7);
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    EXPECT_EQ(width, 24);
    EXPECT_EQ(height, 20);

    // Each image is its own: the middle of image i has colour i.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 24, 20);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int i = 0; i < 7; ++i) {
        ImageList_Draw(list, i, dc, 0, 0, ILD_NORMAL);
        EXPECT_EQ(GetPixel(dc, 12, 10), win32::PlaceholderColor(i)) << "image " << i;
    }
    EXPECT_NE(win32::PlaceholderColor(0), win32::PlaceholderColor(1));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(ViewPeersTest, AShapeIsPaintedWithItsBrushOnItsParentsFace) {
    form.Show();
    HWND shape = Window(form.Shape);
    auto pixel = [&](int x, int y) {
        UpdateWindow(shape);
        HDC dc = GetDC(shape);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(shape, dc);
        return colour;
    };
    // A circle in an 80 by 40 box: 40 across, in the middle.
    EXPECT_EQ(pixel(40, 20), static_cast<COLORREF>(clTeal));
    EXPECT_EQ(pixel(5, 20), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pixel(20, 20), RGB(0, 0, 0)); // the pen at the circle's left edge
    form.Shape.SetShape(ShapeType::Rectangle);
    form.Shape.SetBrushColor(clRed);
    EXPECT_EQ(pixel(5, 20), static_cast<COLORREF>(clRed));
    EXPECT_EQ(pixel(0, 20), RGB(0, 0, 0));
}

TEST_F(ViewPeersTest, AScrollBoxScrollsItsChildrenWhichStillWork) {
    form.Show();
    HWND box = Window(form.Box);
    const LONG style = GetWindowLongA(box, GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL); // six buttons of 30 pixels in 100
    EXPECT_FALSE(style & WS_HSCROLL);
    auto topInBox = [&](const Control& control) {
        RECT r;
        GetWindowRect(Window(control), &r);
        POINT p{r.left, r.top};
        ScreenToClient(box, &p);
        return p.y;
    };
    EXPECT_EQ(topInBox(form.BoxBtns[1]), 38);
    SendMessageA(box, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(topInBox(form.BoxBtns[1]), 22);
    SendMessageA(box, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    RECT client;
    GetClientRect(box, &client);
    RECT last;
    GetWindowRect(Window(form.BoxBtns[5]), &last);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&last), 2);
    EXPECT_EQ(last.bottom, client.bottom); // scrolled to the end, no further

    // A bounds change in code keeps its place within the scrolled content.
    form.BoxBtns[0].SetTop(40);
    EXPECT_EQ(topInBox(form.BoxBtns[0]), topInBox(form.BoxBtns[1]) + 2);

    int clicks = 0;
    form.BoxBtns[5].OnClick = [&](Component*) { ++clicks; };
    SendMessageA(Window(form.BoxBtns[5]), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

// ---- drag and drop ------------------------------------------------------------------------------

TEST_F(ViewPeersTest, ADragAsksEachControlItPassesAndDropsWhereAccepted) {
    form.Show();
    std::vector<std::string> log;
    auto over = [&](const char* who, bool accept) {
        return [&log, who, accept](Component*, Component* source, int x, int y, DragState state, bool& accepted) {
            static const char* states[] = {"enter", "leave", "move"};
            log.push_back(std::string(who) + " " + states[static_cast<int>(state)] + " " + std::to_string(x) + "," +
                          std::to_string(y) + (source ? "" : " without source"));
            accepted = accept;
        };
    };
    form.List.OnDragOver = over("list", true);
    form.Tree.OnDragOver = over("tree", false);
    form.List.OnDragDrop = [&](Component*, Component* source, int x, int y) {
        log.push_back("list drop " + std::to_string(x) + "," + std::to_string(y) +
                      (source == &form.Tree ? " from tree" : ""));
    };
    const HWND tree = TreeWindow(), list = ListWindow();
    // A point of one window in another's client coordinates, as the log shows it.
    auto at = [](HWND to, HWND from, int x, int y) {
        POINT p{x, y};
        MapWindowPoints(from, to, &p, 1);
        return std::to_string(p.x) + "," + std::to_string(p.y);
    };
    // The source window has the capture: every mouse message goes to it.
    auto mouse = [&](UINT message, HWND over, int x, int y) {
        POINT p{x, y};
        MapWindowPoints(over, tree, &p, 1);
        SendMessageA(tree, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
    };
    auto beginDrag = [&] {
        NMTREEVIEWA begin{};
        begin.hdr = {tree, static_cast<UINT_PTR>(GetDlgCtrlID(tree)), static_cast<UINT>(TVN_BEGINDRAGA)};
        begin.itemNew.hItem = ItemAt("A/A1");
        begin.ptDrag = {30, 25};
        SendMessageA(GetParent(tree), WM_NOTIFY, begin.hdr.idFrom, reinterpret_cast<LPARAM>(&begin));
    };

    // Nodes drag only when the tree drags by itself.
    beginDrag();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(log.empty());
    form.Tree.SetDragMode(DragMode::Automatic);

    beginDrag();
    EXPECT_EQ(GetCapture(), tree);
    mouse(WM_MOUSEMOVE, list, 40, 50);
    mouse(WM_MOUSEMOVE, list, 41, 52);
    mouse(WM_MOUSEMOVE, tree, 30, 60);
    mouse(WM_MOUSEMOVE, list, 60, 70);
    mouse(WM_LBUTTONUP, list, 60, 70);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "tree enter 30,25", "tree leave " + at(tree, list, 40, 50), "list enter 40,50",
                       "list move 41,52", "list leave " + at(list, tree, 30, 60), "tree enter 30,60",
                       "tree leave " + at(tree, list, 60, 70), "list enter 60,70", "list drop 60,70 from tree"}));

    // Released where the control refuses: no drop, the control is left.
    log.clear();
    beginDrag();
    mouse(WM_MOUSEMOVE, tree, 50, 50);
    mouse(WM_LBUTTONUP, tree, 50, 50);
    EXPECT_EQ(log, (std::vector<std::string>{"tree enter 30,25", "tree move 50,50", "tree leave 50,50"}));

    // Escape gives up the drag.
    log.clear();
    beginDrag();
    mouse(WM_MOUSEMOVE, list, 40, 50);
    SendMessageA(tree, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    mouse(WM_LBUTTONUP, list, 40, 50);
    EXPECT_EQ(log, (std::vector<std::string>{"tree enter 30,25", "tree leave " + at(tree, list, 40, 50),
                                              "list enter 40,50", "list leave 40,50"}));
}

} // namespace
} // namespace orvane::ui
