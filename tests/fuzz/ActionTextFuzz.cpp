// Any bytes as an action description, through every consumer of the field
// reader: the reader itself, the action editor's loading and building, and
// the action list's caption. A text may fail to convert; it may never read
// outside itself, loop or crash.
#include "actions/ActionForm.h"
#include "actions/ActionText.h"
#include "actions/DescribeAction.h"
#include "core/Exception.h"
#include "ui/ListView.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

using namespace orvane;

// Services that are never used: nothing here shows a dialog or starts a timer.
struct NoTimers : platform::TimerService {
    platform::TimerId StartTimer(std::uint32_t, std::function<void()>) override { return 1; }
    void StopTimer(platform::TimerId) override {}
};
struct NoDialogs : ui::DialogService {
    int MessageBox(const std::string&, const std::string&, unsigned) override { return ui::mrOk; }
    bool InputQuery(const std::string&, const std::string&, std::string&) override { return false; }
    bool OpenFile(ui::FileDialogRequest&) override { return false; }
    bool SaveFile(ui::FileDialogRequest&) override { return false; }
    bool ChooseFont(ui::TFont&) override { return false; }
    void WaitModal(ui::TForm&) override {}
};
struct NoFiles : ui::FileLister {
    std::vector<std::string> ListFiles(const std::string&, const std::string&) override { return {}; }
};
struct KeyNames : platform::WindowSystem {
    std::vector<platform::WindowHandle> TopLevelWindows() override { return {}; }
    std::string WindowTitle(platform::WindowHandle) override { return {}; }
    platform::WindowHandle Owner(platform::WindowHandle) override { return 0; }
    bool IsVisible(platform::WindowHandle) override { return false; }
    bool IsWindow(platform::WindowHandle) override { return false; }
    platform::WindowHandle ForegroundWindow() override { return 0; }
    bool PostWindowMessage(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) override {
        return false;
    }
    std::string KeyName(std::int32_t data) override { return "Key" + std::to_string((data >> 16) & 0xFF); }
};

struct World {
    NoTimers timers;
    NoDialogs dialogs;
    NoFiles files;
    KeyNames windows;
    ui::Application app{ui::UiServices{timers, dialogs, files}};
    actions::TActionForm& editor = app.CreateForm<actions::TActionForm>(windows);
    ui::TForm& host = app.CreateForm<ui::TForm>("Host");
    ui::TListView list{host, "List"};
    World() { list.Add(); }
};

void Convert(const std::string& field) {
    // A converted field is written back as the same number.
    if (const std::optional<int> value = actions::TryFieldInteger(field))
        if (actions::TryFieldInteger(std::to_string(*value)) != value) std::abort();
}

void Fields(const std::string& text) {
    using namespace actions;
    const SendKeysFields k = ReadSendKeys(text);
    for (const std::string* f : {&k.key, &k.delay, &k.window}) Convert(*f);
    const MouseFields m = ReadMouseControl(text);
    for (const std::string* f : {&m.button, &m.direction, &m.accel, &m.x, &m.y, &m.delay}) Convert(*f);
    const ProgramFields p = ReadExecuteProgram(text);
    for (const std::string* f : {&p.tryFirst, &p.file, &p.params, &p.delay}) Convert(*f);
    const MessageFields g = ReadPostMessage(text);
    for (const std::string* f : {&g.message, &g.wParam, &g.lParam, &g.delay, &g.window}) Convert(*f);
    const MixerFields x = ReadMixer(text);
    for (const std::string* f : {&x.line, &x.volume, &x.increment, &x.delay}) Convert(*f);
    for (const PlainFields& plain : {ReadShutdown(text), ReadWindowState(text), ReadOSD(text)}) {
        Convert(plain.value);
        Convert(plain.delay);
    }
    // Fields are pieces of the text: none can be longer than it.
    for (const std::string* f : {&k.key, &m.y, &p.delay, &g.window, &x.line})
        if (f->size() > text.size()) std::abort();
    (void)TypesIn(text, kLoadOrder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World world;
    const std::string text(reinterpret_cast<const char*>(data), size);
    Fields(text);
    try {
        world.editor.LoadActionDescription(text);
    } catch (const orvane::EConvertError&) {
    }
    // Whatever the editor holds now, it writes a description of it.
    const std::string built = world.editor.BuildActionDescription();
    Fields(built);
    try {
        orvane::actions::DescribeAction(text, *world.list.Item(0), world.editor, world.windows);
    } catch (const orvane::EConvertError&) {
    }
    return 0;
}
