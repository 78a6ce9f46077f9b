#include "fakes/FakeFileLister.h"

#include "core/Text.h"

namespace orvane::fakes {

namespace {

// Folders compare without regard to case or a trailing separator.
std::string FolderKey(const std::string& folder) {
    std::string key = UpperCase(folder);
    for (char& c : key)
        if (c == '/') c = '\\';
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return key;
}

bool Match(const char* name, const char* mask) {
    for (; *mask; ++mask) {
        if (*mask == '*') {
            for (const char* rest = name;; ++rest) {
                if (Match(rest, mask + 1)) return true;
                if (!*rest) return false;
            }
        }
        if (!*name) return false;
        if (*mask != '?' && UpperChar(*mask) != UpperChar(*name)) return false;
        ++name;
    }
    return *name == '\0';
}

} // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
    if (mask == "*.*") return true;
    return Match(name.c_str(), mask.c_str());
}

void FakeFileLister::AddFile(const std::string& folder, const std::string& name) {
    folders_[FolderKey(folder)].push_back(name);
}

std::vector<std::string> FakeFileLister::ListFiles(const std::string& folder, const std::string& mask) {
    std::vector<std::string> out;
    auto it = folders_.find(FolderKey(folder));
    if (it == folders_.end()) return out;
    for (const auto& name : it->second)
        if (MatchesMask(name, mask)) out.push_back(name);
    return out;
}

} // namespace orvane::fakes
