#pragma once
// A form: a window of the program. A program's window is a class derived from
// TForm whose controls are members, created in its constructor, with its
// handlers as member functions.
//
// Show and Hide raise OnShow and OnHide, and the form shown last becomes the
// active one (OnActivate; the one it replaces raises OnDeactivate). Hiding the
// active form activates the form shown before it, so the main window raises
// OnActivate again on each return from a modal dialog.
#include "ui/Control.h"
#include "ui/Dialogs.h"

#include <cstdint>
#include <functional>
#include <map>

namespace orvane::ui {

class Application;
class TMainMenu;

enum class FormBorderStyle { Sizeable, Dialog, Single, None };
enum class FormPosition { Designed, ScreenCenter };

class TForm : public Control {
public:
    TForm(Application& app, std::string name);
    ~TForm() override;

    TForm* AsForm() const override { return const_cast<TForm*>(this); }
    Application& App() const { return app_; }

    using Control::Caption;
    using Control::SetCaption;

    void SetVisible(bool visible) override;
    bool Active() const;

    // Shows the form modally and returns its modal result. Raises
    // EInvalidOperation "Cannot make a visible window modal" when it is shown.
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Closes the form: a modal one ends with mrCancel; another asks
    // OnCloseQuery, raises OnClose and hides, or ends the program when it is
    // the main form.
    void Close();
    // Asks OnCloseQuery; true when the form may close.
    bool CloseQuery();

    Control* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Control* control) { ChangeFocus(control, false); }

    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool preview) { keyPreview_ = preview; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu) { menu_ = menu; }

    FormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(FormBorderStyle style);
    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }
    void SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }

    NotifyEvent OnCreate;
    NotifyEvent OnShow;
    NotifyEvent OnHide;
    NotifyEvent OnActivate;
    NotifyEvent OnDeactivate;
    CloseQueryEvent OnCloseQuery;
    CloseEvent OnClose;
    NotifyEvent OnDestroy;

    // Enter presses the focused button, else the default one; Escape the
    // cancel button. True when a button took the key.
    bool DialogKey(Key key);

    // The user closed the window (close box, system menu, Alt+F4).
    void UserClose();
    // The window system made this form the active one.
    void UserActivated();

    // The native window's handle, made now if the form has none yet; 0
    // without a native side. Other programs (the keyboard hook, the TV
    // application) post messages to it.
    std::uintptr_t Handle() const;
    // A handler for a message number that other programs send to this form,
    // or for the system's power broadcasts (WM_POWERBROADCAST), which the
    // handler only watches. The handler runs through the application's
    // dispatch point.
    using MessageEvent = std::function<void(std::uintptr_t wParam, std::intptr_t lParam)>;
    void SetMessageHandler(unsigned message, MessageEvent handler);
    // A message arrived (from the peer, or a test); false when no handler
    // takes that number.
    bool UserMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    // Other programs send messages to this form: it needs its window from
    // its creation on, shown or not.
    bool TakesMessages() const { return !messageHandlers_.empty(); }

private:
    friend class Application;
    friend class Control;
    void ChangeFocus(Control* control, bool fromPeer);
    void ControlDestroyed(Control& control);
    void CloseModal();
    void DoActivate(bool active, bool notifyPeer);

    Application& app_;
    Control* activeControl_ = nullptr;
    TMainMenu* menu_ = nullptr;
    bool keyPreview_ = false;
    bool modal_ = false;
    bool showing_ = false;
    int modalResult_ = mrNone;
    FormBorderStyle borderStyle_ = FormBorderStyle::Sizeable;
    FormPosition position_ = FormPosition::Designed;
    std::map<unsigned, MessageEvent> messageHandlers_;
};

} // namespace orvane::ui
