// The keyboard hook library. The program writes it to a file of its own and
// loads it from there, because a system-wide WH_KEYBOARD hook must live in a
// DLL: the system loads that DLL into every process that receives keys and
// calls KeyCounter there. KeyCounter reports each key event to the program's
// window as a posted message and lets the key through unchanged.
//
// Every copy of this DLL, in whichever process, finds the target window and the
// hook handle in the named shared block, never in its own module data.
//
// Built without the C and C++ runtimes and without exceptions: the hook runs
// inside foreign processes, and nothing may unwind through the system's frames.
#include "KeyHook.h"

namespace {

// The shared record: 8 bytes, zero when the block is first created.
struct KeyCountRecord {
    HWND target;
    HHOOK hook;
};
static_assert(sizeof(KeyCountRecord) == 8);

// An event that a copy of KeyCounter is passing down the hook chain on this thread.
struct PassingEvent {
    int code;
    WPARAM wParam;
    LPARAM lParam;
};

const char kCreateFailed[] = "Unable to create file mapping, Error: ";
const char kMapFailed[] = "Unable to map view of file, Error: ";

HINSTANCE g_instance;
HANDLE g_block;
volatile KeyCountRecord* g_record;
const char* g_blockFailure; // which step failed while the block is missing
DWORD g_blockError;
DWORD g_passingSlot = TLS_OUT_OF_INDEXES;

// What this process started; another process (a second copy of the program)
// may have started its own hook in the meantime.
HHOOK g_ownHook;
HWND g_ownTarget;

bool OpenBlock() {
    if (g_record) return true;
    if (!g_block) {
        g_block = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(KeyCountRecord),
                                     keyhook::kSharedBlockName);
        if (!g_block) {
            g_blockFailure = kCreateFailed;
            g_blockError = GetLastError();
            return false;
        }
    }
    void* view = MapViewOfFile(g_block, FILE_MAP_WRITE, 0, 0, sizeof(KeyCountRecord));
    if (!view) {
        g_blockFailure = kMapFailed;
        g_blockError = GetLastError();
        CloseHandle(g_block);
        g_block = nullptr;
        return false;
    }
    g_record = static_cast<KeyCountRecord*>(view);
    return true;
}

void CloseBlock() {
    if (g_record) UnmapViewOfFile(const_cast<KeyCountRecord*>(g_record));
    if (g_block) CloseHandle(g_block);
    g_record = nullptr;
    g_block = nullptr;
}

// The program's own error messages carry its title; without access to it, the
// name of the executable stands in, as it does for a program that sets none.
void ProgramTitle(char* title, DWORD size) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) length = 0;
    path[length] = '\0';
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/') name = p + 1;
    DWORD n = 0;
    for (const char* p = name; *p && n + 1 < size; ++p) {
        if (*p == '.') {
            bool last = true;
            for (const char* q = p + 1; *q; ++q)
                if (*q == '.') last = false;
            if (last) break;
        }
        title[n++] = *p;
    }
    title[n] = '\0';
}

void ShowBlockFailure(HWND owner) {
    char text[96];
    wsprintfA(text, "%s%lu", g_blockFailure, static_cast<unsigned long>(g_blockError));
    char caption[MAX_PATH];
    ProgramTitle(caption, MAX_PATH);
    MessageBoxA(IsWindow(owner) ? owner : nullptr, text, caption, MB_OK | MB_ICONERROR);
}

const PassingEvent* CurrentlyPassing() {
    if (g_passingSlot == TLS_OUT_OF_INDEXES) return nullptr;
    return static_cast<const PassingEvent*>(TlsGetValue(g_passingSlot));
}

void SetPassing(const PassingEvent* event) {
    if (g_passingSlot != TLS_OUT_OF_INDEXES) TlsSetValue(g_passingSlot, const_cast<PassingEvent*>(event));
}

} // namespace

extern "C" {

LRESULT CALLBACK KeyCounter(int code, WPARAM wParam, LPARAM lParam) {
    volatile KeyCountRecord* record = g_record;
    const PassingEvent event{code, wParam, lParam};
    const PassingEvent* outer = CurrentlyPassing();
    // When two copies of the program each started a hook, both sit in the
    // chain and would report every key twice; the copy further down sees the
    // event the one above it is passing on, and leaves the report to that one.
    const bool reportedAbove =
        outer && outer->code == code && outer->wParam == wParam && outer->lParam == lParam;

    SetPassing(&event);
    const LRESULT result = CallNextHookEx(record ? record->hook : nullptr, code, wParam, lParam);
    SetPassing(outer);

    // Only events taken off the queue: HC_NOREMOVE is a peek that comes round again.
    if (code == HC_ACTION && record && !reportedAbove) {
        // A null target would post to this thread's own queue, in a foreign program.
        HWND target = record->target;
        if (target) PostMessageA(target, keyhook::kKeyMessage, wParam, lParam);
    }
    return result;
}

void WINAPI KeyHook_Stop() {
    if (!g_ownHook) return;
    UnhookWindowsHookEx(g_ownHook);
    if (volatile KeyCountRecord* record = g_record) {
        if (record->hook == g_ownHook) record->hook = nullptr;
        // Keys of a hook that another copy of the program still runs must not
        // reach a window that asked for them no longer.
        if (record->target == g_ownTarget) record->target = nullptr;
    }
    g_ownHook = nullptr;
    g_ownTarget = nullptr;
}

BOOL WINAPI KeyHook_Start(HWND target) {
    if (!OpenBlock()) {
        ShowBlockFailure(target);
        return FALSE;
    }
    if (!IsWindow(target)) return FALSE;
    // A second start replaces the first hook instead of reporting every key twice.
    KeyHook_Stop();
    g_record->target = target;
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD, KeyCounter, g_instance, 0);
    if (!hook) {
        g_record->target = nullptr;
        return FALSE;
    }
    g_record->hook = hook;
    g_ownHook = hook;
    g_ownTarget = target;
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
        g_passingSlot = TlsAlloc();
        // A process the hook was loaded into gets its block here; a failure is
        // reported only to the program, when it starts the hook, and a foreign
        // process just has its keys passed on.
        OpenBlock();
        break;
    case DLL_PROCESS_DETACH:
        // At process exit (reserved set) the system cleans up after us.
        if (!reserved) {
            // Unloaded with the hook still in place: the hook would outlive its code.
            KeyHook_Stop();
            CloseBlock();
            if (g_passingSlot != TLS_OUT_OF_INDEXES) TlsFree(g_passingSlot);
        }
        break;
    default:
        break;
    }
    return TRUE;
}

} // extern "C"
