#pragma once
// The native side of the control model: gives each form real windows (the
// peer factory), plays the application's part (title, taskbar, cursor, the
// message loop), and answers the dialog services with the system's dialogs.
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Peer.h"

#include "ui/win32/SystemHeaders.h"

#include <map>
#include <memory>
#include <vector>

namespace orvane::ui {
class TMenuItem;
}

namespace orvane::ui::win32 {

class WindowPeer;

class Win32Ui : public PeerFactory, public ApplicationPeer {
public:
    explicit Win32Ui(Application& app);
    ~Win32Ui() override;

    Application& App() const { return app_; }
    HINSTANCE Instance() const { return instance_; }
    HFONT Font() const { return font_; }

    // Creates the windows of a form and every control and menu on it.
    void Realise(TForm& form) override;
    // Measures as a control's window would, in the same font, with none.
    bool MeasureText(const std::string& text, int& width) override;

    // Runs the message loop until the program ends; returns the exit code.
    int Run();
    // Runs messages until done() holds, the form's window is gone, or the
    // program ends (the quit message is left for the outer loop).
    void RunUntil(const std::function<bool()>& done);

    // Menu items get command identifiers for WM_COMMAND.
    UINT CommandFor(TMenuItem& item);
    void ForgetCommand(TMenuItem& item);
    TMenuItem* ItemForCommand(UINT id) const;

    // ApplicationPeer
    void TitleChanged(const std::string& title) override;
    void Minimize() override;
    void Restore() override;
    void ShowTaskbarButton(bool shown) override;
    void ProcessMessages() override;
    void Terminate() override;
    void CursorChanged(Cursor cursor) override;

    // The main form's window, which owns the others; none before it exists.
    HWND MainWindow() const;

private:
    // Gives the model the keys before the control: menu shortcuts, key
    // preview, dialog keys, key-press filters and Tab between controls.
    // False when the message was consumed.
    bool PreTranslate(MSG& message);
    void CreatePeers(Control& control);
    bool Pump(bool wait);

    Application& app_;
    HINSTANCE instance_;
    HFONT font_;
    HCURSOR waitCursor_;
    bool quitting_ = false;
    int exitCode_ = 0;
    // The windows that minimising the application hid, for restoring.
    std::vector<HWND> minimized_;
    std::map<UINT, TMenuItem*> commands_;
    std::map<TMenuItem*, UINT> commandIds_;
    UINT nextCommand_ = 100;
};

// Makes the peer of one control, or none when the kind has no window (each
// group of peers answers for its own control kinds).
std::unique_ptr<WindowPeer> MakeBasicPeer(Win32Ui& ui, Control& control);
std::unique_ptr<WindowPeer> MakeViewPeer(Win32Ui& ui, Control& control);
std::unique_ptr<WindowPeer> MakeChoicePeer(Win32Ui& ui, Control& control);
// The peers of a form's menus (main and pop-up), made once its window exists.
void MakeMenuPeers(Win32Ui& ui, TForm& form);
// A menu of the program is about to open (WM_INITMENUPOPUP at its window).
void MenuOpening(HMENU menu);

} // namespace orvane::ui::win32
