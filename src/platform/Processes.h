#pragma once
// Starting programs and documents, waiting for a program to end, and asking
// the system to log off, restart, shut down, suspend or hibernate.
#include "platform/WindowSystem.h"

#include <cstdint>
#include <string>

namespace orvane::platform {

// A started process's handle value; 0 is none.
using ProcessHandle = std::uintptr_t;

// ExitWindowsEx flags.
namespace exit_flag {
inline constexpr std::uint32_t LogOff = 0;
inline constexpr std::uint32_t Reboot = 2;
inline constexpr std::uint32_t ShutdownPowerOff = 9;
} // namespace exit_flag

class Processes {
public:
    virtual ~Processes() = default;
    // ShellExecuteA with the verb "open", no directory and SW_SHOW; the
    // shell's answer (above 32 when it succeeded).
    virtual std::intptr_t ShellOpen(WindowHandle owner, const std::string& file, const std::string& params) = 0;
    // CreateProcessA with no application name, this command line, no
    // inherited handles, CREATE_NEW_CONSOLE with NORMAL_PRIORITY_CLASS, and
    // start-up information that only asks for SW_SHOWDEFAULT. The process's
    // handle, 0 when it could not be started.
    virtual ProcessHandle StartProcess(const std::string& commandLine) = 0;
    // Waits until the process ends. The program's windows keep being painted
    // meanwhile; no other message of the program is handled.
    virtual void WaitForExit(ProcessHandle process) = 0;
    virtual std::uint32_t ExitCode(ProcessHandle process) = 0;
    virtual void CloseProcess(ProcessHandle process) = 0;

    // Enables or disables a privilege of the program's own token; whether the
    // lookup and the adjustment succeeded.
    virtual bool SetPrivilege(const std::string& name, bool on) = 0;
    // ExitWindowsEx with the flags and reason 0.
    virtual bool ExitSystem(std::uint32_t flags) = 0;
    // SetSystemPowerState: suspend when true, else hibernate.
    virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
};

} // namespace orvane::platform
