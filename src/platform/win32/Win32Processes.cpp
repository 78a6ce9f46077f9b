#include "platform/win32/Win32Processes.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

namespace orvane::platform::win32 {
namespace {

HANDLE Process(ProcessHandle process) { return reinterpret_cast<HANDLE>(process); }

} // namespace

std::intptr_t Win32Processes::ShellOpen(WindowHandle owner, const std::string& file, const std::string& params) {
    HINSTANCE result =
        ShellExecuteA(reinterpret_cast<HWND>(owner), "open", file.c_str(), params.c_str(), nullptr, SW_SHOW);
    return reinterpret_cast<std::intptr_t>(result);
}

ProcessHandle Win32Processes::StartProcess(const std::string& commandLine) {
    STARTUPINFOA startup{};
    static_assert(sizeof(STARTUPINFOA) == 68 || sizeof(void*) != 4);
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWDEFAULT;
    // CreateProcessA may write into the command line.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &info))
        return 0;
    CloseHandle(info.hThread);
    return reinterpret_cast<ProcessHandle>(info.hProcess);
}

void Win32Processes::WaitForExit(ProcessHandle process) {
    // Only paint messages are handled while waiting: the windows stay drawn,
    // but no timer, input or posted message of the program runs before the
    // program started here has ended.
    HANDLE handle = Process(process);
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_PAINT);
        if (woken != WAIT_OBJECT_0 + 1) return; // ended, or the handle is unusable
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&message);
    }
}

std::uint32_t Win32Processes::ExitCode(ProcessHandle process) {
    DWORD code = 0;
    GetExitCodeProcess(Process(process), &code);
    return code;
}

void Win32Processes::CloseProcess(ProcessHandle process) { CloseHandle(Process(process)); }

bool Win32Processes::SetPrivilege(const std::string& name, bool on) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = on ? SE_PRIVILEGE_ENABLED : 0;
    const bool done = LookupPrivilegeValueA(nullptr, name.c_str(), &privileges.Privileges[0].Luid) &&
                      AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
    return done;
}

bool Win32Processes::ExitSystem(std::uint32_t flags) { return ExitWindowsEx(flags, 0) != FALSE; }

bool Win32Processes::SetSystemPowerState(bool suspend, bool force) {
    return ::SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE) != FALSE;
}

} // namespace orvane::platform::win32
