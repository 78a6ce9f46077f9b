// The real Win32 services as subjects of the platform contract tests.
#include "contract/Subjects.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Timers.h"
#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>

#include <vector>

namespace orvane::contract {
namespace {

// Each subject gets a key of its own under HKCU, removed afterwards, so the
// tests leave the prefix as they found it.
class Win32RegistrySubject : public RegistrySubject {
public:
    Win32RegistrySubject() {
        static int serial = 0;
        leaf_ = "Test" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial);
    }
    ~Win32RegistrySubject() override {
        if (auto parent = registry_.OpenKey(platform::RootKey::CurrentUser, kParent, false))
            parent->DeleteSubKey(leaf_);
    }
    platform::Registry& Registry() override { return registry_; }
    std::string ScratchPath() override { return std::string(kParent) + "\\" + leaf_; }

private:
    static constexpr const char* kParent = "Software\\OrvaneTests";
    platform::win32::Win32Registry registry_;
    std::string leaf_;
};

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

class Win32WindowSubject : public WindowSubject {
public:
    Win32WindowSubject() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = PlainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassA(&windowClass); // fails harmlessly when already registered
    }
    ~Win32WindowSubject() override {
        for (HWND window : created_)
            if (::IsWindow(window)) DestroyWindow(window);
        Pump();
    }
    platform::WindowSystem& Windows() override { return windows_; }

    platform::WindowHandle Create(const std::string& title, platform::WindowHandle owner, bool visible) override {
        HWND window = CreateWindowExA(0, kClass, title.c_str(), WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                                      100, 100, 300, 200, reinterpret_cast<HWND>(owner), nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        created_.push_back(window);
        Pump();
        return reinterpret_cast<platform::WindowHandle>(window);
    }

    void Activate(platform::WindowHandle handle) override {
        HWND window = reinterpret_cast<HWND>(handle);
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(window);
        Pump();
    }

    void Destroy(platform::WindowHandle handle) override {
        DestroyWindow(reinterpret_cast<HWND>(handle));
        Pump();
    }

private:
    static void Pump() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }

    static constexpr const char* kClass = "OrvaneContractWindow";
    platform::win32::Win32WindowSystem windows_;
    std::vector<HWND> created_;
};

class Win32TimerSubject : public TimerSubject {
public:
    platform::TimerService& Timers() override { return timers_; }
    void RunFor(std::uint32_t ms) override {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            Sleep(1);
        }
    }

private:
    platform::win32::Win32Timers timers_;
};

} // namespace

std::unique_ptr<TimerSubject> MakeTimerSubject() { return std::make_unique<Win32TimerSubject>(); }
std::unique_ptr<RegistrySubject> MakeRegistrySubject() { return std::make_unique<Win32RegistrySubject>(); }
std::unique_ptr<WindowSubject> MakeWindowSubject() { return std::make_unique<Win32WindowSubject>(); }

} // namespace orvane::contract
