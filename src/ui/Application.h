#pragma once
// The application: the root owner of every form, the program's title and
// taskbar presence, the mouse cursor, the services the controls reach (timers,
// dialogs, file lists), and the single dispatch point of every event that
// comes from outside: a peer's notification, a timer tick, a socket event, a
// modal dialog's button. The dispatch point catches the program's exceptions
// and hands them to HandleException, which shows the message and abandons
// that event.
#include "ui/Component.h"
#include "ui/Dialogs.h"
#include "ui/FileLister.h"
#include "platform/Timers.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane::ui {

class TForm;

struct UiServices {
    platform::TimerService& timers;
    DialogService& dialogs;
    FileLister& files;
};

class Application : public Component {
public:
    explicit Application(UiServices services);
    ~Application() override;

    platform::TimerService& Timers() const { return services_.timers; }
    DialogService& Dialogs() const { return services_.dialogs; }
    FileLister& Files() const { return services_.files; }

    // The native side: the application's own window and loop, and the
    // factory that gives each form its peers. Both absent in tests.
    void SetPeer(ApplicationPeer* peer) { peer_ = peer; }
    void SetPeerFactory(PeerFactory* factory) { factory_ = factory; }
    // Gives a form its peers, when there is a factory.
    void Realise(TForm& form);
    // Gives the form that holds a component its peers unless it has them:
    // at its first show, or when something only its windows can answer is
    // asked (its handle, a hit test, a pop-up menu).
    void EnsureRealised(const Component& component);
    // The width of a text in the controls' font while a control has no
    // window; false when there is no native side to measure it.
    bool MeasureText(const std::string& text, int& width) const;

    // Creates a form owned by the application: constructs it and raises its
    // OnCreate (through the dispatch point). The first form created is the
    // main form; closing it ends the program. The main form, and a form that
    // other programs send messages to, get their windows at once; any other
    // form when it is first shown or asked for them (EnsureRealised), so
    // that a start does not make the windows of every dialog.
    template <class T, class... Args>
    T& CreateForm(Args&&... args) {
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *form;
        forms_.push_back(std::move(form));
        FormCreated(ref);
        return ref;
    }
    TForm* MainForm() const { return mainForm_; }
    // Raises OnDestroy on every form made by CreateForm and frees them, the
    // last created first.
    void DestroyForms();

    // The form that has the focus among the visible ones, or none.
    TForm* ActiveForm() const { return zOrder_.empty() ? nullptr : zOrder_.back(); }

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);

    void Minimize();
    void Restore();
    bool Minimized() const { return minimized_; }
    void ShowTaskbarButton(bool shown);
    bool TaskbarButtonShown() const { return taskbarButtonShown_; }

    // Lets pending window messages run; there are none without a native side.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    Cursor GetCursor() const { return cursor_; }
    void SetCursor(Cursor cursor);

    // Runs one event from outside; false when it failed and was handed to
    // HandleException. Exceptions of other types are program faults and pass.
    bool Dispatch(const std::function<void()>& event);
    // Shows the failure's message in an error box titled with the application's title.
    void HandleException(const std::exception& failure);

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // The text prompt. PromptText answers false on Cancel and leaves text
    // alone; InputBox answers the proposed text on Cancel.
    bool PromptText(const std::string& caption, const std::string& prompt, std::string& text);
    std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& proposed);

protected:
    Application* AsApplication() override { return this; }

private:
    friend class TForm;
    void FormCreated(TForm& form);
    void FormShown(TForm& form);
    void FormHidden(TForm& form);
    void FormDestroyed(TForm& form);
    void Activate(TForm& form, bool fromPeer);

    UiServices services_;
    ApplicationPeer* peer_ = nullptr;
    PeerFactory* factory_ = nullptr;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> zOrder_; // visible forms, the active one last
    std::string title_;
    bool minimized_ = false;
    bool taskbarButtonShown_ = true;
    bool terminated_ = false;
    Cursor cursor_ = Cursor::Default;
};

} // namespace orvane::ui
