// Automation driver for end-to-end tests: finds the program's windows by
// title and acts on them as a user would.
//
//   orvane-driver wait TITLE [MS]   waits until a top-level window has TITLE
//   orvane-driver close TITLE       asks that window to close (WM_CLOSE)
//
// Exit status 0 on success, 1 when the window is not found, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND WaitForWindow(const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowA(nullptr, title)) return window;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

int Usage() {
    std::fputs("usage: orvane-driver wait TITLE [MS] | close TITLE\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const char* command = argv[1];
    const char* title = argv[2];

    if (std::strcmp(command, "wait") == 0) {
        DWORD timeout = argc > 3 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : 10000;
        if (!WaitForWindow(title, timeout)) {
            std::fprintf(stderr, "no window titled \"%s\"\n", title);
            return 1;
        }
        return 0;
    }
    if (std::strcmp(command, "close") == 0) {
        HWND window = FindWindowA(nullptr, title);
        if (!window) {
            std::fprintf(stderr, "no window titled \"%s\"\n", title);
            return 1;
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    }
    return Usage();
}
