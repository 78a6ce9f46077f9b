#include "ui/win32/Win32FileLister.h"

#include <windows.h>

namespace orvane::ui::win32 {

std::vector<std::string> Win32FileLister::ListFiles(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
    pattern += mask.empty() ? "*.*" : mask;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

} // namespace orvane::ui::win32
