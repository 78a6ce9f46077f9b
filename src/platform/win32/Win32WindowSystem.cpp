#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>

#include <algorithm>
#include <memory>

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

void Win32WindowSystem::BringToFront(WindowHandle window) {
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
        return;
    }
    // The system lets a program take the foreground only while it shares the
    // input of the thread that has it.
    const std::uint32_t ours = CurrentThread();
    const std::uint32_t theirs = WindowThread(ForegroundWindow());
    const bool attach = theirs != 0 && theirs != ours;
    if (attach) AttachThreadInput(theirs, ours, true);
    BringToTop(window);
    SetForegroundWindow(window);
    if (attach) AttachThreadInput(theirs, ours, false);
}

bool Win32WindowSystem::PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    return PostMessageA(Hwnd(window), message, wParam, lParam) != FALSE;
}

bool Win32WindowSystem::WaitForProgramEnd(WindowHandle window, std::uint32_t milliseconds) {
    DWORD process = 0;
    if (!GetWindowThreadProcessId(Hwnd(window), &process) || process == 0) return true;
    if (process == GetCurrentProcessId()) return false;
    const std::unique_ptr<void, decltype(&CloseHandle)> handle(OpenProcess(SYNCHRONIZE, FALSE, process), CloseHandle);
    if (handle) {
        // Messages other programs send to our windows are answered meanwhile
        // (nothing posted runs), so that no one waits on us in turn.
        const DWORD start = GetTickCount();
        for (;;) {
            const DWORD passed = GetTickCount() - start;
            if (passed >= milliseconds) return WaitForSingleObject(handle.get(), 0) == WAIT_OBJECT_0;
            const HANDLE process = handle.get();
            const DWORD woke = MsgWaitForMultipleObjects(1, &process, FALSE, milliseconds - passed, QS_SENDMESSAGE);
            if (woke == WAIT_OBJECT_0) return true;
            if (woke != WAIT_OBJECT_0 + 1) return false;
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
    // A program we may not wait on: watch its window instead.
    const DWORD start = GetTickCount();
    while (::IsWindow(Hwnd(window))) {
        if (GetTickCount() - start >= milliseconds) return false;
        Sleep(50);
    }
    return true;
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

void Win32WindowSystem::WaitForInputTaken(WindowHandle window, std::size_t events) {
    // The program's own thread takes its input the next time it pumps.
    if (GetWindowThreadProcessId(Hwnd(window), nullptr) == GetCurrentThreadId()) return;
    // The thread answers a sent message each time it asks its queue for the
    // next message, and takes one message per call: a key event and the
    // character its translation posts are two. Bounded, however many events.
    // The bound is on the whole wait, so that a long key string or a window
    // slow to answer cannot hold the program for long; a hung window ends it
    // at once.
    constexpr std::size_t kMostEvents = 1000;
    constexpr DWORD kMostWait = 3000;
    const std::size_t trips = 2 * std::min(events, kMostEvents) + 1;
    const DWORD start = GetTickCount();
    for (std::size_t trip = 0; trip < trips; ++trip) {
        const DWORD spent = GetTickCount() - start;
        if (spent >= kMostWait) return;
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(Hwnd(window), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kMostWait - spent, &answer)) return;
        // Sent at once, the next message could be answered in the same call,
        // proving nothing: let the thread go on to its next message first.
        Sleep(1);
    }
}

} // namespace orvane::platform::win32
