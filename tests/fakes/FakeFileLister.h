#pragma once
// Folders of file names in memory, listed with the system's mask rules
// (* and ?, without regard to case; "*.*" lists everything).
#include "ui/FileLister.h"

#include <map>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeFileLister : public ui::FileLister {
public:
    void AddFile(const std::string& folder, const std::string& name);
    std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask) override;

private:
    std::map<std::string, std::vector<std::string>> folders_; // by folder key
};

// Whether a file name matches a mask as the system's search does.
bool MatchesMask(const std::string& name, const std::string& mask);

} // namespace orvane::fakes
