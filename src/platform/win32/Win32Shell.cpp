#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shlobj.h>

namespace orvane::platform::win32 {

std::string Win32Shell::ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::optional<std::vector<std::uint8_t>> Win32Shell::ProgramResource(const std::string& name) {
    // A module's resources live as long as the module and need no freeing.
    HRSRC found = FindResourceA(nullptr, name.c_str(), RT_RCDATA);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!data) return std::nullopt;
    return std::vector<std::uint8_t>(data, data + SizeofResource(nullptr, found));
}

std::vector<std::string> Win32Shell::Arguments() {
    std::vector<std::string> all = SplitCommandLine(GetCommandLineA());
    if (!all.empty()) all.erase(all.begin()); // the program itself
    return all;
}

void Win32Shell::NotifyAssociationsChanged() { SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr); }

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    const std::size_t n = commandLine.size();
    while (i < n) {
        while (i < n && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
        if (i >= n) break;
        std::string argument;
        bool quoted = false;
        while (i < n && (quoted || (commandLine[i] != ' ' && commandLine[i] != '\t'))) {
            if (commandLine[i] == '\\') {
                std::size_t slashes = 0;
                while (i < n && commandLine[i] == '\\') ++slashes, ++i;
                if (i < n && commandLine[i] == '"') {
                    argument.append(slashes / 2, '\\');
                    if (slashes % 2) {
                        argument += '"';
                        ++i;
                    }
                } else {
                    argument.append(slashes, '\\');
                }
            } else if (commandLine[i] == '"') {
                quoted = !quoted;
                ++i;
            } else {
                argument += commandLine[i++];
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

} // namespace orvane::platform::win32
