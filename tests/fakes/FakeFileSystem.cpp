#include "fakes/FakeFileSystem.h"

#include "core/Text.h"

namespace orvane::fakes {

using platform::FileError;
namespace file_error = platform::file_error;

FakeFileSystem::FakeFileSystem() { AddFolder(tempPath); }

std::string FakeFileSystem::Key(const std::string& path) {
    std::string key = UpperCase(path);
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return key;
}

bool FakeFileSystem::FolderOfExists(const std::string& path) const {
    const std::size_t end = path.find_last_of('\\');
    // A bare name lives in the current folder, which always exists.
    return end == std::string::npos || folders_.count(Key(path.substr(0, end))) > 0;
}

FileError FakeFileSystem::TakeFailure(const std::string& operation) {
    const auto found = failures_.find(operation);
    if (found == failures_.end()) return 0;
    const FileError error = found->second;
    failures_.erase(found);
    return error;
}

void FakeFileSystem::FailNext(const std::string& operation, FileError error) { failures_[operation] = error; }

platform::FileResult<std::string> FakeFileSystem::TempPath() {
    if (const FileError error = TakeFailure("TempPath")) return {{}, error};
    return {tempPath, 0};
}

bool FakeFileSystem::FileExists(const std::string& path) { return files_.count(Key(path)) > 0; }

FileError FakeFileSystem::CreateNew(const std::string& path) {
    if (beforeCreateNew) beforeCreateNew(path);
    if (const FileError error = TakeFailure("CreateNew")) return error;
    if (files_.count(Key(path)) || folders_.count(Key(path))) return file_error::FileExists;
    if (!FolderOfExists(path)) return file_error::PathNotFound;
    files_[Key(path)] = File{path, {}};
    return 0;
}

FileError FakeFileSystem::Write(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (const FileError error = TakeFailure("Write")) return error;
    if (Held(path)) return file_error::SharingViolation;
    if (folders_.count(Key(path))) return file_error::AccessDenied;
    if (!FolderOfExists(path)) return file_error::PathNotFound;
    File& file = files_[Key(path)];
    if (file.name.empty()) file.name = path;
    file.bytes.assign(bytes.begin(), bytes.end());
    return 0;
}

platform::FileResult<std::vector<std::uint8_t>> FakeFileSystem::Read(const std::string& path) {
    if (const FileError error = TakeFailure("Read")) return {{}, error};
    const auto found = files_.find(Key(path));
    if (found != files_.end()) return {found->second.bytes, 0};
    if (folders_.count(Key(path))) return {{}, file_error::AccessDenied};
    return {{}, FolderOfExists(path) ? file_error::FileNotFound : file_error::PathNotFound};
}

FileError FakeFileSystem::Delete(const std::string& path) {
    if (const FileError error = TakeFailure("Delete")) return error;
    if (Held(path)) return file_error::SharingViolation;
    if (files_.erase(Key(path))) return 0;
    if (folders_.count(Key(path))) return file_error::AccessDenied;
    return FolderOfExists(path) ? file_error::FileNotFound : file_error::PathNotFound;
}

platform::FileResult<std::unique_ptr<platform::FileHold>> FakeFileSystem::Hold(const std::string& path) {
    class FakeHold : public platform::FileHold {
    public:
        FakeHold(std::multiset<std::string>& held, std::string key) : held_(held), key_(std::move(key)) {
            held_.insert(key_);
        }
        ~FakeHold() override { held_.erase(held_.find(key_)); }

    private:
        std::multiset<std::string>& held_;
        std::string key_;
    };
    if (const FileError error = TakeFailure("Hold")) return {nullptr, error};
    if (!files_.count(Key(path))) return {nullptr, FolderOfExists(path) ? file_error::FileNotFound : file_error::PathNotFound};
    return {std::make_unique<FakeHold>(held_, Key(path)), 0};
}

void FakeFileSystem::AddFolder(const std::string& path) {
    std::string key = Key(path);
    while (!key.empty()) {
        folders_.insert(key);
        const std::size_t end = key.find_last_of('\\');
        if (end == std::string::npos) break;
        key.resize(end);
    }
}

void FakeFileSystem::Put(const std::string& path, std::vector<std::uint8_t> bytes) {
    const std::size_t end = path.find_last_of('\\');
    if (end != std::string::npos) AddFolder(path.substr(0, end));
    File& file = files_[Key(path)];
    if (file.name.empty()) file.name = path;
    file.bytes = std::move(bytes);
}

void FakeFileSystem::Remove(const std::string& path) { files_.erase(Key(path)); }

std::optional<std::vector<std::uint8_t>> FakeFileSystem::Contents(const std::string& path) const {
    const auto found = files_.find(Key(path));
    if (found == files_.end()) return std::nullopt;
    return found->second.bytes;
}

std::vector<std::string> FakeFileSystem::FileNames() const {
    std::vector<std::string> names;
    for (const auto& [key, file] : files_) names.push_back(file.name);
    return names;
}

} // namespace orvane::fakes
