#pragma once
// The program's place in the system: its own file and the data built into it,
// its command line, and the shell's notices. Starting programs and documents
// joins this interface.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::platform {

class Shell {
public:
    virtual ~Shell() = default;
    // The full path of the running executable.
    virtual std::string ExecutablePath() = 0;
    // The bytes of the running executable's data resource (RCDATA) of that
    // name, or none when it carries no such resource.
    virtual std::optional<std::vector<std::uint8_t>> ProgramResource(const std::string& name) = 0;
    // The command-line arguments after the program's name, quotes removed.
    virtual std::vector<std::string> Arguments() = 0;
    // Tells the shell that file associations changed (SHCNE_ASSOCCHANGED).
    virtual void NotifyAssociationsChanged() = 0;
};

} // namespace orvane::platform
