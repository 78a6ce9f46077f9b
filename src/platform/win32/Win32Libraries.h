#pragma once
#include "platform/Libraries.h"

namespace orvane::platform::win32 {

class Win32LibraryLoader : public LibraryLoader {
public:
    std::unique_ptr<Library> Load(const std::string& fileName) override;
};

} // namespace orvane::platform::win32
