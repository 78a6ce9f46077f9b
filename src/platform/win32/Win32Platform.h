#pragma once
// Owns the Win32 implementation of every platform service.
#include "platform/Platform.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dde.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32KeyboardInput.h"
#include "platform/win32/Win32Libraries.h"
#include "platform/win32/Win32Mixer.h"
#include "platform/win32/Win32NotificationArea.h"
#include "platform/win32/Win32MouseInput.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Random.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Sound.h"
#include "platform/win32/Win32Sockets.h"
#include "platform/win32/Win32Timers.h"
#include "platform/win32/Win32WindowSystem.h"

namespace orvane::platform::win32 {

struct Win32Platform {
    Win32Registry registry;
    Win32Clock clock;
    Win32WindowSystem windows;
    Win32Timers timers;
    Win32Shell shell;
    Win32LibraryLoader libraries;
    Win32FileSystem files;
    Win32Sockets sockets;
    Win32KeyboardInput keyboard;
    Win32Mixer mixer;
    Win32NotificationArea tray;
    Win32MouseInput mouse;
    Win32Processes processes;
    Win32Screen screen;
    Win32SoundPlayer sounds;
    Win32Dde dde;
    Win32Clipboard clipboard;
    Win32Random random;

    Platform Services() { return {registry, clock, windows, timers, shell, libraries, files, sockets, keyboard, mixer, tray, mouse, processes, screen, sounds, dde, clipboard, random}; }
};

} // namespace orvane::platform::win32
