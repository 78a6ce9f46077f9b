#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>

namespace orvane::platform::win32 {
namespace {

HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle Handle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    // Nothing here can throw but push_back; a failed allocation must not unwind
    // through EnumWindows, so stop the enumeration instead.
    try {
        reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(Handle(window));
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

} // namespace

std::vector<WindowHandle> Win32WindowSystem::TopLevelWindows() {
    std::vector<WindowHandle> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Win32WindowSystem::WindowTitle(WindowHandle window) {
    int length = GetWindowTextLengthA(Hwnd(window));
    if (length <= 0) return {};
    std::string title(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(Hwnd(window), title.data(), length + 1);
    title.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return title;
}

WindowHandle Win32WindowSystem::Owner(WindowHandle window) { return Handle(GetWindow(Hwnd(window), GW_OWNER)); }

bool Win32WindowSystem::IsVisible(WindowHandle window) { return IsWindowVisible(Hwnd(window)) != FALSE; }

bool Win32WindowSystem::IsWindow(WindowHandle window) { return ::IsWindow(Hwnd(window)) != FALSE; }

WindowHandle Win32WindowSystem::ForegroundWindow() { return Handle(GetForegroundWindow()); }

bool Win32WindowSystem::PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    return PostMessageA(Hwnd(window), message, wParam, lParam) != FALSE;
}

std::string Win32WindowSystem::KeyName(std::int32_t keystrokeData) {
    char name[257] = {};
    const int length = GetKeyNameTextA(keystrokeData, name, sizeof name - 1);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool Win32WindowSystem::IsIconic(WindowHandle window) { return ::IsIconic(Hwnd(window)) != FALSE; }

void Win32WindowSystem::ShowWindow(WindowHandle window, int command) { ::ShowWindow(Hwnd(window), command); }

void Win32WindowSystem::BringToTop(WindowHandle window) {
    SetWindowPos(Hwnd(window), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32WindowSystem::SetForegroundWindow(WindowHandle window) { ::SetForegroundWindow(Hwnd(window)); }

std::uint32_t Win32WindowSystem::WindowThread(WindowHandle window) {
    return GetWindowThreadProcessId(Hwnd(window), nullptr);
}

std::uint32_t Win32WindowSystem::CurrentThread() { return GetCurrentThreadId(); }

void Win32WindowSystem::AttachThreadInput(std::uint32_t thread, std::uint32_t to, bool attach) {
    ::AttachThreadInput(thread, to, attach ? TRUE : FALSE);
}

} // namespace orvane::platform::win32
