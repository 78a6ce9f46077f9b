#pragma once
// Files in memory, named the Windows way: folders separated by "\", names
// matched without regard to case but kept as first written. A file can only
// be made in a folder that exists; "C:\Temp" does from the start and is the
// temporary folder. A test plays the other programs on the machine: it puts
// and removes files, takes a name just before the program reserves it, and
// makes the next call of an operation fail.
#include "platform/FileSystem.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeFileSystem : public platform::FileSystem {
public:
    FakeFileSystem();

    platform::FileResult<std::string> TempPath() override;
    bool FileExists(const std::string& path) override;
    platform::FileError CreateNew(const std::string& path) override;
    platform::FileError Write(const std::string& path, std::span<const std::uint8_t> bytes) override;
    platform::FileResult<std::vector<std::uint8_t>> Read(const std::string& path) override;
    platform::FileError Delete(const std::string& path) override;
    // While held, Write and Delete fail with SharingViolation; Put and Remove
    // (another program that ignores holds) still work.
    platform::FileResult<std::unique_ptr<platform::FileHold>> Hold(const std::string& path) override;
    bool Held(const std::string& path) const { return held_.count(Key(path)) > 0; }

    // A folder and every folder above it; the final "\" is optional.
    void AddFolder(const std::string& path);
    // Puts or replaces a file, as another program would, making its folder.
    void Put(const std::string& path, std::vector<std::uint8_t> bytes = {});
    // Removes a file, as another program would; nothing when it is missing.
    void Remove(const std::string& path);
    std::optional<std::vector<std::uint8_t>> Contents(const std::string& path) const;
    // Every file, as first spelled, in name order.
    std::vector<std::string> FileNames() const;

    // The next call of an operation ("TempPath", "CreateNew", "Write", "Read",
    // "Delete", "Hold") fails with error and changes nothing.
    void FailNext(const std::string& operation, platform::FileError error);
    // Runs as CreateNew starts, before it looks at the name: another program
    // may take the name in between.
    std::function<void(const std::string& path)> beforeCreateNew;

    // What TempPath answers; AddFolder it when changed.
    std::string tempPath = "C:\\Temp\\";

private:
    struct File {
        std::string name;
        std::vector<std::uint8_t> bytes;
    };
    static std::string Key(const std::string& path);
    bool FolderOfExists(const std::string& path) const;
    platform::FileError TakeFailure(const std::string& operation);

    std::map<std::string, File> files_;
    std::set<std::string> folders_;
    std::map<std::string, platform::FileError> failures_;
    std::multiset<std::string> held_;
};

} // namespace orvane::fakes
