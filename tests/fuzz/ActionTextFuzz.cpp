// Any bytes as an action description, through every consumer of the field
// reader: the reader itself, the action editor's loading and building, and
// the action list's caption. A text may fail to convert; it may never read
// outside itself, loop or crash.
#include "actions/ActionForm.h"
#include "actions/ActionText.h"
#include "actions/DescribeAction.h"
#include "core/Exception.h"
#include "fakes/FakeUi.h"
#include "fakes/FakeWindowSystem.h"
#include "ui/ListView.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

using namespace orvane;

// Nothing here shows a dialog (the scripted dialogs would abort on one) or
// runs a timer; key names come from the fake desktop.
struct World {
    fakes::FakeUi ui;
    fakes::FakeWindowSystem windows;
    actions::TActionForm& editor = ui.app.CreateForm<actions::TActionForm>(windows);
    ui::TForm& host = ui.app.CreateForm<ui::TForm>("Host");
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
