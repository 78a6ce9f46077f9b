#pragma once
// The base of every native peer: one window that shows one control of the
// model. The peer pushes the model's changes to its window and turns the
// window's notifications into the control's User... calls.
//
// Every window of the program runs through one window procedure, which
// reflects the notifications a parent receives from its children (WM_COMMAND,
// WM_NOTIFY, WM_DRAWITEM, scrolling, colours) to the child's own peer, and
// which catches every exception before it can reach the system's frames.
#include "ui/Control.h"
#include "ui/Peer.h"

#include "ui/win32/SystemHeaders.h"

#include <string>
#include <vector>

namespace orvane::ui::win32 {

class Win32Ui;

class WindowPeer : public ControlPeer {
public:
    WindowPeer(Win32Ui& ui, Control& control);
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    HWND Handle() const { return window_; }
    std::uintptr_t NativeHandle() const override { return reinterpret_cast<std::uintptr_t>(window_); }
    Control& Model() const { return control_; }
    Win32Ui& Ui() const { return ui_; }

    // The peer of a window of the program, or none.
    static WindowPeer* FromHandle(HWND window);

    // Common state: caption, enabled, visible, bounds, focus, hint; and the
    // update bracket, which holds the window's redrawing until its end.
    void Changed(const Change& change) override;

    // Notifications the parent received from this control. True when handled.
    virtual bool OnCommand(WORD /*code*/) { return false; }
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnDrawItem(DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnScroll(int /*code*/, int /*position*/) { return false; }
    virtual bool OnCtlColor(HDC /*dc*/, HBRUSH& /*brush*/) { return false; }

    // The window that children of this control are created in.
    virtual HWND ClientHandle() const { return window_; }

    // Runs one message of this peer's window; the procedure's entry.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Creates the window: a system class (subclassed) or one of the program's
    // own classes, placed in the parent's client window at the model's bounds.
    void Create(const char* className, DWORD style, DWORD exStyle = 0);
    // The peer's own messages; true when handled with result.
    virtual bool HandleMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
        return false;
    }
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);

    // Tags the window with a text that other programs can read (a global atom
    // kept in a window property); removed with the window.
    void SetAtomProperty(const char* property, const std::string& text);

    // Sets the window text without the window's change notification reaching
    // the model again.
    void PushText(const std::string& text);
    // True while this peer itself is changing its window: the notifications
    // that causes are echoes, not the user's doing.
    bool Pushing() const { return pushing_ > 0; }
    class Push {
    public:
        explicit Push(WindowPeer& peer) : peer_(peer) { ++peer_.pushing_; }
        ~Push() { --peer_.pushing_; }
        Push(const Push&) = delete;
        Push& operator=(const Push&) = delete;

    private:
        WindowPeer& peer_;
    };

    // Inside the control's update bracket. A peer that leaves work for its
    // end does it before passing EndUpdate on to this base.
    bool Updating() const { return updating_; }

    // The model's bounds, relative to the parent's client area.
    virtual void ApplyBounds();
    // The caption the window shows; a control without one shows nothing.
    virtual std::string CaptionText() const;
    std::string WindowText() const;

private:
    void Destroyed();

    Win32Ui& ui_;
    Control& control_;
    HWND window_ = nullptr;
    std::vector<const char*> atomProperties_;
    WNDPROC original_ = nullptr;
    int pushing_ = 0;
    bool updating_ = false;
    friend LRESULT CALLBACK PeerWindowProc(HWND, UINT, WPARAM, LPARAM);
};

LRESULT CALLBACK PeerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The modifier keys held down now.
ShiftState KeyboardShift();

// The name of one of the program's own window classes, registered on first use.
const char* OwnClass(const char* name, UINT classStyle = CS_DBLCLKS);

} // namespace orvane::ui::win32
