#pragma once
// The contract tests in this folder hold for every implementation of a
// platform interface. Each test executable supplies its subjects: the native
// suite the fakes, the Win32 suite the real services under Wine.
#include "platform/FileSystem.h"
#include "platform/KeyboardInput.h"
#include "platform/Mixer.h"
#include "platform/Registry.h"
#include "platform/Sockets.h"
#include "platform/Timers.h"
#include "platform/WindowSystem.h"

#include <functional>
#include <memory>
#include <string>

namespace orvane::contract {

class RegistrySubject {
public:
    virtual ~RegistrySubject() = default;
    virtual platform::Registry& Registry() = 0;
    // A key path under HKEY_CURRENT_USER that belongs to this test alone and is
    // removed with the subject.
    virtual std::string ScratchPath() = 0;
};
std::unique_ptr<RegistrySubject> MakeRegistrySubject();

class WindowSubject {
public:
    virtual ~WindowSubject() = default;
    virtual platform::WindowSystem& Windows() = 0;
    // A new top-level window; removed with the subject.
    virtual platform::WindowHandle Create(const std::string& title, platform::WindowHandle owner, bool visible) = 0;
    // Brings the window to the top and into the foreground.
    virtual void Activate(platform::WindowHandle window) = 0;
    virtual void Destroy(platform::WindowHandle window) = 0;
};
std::unique_ptr<WindowSubject> MakeWindowSubject();

class TimerSubject {
public:
    virtual ~TimerSubject() = default;
    virtual platform::TimerService& Timers() = 0;
    // Lets time pass (fake) or runs the message loop (real) for ms milliseconds.
    virtual void RunFor(std::uint32_t ms) = 0;
};
std::unique_ptr<TimerSubject> MakeTimerSubject();

// The sockets with a peer on this machine: the fake's attempts settled the
// way a real peer and a real network would settle them, or a real listening
// socket on 127.0.0.1.
class SocketSubject {
public:
    virtual ~SocketSubject() = default;
    virtual platform::Sockets& Sockets() = 0;
    // Where the peer listens, and a port where nothing does.
    virtual std::uint16_t ListeningPort() = 0;
    virtual std::uint16_t ClosedPort() = 0;
    // Lets the network and the user-interface thread run until done() holds
    // or limitMs have passed; returns done().
    virtual bool RunUntil(const std::function<bool()>& done, std::uint32_t limitMs = 5000) = 0;
    // Takes the connection made to ListeningPort; false when none came.
    virtual bool AcceptPeer() = 0;
    virtual void PeerSend(const std::string& bytes) = 0;
    // What the peer has received, waiting until count bytes have come (or a
    // generous while).
    virtual std::string PeerReceive(std::size_t count) = 0;
    virtual void PeerClose() = 0;
};
std::unique_ptr<SocketSubject> MakeSocketSubject();

class FileSystemSubject {
public:
    virtual ~FileSystemSubject() = default;
    virtual platform::FileSystem& Files() = 0;
    // An empty folder, with its final "\", that belongs to this test alone
    // and is removed with the subject.
    virtual std::string ScratchFolder() = 0;
};
std::unique_ptr<FileSystemSubject> MakeFileSystemSubject();

// The keyboard with the United States layout, and windows to find by title.
class KeyboardSubject {
public:
    virtual ~KeyboardSubject() = default;
    virtual platform::KeyboardInput& Keyboard() = 0;
    // A new top-level window; removed with the subject.
    virtual platform::WindowHandle Create(const std::string& title, bool visible) = 0;
};
std::unique_ptr<KeyboardSubject> MakeKeyboardSubject();

// The mixers of a machine whose sound goes to one plain output: the fake
// scripted as Wine shows a PulseAudio null sink, or the real one while such
// a server runs. Null when this machine has no such mixer to test.
class MixerSubject {
public:
    virtual ~MixerSubject() = default;
    virtual platform::Mixer& Mixer() = 0;
};
std::unique_ptr<MixerSubject> MakeMixerSubject();

} // namespace orvane::contract
