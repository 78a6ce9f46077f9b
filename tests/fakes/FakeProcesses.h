#pragma once
// Programs and documents "started" by recording them, and the system's exit
// and power calls recorded, never made.
#include "platform/Processes.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeProcesses : public platform::Processes {
public:
    // Every call in order: "ShellOpen <owner>|<file>|<params>",
    // "StartProcess <command line>", "WaitForExit", "ExitCode", "Close",
    // "SetPrivilege <name> on|off", "ExitSystem <flags>",
    // "SetSystemPowerState <suspend> <force>" (0 or 1).
    std::vector<std::string> calls;
    // StartProcess fails when false.
    bool canStart = true;
    // Runs inside WaitForExit, while the started program "runs".
    std::function<void()> whileRunning;

    std::intptr_t ShellOpen(platform::WindowHandle owner, const std::string& file,
                            const std::string& params) override {
        calls.push_back("ShellOpen " + std::to_string(owner) + "|" + file + "|" + params);
        return 42;
    }
    platform::ProcessHandle StartProcess(const std::string& commandLine) override {
        calls.push_back("StartProcess " + commandLine);
        return canStart ? 0x700 : 0;
    }
    void WaitForExit(platform::ProcessHandle) override {
        calls.push_back("WaitForExit");
        if (whileRunning) whileRunning();
    }
    std::uint32_t ExitCode(platform::ProcessHandle) override {
        calls.push_back("ExitCode");
        return 0;
    }
    void CloseProcess(platform::ProcessHandle) override { calls.push_back("Close"); }
    bool SetPrivilege(const std::string& name, bool on) override {
        calls.push_back("SetPrivilege " + name + (on ? " on" : " off"));
        return true;
    }
    bool ExitSystem(std::uint32_t flags) override {
        calls.push_back("ExitSystem " + std::to_string(flags));
        return true;
    }
    bool SetSystemPowerState(bool suspend, bool force) override {
        calls.push_back("SetSystemPowerState " + std::to_string(suspend) + " " + std::to_string(force));
        return true;
    }
};

} // namespace orvane::fakes
