#include "ui/Form.h"

#include "core/Exception.h"
#include "ui/Application.h"
#include "ui/Buttons.h"

#include <functional>

namespace orvane::ui {

TForm::TForm(Application& app, std::string name) : Control(&app, std::move(name)), app_(app) {
    PublishCaption();
    // A form is created hidden; Show or ShowModal brings it up.
    Control::SetVisible(false);
}

TForm::~TForm() { app_.FormDestroyed(*this); }

bool TForm::Active() const { return app_.ActiveForm() == this; }

void TForm::SetVisible(bool visible) {
    if (Visible() == visible) {
        // Showing a shown form brings it to the front.
        if (visible && !Active()) app_.FormShown(*this);
        return;
    }
    if (visible) {
        app_.EnsureRealised(*this);
        // The window system activates the window as it appears; the form
        // becomes active only after OnShow, as below.
        showing_ = true;
        struct ShowingEnd {
            bool& showing;
            ~ShowingEnd() { showing = false; }
        } showingEnd{showing_};
        Control::SetVisible(visible);
        if (OnShow) OnShow(this);
        showing_ = false;
        app_.FormShown(*this);
    } else {
        Control::SetVisible(visible);
        if (OnHide) OnHide(this);
        app_.FormHidden(*this);
    }
}

void TForm::DoActivate(bool active, bool notifyPeer) {
    if (notifyPeer) Notify(Prop::Active);
    if (active) {
        if (OnActivate) OnActivate(this);
    } else if (OnDeactivate) {
        OnDeactivate(this);
    }
}

void TForm::SetBorderStyle(FormBorderStyle style) {
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    Notify(Prop::Style);
}

int TForm::ShowModal() {
    if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    modal_ = true;
    modalResult_ = mrNone;
    try {
        Show();
        do {
            app_.Dialogs().WaitModal(*this);
            if (app_.Terminated())
                modalResult_ = mrCancel;
            else if (modalResult_ != mrNone)
                CloseModal();
        } while (modalResult_ == mrNone);
    } catch (...) {
        modal_ = false;
        Hide();
        throw;
    }
    modal_ = false;
    Hide();
    return modalResult_;
}

void TForm::CloseModal() {
    CloseAction action = CloseAction::None;
    if (CloseQuery()) {
        action = CloseAction::Hide;
        if (OnClose) OnClose(this, action);
    }
    if (action == CloseAction::None) modalResult_ = mrNone;
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(this, action);
    if (action == CloseAction::None) return;
    if (app_.MainForm() == this)
        app_.Terminate();
    else
        Hide();
}

bool TForm::DialogKey(Key key) {
    if (key != keys::Return && key != keys::Escape) return false;
    TButton* chosen = nullptr;
    if (key == keys::Return) chosen = dynamic_cast<TButton*>(activeControl_);
    std::function<void(const Control&)> find = [&](const Control& parent) {
        for (Control* c : parent.Controls()) {
            if (chosen) return;
            auto* button = dynamic_cast<TButton*>(c);
            if (button && (key == keys::Return ? button->Default() : button->Cancel())) chosen = button;
            find(*c);
        }
    };
    if (!chosen) find(*this);
    if (!chosen || !chosen->AcceptsInput()) return false;
    chosen->Click();
    return true;
}

void TForm::UserClose() {
    Dispatch([this] { Close(); });
}

void TForm::UserActivated() {
    if (!Visible() || Active() || showing_) return;
    Dispatch([this] { app_.Activate(*this, true); });
}

std::uintptr_t TForm::Handle() const {
    app_.EnsureRealised(*this);
    return Peer() ? Peer()->NativeHandle() : 0;
}

void TForm::SetMessageHandler(unsigned message, MessageEvent handler) {
    if (handler)
        messageHandlers_[message] = std::move(handler);
    else
        messageHandlers_.erase(message);
}

bool TForm::UserMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    auto found = messageHandlers_.find(message);
    if (found == messageHandlers_.end()) return false;
    // A copy: the handler may replace itself.
    MessageEvent handler = found->second;
    Dispatch([&] { handler(wParam, lParam); });
    return true;
}

void TForm::ChangeFocus(Control* control, bool fromPeer) {
    if (control == this) control = nullptr;
    if (activeControl_ == control) return;
    Control* previous = activeControl_;
    activeControl_ = control;
    if (control && !fromPeer) control->NotifyFocus();
    if (previous && previous->OnExit) previous->OnExit(previous);
}

void TForm::ControlDestroyed(Control& control) {
    if (activeControl_ == &control) activeControl_ = nullptr;
}

} // namespace orvane::ui
