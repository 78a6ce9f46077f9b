// The fakes as subjects of the platform contract tests.
#include "contract/Subjects.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeKeyboardInput.h"
#include "fakes/FakeMixer.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSockets.h"
#include "fakes/FakeTimers.h"
#include "fakes/FakeWindowSystem.h"

namespace orvane::contract {
namespace {

class FakeRegistrySubject : public RegistrySubject {
public:
    platform::Registry& Registry() override { return registry_; }
    std::string ScratchPath() override { return "Software\\OrvaneTest"; }

private:
    fakes::FakeRegistry registry_;
};

class FakeWindowSubject : public WindowSubject {
public:
    platform::WindowSystem& Windows() override { return windows_; }
    platform::WindowHandle Create(const std::string& title, platform::WindowHandle owner, bool visible) override {
        return windows_.AddWindow(title, owner, visible);
    }
    void Activate(platform::WindowHandle window) override { windows_.Activate(window); }
    void Destroy(platform::WindowHandle window) override { windows_.RemoveWindow(window); }

private:
    fakes::FakeWindowSystem windows_;
};

class FakeTimerSubject : public TimerSubject {
public:
    platform::TimerService& Timers() override { return timers_; }
    void RunFor(std::uint32_t ms) override { timers_.Advance(ms); }

private:
    fakes::FakeTimers timers_;
};

// The fake network settles attempts as a real one would: the listening port
// waits for the peer to accept, every other port refuses.
class FakeSocketSubject : public SocketSubject {
public:
    platform::Sockets& Sockets() override { return sockets_; }
    std::uint16_t ListeningPort() override { return 4040; }
    std::uint16_t ClosedPort() override { return 4041; }

    bool RunUntil(const std::function<bool()>& done, std::uint32_t) override {
        FinishLookups();
        for (std::size_t i = 0; i < sockets_.AttemptCount(); ++i) {
            fakes::FakeSocketPeer& attempt = sockets_.Attempt(i);
            if (!attempt.Settled() && attempt.Open() && !Listening(attempt)) attempt.Refuse();
        }
        return done();
    }

    bool AcceptPeer() override {
        FinishLookups();
        for (std::size_t i = sockets_.AttemptCount(); i-- > 0;) {
            fakes::FakeSocketPeer& attempt = sockets_.Attempt(i);
            if (attempt.Settled() || !attempt.Open() || !Listening(attempt)) continue;
            // Room for a few chunks, so that a sender can fill it.
            attempt.SetWindow(256 * 1024);
            attempt.Accept();
            peer_ = &attempt;
            return true;
        }
        return false;
    }

    void PeerSend(const std::string& bytes) override { peer_->Send(bytes); }
    std::string PeerReceive(std::size_t) override { return peer_->TakeReceived(); }
    void PeerClose() override { peer_->Close(); }

private:
    void FinishLookups() {
        for (std::size_t i = 0; i < sockets_.AttemptCount(); ++i)
            if (sockets_.Attempt(i).Open()) sockets_.Attempt(i).FinishLookup();
    }
    bool Listening(const fakes::FakeSocketPeer& attempt) {
        return attempt.Address() == "127.0.0.1" && attempt.Port() == ListeningPort();
    }

    fakes::FakeSockets sockets_;
    fakes::FakeSocketPeer* peer_ = nullptr;
};

class FakeFileSystemSubject : public FileSystemSubject {
public:
    FakeFileSystemSubject() { files_.AddFolder("C:\\Temp\\Scratch"); }
    platform::FileSystem& Files() override { return files_; }
    std::string ScratchFolder() override { return "C:\\Temp\\Scratch\\"; }

private:
    fakes::FakeFileSystem files_;
};

class FakeKeyboardSubject : public KeyboardSubject {
public:
    platform::KeyboardInput& Keyboard() override { return keyboard_; }
    platform::WindowHandle Create(const std::string& title, bool visible) override {
        return windows_.AddWindow(title, 0, visible);
    }

private:
    fakes::FakeWindowSystem windows_;
    fakes::FakeKeyboardInput keyboard_{windows_};
};

class FakeMixerSubject : public MixerSubject {
public:
    FakeMixerSubject() { mixer_.AddWineLikeDevice(); }
    platform::Mixer& Mixer() override { return mixer_; }

private:
    fakes::FakeMixer mixer_;
};

} // namespace

std::unique_ptr<KeyboardSubject> MakeKeyboardSubject() { return std::make_unique<FakeKeyboardSubject>(); }
std::unique_ptr<MixerSubject> MakeMixerSubject() { return std::make_unique<FakeMixerSubject>(); }
std::unique_ptr<FileSystemSubject> MakeFileSystemSubject() { return std::make_unique<FakeFileSystemSubject>(); }
std::unique_ptr<TimerSubject> MakeTimerSubject() { return std::make_unique<FakeTimerSubject>(); }
std::unique_ptr<SocketSubject> MakeSocketSubject() { return std::make_unique<FakeSocketSubject>(); }
std::unique_ptr<RegistrySubject> MakeRegistrySubject() { return std::make_unique<FakeRegistrySubject>(); }
std::unique_ptr<WindowSubject> MakeWindowSubject() { return std::make_unique<FakeWindowSubject>(); }

} // namespace orvane::contract
