// Lists: combo boxes, list boxes, the file list and the list view.
#include "TestForm.h"
#include "core/Exception.h"
#include "fakes/FakeCanvas.h"
#include "fakes/FakeUi.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

using testing::TDemoForm;

class ListControlsTest : public ::testing::Test {
protected:
    fakes::FakeUi ui;
    TDemoForm form{ui.app};
};

TEST_F(ListControlsTest, TypingInAnEditableComboSelectsNoItemAndRunsOnChange) {
    int changes = 0;
    form.WindowCoBx.OnChange = [&](Component*) { ++changes; };
    form.WindowCoBx.UserSelect(1);
    EXPECT_EQ(form.WindowCoBx.Text(), "   Find");
    form.WindowCoBx.UserSetText("Calc");
    EXPECT_EQ(form.WindowCoBx.ItemIndex(), -1);
    EXPECT_EQ(form.WindowCoBx.Text(), "Calc");
    EXPECT_EQ(changes, 2);
    // From code the text is taken as it stands, also one that names an item.
    form.WindowCoBx.SetItemIndex(0);
    form.WindowCoBx.SetText("Notepad");
    EXPECT_EQ(form.WindowCoBx.ItemIndex(), -1);
    EXPECT_EQ(changes, 2);
}

TEST_F(ListControlsTest, ADropDownListShowsOnlyItsSelectionAndAnUnknownTextSelectsNothing) {
    form.KindCoBx.SetItemIndex(1);
    form.KindCoBx.SetText("Up");
    EXPECT_EQ(form.KindCoBx.ItemIndex(), -1);
    EXPECT_EQ(form.KindCoBx.Text(), "");
    form.KindCoBx.SetItemIndex(7);
    EXPECT_EQ(form.KindCoBx.ItemIndex(), -1);
    form.KindCoBx.UserSetText("Left"); // a list cannot be typed in
    EXPECT_EQ(form.KindCoBx.Text(), "");
}

TEST_F(ListControlsTest, ReplacingAComboListLosesTheSelectionButARadioGroupKeepsIt) {
    form.KindCoBx.SetItemIndex(2);
    form.KindCoBx.SetStringsProperty("Items", {"Gauche", "Milieu", "Droite"});
    EXPECT_EQ(form.KindCoBx.ItemIndex(), -1);
    EXPECT_EQ(form.KindCoBx.Text(), "");

    form.ModeRGrp.SetItemIndex(1);
    form.ModeRGrp.SetStringsProperty("Items", {"ET", "OU"});
    EXPECT_EQ(form.ModeRGrp.ItemIndex(), 1);
    form.ModeRGrp.Items.Assign({"Seul"});
    EXPECT_EQ(form.ModeRGrp.ItemIndex(), 0);
}

TEST_F(ListControlsTest, TheSelectionStaysOnItsItemAsItemsAreInsertedAndDeleted) {
    form.KindCoBx.SetItemIndex(1);
    form.KindCoBx.Items.Insert(0, "None");
    EXPECT_EQ(form.KindCoBx.ItemIndex(), 2);
    EXPECT_EQ(form.KindCoBx.Text(), "Middle");
    form.KindCoBx.Items.Delete(0);
    EXPECT_EQ(form.KindCoBx.ItemIndex(), 1);
    form.KindCoBx.Items.Delete(1);
    EXPECT_EQ(form.KindCoBx.ItemIndex(), -1);
    EXPECT_EQ(form.KindCoBx.Text(), "");
    EXPECT_THROW(form.KindCoBx.Items.Delete(5), EListError);
}

TEST_F(ListControlsTest, OpeningTheListRunsOnDropDownWhichMayRefillIt) {
    form.WindowCoBx.OnDropDown = [&](Component*) { form.WindowCoBx.Items.Assign({"Orvane 4.0b", "   Settings"}); };
    form.WindowCoBx.UserDropDown();
    EXPECT_EQ(form.WindowCoBx.Items.Count(), 2);
    EXPECT_EQ(form.WindowCoBx.Items[0], "Orvane 4.0b");
}

TEST_F(ListControlsTest, AnOwnerDrawnItemIsDrawnByItsHandlerOrElsePlainly) {
    TImageList images(form, "ActionsImgList");
    form.KindCoBx.SetStyle(ComboStyle::OwnerDrawFixed);
    fakes::FakeCanvas plain;
    form.KindCoBx.UserDrawItem(plain, 1, {0, 18, 100, 36}, odSelected);
    EXPECT_EQ(plain.ops, (std::vector<std::string>{"fill 0,18,100,36", "text 2,18 Middle"}));

    form.KindCoBx.OnDrawItem = [&](Component*, TCanvas& canvas, int index, Rect rect, unsigned state) {
        canvas.FillRect(rect);
        canvas.DrawImage(images, index, rect.left + 3, rect.top + 1);
        canvas.SetFontColor(state & odSelected ? 0x7FFFFFF8 : clMenuText);
        canvas.TextOut(rect.left + 29, rect.top + 2, form.KindCoBx.Items[index]);
    };
    fakes::FakeCanvas drawn;
    form.KindCoBx.UserDrawItem(drawn, 2, {0, 36, 100, 54}, 0);
    EXPECT_EQ(drawn.ops, (std::vector<std::string>{"fill 0,36,100,54", "image ActionsImgList[2] 3,37",
                                                   "font 80000007", "text 29,38 Right"}));
}

TEST_F(ListControlsTest, ASortedListBoxOrdersWithoutRegardToCaseAndPunctuationFirst) {
    TListBox list(form, "WinMsgListBox");
    list.SetSorted(true);
    for (const char* line : {"WM_USER=0400", "wm_app=8000", "WM_CLOSE=0010", "WM_CLOSEX=0", "WM_DDE_ACK=03E4",
                             "WM_DEADCHAR=0103"})
        list.Items.Add(line);
    EXPECT_EQ(list.Items.Items(), (std::vector<std::string>{"wm_app=8000", "WM_CLOSE=0010", "WM_CLOSEX=0",
                                                            "WM_DDE_ACK=03E4", "WM_DEADCHAR=0103",
                                                            "WM_USER=0400"}));
    EXPECT_EQ(list.Items.IndexOf("wm_close=0010"), 1);
    EXPECT_THROW(list.Items.Insert(0, "x"), EListError);
}

TEST_F(ListControlsTest, AListBoxSelectionFromCodeIsQuietAndAUserSelectionClicks) {
    TListBox list(form, "Sounds");
    list.Items.Assign({"a", "b"});
    int clicks = 0;
    list.OnClick = [&](Component*) { ++clicks; };
    list.SetItemIndex(1);
    EXPECT_EQ(list.Text(), "b");
    list.UserSelect(0);
    EXPECT_EQ(clicks, 1);
    list.SetItemIndex(5);
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(ListControlsTest, AFileListHoldsTheMatchingNamesSorted) {
    ui.files.AddFile("C:\\Orvane\\Lang", "Español.lng");
    ui.files.AddFile("C:\\Orvane\\Lang", "deutsch.LNG");
    ui.files.AddFile("C:\\Orvane\\Lang", "readme.txt");
    ui.files.AddFile("C:\\Orvane\\Lang", "my.lang.lng");
    TFileListBox files(form, "LangFilesLBx");
    files.SetMask("*.lng");
    EXPECT_TRUE(files.Items.Empty()); // no folder yet
    files.SetDirectory("c:\\orvane\\lang\\");
    EXPECT_EQ(files.Items.Items(), (std::vector<std::string>{"deutsch.LNG", "Español.lng", "my.lang.lng"}));
    files.SetMask("*.txt;*.LNG");
    EXPECT_EQ(files.Items.Count(), 4);
    files.SetDirectory("C:\\Orvane\\Missing");
    EXPECT_TRUE(files.Items.Empty());
}

class ListViewTest : public ListControlsTest {
protected:
    ListViewTest() {
        view.SetStyle(ViewStyle::Report);
        view.SetBounds(0, 0, 300, 200);
        view.AddColumn("Sound name", 100);
        view.AddColumn("File name", 150);
        view.OnChange = [this](Component*, TListItem* item, ItemChange change) {
            static const char* kinds[] = {"text", "image", "state"};
            events.push_back(item->Caption() + " " + kinds[static_cast<int>(change)]);
        };
    }
    TListItem* Add(const std::string& caption, const std::string& file) {
        TListItem* item = view.Add();
        item->SetCaption(caption);
        item->SubItems.Add(file);
        return item;
    }
    TListView view{form, "SoundsList"};
    std::vector<std::string> events;
};

TEST_F(ListViewTest, OnChangeReportsCaptionImageAndSelectionChangesFromCodeAndUser) {
    TListItem* ding = Add("Ding", "ding.wav");
    TListItem* chord = Add("chord", "chord.wav");
    ding->SetImageIndex(3);
    ding->SetImageIndex(3);
    view.SetSelected(ding);
    view.UserSelect(chord);
    view.UserSelect(chord);
    EXPECT_EQ(events, (std::vector<std::string>{"Ding text", "chord text", "Ding image", "Ding state",
                                                "Ding state", "chord state"}));
    EXPECT_EQ(view.ItemIndex(), 1);
    EXPECT_EQ(chord->SubItems[0], "chord.wav");
}

TEST_F(ListViewTest, DeletingTheSelectedItemLeavesNoSelectionAndRaisesNothing) {
    Add("a", "a.wav");
    TListItem* b = Add("b", "b.wav");
    view.SetSelected(b);
    events.clear();
    b->Delete();
    EXPECT_EQ(view.Selected(), nullptr);
    EXPECT_EQ(view.Count(), 1);
    EXPECT_TRUE(events.empty());
    EXPECT_THROW(view.Item(1), EListError);
}

TEST_F(ListViewTest, AlphaSortOrdersByCaptionWithoutRegardToCase) {
    Add("ding", "1");
    Add("Chord", "2");
    Add("asterisk", "3");
    view.AlphaSort();
    EXPECT_EQ(view.Item(0)->Caption(), "asterisk");
    EXPECT_EQ(view.Item(1)->Caption(), "Chord");
    EXPECT_EQ(view.Item(2)->SubItems[0], "1");
    EXPECT_EQ(view.Item(2)->Index(), 2);
}

TEST_F(ListViewTest, TheRowUnderAPointLiesBelowTheColumnHeaders) {
    TListItem* a = Add("a", "a.wav");
    TListItem* b = Add("b", "b.wav");
    EXPECT_EQ(view.GetItemAt(10, 5), nullptr); // the header
    EXPECT_EQ(view.GetItemAt(10, TListView::RowHeight + 1), a);
    EXPECT_EQ(view.GetItemAt(10, 2 * TListView::RowHeight + 1), b);
    EXPECT_EQ(view.GetItemAt(10, 3 * TListView::RowHeight + 1), nullptr);
    EXPECT_EQ(view.HitTestAt({10, 150}).tests, htNowhere);
    view.SetShowColumnHeaders(false);
    EXPECT_EQ(view.GetItemAt(10, 5), a);
    view.SetColumnWidth(1, 190);
    EXPECT_EQ(view.Column(1).width, 190);
    EXPECT_EQ(view.StringWidth("a"), HeadlessTextWidth("a"));
}

} // namespace
} // namespace orvane::ui
