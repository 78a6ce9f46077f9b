#pragma once
// Folder listings through the system's own file search.
#include "ui/FileLister.h"

namespace orvane::ui::win32 {

class Win32FileLister : public FileLister {
public:
    std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask) override;
};

} // namespace orvane::ui::win32
