#pragma once
// Lists the files of a folder that match a mask, as the system's file search
// does (a mask such as "*.lng", with * and ?, compared without regard to case).
// A folder that does not exist lists nothing.
#include <string>
#include <vector>

namespace orvane::ui {

class FileLister {
public:
    virtual ~FileLister() = default;
    // File names without their folder; folders themselves are not listed.
    virtual std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask) = 0;
};

} // namespace orvane::ui
