#pragma once
// Lists of texts to choose from: the list box, the hidden file list and the
// combo box.
//
// A list's ItemIndex set from code runs nothing; an index outside the list
// selects nothing, as the system's lists do. Inserting or deleting items keeps
// the selection on the same item; replacing the whole list loses it (and an
// editable combo box's text).
#include "ui/Control.h"
#include "ui/Strings.h"

namespace orvane::ui {

class TListBox : public Control {
public:
    TListBox(Control& parent, std::string name);
    TStrings Items;
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The selected item's text, or empty.
    std::string Text() const;
    bool Sorted() const { return Items.Sorted(); }
    void SetSorted(bool sorted) { Items.SetSorted(sorted); }

    // The user selected an item: OnClick.
    void UserSelect(int index);

private:
    int itemIndex_ = -1;
};

// The names of the files in Directory that match Mask (several masks may be
// separated by ";"), sorted without regard to case. The list is read again
// whenever the folder or the mask changes, and by Update.
class TFileListBox : public TListBox {
public:
    TFileListBox(Control& parent, std::string name);
    const std::string& Directory() const { return directory_; }
    void SetDirectory(std::string directory);
    const std::string& Mask() const { return mask_; }
    void SetMask(std::string mask);
    void Update();

private:
    std::string directory_;
    std::string mask_ = "*.*";
};

enum class ComboStyle {
    DropDown,       // editable text with a list
    DropDownList,   // a choice from the list only
    OwnerDrawFixed, // a choice from the list, items drawn by the program
};

class TComboBox : public Control {
public:
    TComboBox(Control& parent, std::string name);

    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle style);
    bool Editable() const { return style_ == ComboStyle::DropDown; }

    TStrings Items;
    int ItemIndex() const { return itemIndex_; }
    // Selects an item and shows its text; runs nothing.
    void SetItemIndex(int index);
    const std::string& Text() const { return text_; }
    // An editable box takes the text and selects no item. A list selects the
    // item with that text (without regard to case), or none. Runs nothing.
    void SetText(std::string text);

    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int rows) { dropDownCount_ = rows; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height) { itemHeight_ = height; }

    NotifyEvent OnChange;
    NotifyEvent OnDropDown;
    DrawItemEvent OnDrawItem;

    // The user picked an item from the list: OnClick, then OnChange.
    void UserSelect(int index);
    // The user typed in an editable box: OnChange.
    void UserSetText(std::string text);
    // The user opened the list.
    void UserDropDown();
    // The window asks an owner-drawn box to draw one item. Without an
    // OnDrawItem handler the item's text is drawn plainly.
    void UserDrawItem(TCanvas& canvas, int index, Rect rect, unsigned state);

private:
    void SelectQuietly(int index);

    ComboStyle style_ = ComboStyle::DropDown;
    int itemIndex_ = -1;
    std::string text_;
    int dropDownCount_ = 8;
    int itemHeight_ = 16;
};

} // namespace orvane::ui
