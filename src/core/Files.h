#pragma once
// Small file helpers over the C library, which takes names in the system code
// page unchanged on every platform the program builds for.
#include <cstdio>
#include <string>

namespace orvane::core {

// Whether a file of that name exists and can be read.
inline bool FileExists(const std::string& name) {
    if (name.empty()) return false;
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

} // namespace orvane::core
