#include "ui/Application.h"

#include "ui/Form.h"

#include <algorithm>

namespace orvane::ui {

Application::Application(UiServices services) : Component(nullptr, "Application"), services_(services) {}

Application::~Application() { DestroyForms(); }

void Application::Realise(TForm& form) {
    if (factory_) factory_->Realise(form);
}

void Application::EnsureRealised(const Component& component) {
    if (!factory_) return;
    const Component* c = &component;
    while (c && !dynamic_cast<const TForm*>(c)) c = c->Owner();
    if (!c || c->Peer()) return;
    factory_->Realise(*const_cast<TForm*>(static_cast<const TForm*>(c)));
}

bool Application::MeasureText(const std::string& text, int& width) const {
    return factory_ && factory_->MeasureText(text, width);
}

void Application::FormCreated(TForm& form) {
    if (!mainForm_) mainForm_ = &form;
    if (&form == mainForm_ || form.TakesMessages()) Realise(form);
    if (form.OnCreate) Dispatch([&form] { form.OnCreate(&form); });
}

void Application::DestroyForms() {
    while (!forms_.empty()) {
        TForm& form = *forms_.back();
        if (form.OnDestroy) Dispatch([&form] { form.OnDestroy(&form); });
        // A handler may create forms meanwhile; free exactly this one.
        auto it = std::find_if(forms_.begin(), forms_.end(), [&](const auto& f) { return f.get() == &form; });
        if (it != forms_.end()) forms_.erase(it);
    }
}

void Application::FormShown(TForm& form) {
    TForm* previous = ActiveForm();
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
    zOrder_.push_back(&form);
    if (previous == &form) return;
    if (previous) previous->DoActivate(false, true);
    form.DoActivate(true, true);
}

void Application::FormHidden(TForm& form) {
    const bool wasActive = ActiveForm() == &form;
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
    if (!wasActive) return;
    form.DoActivate(false, true);
    if (TForm* next = ActiveForm()) next->DoActivate(true, true);
}

void Application::Activate(TForm& form, bool fromPeer) {
    TForm* previous = ActiveForm();
    if (previous == &form) return;
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
    zOrder_.push_back(&form);
    if (previous) previous->DoActivate(false, !fromPeer);
    form.DoActivate(true, !fromPeer);
}

void Application::FormDestroyed(TForm& form) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
    if (mainForm_ == &form) mainForm_ = nullptr;
}

void Application::SetTitle(std::string title) {
    if (title_ == title) return;
    title_ = std::move(title);
    if (peer_) peer_->TitleChanged(title_);
}

void Application::Minimize() {
    minimized_ = true;
    if (peer_) peer_->Minimize();
}

void Application::Restore() {
    minimized_ = false;
    if (peer_) peer_->Restore();
}

void Application::ShowTaskbarButton(bool shown) {
    taskbarButtonShown_ = shown;
    if (peer_) peer_->ShowTaskbarButton(shown);
}

void Application::ProcessMessages() {
    if (peer_) peer_->ProcessMessages();
}

void Application::Terminate() {
    terminated_ = true;
    if (peer_) peer_->Terminate();
}

void Application::SetCursor(Cursor cursor) {
    if (cursor_ == cursor) return;
    cursor_ = cursor;
    if (peer_) peer_->CursorChanged(cursor);
}

bool Application::Dispatch(const std::function<void()>& event) {
    // orvane::Exception is a std::exception; both end the event here.
    try {
        event();
        return true;
    } catch (const std::exception& failure) {
        HandleException(failure);
        return false;
    }
}

void Application::HandleException(const std::exception& failure) {
    MessageBox(failure.what(), title_, mb::Ok | mb::IconError);
}

int Application::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return services_.dialogs.MessageBox(text, caption, flags);
}

bool Application::PromptText(const std::string& caption, const std::string& prompt, std::string& text) {
    return services_.dialogs.InputQuery(caption, prompt, text);
}

std::string Application::InputBox(const std::string& caption, const std::string& prompt,
                                  const std::string& proposed) {
    std::string text = proposed;
    return services_.dialogs.InputQuery(caption, prompt, text) ? text : proposed;
}

} // namespace orvane::ui
