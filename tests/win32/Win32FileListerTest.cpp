#include "ui/win32/Win32FileLister.h"

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

namespace orvane::ui::win32 {
namespace {

TEST(Win32FileLister, ListsTheFilesOfAFolderThatMatchAMask) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "orvane-lister-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\Sub.lng").c_str(), nullptr);
    for (const char* name : {"english.lng", "German.LNG", "notes.txt"}) {
        HANDLE file = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }

    Win32FileLister lister;
    auto names = lister.ListFiles(folder, "*.lng");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"German.LNG", "english.lng"}));
    EXPECT_EQ(lister.ListFiles(folder + "\\", "*.*").size(), 3u);
    EXPECT_TRUE(lister.ListFiles(folder + "\\missing", "*.lng").empty());

    for (const char* name : {"english.lng", "German.LNG", "notes.txt"}) DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA((folder + "\\Sub.lng").c_str());
    RemoveDirectoryA(folder.c_str());
}

} // namespace
} // namespace orvane::ui::win32
