#pragma once
#include "platform/FileSystem.h"

namespace orvane::platform::win32 {

class Win32FileSystem : public FileSystem {
public:
    FileResult<std::string> TempPath() override;
    bool FileExists(const std::string& path) override;
    FileError CreateNew(const std::string& path) override;
    FileError Write(const std::string& path, std::span<const std::uint8_t> bytes) override;
    FileResult<std::vector<std::uint8_t>> Read(const std::string& path) override;
    FileError Delete(const std::string& path) override;
    FileResult<std::unique_ptr<FileHold>> Hold(const std::string& path) override;
};

} // namespace orvane::platform::win32
