// Any bytes as an ".orv" file, read by the real configuration reader into the
// main window of the whole program started on fakes, as opening a file reads
// it. Damage ends in a reader's error or a file cut short, never in a crash,
// a hang or unbounded memory.
#include "actions/LayoutsForm.h"
#include "config/BigIniFile.h"
#include "config/ConfigReader.h"
#include "core/Exception.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"
#include "program/Program.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace {

using namespace orvane;

// The application goes first (declared last): its forms still hold icons and
// ports of the platform while they are destroyed.
struct World {
    fakes::FakePlatform platform;
    fakes::FakeSerialPorts serialPorts;
    fakes::FakeUi ui;
    std::unique_ptr<program::Program> program;
    World() {
        platform.shell.executablePath = "C:\\Tools\\Orvane\\orvane.exe";
        program = std::make_unique<program::Program>(ui.app, platform.Services(), serialPorts);
        program->Start();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World world;
    program::TMainForm& main = world.program->Main();
    config::TBiggerIniFile ini;
    ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!config::ConfigReader::IsConfiguration(ini)) return 0;
    // A new configuration, as opening one starts with.
    main.FormDestroy(nullptr);
    main.FormCreate(nullptr);
    config::ConfigReader reader(ini, main, world.program->Layouts());
    try {
        reader.ReadNodes();
        reader.ReadLayouts();
    } catch (const Exception&) {
    }
    return 0;
}
