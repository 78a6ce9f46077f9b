// Probe for the keyboard hook library: a window with a text box that loads the
// library, starts and stops its hook on command and prints every key message
// the hook posts to it. Without --dll it is only a window to type into.
//
//   keyhook-probe [--dll PATH] [--occupy event|readonly] [--at X Y] TITLE
//
// --at places the window (the screen has no window manager to keep windows
// apart, and a click gives a window the keyboard).
// --occupy takes the name of the library's shared block (the one the key in
// the library's file gives) before the library is loaded, with an event or
// with a read-only section, so that the name is taken by something else.
//
// Commands on standard input, one a line, each answered with one line:
//   start [WINDOW]      KeyHook_Start with this window   "start 1", or "start 0 REASON"
//                       (or that one, in hexadecimal)    with KeyHook_ErrorText's text
//   window              this window's handle             "window HANDLE" in hexadecimal
//   stop                KeyHook_Stop                     "stop"
//   call CODE VK DATA   KeyCounter(CODE, VK, DATA)       "call"
//   text                the text box's contents          "text CONTENTS"
//   sync                "sync", once every message posted to the window before
//                       it has been handled
//   quit                ends the program (so does the end of the input)
// Every key message from the hook prints "key VK DATA", DATA as eight
// hexadecimal digits; every key-down and key-up that reaches the window
// itself prints "sees VK DATA".
// Every message from WM_USER up to WM_APP posted to the window prints
// "message MSG WPARAM LPARAM", all three as hexadecimal numbers.
// "ready" is printed once the window exists and the library is loaded.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "../../src/keyhook/KeyHook.h"
#include "../../src/keyhook/KeyHookKey.h"

namespace {

constexpr UINT kCommandMessage = WM_APP + 1;

HWND g_window;
HWND g_edit;
keyhook::StartProc g_start;
keyhook::StopProc g_stop;
keyhook::HookProc g_hookProc;
keyhook::ErrorTextProc g_errorText;

void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Run(const std::string& line) {
    char verb[16] = {};
    std::sscanf(line.c_str(), "%15s", verb);
    const std::string command = verb;
    if (command == "start") {
        const unsigned long other = std::strtoul(line.c_str() + 5, nullptr, 16);
        HWND target = other ? reinterpret_cast<HWND>(static_cast<UINT_PTR>(other)) : g_window;
        if (g_start && g_start(target)) {
            Say("start 1");
        } else {
            char reason[128] = {};
            if (g_errorText) g_errorText(reason, sizeof(reason));
            Say("start 0 %s", reason);
        }
    } else if (command == "stop") {
        if (g_stop) g_stop();
        Say("stop");
    } else if (command == "call") {
        // CODE is signed; VK and DATA are read as unsigned, DATA also in 0x hexadecimal.
        char* next = nullptr;
        const long code = std::strtol(line.c_str() + 4, &next, 10);
        const unsigned long vk = std::strtoul(next, &next, 10);
        const unsigned long data = std::strtoul(next, &next, 0);
        if (g_hookProc) g_hookProc(static_cast<int>(code), vk, static_cast<LPARAM>(data));
        Say("call");
    } else if (command == "text") {
        char text[1024];
        GetWindowTextA(g_edit, text, sizeof(text));
        Say("text %s", text);
    } else if (command == "window") {
        Say("window %lX", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(g_window)));
    } else if (command == "sync") {
        Say("sync");
    } else if (command == "quit") {
        DestroyWindow(g_window);
    } else {
        Say("unknown %s", line.c_str());
    }
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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
    case WM_SETFOCUS:
        SetFocus(g_edit);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Commands arrive posted, behind the key messages already queued, so that
// "sync" answers only after those have been printed.
DWORD WINAPI ReadCommands(LPVOID) {
    char buffer[256];
    while (std::fgets(buffer, sizeof(buffer), stdin)) {
        std::string line = buffer;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (!line.empty()) PostMessageA(g_window, kCommandMessage, 0, reinterpret_cast<LPARAM>(new std::string(line)));
    }
    PostMessageA(g_window, kCommandMessage, 0, reinterpret_cast<LPARAM>(new std::string("quit")));
    return 0;
}

// The name of the block of the library in that file; empty without a key.
std::string BlockNameOf(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const long at = keyhook::KeyOffset(data, read);
    if (at < 0) return {};
    char name[keyhook::kBlockNameSize];
    keyhook::BlockName(data + at, name);
    return name;
}

bool Occupy(const std::string& how, const std::string& name) {
    HANDLE object = nullptr;
    if (name.empty()) return false;
    if (how == "event")
        object = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    else if (how == "readonly") {
        // A section over a file opened for reading only cannot be mapped for writing.
        char folder[MAX_PATH], path[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "khp", 0, path);
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "\0\0\0\0\0\0\0\0", 8, &written, nullptr);
        CloseHandle(file);
        file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        object = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 8, name.c_str());
    }
    return object != nullptr; // kept open until the probe ends
}

[[noreturn]] void Usage() {
    std::fputs("usage: keyhook-probe [--dll PATH] [--occupy event|readonly] [--at X Y] TITLE\n", stderr);
    std::exit(2);
}

} // namespace

int main(int argc, char** argv) {
    const char* dll = nullptr;
    const char* occupy = nullptr;
    const char* title = nullptr;
    int x = 40, y = 40;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dll") == 0 && i + 1 < argc)
            dll = argv[++i];
        else if (std::strcmp(argv[i], "--occupy") == 0 && i + 1 < argc)
            occupy = argv[++i];
        else if (std::strcmp(argv[i], "--at") == 0 && i + 2 < argc) {
            x = std::atoi(argv[++i]);
            y = std::atoi(argv[++i]);
        }
        else if (!title)
            title = argv[i];
        else
            Usage();
    }
    if (!title) Usage();
    _setmode(_fileno(stdout), _O_BINARY); // plain "\n" line ends for the shell reading them

    if (occupy && !Occupy(occupy, dll ? BlockNameOf(dll) : std::string())) {
        std::fprintf(stderr, "keyhook-probe: cannot take the name with %s, error %lu\n", occupy, GetLastError());
        return 1;
    }
    if (dll) {
        HMODULE library = LoadLibraryA(dll);
        if (!library) {
            std::fprintf(stderr, "keyhook-probe: cannot load %s, error %lu\n", dll, GetLastError());
            return 1;
        }
        g_start = keyhook::EntryPoint<keyhook::StartProc>(library, keyhook::kStartName);
        g_stop = keyhook::EntryPoint<keyhook::StopProc>(library, keyhook::kStopName);
        g_hookProc = keyhook::EntryPoint<keyhook::HookProc>(library, keyhook::kHookProcName);
        g_errorText = keyhook::EntryPoint<keyhook::ErrorTextProc>(library, keyhook::kErrorTextName);
        if (!g_start || !g_stop || !g_hookProc || !g_errorText) {
            std::fprintf(stderr, "keyhook-probe: %s lacks an entry point\n", dll);
            return 1;
        }
    }

    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ProbeProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "KeyhookProbe";
    RegisterClassA(&windowClass);
    g_window = CreateWindowExA(0, "KeyhookProbe", title, WS_OVERLAPPEDWINDOW, x, y, 360, 120, nullptr, nullptr,
                               instance, nullptr);
    g_edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 8, 8, 320, 24,
                             g_window, nullptr, instance, nullptr);
    if (!g_window || !g_edit) return 1;
    ShowWindow(g_window, SW_SHOWNORMAL);
    SetForegroundWindow(g_window);
    SetFocus(g_edit);
    CloseHandle(CreateThread(nullptr, 0, ReadCommands, nullptr, 0, nullptr));
    Say("ready");

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        const UINT m = message.message;
        if (m == WM_KEYDOWN || m == WM_KEYUP || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP)
            Say("sees %lu %08lX", static_cast<unsigned long>(message.wParam),
                static_cast<unsigned long>(message.lParam));
        if (m >= WM_USER && m < WM_APP)
            Say("message %X %lX %lX", m, static_cast<unsigned long>(message.wParam),
                static_cast<unsigned long>(message.lParam));
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
