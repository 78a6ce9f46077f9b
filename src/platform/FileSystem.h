#pragma once
// Whole files by name, reached the way Win32's file functions reach them: the
// temporary folder (GetTempPath), attributes (GetFileAttributes), CreateFile
// with CREATE_NEW to reserve a name, CREATE_ALWAYS to write, OPEN_EXISTING to
// read, and DeleteFile. Names compare without regard to case. Every failure
// carries the system's error number.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace orvane::platform {

// The system's error number of a failed call; 0 means success.
using FileError = std::uint32_t;

// The error numbers the program tells apart (ERROR_...).
namespace file_error {
inline constexpr FileError FileNotFound = 2;
inline constexpr FileError PathNotFound = 3;
inline constexpr FileError AccessDenied = 5;
inline constexpr FileError SharingViolation = 32;
inline constexpr FileError FileExists = 80;
inline constexpr FileError AlreadyExists = 183;
inline constexpr FileError FileTooLarge = 223;
} // namespace file_error

// A file held open for reading: others may read and load it, but nobody may
// write, rename or delete it until the hold is destroyed.
class FileHold {
public:
    virtual ~FileHold() = default;
};

template <class T>
struct FileResult {
    T value{};
    FileError error = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The folder for temporary files, with its final "\".
    virtual FileResult<std::string> TempPath() = 0;
    // Whether a file (not a folder) of that name exists.
    virtual bool FileExists(const std::string& path) = 0;
    // Creates the file empty. Fails with FileExists when anything of that name
    // is there: of two callers racing for one name, exactly one succeeds.
    virtual FileError CreateNew(const std::string& path) = 0;
    // Replaces the file's contents with bytes, creating the file if needed.
    virtual FileError Write(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
    // The whole file. Files of 2 GB and more fail with FileTooLarge.
    virtual FileResult<std::vector<std::uint8_t>> Read(const std::string& path) = 0;
    virtual FileError Delete(const std::string& path) = 0;
    // Holds the file (CreateFile for reading, sharing reading only). Fails
    // with SharingViolation while someone has it open for writing.
    virtual FileResult<std::unique_ptr<FileHold>> Hold(const std::string& path) = 0;
};

} // namespace orvane::platform
