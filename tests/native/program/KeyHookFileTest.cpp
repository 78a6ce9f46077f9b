// The keyboard hook library that the program carries: written out to a
// temporary file when the main window is made, gone when it is destroyed.
#include "program/Program.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"
#include "input/FileSourceData.h"

#include <gtest/gtest.h>

namespace orvane::program {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

class KeyHookFileTest : public ::testing::Test {
protected:
    KeyHookFileTest() {
        platform.clock.now.second = 42;
        for (std::size_t i = 0; i < library.size(); ++i) library[i] = std::uint8_t(i % 251);
    }

    struct Run {
        fakes::FakeUi ui;
        std::unique_ptr<Program> program;
        TMainForm& Main() { return program->Main(); }
    };
    std::unique_ptr<Run> Start(const std::function<void(Run&)>& before = {}) {
        auto run = std::make_unique<Run>();
        if (before) before(*run);
        run->program = std::make_unique<Program>(run->ui.app, platform.Services(), serialPorts);
        run->program->Start();
        return run;
    }
    void Carry(const Bytes& fileData) { platform.shell.resources["KEYHOOKFILESRC"] = fileData; }

    fakes::FakePlatform platform;
    fakes::FakeSerialPorts serialPorts;
    Bytes library = Bytes(6656);
};

TEST_F(KeyHookFileTest, EachCopyWritesTheLibraryOutUntilItsMainWindowGoes) {
    Carry(input::EncodeFileData(library, false));
    settings::SettingsStore(platform.registry).WriteSettingBool("Multiple instances", true);

    auto first = Start();
    input::TFileSource& source = first->Main().KeyHookFileSrc;
    EXPECT_EQ(source.FileName(), "C:\\Temp\\~fs420.dll");
    EXPECT_EQ(platform.files.Contents(source.FileName()), library);
    EXPECT_FALSE(source.Compress());
    EXPECT_TRUE(source.Store());
    EXPECT_EQ(source.Extension(), ".dll");

    auto second = Start();
    EXPECT_EQ(second->Main().KeyHookFileSrc.FileName(), "C:\\Temp\\~fs421.dll");
    EXPECT_EQ(platform.files.Contents("C:\\Temp\\~fs421.dll"), library);

    first.reset();
    EXPECT_EQ(platform.files.FileNames(), Names{"C:\\Temp\\~fs421.dll"});
    second.reset();
    EXPECT_TRUE(platform.files.FileNames().empty());
}

TEST_F(KeyHookFileTest, WithoutTheResourceThereIsNoFile) {
    auto run = Start();
    EXPECT_EQ(run->Main().KeyHookFileSrc.FileName(), "");
    EXPECT_TRUE(platform.files.FileNames().empty());
}

TEST_F(KeyHookFileTest, ALibraryThatCannotBeWrittenOutIsReportedAndTheProgramStarts) {
    Bytes damaged = input::EncodeFileData(library, false);
    damaged.resize(damaged.size() - 1);
    Carry(damaged);
    auto run = Start([](Run& r) {
        r.ui.dialogs.ExpectMessageBox("Stored file data is damaged: length 6656 with 6655 bytes present");
    });
    EXPECT_EQ(run->Main().KeyHookFileSrc.FileName(), "");
    EXPECT_TRUE(platform.files.FileNames().empty());
    EXPECT_EQ(run->Main().Caption(), "Orvane 4.0b");
}

} // namespace
} // namespace orvane::program
