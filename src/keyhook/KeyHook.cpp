// The keyboard hook library. The program writes it to a file of its own and
// loads it from there, because a system-wide WH_KEYBOARD hook must live in a
// DLL: the system loads that DLL into every process that receives keys and
// calls KeyCounter there. KeyCounter reports each key event to the program's
// window as a posted message and lets the key through unchanged.
//
// Every copy of this DLL, in whichever process, finds the target window and the
// hook handle in the named shared block, never in its own module data. A
// second block names the file of the library that started last: each running
// program writes its own file, and a key is reported only by the hook of that
// file, so two programs with trapping on see each key once.
//
// The library shows nothing itself (it runs inside foreign processes): a
// failed KeyHook_Start keeps its reason for KeyHook_ErrorText.
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

// The path of the library file whose hook reports keys.
struct KeyCountOwner {
    char path[MAX_PATH];
};

const char kCreateFailed[] = "Unable to create file mapping, Error: ";
const char kMapFailed[] = "Unable to map view of file, Error: ";
const char kHookFailed[] = "Unable to set keyboard hook, Error: ";

HINSTANCE g_instance;
char g_path[MAX_PATH]; // this module's own file
HANDLE g_block;
volatile KeyCountRecord* g_record;
HANDLE g_ownerBlock;
volatile KeyCountOwner* g_owner;
const char* g_blockFailure; // which step failed while the blocks are missing
DWORD g_blockError;
char g_failure[96]; // why the last KeyHook_Start of this process failed
DWORD g_passingSlot = TLS_OUT_OF_INDEXES;

// What this process started; another process (a second copy of the program)
// may have started its own hook in the meantime.
HHOOK g_ownHook;
HWND g_ownTarget;

// Creates or opens a named block and maps it; null (with the failed step
// noted) when either fails.
void* MapBlock(const char* name, DWORD size, HANDLE& block) {
    if (!block) {
        block = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name);
        if (!block) {
            g_blockFailure = kCreateFailed;
            g_blockError = GetLastError();
            return nullptr;
        }
    }
    void* view = MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, size);
    if (!view) {
        g_blockFailure = kMapFailed;
        g_blockError = GetLastError();
        CloseHandle(block);
        block = nullptr;
    }
    return view;
}

bool OpenBlock() {
    if (!g_owner) {
        g_owner = static_cast<KeyCountOwner*>(MapBlock(keyhook::kOwnerBlockName, sizeof(KeyCountOwner), g_ownerBlock));
        if (!g_owner) return false;
    }
    if (!g_record) {
        g_record = static_cast<KeyCountRecord*>(MapBlock(keyhook::kSharedBlockName, sizeof(KeyCountRecord), g_block));
        if (!g_record) return false;
    }
    return true;
}

void CloseBlock() {
    if (g_record) UnmapViewOfFile(const_cast<KeyCountRecord*>(g_record));
    if (g_block) CloseHandle(g_block);
    if (g_owner) UnmapViewOfFile(const_cast<KeyCountOwner*>(g_owner));
    if (g_ownerBlock) CloseHandle(g_ownerBlock);
    g_record = nullptr;
    g_block = nullptr;
    g_owner = nullptr;
    g_ownerBlock = nullptr;
}

void NoteFailure(const char* prefix, DWORD error) {
    wsprintfA(g_failure, "%s%lu", prefix, static_cast<unsigned long>(error));
}

// Whether this module's file is the one whose hook reports keys.
bool OwnsReports() {
    volatile KeyCountOwner* owner = g_owner;
    if (!owner || !g_path[0]) return false;
    char path[MAX_PATH];
    for (DWORD i = 0; i < MAX_PATH; ++i) path[i] = owner->path[i];
    path[MAX_PATH - 1] = '\0';
    return lstrcmpiA(path, g_path) == 0;
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
    // Another program's file started last: its own hook reports the key.
    if (code == HC_ACTION && record && !reportedAbove && OwnsReports()) {
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
    g_failure[0] = '\0';
    if (!OpenBlock()) {
        NoteFailure(g_blockFailure, g_blockError);
        return FALSE;
    }
    if (!IsWindow(target)) {
        NoteFailure(kHookFailed, ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    // A second start replaces the first hook instead of reporting every key twice.
    KeyHook_Stop();
    g_record->target = target;
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD, KeyCounter, g_instance, 0);
    if (!hook) {
        NoteFailure(kHookFailed, GetLastError());
        g_record->target = nullptr;
        return FALSE;
    }
    lstrcpynA(const_cast<char*>(g_owner->path), g_path, MAX_PATH);
    g_record->hook = hook;
    g_ownHook = hook;
    g_ownTarget = target;
    return TRUE;
}

int WINAPI KeyHook_ErrorText(char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    lstrcpynA(buffer, g_failure, size);
    return lstrlenA(buffer);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_instance = instance;
        if (GetModuleFileNameA(instance, g_path, MAX_PATH) >= MAX_PATH) g_path[0] = '\0';
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
