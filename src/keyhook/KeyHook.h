// The keyboard hook library as its callers see it. The library is loaded at run
// time (LoadLibrary and GetProcAddress by these names), never linked against.
#pragma once

#include <windows.h>

namespace keyhook {

// Posted to the target window for every key event: WParam is the virtual-key
// code, LParam the keystroke data (bit 31 set for a key release).
constexpr UINT kKeyMessage = WM_USER + 1;

// The shared block through which every hooked process finds the target is
// named after the key written into the library's file (KeyHookKey.h).

constexpr char kStartName[] = "KeyHook_Start";
constexpr char kStopName[] = "KeyHook_Stop";
constexpr char kHookProcName[] = "KeyCounter";
constexpr char kErrorTextName[] = "KeyHook_ErrorText";

// Starts reporting keys to the window, which must be one of the calling
// process, replacing any hook this process started before. FALSE when the
// library carries no key, its block's name is taken, or the hook could not
// be installed; KeyHook_ErrorText then says why.
using StartProc = BOOL(WINAPI*)(HWND target);
// Copies the reason the last KeyHook_Start of this process failed (empty
// after a success) into buffer, cut to size - 1 characters and terminated;
// returns its length.
using ErrorTextProc = int(WINAPI*)(char* buffer, int size);
// Removes the hook this process started; nothing when there is none.
using StopProc = void(WINAPI*)();
using HookProc = LRESULT(CALLBACK*)(int code, WPARAM wParam, LPARAM lParam);

// GetProcAddress typed as one of the above; null when the entry is missing.
template <typename Proc>
Proc EntryPoint(HMODULE library, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace keyhook
