// The choice peers and menus on real windows: what the model holds shows in
// the window, and what the window reports reaches the model once.
// The system's headers first: they undo the macros that would rename the
// model's methods.
#include "ui/win32/ImageLists.h"
#include "ui/win32/Win32Ui.h"
#include "ui/win32/WindowPeer.h"

#include "fakes/FakeUi.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/ImageList.h"
#include "ui/Lists.h"
#include "ui/Menus.h"
#include "ui/Updating.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane::ui {
namespace {

using Texts = std::vector<std::string>;

class TChoicesForm : public TForm {
public:
    explicit TChoicesForm(Application& app) : TForm(app, "ChoicesForm") {
        SetBounds(10, 10, 400, 300);
        KindCoBx.SetStyle(ComboStyle::DropDownList);
        KindCoBx.Items.Assign({"Left", "Middle", "Right"});
        WindowCoBx.Items.Assign({"Notepad", "Find"});
        ActionCoBx.SetStyle(ComboStyle::OwnerDrawFixed);
        ActionCoBx.SetItemHeight(18);
        ActionCoBx.Items.Assign({"Tap key", "Mouse move"});
        ActionsImgList.SetCount(2);
        RemotesLstBx.Items.Assign({"Sofa", "Kitchen"});
        DelayEdBx.SetBounds(10, 200, 64, 21);
        DelayUpDwn.SetMax(5000);
        DelayUpDwn.SetIncrement(250);
        DelayUpDwn.SetAssociate(&DelayEdBx);
        ModeRGrp.SetBounds(200, 150, 150, 100);
        ModeRGrp.Items.Assign({"AND", "OR"});

        SetMenu(&Menu);
        Menu.Items().Add(FileMenu);
        FileMenu.SetCaption("&File");
        for (TMenuItem* item : {&GreetMenu, &HiddenMenu, &TickMenu, &LineMenu, &SmallMenu, &LargeMenu, &OffMenu,
                                &RecentMenu})
            FileMenu.Add(*item);
        GreetMenu.SetCaption("&Greet");
        GreetMenu.SetShortCut(MakeShortCut('G', ssCtrl));
        HiddenMenu.SetCaption("&Hidden");
        HiddenMenu.SetVisible(false);
        TickMenu.SetCaption("&Ticked");
        TickMenu.SetChecked(true);
        LineMenu.SetCaption("-");
        SmallMenu.SetCaption("S&mall");
        LargeMenu.SetCaption("&Large");
        for (TMenuItem* item : {&SmallMenu, &LargeMenu}) item->SetRadioItem(true);
        SmallMenu.SetChecked(true);
        OffMenu.SetCaption("&Off");
        OffMenu.SetEnabled(false);
        RecentMenu.SetCaption("&Recent");
        RecentMenu.Add(std::make_unique<TMenuItem>(this, "NoRecentMenu")).SetCaption("(none)");
        Menu.Items().Add(ToolsMenu);
        ToolsMenu.SetCaption("&Tools");
        Popup.Items().Add(CopyMenu);
        CopyMenu.SetCaption("&Copy");
    }

    TComboBox KindCoBx{*this, "KindCoBx"};
    TComboBox WindowCoBx{*this, "WindowCoBx"};
    TComboBox ActionCoBx{*this, "ActionCoBx"};
    TImageList ActionsImgList{*this, "ActionsImgList"};
    TListBox RemotesLstBx{*this, "RemotesLstBx"};
    TMemo LogMemo{*this, "LogMemo"};
    // Before its edit, as a form may have it: bound once the edit has a window.
    TUpDown DelayUpDwn{*this, "DelayUpDwn"};
    TEdit DelayEdBx{*this, "DelayEdBx"};
    TRadioGroup ModeRGrp{*this, "ModeRGrp"};
    TMainMenu Menu{*this, "Menu"};
    TMenuItem FileMenu{this, "FileMenu"};
    TMenuItem GreetMenu{this, "GreetMenu"};
    TMenuItem HiddenMenu{this, "HiddenMenu"};
    TMenuItem TickMenu{this, "TickMenu"};
    TMenuItem LineMenu{this, "LineMenu"};
    TMenuItem SmallMenu{this, "SmallMenu"};
    TMenuItem LargeMenu{this, "LargeMenu"};
    TMenuItem OffMenu{this, "OffMenu"};
    TMenuItem RecentMenu{this, "RecentMenu"};
    TMenuItem ToolsMenu{this, "ToolsMenu"};
    TPopupMenu Popup{*this, "Popup"};
    TMenuItem CopyMenu{this, "CopyMenu"};
};

HWND Window(const Component& component) {
    auto* peer = dynamic_cast<win32::WindowPeer*>(component.Peer());
    return peer ? peer->Handle() : nullptr;
}

std::string Text(HWND window) {
    char buffer[1024] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

Texts Items(HWND window, UINT count, UINT get) {
    Texts items;
    const auto n = static_cast<int>(SendMessageA(window, count, 0, 0));
    for (int i = 0; i < n; ++i) {
        char buffer[256] = {};
        SendMessageA(window, get, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
        items.emplace_back(buffer);
    }
    return items;
}
Texts ComboItems(HWND box) { return Items(box, CB_GETCOUNT, CB_GETLBTEXT); }
Texts ListItems(HWND list) { return Items(list, LB_GETCOUNT, LB_GETTEXT); }

int Selection(HWND box) { return static_cast<int>(SendMessageA(box, CB_GETCURSEL, 0, 0)); }

// What a control tells its parent after the user's doing.
void Notify(HWND control, WORD code) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

void RunPostedMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

RECT RectInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct MenuEntry {
    std::string text;
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    HMENU sub = nullptr;
};

std::vector<MenuEntry> Entries(HMENU menu) {
    std::vector<MenuEntry> entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char buffer[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = buffer;
        info.cch = sizeof buffer - 1;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        entries.push_back({buffer, info.fType, info.fState, info.wID, info.hSubMenu});
    }
    return entries;
}

Texts EntryTexts(HMENU menu) {
    Texts texts;
    for (const MenuEntry& entry : Entries(menu)) texts.push_back(entry.type & MFT_SEPARATOR ? "-" : entry.text);
    return texts;
}

UINT_PTR MenuProperty(HWND form, const std::string& name) {
    return reinterpret_cast<UINT_PTR>(GetPropA(form, ("OrvaneMenu:" + name).c_str()));
}

class ChoicePeersTest : public ::testing::Test {
protected:
    ~ChoicePeersTest() override { ui.app.DestroyForms(); }

    fakes::FakeUi ui;
    win32::Win32Ui native{ui.app};
    TChoicesForm& form = ui.app.CreateForm<TChoicesForm>();
};

TEST_F(ChoicePeersTest, AComboBoxsItemsAndSelectionFollowTheModel) {
    HWND box = Window(form.KindCoBx);
    EXPECT_EQ(ComboItems(box), (Texts{"Left", "Middle", "Right"}));
    EXPECT_EQ(Selection(box), -1);

    form.KindCoBx.SetItemIndex(1);
    EXPECT_EQ(Selection(box), 1);
    EXPECT_EQ(Text(box), "Middle");
    form.KindCoBx.Items.Insert(0, "None");
    EXPECT_EQ(ComboItems(box), (Texts{"None", "Left", "Middle", "Right"}));
    EXPECT_EQ(Selection(box), 2);
    form.KindCoBx.Items.Set(3, "Right button");
    form.KindCoBx.Items.Delete(0);
    EXPECT_EQ(ComboItems(box), (Texts{"Left", "Middle", "Right button"}));
    EXPECT_EQ(Selection(box), 1);
    form.KindCoBx.Items.Assign({"A", "B"});
    EXPECT_EQ(ComboItems(box), (Texts{"A", "B"}));
    EXPECT_EQ(Selection(box), -1);
}

TEST_F(ChoicePeersTest, AComboBoxThatChangesItsKindGetsANewWindowShowingTheSameState) {
    form.KindCoBx.SetItemIndex(2);
    form.KindCoBx.SetStyle(ComboStyle::DropDown);
    HWND box = Window(form.KindCoBx);
    EXPECT_NE(FindWindowExA(box, nullptr, "Edit", nullptr), nullptr);
    EXPECT_EQ(ComboItems(box), (Texts{"Left", "Middle", "Right"}));
    EXPECT_EQ(Text(box), "Right");
    int changes = 0;
    form.KindCoBx.OnChange = [&](Component*) { ++changes; };
    SendMessageA(box, CB_SETCURSEL, 0, 0);
    Notify(box, CBN_SELCHANGE);
    EXPECT_EQ(form.KindCoBx.Text(), "Left");
    EXPECT_EQ(changes, 1);
}

TEST_F(ChoicePeersTest, AUsersChoiceInAComboBoxRunsItsHandlersOnceAndAHandlersChoiceShows) {
    HWND box = Window(form.KindCoBx);
    int clicks = 0, changes = 0;
    form.KindCoBx.OnClick = [&](Component*) { ++clicks; };
    form.KindCoBx.OnChange = [&](Component*) { ++changes; };
    SendMessageA(box, CB_SETCURSEL, 2, 0);
    Notify(box, CBN_SELCHANGE);
    EXPECT_EQ(form.KindCoBx.ItemIndex(), 2);
    EXPECT_EQ(form.KindCoBx.Text(), "Right");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);

    form.KindCoBx.OnChange = [&](Component*) { form.KindCoBx.SetItemIndex(0); };
    SendMessageA(box, CB_SETCURSEL, 1, 0);
    Notify(box, CBN_SELCHANGE);
    EXPECT_EQ(form.KindCoBx.ItemIndex(), 0);
    EXPECT_EQ(Selection(box), 0);
}

TEST_F(ChoicePeersTest, TextTypedOrSetInAnEditableComboBoxReachesTheModel) {
    HWND box = Window(form.WindowCoBx);
    HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    int changes = 0;
    form.WindowCoBx.OnChange = [&](Component*) { ++changes; };

    SendMessageA(edit, WM_CHAR, 'x', 1);
    EXPECT_EQ(form.WindowCoBx.Text(), "x");
    EXPECT_EQ(form.WindowCoBx.ItemIndex(), -1);
    SetWindowTextA(box, "Wordpad");
    EXPECT_EQ(form.WindowCoBx.Text(), "Wordpad");
    EXPECT_EQ(changes, 2);

    form.WindowCoBx.SetItemIndex(1);
    EXPECT_EQ(Text(box), "Find");
    form.WindowCoBx.SetText("Calculator");
    EXPECT_EQ(Text(box), "Calculator");
    EXPECT_EQ(Selection(box), -1);
    EXPECT_EQ(changes, 2); // changes made by code run nothing

    int drops = 0;
    form.WindowCoBx.OnDropDown = [&](Component*) { ++drops; };
    Notify(box, CBN_DROPDOWN);
    EXPECT_EQ(drops, 1);
}

// Draws one item of the owner-drawn box on a bitmap, as the box asks its parent to.
class ItemBitmap {
public:
    ItemBitmap() {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, 120, 18);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~ItemBitmap() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    ItemBitmap(const ItemBitmap&) = delete;
    ItemBitmap& operator=(const ItemBitmap&) = delete;

    LRESULT Draw(HWND box, int index, UINT state) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_COMBOBOX;
        item.CtlID = static_cast<UINT>(GetDlgCtrlID(box));
        item.itemID = static_cast<UINT>(index);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = box;
        item.hDC = dc_;
        item.rcItem = {0, 0, 120, 18};
        return SendMessageA(GetParent(box), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

TEST_F(ChoicePeersTest, AnOwnerDrawnComboBoxDrawsItsItemsThroughTheModelInTheItemsState) {
    HWND box = Window(form.ActionCoBx);
    EXPECT_EQ(SendMessageA(box, CB_GETITEMHEIGHT, 0, 0), 18);
    int drawn = -1;
    unsigned drawnState = 0;
    Rect drawnRect;
    int textWidth = 0;
    form.ActionCoBx.OnDrawItem = [&](Component*, TCanvas& canvas, int index, Rect rect, unsigned state) {
        drawn = index;
        drawnState = state;
        drawnRect = rect;
        canvas.FillRect(rect);
        canvas.DrawImage(form.ActionsImgList, index, rect.left + 1, rect.top + 1);
        textWidth = canvas.TextWidth(form.ActionCoBx.Items[index]);
        canvas.TextOut(rect.left + 20, rect.top + 2, form.ActionCoBx.Items[index]);
    };

    ItemBitmap item;
    EXPECT_TRUE(item.Draw(box, 1, ODS_SELECTED));
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(drawnState, unsigned{odSelected});
    EXPECT_EQ(drawnRect, (Rect{0, 0, 120, 18}));
    EXPECT_GT(textWidth, 20);
    EXPECT_LT(textWidth, 100);
    EXPECT_EQ(item.Pixel(118, 9), GetSysColor(COLOR_HIGHLIGHT)); // behind the text: the selection colour
    EXPECT_EQ(item.Pixel(9, 9), win32::PlaceholderColor(1));       // the middle of the item's image

    item.Draw(box, 0, 0);
    EXPECT_EQ(drawnState, 0u);
    EXPECT_EQ(item.Pixel(118, 9), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(item.Pixel(9, 9), win32::PlaceholderColor(0));
}

TEST_F(ChoicePeersTest, AListBoxFollowsTheModelAndReportsTheUsersChoice) {
    HWND list = Window(form.RemotesLstBx);
    int clicks = 0;
    form.RemotesLstBx.OnClick = [&](Component*) { ++clicks; };
    form.RemotesLstBx.SetSorted(true);
    form.RemotesLstBx.Items.Add("Bedroom");
    form.RemotesLstBx.Items.Add("Garage");
    EXPECT_EQ(ListItems(list), (Texts{"Bedroom", "Garage", "Kitchen", "Sofa"}));

    form.RemotesLstBx.SetItemIndex(1);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(clicks, 0);
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    Notify(list, LBN_SELCHANGE);
    EXPECT_EQ(form.RemotesLstBx.Text(), "Kitchen");
    EXPECT_EQ(clicks, 1);

    form.RemotesLstBx.Items.Delete(2);
    EXPECT_EQ(ListItems(list), (Texts{"Bedroom", "Garage", "Sofa"}));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), -1);
}

TEST_F(ChoicePeersTest, InsideAnUpdateBracketAListsWindowWaitsAndShowsTheListOnceAtItsEnd) {
    HWND box = Window(form.KindCoBx), list = Window(form.RemotesLstBx), memo = Window(form.LogMemo);
    form.KindCoBx.SetItemIndex(1);
    {
        Updating kinds(form.KindCoBx.Items);
        Updating remotes(form.RemotesLstBx.Items);
        Updating lines(form.LogMemo.Lines);
        form.KindCoBx.Items.Insert(0, "None");
        for (int i = 0; i < 50; ++i) form.KindCoBx.Items.Add(std::to_string(i));
        form.RemotesLstBx.Items.Add("Garage");
        form.RemotesLstBx.SetVisible(false);
        form.LogMemo.Lines.Assign({"one"});
        form.LogMemo.Lines.Add("two");
        // The model follows at once; the windows wait.
        EXPECT_EQ(form.KindCoBx.ItemIndex(), 2);
        EXPECT_EQ(ComboItems(box), (Texts{"Left", "Middle", "Right"}));
        EXPECT_EQ(Selection(box), 1);
        EXPECT_EQ(Text(memo), "");
    }
    EXPECT_EQ(ComboItems(box), form.KindCoBx.Items.Items());
    EXPECT_EQ(Selection(box), 2);
    EXPECT_EQ(ListItems(list), form.RemotesLstBx.Items.Items());
    EXPECT_EQ(Text(memo), "one\r\ntwo");
    // Redrawing again shows the windows, but not one hidden meanwhile.
    EXPECT_TRUE(GetWindowLongA(box, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(ChoicePeersTest, AMemosLinesAndItsTextFollowEachOther) {
    HWND memo = Window(form.LogMemo);
    form.LogMemo.Lines.Assign({"one", "two"});
    EXPECT_EQ(Text(memo), "one\r\ntwo");
    form.LogMemo.Lines.Add("three");
    EXPECT_EQ(Text(memo), "one\r\ntwo\r\nthree");

    const int end = GetWindowTextLengthA(memo);
    SendMessageA(memo, EM_SETSEL, end, end);
    for (char c : std::string("\rfour")) SendMessageA(memo, WM_CHAR, static_cast<unsigned char>(c), 1);
    EXPECT_EQ(form.LogMemo.Lines.Items(), (Texts{"one", "two", "three", "four"}));
    EXPECT_EQ(Text(memo), "one\r\ntwo\r\nthree\r\nfour");

    form.LogMemo.SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongA(memo, GWL_STYLE) & ES_READONLY);
    form.LogMemo.Lines.Clear();
    EXPECT_EQ(Text(memo), "");
}

TEST_F(ChoicePeersTest, AnUpDownSitsBesideItsEditAndTheModelDecidesEveryStep) {
    RunPostedMessages(); // the up-down binds to its edit once the edit has a window
    HWND upDown = Window(form.DelayUpDwn), edit = Window(form.DelayEdBx);
    ASSERT_EQ(reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)), edit);
    const RECT editRect = RectInParent(edit), arrows = RectInParent(upDown);
    EXPECT_EQ(editRect.right - editRect.left, 64); // as designed, not narrowed
    EXPECT_EQ(arrows.left, editRect.right);
    EXPECT_EQ(arrows.top, editRect.top);
    int low = -1, high = -1;
    SendMessageA(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 5000);

    int changes = 0;
    form.DelayEdBx.OnChange = [&](Component*) { ++changes; };
    form.DelayUpDwn.SetPosition(1500);
    EXPECT_EQ(SendMessageA(upDown, UDM_GETPOS32, 0, 0), 1500);
    EXPECT_EQ(Text(edit), "1,500");
    EXPECT_EQ(changes, 1);

    // A click on the upper arrow.
    RECT r;
    GetClientRect(upDown, &r);
    SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, 2));
    SendMessageA(upDown, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, 2));
    EXPECT_EQ(form.DelayUpDwn.Position(), 1750);
    EXPECT_EQ(SendMessageA(upDown, UDM_GETPOS32, 0, 0), 1750);
    EXPECT_EQ(Text(edit), "1,750");
    EXPECT_EQ(changes, 2);

    // A number typed beyond the range moves the position to its end and stays as typed.
    SetWindowTextA(edit, "9000");
    EXPECT_EQ(form.DelayUpDwn.Position(), 5000);
    EXPECT_EQ(SendMessageA(upDown, UDM_GETPOS32, 0, 0), 5000);
    EXPECT_EQ(Text(edit), "9000");

    // A position set on the window from outside, as a tool does.
    SendMessageA(upDown, UDM_SETPOS32, 0, 200);
    SendMessageA(GetParent(upDown), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 200), reinterpret_cast<LPARAM>(upDown));
    EXPECT_EQ(form.DelayUpDwn.Position(), 200);
    EXPECT_EQ(Text(edit), "200");
}

TEST_F(ChoicePeersTest, ARadioGroupShowsOneButtonPerItemInAColumnAndReportsTheUsersChoice) {
    HWND group = Window(form.ModeRGrp);
    auto buttons = [&] {
        std::vector<HWND> found;
        for (HWND b = FindWindowExA(group, nullptr, "Button", nullptr); b; b = FindWindowExA(group, b, "Button", nullptr))
            found.push_back(b);
        return found;
    };
    ASSERT_EQ(buttons().size(), 2u);
    EXPECT_EQ(Text(buttons()[1]), "OR");
    form.ModeRGrp.SetItemIndex(1);
    EXPECT_EQ(SendMessageA(buttons()[1], BM_GETCHECK, 0, 0), BST_CHECKED);

    int clicks = 0;
    form.ModeRGrp.OnClick = [&](Component*) { ++clicks; };
    SendMessageA(buttons()[0], BM_CLICK, 0, 0);
    EXPECT_EQ(form.ModeRGrp.ItemIndex(), 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageA(buttons()[1], BM_GETCHECK, 0, 0), BST_UNCHECKED);

    form.ModeRGrp.Items.Assign({"AND", "OR", "XOR"});
    const auto three = buttons();
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(SendMessageA(three[0], BM_GETCHECK, 0, 0), BST_CHECKED); // kept while the index exists
    RECT client;
    GetClientRect(group, &client);
    for (std::size_t i = 0; i < three.size(); ++i) {
        const RECT r = RectInParent(three[i]);
        EXPECT_GE(r.top, 10) << i; // below the caption
        EXPECT_LE(r.bottom, client.bottom) << i;
        EXPECT_LE(r.right, client.right) << i;
        if (i > 0) {
            EXPECT_GE(r.top, RectInParent(three[i - 1]).bottom) << i;
        }
    }
}

TEST_F(ChoicePeersTest, TheMainMenuIsTheFormsMenuBarWithMarksShortcutsAndNamedCommands) {
    HWND window = Window(form);
    HMENU bar = GetMenu(window);
    ASSERT_NE(bar, nullptr);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 400); // the bar takes no room from the form's design
    EXPECT_EQ(client.bottom, 300);

    EXPECT_EQ(EntryTexts(bar), (Texts{"&File", "&Tools"}));
    HMENU file = Entries(bar)[0].sub;
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(EntryTexts(file), (Texts{"&Greet\tCtrl+G", "&Ticked", "-", "S&mall", "&Large", "&Off", "&Recent"}));
    const auto entries = Entries(file);
    EXPECT_TRUE(entries[1].state & MFS_CHECKED);
    EXPECT_FALSE(entries[0].state & MFS_CHECKED);
    EXPECT_TRUE(entries[3].type & MFT_RADIOCHECK);
    EXPECT_TRUE(entries[3].state & MFS_CHECKED);
    EXPECT_TRUE(entries[5].state & MFS_GRAYED);
    EXPECT_NE(entries[6].sub, nullptr);

    EXPECT_EQ(MenuProperty(window, "GreetMenu"), entries[0].id);
    EXPECT_EQ(MenuProperty(window, "HiddenMenu"), 0u);
    EXPECT_NE(MenuProperty(window, "CopyMenu"), 0u); // the pop-up menu's items too
    int greeted = 0, copied = 0;
    form.GreetMenu.OnClick = [&](Component*) { ++greeted; };
    form.CopyMenu.OnClick = [&](Component*) { ++copied; };
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(entries[0].id, 0), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(MenuProperty(window, "CopyMenu"), 0), 0);
    EXPECT_EQ(greeted, 1);
    EXPECT_EQ(copied, 1);
}

TEST_F(ChoicePeersTest, TheMenuBarFollowsEveryChangeOfItsItems) {
    HWND window = Window(form);
    HMENU bar = GetMenu(window);
    HMENU file = Entries(bar)[0].sub;

    form.TickMenu.SetChecked(false);
    form.LargeMenu.SetChecked(true);
    form.GreetMenu.SetCaption("&Hello");
    form.HiddenMenu.SetVisible(true);
    form.OffMenu.SetCaption("-");
    EXPECT_EQ(EntryTexts(file),
              (Texts{"&Hello\tCtrl+G", "&Hidden", "&Ticked", "-", "S&mall", "&Large", "-", "&Recent"}));
    auto entries = Entries(file);
    EXPECT_FALSE(entries[2].state & MFS_CHECKED);
    EXPECT_FALSE(entries[4].state & MFS_CHECKED);
    EXPECT_TRUE(entries[5].state & MFS_CHECKED);
    EXPECT_NE(MenuProperty(window, "HiddenMenu"), 0u);
    form.OffMenu.SetCaption("&Off");
    form.TickMenu.SetVisible(false);
    EXPECT_EQ(EntryTexts(file), (Texts{"&Hello\tCtrl+G", "&Hidden", "-", "S&mall", "&Large", "&Off", "&Recent"}));
    EXPECT_EQ(MenuProperty(window, "TickMenu"), 0u);

    // Items made and freed at run time; a freed item's command leads nowhere.
    auto& added = form.FileMenu.Insert(0, std::make_unique<TMenuItem>(&form, "AddedMenu"));
    added.SetCaption("&Added");
    EXPECT_EQ(EntryTexts(file).front(), "&Added");
    const UINT id = static_cast<UINT>(MenuProperty(window, "AddedMenu"));
    ASSERT_NE(id, 0u);
    form.FileMenu.Delete(0);
    EXPECT_EQ(EntryTexts(file).front(), "&Hello\tCtrl+G");
    EXPECT_EQ(MenuProperty(window, "AddedMenu"), 0u);
    EXPECT_EQ(native.ItemForCommand(id), nullptr);

    // A plain entry with a first sub-item becomes a submenu, and plain again without it.
    form.ToolsMenu.Add(std::make_unique<TMenuItem>(&form, "OptionsMenu")).SetCaption("&Options");
    HMENU tools = Entries(bar)[1].sub;
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(EntryTexts(tools), (Texts{"&Options"}));
    form.ToolsMenu.Delete(0);
    EXPECT_EQ(Entries(bar)[1].sub, nullptr);
    EXPECT_EQ(EntryTexts(bar), (Texts{"&File", "&Tools"}));
}

TEST_F(ChoicePeersTest, OpeningASubmenuClicksItsItemWhoseHandlerPreparesTheEntries) {
    HWND window = Window(form);
    HMENU file = Entries(GetMenu(window))[0].sub;
    HMENU recent = Entries(file).back().sub;
    ASSERT_NE(recent, nullptr);
    int opened = 0;
    form.RecentMenu.OnClick = [&](Component*) {
        ++opened;
        form.RecentMenu.Clear();
        for (int i = 1; i <= opened; ++i)
            form.RecentMenu.Add(std::make_unique<TMenuItem>(&form, "")).SetCaption("Remote " + std::to_string(i));
    };
    SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), MAKELPARAM(6, FALSE));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(EntryTexts(recent), (Texts{"Remote 1"}));
    SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), MAKELPARAM(6, FALSE));
    EXPECT_EQ(EntryTexts(recent), (Texts{"Remote 1", "Remote 2"}));
}

} // namespace
} // namespace orvane::ui
