#pragma once
// Text entry: the one-line edit, the memo, and the up-down control that steps
// the number in an edit.
//
// An edit's text set from code to a new value runs OnChange, as typing does;
// moving an up-down from code rewrites its edit's text and so runs the edit's
// OnChange too. An edit tied to an up-down tells it every new text, so the
// up-down's position is current before the edit's OnChange runs.
#include "ui/Control.h"
#include "ui/Strings.h"

#include <string_view>

namespace orvane::ui {

class TUpDown;

class TEdit : public Control {
public:
    TEdit(Control& parent, std::string name);
    ~TEdit() override;

    const std::string& Text() const { return text_; }
    // A new text runs OnChange.
    void SetText(std::string text);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // The character shown in place of each typed one (0: the text itself).
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c) { passwordChar_ = c; }
    // The most characters the user can enter (0: no limit). Text set from
    // code is kept whole, as the system's edit keeps it.
    std::size_t MaxLength() const { return maxLength_; }
    void SetMaxLength(std::size_t length);

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelection(int start, int length);
    void SelectAll() { SetSelection(0, static_cast<int>(text_.size())); }

    TUpDown* Associate() const { return upDown_; }

    NotifyEvent OnChange;

    // The user's text, after the window changed it.
    void UserSetText(std::string text);
    // Types characters as a user at the keyboard would: each goes through
    // OnKeyPress (which may discard it), then replaces the selection or is
    // added at the end; the backspace deletes the selection or the last
    // character. Each change of text runs OnChange.
    void UserType(std::string_view chars);

private:
    friend class TUpDown;
    void TextChanged();

    std::string text_;
    bool readOnly_ = false;
    char passwordChar_ = 0;
    std::size_t maxLength_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
    TUpDown* upDown_ = nullptr;
};

class TMemo : public Control {
public:
    TMemo(Control& parent, std::string name);
    TStrings Lines;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // The user's text, after the window changed it: the lines follow it.
    void UserSetText(std::string_view text);

private:
    bool readOnly_ = false;
};

// Steps a number by Increment within Min and Max. Its associated edit shows
// the position; a number typed there moves the position (kept within the
// range; text that is not a number leaves it where it was).
class TUpDown : public Control {
public:
    TUpDown(Control& parent, std::string name);
    ~TUpDown() override;

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int Increment() const { return increment_; }
    void SetMin(int min);
    void SetMax(int max);
    // Kept within the range; a new position rewrites the edit's text.
    void SetPosition(int position);
    void SetIncrement(int increment) { increment_ = increment; }
    // "," between thousands in the edit's text.
    bool Thousands() const { return thousands_; }
    void SetThousands(bool thousands) { thousands_ = thousands; }

    TEdit* Associate() const { return edit_; }
    void SetAssociate(TEdit* edit);

    // The user pressed the up or down arrow.
    void UserClickUp();
    void UserClickDown();

private:
    friend class TEdit;
    void EditTextChanged(const std::string& text);
    void Step(int delta);
    void Move(int position);

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    bool thousands_ = true;
    TEdit* edit_ = nullptr;
};

} // namespace orvane::ui
