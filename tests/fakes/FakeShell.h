#pragma once
// The program's file, its data resources and command line as a test sets
// them, and a count of the shell notices sent.
#include "core/Text.h"
#include "platform/Shell.h"

#include <map>

namespace orvane::fakes {

class FakeShell : public platform::Shell {
public:
    std::string ExecutablePath() override { return executablePath; }
    std::optional<std::vector<std::uint8_t>> ProgramResource(const std::string& name) override {
        for (const auto& [resourceName, bytes] : resources)
            if (SameText(resourceName, name)) return bytes;
        return std::nullopt;
    }
    std::vector<std::string> Arguments() override { return arguments; }
    void NotifyAssociationsChanged() override { ++associationNotices; }

    std::string executablePath = "C:\\Program Files\\Orvane\\orvane.exe";
    std::vector<std::string> arguments;
    // Resource names match without regard to case, as Windows matches them.
    std::map<std::string, std::vector<std::uint8_t>> resources;
    int associationNotices = 0;
};

} // namespace orvane::fakes
