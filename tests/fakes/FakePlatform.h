#pragma once
// Every platform service as an in-memory fake, bundled the way the program
// receives the real ones.
#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDde.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeKeyboardInput.h"
#include "fakes/FakeLibraries.h"
#include "fakes/FakeMixer.h"
#include "fakes/FakeNotificationArea.h"
#include "fakes/FakeMouseInput.h"
#include "fakes/FakeProcesses.h"
#include "fakes/FakeRandom.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSound.h"
#include "fakes/FakeSockets.h"
#include "fakes/FakeTimers.h"
#include "fakes/FakeWindowSystem.h"
#include "platform/Platform.h"

namespace orvane::fakes {

struct FakePlatform {
    FakeRegistry registry;
    FakeClock clock;
    FakeWindowSystem windows;
    FakeTimers timers;
    FakeShell shell;
    FakeLibraryLoader libraries;
    FakeFileSystem files;
    FakeSockets sockets;
    FakeKeyboardInput keyboard{windows};
    FakeMixer mixer;
    FakeNotificationArea tray;
    FakeMouseInput mouse;
    FakeProcesses processes;
    FakeScreen screen;
    FakeSoundPlayer sounds;
    FakeDde dde;
    FakeClipboard clipboard;
    FakeRandom random;

    platform::Platform Services() { return {registry, clock, windows, timers, shell, libraries, files, sockets, keyboard, mixer, tray, mouse, processes, screen, sounds, dde, clipboard, random}; }
};

} // namespace orvane::fakes
