#pragma once
#include "platform/Processes.h"

namespace orvane::platform::win32 {

class Win32Processes : public Processes {
public:
    std::intptr_t ShellOpen(WindowHandle owner, const std::string& file, const std::string& params) override;
    ProcessHandle StartProcess(const std::string& commandLine) override;
    void WaitForExit(ProcessHandle process) override;
    std::uint32_t ExitCode(ProcessHandle process) override;
    void CloseProcess(ProcessHandle process) override;
    bool SetPrivilege(const std::string& name, bool on) override;
    bool ExitSystem(std::uint32_t flags) override;
    bool SetSystemPowerState(bool suspend, bool force) override;
};

} // namespace orvane::platform::win32
