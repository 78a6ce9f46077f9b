// The keyboard hook library as orvane.exe carries it: the test program is
// built with the same resource, so the real shell, file system and clock
// write out the very library that the build made.
#include "input/FileSource.h"
#include "input/FileSourceData.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace orvane::input {
namespace {

class Win32FileSourceTest : public ::testing::Test {
protected:
    // keyhook.dll is built beside the test program.
    std::vector<std::uint8_t> BuiltLibrary() {
        const std::string exe = shell.ExecutablePath();
        const auto library = files.Read(exe.substr(0, exe.find_last_of('\\') + 1) + "keyhook.dll");
        EXPECT_EQ(library.error, 0u);
        return library.value;
    }

    platform::win32::Win32Shell shell;
    platform::win32::Win32FileSystem files;
    platform::win32::Win32Clock clock;
    ui::Component owner{nullptr, "MainForm"};
};

TEST_F(Win32FileSourceTest, TheResourceHoldsTheLengthAndTheBytesOfTheBuiltLibrary) {
    const auto data = shell.ProgramResource("KEYHOOKFILESRC");
    ASSERT_TRUE(data);
    const std::vector<std::uint8_t> library = BuiltLibrary();
    ASSERT_GT(library.size(), 1000u);
    EXPECT_EQ(*data, EncodeFileData(library, false));
    EXPECT_EQ(shell.ProgramResource("KeyHookFileSrc"), data); // names ignore case
    EXPECT_FALSE(shell.ProgramResource("NOSUCHRESOURCE"));
}

TEST_F(Win32FileSourceTest, TheLibraryWrittenOutLoadsAndGoesWithItsComponent) {
    const auto data = shell.ProgramResource("KEYHOOKFILESRC");
    ASSERT_TRUE(data);
    std::string first, second;
    {
        TFileSource source(owner, "KeyHookFileSrc", files, clock);
        source.SetExtension(".dll");
        TFileSource other(owner, "Other", files, clock);
        other.SetExtension(".dll");
        source.ReadFileData(*data);
        other.ReadFileData(*data);
        first = source.FileName();
        second = other.FileName();
        ASSERT_FALSE(first.empty());
        EXPECT_NE(first, second);

        const std::string temp = files.TempPath().value;
        EXPECT_EQ(first.rfind(temp + "~fs", 0), 0u) << first;
        EXPECT_EQ(first.substr(first.size() - 4), ".dll");
        EXPECT_EQ(files.Read(first).value, BuiltLibrary());

        HMODULE library = LoadLibraryA(first.c_str());
        ASSERT_NE(library, nullptr) << GetLastError();
        EXPECT_NE(GetProcAddress(library, "KeyHook_Start"), nullptr);
        EXPECT_NE(GetProcAddress(library, "KeyHook_Stop"), nullptr);
        FreeLibrary(library);
    }
    EXPECT_FALSE(files.FileExists(first));
    EXPECT_FALSE(files.FileExists(second));
}

} // namespace
} // namespace orvane::input
