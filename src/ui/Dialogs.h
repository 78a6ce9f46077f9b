#pragma once
// The dialogs the program asks the user through: message boxes, the text
// prompt, file and font dialogs, and the modal loop of its own forms. The
// native side answers them with the system's dialogs; tests answer them from a
// script.
//
// Message box flags and answers are the Win32 values (MB_YESNO, IDYES, ...),
// so the native side passes them straight through. The answers double as the
// modal results of forms.
#include "ui/Component.h"
#include "ui/Graphics.h"

#include <string>

namespace orvane::ui {

class TForm;

constexpr int mrNone = 0;
constexpr int mrOk = 1;     // IDOK
constexpr int mrCancel = 2; // IDCANCEL
constexpr int mrAbort = 3;
constexpr int mrRetry = 4;
constexpr int mrIgnore = 5;
constexpr int mrYes = 6; // IDYES
constexpr int mrNo = 7;  // IDNO

namespace mb {
constexpr unsigned Ok = 0x0;
constexpr unsigned OkCancel = 0x1;
constexpr unsigned AbortRetryIgnore = 0x2;
constexpr unsigned YesNoCancel = 0x3;
constexpr unsigned YesNo = 0x4;
constexpr unsigned RetryCancel = 0x5;
constexpr unsigned IconError = 0x10; // the stop sign
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconWarning = 0x30; // the exclamation mark
constexpr unsigned IconInformation = 0x40;
} // namespace mb

// What a file dialog shows and, on OK, the file chosen.
struct FileDialogRequest {
    std::string title;
    std::string filter; // "Description|*.ext|Description|*.ext"
    std::string defaultExt;
    std::string initialDir;
    std::string fileName; // proposed; on OK the full path chosen
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // Returns the button pressed (mrOk, mrYes, ...).
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    // The text prompt: caption, prompt and an editable text. On OK the text
    // holds the answer and the result is true; on Cancel it is left alone.
    virtual bool InputQuery(const std::string& caption, const std::string& prompt, std::string& text) = 0;
    virtual bool OpenFile(FileDialogRequest& request) = 0;
    virtual bool SaveFile(FileDialogRequest& request) = 0;
    // On OK the font holds the choice.
    virtual bool ChooseFont(TFont& font) = 0;
    // Runs a shown form's modal loop: returns once the form has a modal
    // result, or when the application is terminating.
    virtual void WaitModal(TForm& form) = 0;
};

// The open and save dialog components.
class TOpenDialog : public Component {
public:
    TOpenDialog(Component& owner, std::string name);
    std::string Title, Filter, DefaultExt, InitialDir, FileName;
    // Shows the dialog; on OK FileName holds the chosen path.
    virtual bool Execute();
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    bool Execute() override;
};

class TFontDialog : public Component {
public:
    TFontDialog(Component& owner, std::string name) : Component(&owner, std::move(name)) {}
    TFont Font;
    bool Execute();
};

} // namespace orvane::ui
