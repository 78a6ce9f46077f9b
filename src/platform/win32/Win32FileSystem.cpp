#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace orvane::platform::win32 {
namespace {

// A file handle, closed when it goes.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    FileHandle(FileHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// The error of the call that just failed; a failure must never read as success.
DWORD LastError() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

FileHandle Open(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    return FileHandle(CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

class Win32FileHold : public FileHold {
public:
    explicit Win32FileHold(FileHandle file) : file_(std::move(file)) {}

private:
    FileHandle file_;
};

// Large transfers go in pieces, so that no single call needs a huge buffer
// in the kernel.
constexpr DWORD kChunk = 1 << 20;

} // namespace

FileResult<std::string> Win32FileSystem::TempPath() {
    std::string path(MAX_PATH + 1, '\0');
    for (;;) {
        const DWORD length = GetTempPathA(static_cast<DWORD>(path.size()), path.data());
        if (length == 0) return {{}, LastError()};
        if (length < path.size()) {
            path.resize(length);
            return {path, 0};
        }
        path.resize(length + 1); // too small: length is the size needed
    }
}

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

FileError Win32FileSystem::CreateNew(const std::string& path) {
    FileHandle file = Open(path, GENERIC_WRITE, 0, CREATE_NEW);
    if (!file) {
        const DWORD error = LastError();
        // Systems differ in how they name the collision; callers test for one.
        return error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error;
    }
    return 0;
}

FileError Win32FileSystem::Write(const std::string& path, std::span<const std::uint8_t> bytes) {
    FileHandle file = Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file) return LastError();
    while (!bytes.empty()) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), piece, &written, nullptr)) return LastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        bytes = bytes.subspan(written);
    }
    return 0;
}

FileResult<std::vector<std::uint8_t>> Win32FileSystem::Read(const std::string& path) {
    // Others may read along (a loaded library is mapped for reading), not write.
    FileHandle file = Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file) return {{}, LastError()};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return {{}, LastError()};
    if (size.QuadPart >= 0x80000000LL) return {{}, ERROR_FILE_TOO_LARGE};

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t at = 0;
    while (at < bytes.size()) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, kChunk));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + at, piece, &read, nullptr)) return {{}, LastError()};
        if (read == 0) break; // shorter than it was a moment ago
        at += read;
    }
    bytes.resize(at);
    return {std::move(bytes), 0};
}

FileError Win32FileSystem::Delete(const std::string& path) { return DeleteFileA(path.c_str()) ? 0 : LastError(); }

FileResult<std::unique_ptr<FileHold>> Win32FileSystem::Hold(const std::string& path) {
    // Reading shared, so that every process can load the library from it;
    // neither writing nor deleting (which renaming needs) is.
    FileHandle file = Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file) return {nullptr, LastError()};
    return {std::make_unique<Win32FileHold>(std::move(file)), 0};
}

} // namespace orvane::platform::win32
