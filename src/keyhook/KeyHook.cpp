// The keyboard hook library. The program writes it to a file of its own and
// loads it from there, because a system-wide WH_KEYBOARD hook must live in a
// DLL: the system loads that DLL into every process that receives keys and
// calls KeyCounter there. KeyCounter reports each key event to the program's
// window as a posted message and lets the key through unchanged.
//
// Every copy of this DLL, in whichever process, finds the target window and the
// hook handle in the program's shared block, never in its own module data.
// The block belongs to one written file of the library: its name comes from
// the random key the program wrote into that file (KeyHookKey.h), the
// program's KeyHook_Start creates it and fails when the name is taken, and
// the hooked processes may only read it. A key is posted only to a window of
// the process that started the hook, whose check in the block fits the key.
//
// When two programs each started a hook, every process holds both files'
// libraries; the hook started last sits first in the chain and reports the
// key, and each hook below it sees that it is passing on an event already
// reported and stays silent.
//
// The library shows nothing itself (it runs inside foreign processes): a
// failed KeyHook_Start keeps its reason for KeyHook_ErrorText.
//
// Built without the C and C++ runtimes and without exceptions: the hook runs
// inside foreign processes, and nothing may unwind through the system's frames.
#include "KeyHook.h"
#include "KeyHookKey.h"

// The library's key: zeros here, random bytes in each file the program writes.
// Volatile, so that the compiler reads the file's bytes instead of these zeros.
struct KeyHookKeyData {
    char marker[sizeof(keyhook::kKeyMarker)];
    unsigned char key[keyhook::kKeySize];
};
volatile KeyHookKeyData KeyHookKey = {{'O', 'r', 'v', 'a', 'n', 'e', ' ', 'h', 'o', 'o', 'k', ' ', 'k', 'e', 'y', ':'}, {}};

namespace {

// The shared record, zero when the block is first created. The check ties the
// target to its process and to this file's key.
struct KeyCountRecord {
    HWND target;
    HHOOK hook;
    DWORD process;
    DWORD reserved;
    keyhook::Word check;
};
static_assert(sizeof(KeyCountRecord) == 24);

const char kCreateFailed[] = "Unable to create file mapping, Error: ";
const char kMapFailed[] = "Unable to map view of file, Error: ";
const char kHookFailed[] = "Unable to set keyboard hook, Error: ";
const char kNoKey[] = "The keyboard hook library carries no key of its own";

HINSTANCE g_instance;
char g_blockName[keyhook::kBlockNameSize]; // empty without a key
HANDLE g_block;
volatile KeyCountRecord* g_record;
bool g_created; // this process made the block and may write it
char g_failure[96]; // why the last KeyHook_Start of this process failed

// What this process started; another process (a second copy of the program)
// may have started its own hook in the meantime.
HHOOK g_ownHook;
HWND g_ownTarget;

void NoteFailure(const char* prefix, DWORD error) {
    wsprintfA(g_failure, "%s%lu", prefix, static_cast<unsigned long>(error));
}

void CloseBlock() {
    if (g_record) UnmapViewOfFile(const_cast<KeyCountRecord*>(g_record));
    if (g_block) CloseHandle(g_block);
    g_record = nullptr;
    g_block = nullptr;
    g_created = false;
}

// A hooked process: the block the program made, for reading only. Nothing
// when there is none; the process's keys are then just passed on.
void OpenBlock() {
    if (!g_blockName[0]) return;
    g_block = OpenFileMappingA(FILE_MAP_READ, FALSE, g_blockName);
    if (!g_block) return;
    g_record = static_cast<KeyCountRecord*>(MapViewOfFile(g_block, FILE_MAP_READ, 0, 0, sizeof(KeyCountRecord)));
    if (!g_record) CloseBlock();
}

// Who may open the block: the current user, for reading only, and its
// owner gets no right to change that (the owner-rights entry replaces the
// implicit right to rewrite the access list). The creator's own handle has
// full access regardless.
struct UserOnly {
    SECURITY_ATTRIBUTES attributes;
    SECURITY_DESCRIPTOR descriptor;
    union {
        TOKEN_USER user;
        char bytes[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    } token;
    union {
        SID sid;
        char bytes[SECURITY_MAX_SID_SIZE];
    } ownerRights;
    union {
        ACL acl;
        char bytes[sizeof(ACL) + 2 * (sizeof(ACCESS_ALLOWED_ACE) + SECURITY_MAX_SID_SIZE)];
    } list;
};

bool MakeUserOnly(UserOnly& u) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    DWORD size = 0;
    const BOOL gotUser = GetTokenInformation(token, TokenUser, &u.token, sizeof(u.token), &size);
    CloseHandle(token);
    if (!gotUser) return false;
    SID_IDENTIFIER_AUTHORITY creator = SECURITY_CREATOR_SID_AUTHORITY;
    if (!InitializeSid(&u.ownerRights.sid, &creator, 1)) return false;
    *GetSidSubAuthority(&u.ownerRights.sid, 0) = SECURITY_CREATOR_OWNER_RIGHTS_RID;
    if (!InitializeAcl(&u.list.acl, sizeof(u.list), ACL_REVISION) ||
        !AddAccessAllowedAce(&u.list.acl, ACL_REVISION, FILE_MAP_READ, u.token.user.User.Sid) ||
        !AddAccessAllowedAce(&u.list.acl, ACL_REVISION, READ_CONTROL, &u.ownerRights.sid) ||
        !InitializeSecurityDescriptor(&u.descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&u.descriptor, TRUE, &u.list.acl, FALSE))
        return false;
    u.attributes = {sizeof(u.attributes), &u.descriptor, FALSE};
    return true;
}

// The program's process: makes the block, and never uses one that someone
// else made under its name. False with the reason noted.
bool CreateBlock() {
    if (g_created) return true;
    CloseBlock(); // one this process found already made is not ours
    if (!g_blockName[0]) {
        lstrcpynA(g_failure, kNoKey, sizeof(g_failure));
        return false;
    }
    UserOnly userOnly;
    if (!MakeUserOnly(userOnly)) {
        NoteFailure(kCreateFailed, GetLastError());
        return false;
    }
    g_block = CreateFileMappingA(INVALID_HANDLE_VALUE, &userOnly.attributes, PAGE_READWRITE, 0,
                                 sizeof(KeyCountRecord), g_blockName);
    const DWORD error = GetLastError();
    if (!g_block || error == ERROR_ALREADY_EXISTS) {
        // Taken first: whoever holds the name could read or fake the target.
        NoteFailure(kCreateFailed, g_block ? ERROR_ALREADY_EXISTS : error);
        CloseBlock();
        return false;
    }
    g_record = static_cast<KeyCountRecord*>(MapViewOfFile(g_block, FILE_MAP_WRITE, 0, 0, sizeof(KeyCountRecord)));
    if (!g_record) {
        NoteFailure(kMapFailed, GetLastError());
        CloseBlock();
        return false;
    }
    g_created = true;
    return true;
}

// The window that the record names, when the record is the program's own:
// the check fits this file's key, and the window still belongs to the process
// that started the hook (a handle can be reused after that process ended).
HWND CheckedTarget(volatile KeyCountRecord* record) {
    HWND target = record->target;
    const DWORD process = record->process;
    const keyhook::Word check = record->check;
    if (!target || !process) return nullptr;
    const auto window = static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(target));
    if (check != keyhook::TargetCheck(KeyHookKey.key, window, process)) return nullptr;
    DWORD owner = 0;
    if (!GetWindowThreadProcessId(target, &owner) || owner != process) return nullptr;
    return target;
}

// The event as a name in this process's own atom table, which other
// processes cannot reach: a hook above passing this event on has added it.
void PassingName(char (&name)[64], int code, WPARAM wParam, LPARAM lParam) {
    wsprintfA(name, "KeyCountPassing %lx %x %lx %lx", GetCurrentThreadId(), code, static_cast<unsigned long>(wParam),
              static_cast<unsigned long>(lParam));
}

} // namespace

extern "C" {

LRESULT CALLBACK KeyCounter(int code, WPARAM wParam, LPARAM lParam) {
    volatile KeyCountRecord* record = g_record;
    // When two hooks of the program sit in the chain (two copies, or one
    // started twice), the one further down sees the event the one above it
    // is passing on, and leaves the report to that one.
    char passing[64];
    PassingName(passing, code, wParam, lParam);
    const bool reportedAbove = FindAtomA(passing) != 0;
    const ATOM atom = AddAtomA(passing);
    const LRESULT result = CallNextHookEx(record ? record->hook : nullptr, code, wParam, lParam);
    if (atom) DeleteAtom(atom);

    // Only events taken off the queue: HC_NOREMOVE is a peek that comes round again.
    if (code == HC_ACTION && record && !reportedAbove) {
        if (HWND target = CheckedTarget(record)) PostMessageA(target, keyhook::kKeyMessage, wParam, lParam);
    }
    return result;
}

void WINAPI KeyHook_Stop() {
    if (!g_ownHook) return;
    UnhookWindowsHookEx(g_ownHook);
    if (volatile KeyCountRecord* record = g_created ? g_record : nullptr) {
        if (record->hook == g_ownHook) record->hook = nullptr;
        if (record->target == g_ownTarget) record->target = nullptr;
    }
    g_ownHook = nullptr;
    g_ownTarget = nullptr;
}

BOOL WINAPI KeyHook_Start(HWND target) {
    g_failure[0] = '\0';
    // Only a window of the program that starts the hook gets its keys.
    DWORD owner = 0;
    if (!IsWindow(target) || !GetWindowThreadProcessId(target, &owner) || owner != GetCurrentProcessId()) {
        NoteFailure(kHookFailed, ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!CreateBlock()) return FALSE;
    // A second start replaces the first hook instead of reporting every key twice.
    KeyHook_Stop();
    const auto window = static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(target));
    g_record->target = nullptr; // never a target with another's check
    g_record->process = owner;
    g_record->check = keyhook::TargetCheck(KeyHookKey.key, window, owner);
    g_record->target = target;
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD, KeyCounter, g_instance, 0);
    if (!hook) {
        NoteFailure(kHookFailed, GetLastError());
        g_record->target = nullptr;
        return FALSE;
    }
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
        DisableThreadLibraryCalls(instance);
        if (keyhook::HasKey(KeyHookKey.key)) keyhook::BlockName(KeyHookKey.key, g_blockName);
        // A process the hook was loaded into finds the program's block here.
        OpenBlock();
        break;
    case DLL_PROCESS_DETACH:
        // At process exit (reserved set) the system cleans up after us.
        if (!reserved) {
            // Unloaded with the hook still in place: the hook would outlive its code.
            KeyHook_Stop();
            CloseBlock();
        }
        break;
    default:
        break;
    }
    return TRUE;
}

} // extern "C"
