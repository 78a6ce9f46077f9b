// The real Win32 services as subjects of the platform contract tests.
#include "contract/Subjects.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32KeyboardInput.h"
#include "platform/win32/Win32Mixer.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Sockets.h"
#include "platform/win32/Win32Timers.h"
#include "platform/win32/Win32WindowSystem.h"

#include <winsock2.h>
#include <windows.h>

#include <cstdlib>
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

// A plain blocking Winsock peer listening on 127.0.0.1, beside the sockets
// under test, whose events come through this thread's message loop.
class Win32SocketSubject : public SocketSubject {
public:
    Win32SocketSubject() {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = Loopback(0);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        listen(listener_, 4);
        listeningPort_ = PortOf(listener_);
        // A port that was free a moment ago is, in all likelihood, still closed.
        SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        closedPort_ = PortOf(probe);
        closesocket(probe);
    }
    ~Win32SocketSubject() override {
        if (peer_ != INVALID_SOCKET) closesocket(peer_);
        closesocket(listener_);
        WSACleanup();
    }

    platform::Sockets& Sockets() override { return sockets_; }
    std::uint16_t ListeningPort() override { return listeningPort_; }
    std::uint16_t ClosedPort() override { return closedPort_; }

    bool RunUntil(const std::function<bool()>& done, std::uint32_t limitMs) override {
        const DWORD start = GetTickCount();
        for (;;) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            if (done()) return true;
            if (GetTickCount() - start >= limitMs) return false;
            Sleep(1);
        }
    }

    // The connection may wait for a lookup that ends through the message loop.
    bool AcceptPeer() override {
        if (!RunUntil([this] { return Readable(listener_, 0); }, 5000)) return false;
        peer_ = accept(listener_, nullptr, nullptr);
        return peer_ != INVALID_SOCKET;
    }

    void PeerSend(const std::string& bytes) override {
        for (std::size_t sent = 0; sent < bytes.size();) {
            const int n = send(peer_, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
            if (n <= 0) return;
            sent += static_cast<std::size_t>(n);
        }
    }

    std::string PeerReceive(std::size_t count) override {
        std::string received;
        std::vector<char> buffer(64 * 1024);
        while (received.size() < count && Readable(peer_)) {
            const int n = recv(peer_, buffer.data(), static_cast<int>(buffer.size()), 0);
            if (n <= 0) break;
            received.append(buffer.data(), static_cast<std::size_t>(n));
        }
        return received;
    }

    // Sends the end of the stream; the socket itself goes with the subject.
    void PeerClose() override { shutdown(peer_, SD_SEND); }

private:
    static sockaddr_in Loopback(std::uint16_t port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        return address;
    }
    static std::uint16_t PortOf(SOCKET socket) {
        sockaddr_in address{};
        int size = sizeof(address);
        getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
        return ntohs(address.sin_port);
    }
    // Waits a generous while for something to read (or a connection to accept).
    static bool Readable(SOCKET socket, long seconds = 5) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket, &readable);
        timeval wait{seconds, 0};
        return select(0, &readable, nullptr, nullptr, &wait) == 1;
    }

    platform::win32::Win32Sockets sockets_;
    SOCKET listener_ = INVALID_SOCKET;
    SOCKET peer_ = INVALID_SOCKET;
    std::uint16_t listeningPort_ = 0;
    std::uint16_t closedPort_ = 0;
};

// A folder of its own under the temporary folder, emptied and removed
// afterwards (the tests make no subfolders).
class Win32FileSystemSubject : public FileSystemSubject {
public:
    Win32FileSystemSubject() {
        static int serial = 0;
        folder_ = files_.TempPath().value + "OrvaneTest" + std::to_string(GetCurrentProcessId()) + "_" +
                  std::to_string(++serial) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    ~Win32FileSystemSubject() override {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileA((folder_ + found.cFileName).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder_.c_str());
    }
    platform::FileSystem& Files() override { return files_; }
    std::string ScratchFolder() override { return folder_; }

private:
    platform::win32::Win32FileSystem files_;
    std::string folder_;
};

class Win32KeyboardSubject : public KeyboardSubject {
public:
    platform::KeyboardInput& Keyboard() override { return keyboard_; }
    platform::WindowHandle Create(const std::string& title, bool visible) override {
        return windows_.Create(title, 0, visible);
    }

private:
    platform::win32::Win32KeyboardInput keyboard_;
    Win32WindowSubject windows_;
};

class Win32MixerSubject : public MixerSubject {
public:
    platform::Mixer& Mixer() override { return mixer_; }

private:
    platform::win32::Win32Mixer mixer_;
};

} // namespace

std::unique_ptr<KeyboardSubject> MakeKeyboardSubject() { return std::make_unique<Win32KeyboardSubject>(); }
// Only tests/win32/mixer/run.sh starts the audio server these tests need.
std::unique_ptr<MixerSubject> MakeMixerSubject() {
    if (!std::getenv("ORVANE_AUDIO_SERVER")) return nullptr;
    return std::make_unique<Win32MixerSubject>();
}
std::unique_ptr<FileSystemSubject> MakeFileSystemSubject() { return std::make_unique<Win32FileSystemSubject>(); }
std::unique_ptr<TimerSubject> MakeTimerSubject() { return std::make_unique<Win32TimerSubject>(); }
std::unique_ptr<SocketSubject> MakeSocketSubject() { return std::make_unique<Win32SocketSubject>(); }
std::unique_ptr<RegistrySubject> MakeRegistrySubject() { return std::make_unique<Win32RegistrySubject>(); }
std::unique_ptr<WindowSubject> MakeWindowSubject() { return std::make_unique<Win32WindowSubject>(); }

} // namespace orvane::contract
