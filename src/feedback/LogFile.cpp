#include "feedback/LogFile.h"

#include "config/IniErrors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvane::feedback {

namespace {

[[noreturn]] void RaiseWriteError(const std::string& fileName, int error) {
    std::string message = "Cannot write file \"" + fileName + "\"";
    if (error != 0) message += std::string(": ") + std::strerror(error);
    throw EInOutError(message);
}

bool Put(std::FILE* file, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

} // namespace

void AppendLogLine(const std::string& fileName, std::string_view remote, std::string_view command) {
    errno = 0;
    // Binary, so that the line end is written as it stands on every system.
    std::FILE* file = std::fopen(fileName.c_str(), "ab");
    if (!file) RaiseWriteError(fileName, errno);
    const bool written =
        Put(file, remote) && Put(file, ",") && Put(file, command) && Put(file, "\r\n") && std::fflush(file) == 0;
    const int writeError = errno;
    // Closing hands over what the library still holds; a full disk may show only here.
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return;
    RaiseWriteError(fileName, written ? errno : writeError);
}

} // namespace orvane::feedback
