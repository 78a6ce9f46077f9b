#pragma once
// The program's file and command line as a test sets them, and a count of
// the shell notices sent.
#include "platform/Shell.h"

namespace orvane::fakes {

class FakeShell : public platform::Shell {
public:
    std::string ExecutablePath() override { return executablePath; }
    std::vector<std::string> Arguments() override { return arguments; }
    void NotifyAssociationsChanged() override { ++associationNotices; }

    std::string executablePath = "C:\\Program Files\\Orvane\\orvane.exe";
    std::vector<std::string> arguments;
    int associationNotices = 0;
};

} // namespace orvane::fakes
