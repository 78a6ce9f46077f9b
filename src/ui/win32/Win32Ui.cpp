#include "ui/win32/Win32Ui.h"

#include "ui/Edits.h"
#include "ui/Menus.h"
#include "ui/win32/WindowPeer.h"

namespace orvane::ui::win32 {
namespace {

// The nearest window, from this one up through its parents, that shows a control.
WindowPeer* PeerAtOrAbove(HWND window) {
    for (; window; window = GetParent(window))
        if (WindowPeer* peer = WindowPeer::FromHandle(window)) return peer;
    return nullptr;
}

BOOL CALLBACK CollectShownWindow(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && WindowPeer::FromHandle(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

Win32Ui::Win32Ui(Application& app)
    : app_(app),
      instance_(GetModuleHandleA(nullptr)),
      font_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))),
      waitCursor_(LoadCursor(nullptr, IDC_WAIT)) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                                        ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES |
                                                        ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    app_.SetPeer(this);
    app_.SetPeerFactory(this);
}

Win32Ui::~Win32Ui() {
    app_.SetPeer(nullptr);
    app_.SetPeerFactory(nullptr);
}

HWND Win32Ui::MainWindow() const {
    TForm* main = app_.MainForm();
    auto* peer = main ? dynamic_cast<WindowPeer*>(main->Peer()) : nullptr;
    return peer ? peer->Handle() : nullptr;
}

void Win32Ui::Realise(TForm& form) {
    CreatePeers(form);
    MakeMenuPeers(*this, form);
}

bool Win32Ui::MeasureText(const std::string& text, int& width) {
    HDC dc = GetDC(nullptr);
    if (!dc) return false;
    HGDIOBJ old = SelectObject(dc, font_);
    SIZE size{};
    const BOOL measured = GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    if (!measured) return false;
    width = size.cx;
    return true;
}

void Win32Ui::CreatePeers(Control& control) {
    std::unique_ptr<WindowPeer> peer = MakeBasicPeer(*this, control);
    if (!peer) peer = MakeViewPeer(*this, control);
    if (!peer) peer = MakeChoicePeer(*this, control);
    if (peer) control.SetPeer(std::move(peer));
    for (Control* child : control.Controls()) CreatePeers(*child);
}

UINT Win32Ui::CommandFor(TMenuItem& item) {
    auto it = commandIds_.find(&item);
    if (it != commandIds_.end()) return it->second;
    const UINT id = nextCommand_++;
    commandIds_[&item] = id;
    commands_[id] = &item;
    return id;
}

void Win32Ui::ForgetCommand(TMenuItem& item) {
    auto it = commandIds_.find(&item);
    if (it == commandIds_.end()) return;
    commands_.erase(it->second);
    commandIds_.erase(it);
}

TMenuItem* Win32Ui::ItemForCommand(UINT id) const {
    auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : it->second;
}

bool Win32Ui::PreTranslate(MSG& message) {
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        WindowPeer* peer = PeerAtOrAbove(message.hwnd);
        if (!peer) return true;
        const auto key = static_cast<Key>(message.wParam);
        const ShiftState shift = KeyboardShift();
        // A window that wants every key (a label being edited in place)
        // keeps Enter and Escape for itself rather than pressing a button.
        if ((key == VK_RETURN || key == VK_ESCAPE) &&
            message.hwnd != peer->Handle() && (SendMessageA(message.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS))
            return true;
        Key left = peer->Model().UserKeyDown(key, shift);
        if (left == 0) return false;
        if (left == VK_TAB && !(SendMessageA(message.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB)) {
            HWND root = GetAncestor(message.hwnd, GA_ROOT);
            if (HWND next = GetNextDlgTabItem(root, GetFocus(), (shift & ssShift) != 0)) SetFocus(next);
            return false;
        }
        message.wParam = left;
    } else if (message.message == WM_CHAR) {
        WindowPeer* peer = PeerAtOrAbove(message.hwnd);
        if (!peer) return true;
        // The keys Enter, Escape and Tab were dealt with as key presses.
        if (message.wParam == '\t' || message.wParam == '\r' || message.wParam == 27) {
            if (!(SendMessageA(message.hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_WANTALLKEYS | DLGC_WANTCHARS)))
                return false;
        }
        char typed = peer->Model().UserKeyPress(static_cast<char>(message.wParam));
        if (typed == 0) return false;
        message.wParam = static_cast<unsigned char>(typed);
    }
    return true;
}

bool Win32Ui::Pump(bool wait) {
    MSG message;
    if (wait) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quitting_ = true;
            exitCode_ = got == 0 ? static_cast<int>(message.wParam) : 1;
            if (!app_.Terminated()) app_.Terminate();
            return false;
        }
    } else if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    } else if (message.message == WM_QUIT) {
        quitting_ = true;
        exitCode_ = static_cast<int>(message.wParam);
        if (!app_.Terminated()) app_.Terminate();
        return false;
    }
    // Our windows' key messages go to the model first; a window procedure may
    // not be reached by an exception, and this is no window procedure, but
    // the model's dispatch point catches its own failures anyway.
    bool deliver = true;
    try {
        deliver = PreTranslate(message);
    } catch (const std::exception& failure) {
        app_.HandleException(failure);
        deliver = false;
    }
    if (deliver) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

int Win32Ui::Run() {
    // A menu's own loop may swallow the quit message; the model knows anyway.
    while (!quitting_ && !app_.Terminated()) Pump(true);
    return exitCode_;
}

void Win32Ui::RunUntil(const std::function<bool()>& done) {
    while (!quitting_ && !done()) Pump(true);
}

void Win32Ui::ProcessMessages() {
    while (!quitting_ && Pump(false)) {
    }
}

void Win32Ui::Terminate() {
    if (!quitting_) PostQuitMessage(0);
}

void Win32Ui::TitleChanged(const std::string&) {
    // The taskbar shows the main form's own caption; the title is kept by the model.
}

// Minimising the application takes every window of the program off the
// screen, as the classic framework's hidden application window did; the
// forms keep their visible state in the model.
void Win32Ui::Minimize() {
    if (!minimized_.empty()) return;
    EnumThreadWindows(GetCurrentThreadId(), CollectShownWindow, reinterpret_cast<LPARAM>(&minimized_));
    for (HWND window : minimized_) ShowWindow(window, SW_HIDE);
}

void Win32Ui::Restore() {
    for (HWND window : minimized_)
        if (IsWindow(window)) ShowWindow(window, SW_SHOWNA);
    minimized_.clear();
    if (HWND main = MainWindow()) SetForegroundWindow(main);
}

void Win32Ui::ShowTaskbarButton(bool shown) {
    HWND main = MainWindow();
    if (!main) return;
    LONG_PTR style = GetWindowLongPtrA(main, GWL_EXSTYLE);
    style = shown ? ((style | WS_EX_APPWINDOW) & ~WS_EX_TOOLWINDOW) : ((style | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW);
    SetWindowLongPtrA(main, GWL_EXSTYLE, style);
}

void Win32Ui::CursorChanged(Cursor cursor) {
    SetCursor(cursor == Cursor::HourGlass ? waitCursor_ : LoadCursor(nullptr, IDC_ARROW));
}

} // namespace orvane::ui::win32
