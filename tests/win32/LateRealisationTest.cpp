// A form other than the main one gets its windows only when first shown or
// asked for them. Whatever code did to its controls before must then show in
// the real windows, exactly as if they had existed from the start.
#include "ui/win32/Win32Ui.h"
#include "ui/win32/WindowPeer.h"

#include "fakes/FakeUi.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Indicators.h"
#include "ui/ListView.h"
#include "ui/Lists.h"
#include "ui/Menus.h"
#include "ui/Panels.h"
#include "ui/TreeView.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::ui {
namespace {

class TLateForm : public TForm {
public:
    explicit TLateForm(Application& app) : TForm(app, "LateForm") {
        SetCaption("Late");
        SetBounds(40, 40, 560, 400);
        Tree.SetBounds(8, 8, 160, 200);
        List.SetBounds(176, 8, 240, 120);
        List.SetStyle(ViewStyle::Report);
        Box.SetBounds(8, 216, 120, 20);
        Box.SetCaption("Launch");
        Combo.SetBounds(8, 240, 120, 21);
        Combo.SetStyle(ComboStyle::DropDownList);
        Names.SetBounds(8, 270, 120, 60);
        Pages.SetBounds(176, 136, 240, 100);
        Page1.SetCaption("First");
        Page2.SetCaption("Second");
        Mode.SetBounds(424, 8, 120, 80);
        NameEd.SetBounds(424, 96, 120, 21);
        Notes.SetBounds(424, 124, 120, 60);
        Track.SetBounds(176, 244, 200, 30);
        OffBtn.SetBounds(176, 280, 80, 25);
        HiddenBtn.SetBounds(264, 280, 80, 25);
        SetMenu(&Menu);
        Menu.Items().Add(FileMenu);
        FileMenu.SetCaption("&File");
        FileMenu.Add(TickMenu);
        TickMenu.SetCaption("&Ticked");
    }

    TTreeView Tree{*this, "Tree"};
    TListView List{*this, "List"};
    TCheckBox Box{*this, "Box"};
    TComboBox Combo{*this, "Combo"};
    TListBox Names{*this, "Names"};
    TPageControl Pages{*this, "Pages"};
    TTabSheet Page1{Pages, "Page1"};
    TTabSheet Page2{Pages, "Page2"};
    TButton Page2Btn{Page2, "Page2Btn"};
    TRadioGroup Mode{*this, "Mode"};
    TEdit NameEd{*this, "NameEd"};
    TMemo Notes{*this, "Notes"};
    TTrackBar Track{*this, "Track"};
    TButton OffBtn{*this, "OffBtn"};
    TButton HiddenBtn{*this, "HiddenBtn"};
    TMainMenu Menu{*this, "Menu"};
    TMenuItem FileMenu{this, "FileMenu"};
    TMenuItem TickMenu{this, "TickMenu"};
    TPopupMenu Popup{*this, "Popup"};
};

// The remote's messages make this form need a window from the start.
class TListeningForm : public TForm {
public:
    explicit TListeningForm(Application& app) : TForm(app, "ListeningForm") {
        SetMessageHandler(0x0402, [](std::uintptr_t, std::intptr_t) {});
    }
};

class LateRealisationTest : public ::testing::Test {
protected:
    ~LateRealisationTest() override { fake.app.DestroyForms(); }

    static HWND Window(const Component& control) {
        auto* peer = dynamic_cast<win32::WindowPeer*>(control.Peer());
        return peer ? peer->Handle() : nullptr;
    }
    static std::string Text(HWND window) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof(text));
        return text;
    }
    // Each tree item: indent, text, "+" when shown open, "*" when selected.
    static std::string WindowTree(HWND tree, HTREEITEM item, int level = 0) {
        std::string out;
        for (; item; item = TreeView_GetNextSibling(tree, item)) {
            char text[64] = {};
            TVITEMA get{};
            get.mask = TVIF_TEXT | TVIF_STATE | TVIF_HANDLE;
            get.hItem = item;
            get.pszText = text;
            get.cchTextMax = sizeof(text);
            get.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
            SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&get));
            HTREEITEM child = TreeView_GetChild(tree, item);
            out += std::string(2 * level, ' ') + text + (child && (get.state & TVIS_EXPANDED) ? " +" : "") +
                   (get.state & TVIS_SELECTED ? " *" : "") + "\n";
            out += WindowTree(tree, child, level + 1);
        }
        return out;
    }
    static std::string ListRow(HWND list, int row) {
        char caption[64] = {}, file[64] = {};
        LVITEMA get{};
        get.pszText = caption;
        get.cchTextMax = sizeof(caption);
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&get));
        get.iSubItem = 1;
        get.pszText = file;
        get.cchTextMax = sizeof(file);
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&get));
        return std::string(caption) + " " + file;
    }

    fakes::FakeUi fake;
    win32::Win32Ui ui{fake.app};
    TForm& main = fake.app.CreateForm<TForm>("MainForm");
};

TEST_F(LateRealisationTest, AFormFilledBeforeItsFirstShowShowsTheModelsWholeStateInItsWindows) {
    TLateForm& form = fake.app.CreateForm<TLateForm>();
    ASSERT_NE(Window(main), nullptr);
    ASSERT_EQ(form.Peer(), nullptr);
    ASSERT_EQ(form.Tree.Peer(), nullptr);
    ASSERT_EQ(form.Menu.Peer(), nullptr);

    // What a program does to a dialog at its start, long before the user opens it.
    form.SetCaption("Late settings");
    form.SetBounds(50, 60, 560, 400);
    TTreeNode* a = form.Tree.Items().Add(nullptr, "A");
    form.Tree.Items().AddChild(a, "A1");
    TTreeNode* a2 = form.Tree.Items().AddChild(a, "A2");
    form.Tree.Items().AddChild(a2, "A2x");
    a->SetExpanded(true);
    TTreeNode* b = form.Tree.Items().Add(nullptr, "B");
    form.Tree.Items().AddChild(b, "B1");
    form.Tree.SetSelected(a2);
    form.List.AddColumn("Name", 80);
    form.List.AddColumn("File", 120);
    for (const char* name : {"ding", "chord", "tada"}) {
        TListItem* item = form.List.Add();
        item->SetCaption(name);
        item->SubItems.Add(std::string(name) + ".wav");
    }
    form.List.SetItemIndex(1);
    form.Box.SetChecked(true);
    form.Combo.Items.Assign({"Left", "Middle", "Right"});
    form.Combo.SetItemIndex(2);
    form.Names.Items.Assign({"Sofa", "Kitchen", "Bed"});
    form.Names.SetItemIndex(1);
    form.Pages.SetActivePage(&form.Page2);
    form.Mode.Items.Assign({"AND", "OR"});
    form.Mode.SetItemIndex(1);
    form.NameEd.SetText("remote");
    form.NameEd.SetSelection(1, 3);
    form.Notes.Lines.Assign({"one", "two"});
    form.Track.SetMax(20);
    form.Track.SetPosition(15);
    form.OffBtn.SetEnabled(false);
    form.HiddenBtn.SetVisible(false);
    form.TickMenu.SetChecked(true);
    EXPECT_EQ(form.Peer(), nullptr) << "changes to the model alone make no window";

    form.Show();
    ASSERT_NE(Window(form), nullptr);
    EXPECT_TRUE(IsWindowVisible(Window(form)));
    EXPECT_EQ(Text(Window(form)), "Late settings");
    EXPECT_EQ(GetWindow(Window(form), GW_OWNER), Window(main));
    RECT client{};
    GetClientRect(Window(form), &client);
    EXPECT_EQ(client.right, 560);
    EXPECT_EQ(client.bottom, 400);

    HWND tree = Window(form.Tree);
    EXPECT_EQ(WindowTree(tree, TreeView_GetRoot(tree)), "A +\n  A1\n  A2 *\n    A2x\nB\n  B1\n");

    HWND list = Window(form.List);
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(ListRow(list, 0) + "|" + ListRow(list, 2), "ding ding.wav|tada tada.wav");
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0), 120);

    EXPECT_EQ(SendMessageA(Window(form.Box), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Window(form.Combo), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(Window(form.Combo), CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(Window(form.Names), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(Window(form.Names), LB_GETCURSEL, 0, 0), 1);

    EXPECT_EQ(SendMessageA(Window(form.Pages), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(Window(form.Pages), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(IsWindowVisible(Window(form.Page1)));
    EXPECT_TRUE(IsWindowVisible(Window(form.Page2Btn)));

    HWND second = GetDlgItem(Window(form.Mode), 2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Text(second), "OR");
    EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), BST_CHECKED);

    EXPECT_EQ(Text(Window(form.NameEd)), "remote");
    DWORD from = 0, to = 0;
    SendMessageA(Window(form.NameEd), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 1u);
    EXPECT_EQ(to, 4u);
    EXPECT_EQ(Text(Window(form.Notes)), "one\r\ntwo");
    EXPECT_EQ(SendMessageA(Window(form.Track), TBM_GETPOS, 0, 0), 15);
    EXPECT_EQ(SendMessageA(Window(form.Track), TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_FALSE(IsWindowEnabled(Window(form.OffBtn)));
    EXPECT_FALSE(IsWindowVisible(Window(form.HiddenBtn)));

    HMENU bar = GetMenu(Window(form));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenuState(GetSubMenu(bar, 0), 0, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_NE(form.Popup.Peer(), nullptr);

    // Hiding and showing again keeps the same windows.
    HWND window = Window(form);
    form.Hide();
    form.Show();
    EXPECT_EQ(Window(form), window);
}

TEST_F(LateRealisationTest, AFormGetsItsWindowsEarlyWhenItsHandleOrAnAnswerOnlyAWindowHasIsAskedFor) {
    // Other programs post to it: it needs its window, hidden, from the start.
    TListeningForm& listening = fake.app.CreateForm<TListeningForm>();
    EXPECT_NE(Window(listening), nullptr);
    EXPECT_FALSE(IsWindowVisible(Window(listening)));

    TLateForm& byHandle = fake.app.CreateForm<TLateForm>();
    ASSERT_EQ(byHandle.Peer(), nullptr);
    const auto handle = byHandle.Handle();
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(reinterpret_cast<HWND>(handle), Window(byHandle));
    EXPECT_FALSE(IsWindowVisible(Window(byHandle))) << "asking for the handle does not show the form";
    EXPECT_FALSE(byHandle.Visible());

    // A text measured before the windows exist has the width the window gives it.
    TLateForm& measured = fake.app.CreateForm<TLateForm>();
    const int early = measured.List.StringWidth("Wave table");
    ASSERT_EQ(measured.List.Peer(), nullptr);
    EXPECT_EQ(early, byHandle.List.StringWidth("Wave table"));

    // A hit test is the tree window's answer.
    TTreeNode* node = measured.Tree.Items().Add(nullptr, "Only");
    EXPECT_EQ(measured.Tree.GetNodeAt(20, 5), node);
    EXPECT_NE(measured.Tree.Peer(), nullptr);
}

} // namespace
} // namespace orvane::ui
