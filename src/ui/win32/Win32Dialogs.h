#pragma once
// The dialog services through the system's own dialogs: message boxes, the
// common file and font dialogs, and the program's text prompt. Modal forms run
// their own message loop with the other forms disabled.
#include "ui/Dialogs.h"

namespace orvane::ui {
class Application;
}

namespace orvane::ui::win32 {

class Win32Ui;

class Win32Dialogs : public DialogService {
public:
    // The dialogs need the native side, which needs the application, which
    // needs the dialogs: the native side is attached once it exists.
    void Attach(Win32Ui& ui) { ui_ = &ui; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& text) override;
    bool OpenFile(FileDialogRequest& request) override;
    bool SaveFile(FileDialogRequest& request) override;
    bool ChooseFont(TFont& font) override;
    void WaitModal(TForm& form) override;

private:
    bool FileDialog(FileDialogRequest& request, bool save);
    Win32Ui* ui_ = nullptr;
};

} // namespace orvane::ui::win32
