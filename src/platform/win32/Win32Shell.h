#pragma once
#include "platform/Shell.h"

namespace orvane::platform::win32 {

class Win32Shell : public Shell {
public:
    std::string ExecutablePath() override;
    std::optional<std::vector<std::uint8_t>> ProgramResource(const std::string& name) override;
    std::vector<std::string> Arguments() override;
    void NotifyAssociationsChanged() override;
};

// Splits a command line as the C runtime does for argv: blanks separate
// arguments, double quotes group them, backslashes before a quote escape it.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

} // namespace orvane::platform::win32
