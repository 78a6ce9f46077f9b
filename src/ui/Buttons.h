#pragma once
// Push buttons and the controls that hold a choice: check box, radio button
// and radio group.
//
// As in the classic framework the program's windows were written for, a
// choice set from code to a new value runs OnClick, exactly as a click would:
// the start-up load relies on it. Setting the value it already has runs nothing.
#include "ui/Control.h"
#include "ui/Strings.h"

namespace orvane::ui {

class TButton : public Control {
public:
    TButton(Control& parent, std::string name);
    using Control::Caption;
    using Control::SetCaption;

    // A button with a modal result closes its modal form with that result.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    // The button that Enter presses, and the one that Escape presses.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }

    void Click() override;

private:
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};

class TCheckBox : public Control {
public:
    TCheckBox(Control& parent, std::string name);
    using Control::Caption;
    using Control::SetCaption;

    bool Checked() const { return checked_; }
    // A new value runs OnClick.
    void SetChecked(bool checked);
    // The click toggles the box, then runs OnClick.
    void UserClicked() override;

private:
    bool checked_ = false;
};

// Radio buttons with the same parent form one group: checking one unchecks
// the others (whose OnClick does not run).
class TRadioButton : public Control {
public:
    TRadioButton(Control& parent, std::string name);
    using Control::Caption;
    using Control::SetCaption;

    bool Checked() const { return checked_; }
    // Checking runs OnClick; unchecking runs nothing.
    void SetChecked(bool checked);
    // The click checks the button (when it is not checked yet) and runs OnClick.
    void UserClicked() override;

private:
    void TurnSiblingsOff();
    bool checked_ = false;
};

// A group of radio buttons made from Items; ItemIndex is the checked one.
class TRadioGroup : public Control {
public:
    TRadioGroup(Control& parent, std::string name);
    using Control::Caption;
    using Control::SetCaption;

    TStrings Items;
    int ItemIndex() const { return itemIndex_; }
    // Kept within -1 and the last item. A new value runs OnClick.
    void SetItemIndex(int index);
    // The user checked the item's button.
    void UserSelect(int index);

private:
    int Clamp(int index) const;
    int itemIndex_ = -1;
};

} // namespace orvane::ui
