// The keyboard hook library that the program carries: written out to a
// temporary file when the main window is made, gone when it is destroyed.
#include "program/Program.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"
#include "input/FileSourceData.h"
#include "keyhook/KeyHookKey.h"
#include "settings/SettingsForm.h"

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

TEST_F(KeyHookFileTest, EachCopyWritesItsOwnKeyAndLoadsOnlyTheFileItHolds) {
    std::copy(std::begin(keyhook::kKeyMarker), std::end(keyhook::kKeyMarker), library.begin() + 3000);
    std::fill(library.begin() + 3016, library.begin() + 3032, 0);
    Carry(input::EncodeFileData(library, false));
    settings::SettingsStore(platform.registry).WriteSettingBool("Multiple instances", true);
    const auto keyOf = [&](const std::string& file) {
        const Bytes bytes = *platform.files.Contents(file);
        return Bytes(bytes.begin() + 3016, bytes.begin() + 3032);
    };

    auto first = Start();
    auto second = Start();
    const std::string firstFile = first->Main().KeyHookFileSrc.FileName();
    const std::string secondFile = second->Main().KeyHookFileSrc.FileName();
    EXPECT_EQ(keyOf(firstFile), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(keyOf(secondFile), (Bytes{17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32}));
    Bytes withoutKey = *platform.files.Contents(firstFile);
    std::fill(withoutKey.begin() + 3016, withoutKey.begin() + 3032, 0);
    EXPECT_EQ(withoutKey, library); // the key is all that differs
    // Held from the writing on: not even this program's own file calls change it.
    EXPECT_TRUE(platform.files.Held(firstFile));
    EXPECT_EQ(platform.files.Write(firstFile, library), platform::file_error::SharingViolation);

    for (auto* run : {first.get(), second.get()}) {
        run->program->Settings().SerialBasedChBx.SetChecked(false);
        run->program->Settings().KeyboardChBx.SetChecked(true);
    }
    // Something that ignores the hold swaps the second copy's file: it is not loaded.
    platform.libraries.Provide(firstFile, {{"KeyHook_Start", "KeyHook_Stop", "KeyCounter"}, {}});
    platform.libraries.Provide(secondFile, {{"KeyHook_Start", "KeyHook_Stop", "KeyCounter"}, {}});
    platform.files.Put(secondFile, library);
    second->ui.dialogs.ExpectMessageBox("Cannot load KEYHOOK.DLL");
    EXPECT_FALSE(second->Main().SwitchOrigins(true));
    EXPECT_EQ(platform.libraries.LoadCount(secondFile), 0);
    EXPECT_TRUE(first->Main().SwitchOrigins(true));
    EXPECT_EQ(platform.libraries.LoadCount(firstFile), 1);
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
