#pragma once
// Every operating-system service the program uses, reached through one of
// these interfaces. The Win32 implementations live in platform/win32, the
// in-memory fakes in tests/fakes. A new service is one more interface here,
// one more member below, one Win32 class and one fake.
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Dde.h"
#include "platform/FileSystem.h"
#include "platform/KeyboardInput.h"
#include "platform/Libraries.h"
#include "platform/Mixer.h"
#include "platform/NotificationArea.h"
#include "platform/MouseInput.h"
#include "platform/Processes.h"
#include "platform/Random.h"
#include "platform/Registry.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Sockets.h"
#include "platform/Timers.h"
#include "platform/WindowSystem.h"

namespace orvane::platform {

struct Platform {
    Registry& registry;
    Clock& clock;
    WindowSystem& windows;
    TimerService& timers;
    Shell& shell;
    LibraryLoader& libraries;
    FileSystem& files;
    Sockets& sockets;
    KeyboardInput& keyboard;
    Mixer& mixer;
    NotificationArea& tray;
    MouseInput& mouse;
    Processes& processes;
    Screen& screen;
    SoundPlayer& sounds;
    Dde& dde;
    Clipboard& clipboard;
    RandomSource& random;
};

} // namespace orvane::platform
