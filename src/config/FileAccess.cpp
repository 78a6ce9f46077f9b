#include "config/FileAccess.h"

#include "config/IniErrors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvane::config {
namespace {

std::string Reason(int error) { return error ? std::string(": ") + std::strerror(error) : std::string(); }

[[noreturn]] void RaiseWriteError(const std::string& name, int error, const std::string& more = "") {
    throw EInOutError("Cannot write file \"" + name + "\"" + Reason(error) + more);
}

// A name beside the file that no file has yet: an existing file of the
// user's is never overwritten.
std::string FreeTemporaryName(const std::string& name) {
    for (int i = 0; i < 10; ++i) {
        std::string candidate = name;
        if (i > 0) (candidate += '.') += std::to_string(i);
        candidate += ".tmp";
        if (FileMissing(candidate)) return candidate;
    }
    RaiseWriteError(name, 0, ": no free name for a temporary file beside it");
}

// Writes and closes the whole text, or removes what was written and raises.
void WriteWhole(const std::string& target, const std::string& temporary, std::string_view text) {
    errno = 0;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) RaiseWriteError(target, errno);
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
    const int error = errno;
    // Closing flushes what the system still holds; a full disk may show only here.
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return;
    const int closeError = errno;
    std::remove(temporary.c_str());
    RaiseWriteError(target, written ? closeError : error);
}

} // namespace

bool FileMissing(const std::string& name) {
    if (name.empty()) return true;
    errno = 0;
    if (std::FILE* file = std::fopen(name.c_str(), "rb")) {
        std::fclose(file);
        return false;
    }
    // A name the system cannot even take (bad characters, too long) names no file either.
    return errno == ENOENT || errno == ENOTDIR || errno == EINVAL || errno == ENAMETOOLONG;
}

void WriteFileWithBackup(const std::string& name, std::string_view text) {
    const std::string temporary = FreeTemporaryName(name);
    WriteWhole(name, temporary, text);

    // The previous version becomes the backup; without one (the first save)
    // these fail, which is fine.
    const std::string backup = name + ".bak";
    std::remove(backup.c_str());
    std::rename(name.c_str(), backup.c_str());

    if (std::rename(temporary.c_str(), name.c_str()) == 0) return;
    // The old file could not become the backup and is still in the way (the
    // system does not rename over a file): the new text replaces it.
    std::remove(name.c_str());
    errno = 0;
    if (std::rename(temporary.c_str(), name.c_str()) == 0) return;
    RaiseWriteError(name, errno, "; the configuration was written to \"" + temporary + "\"");
}

} // namespace orvane::config
