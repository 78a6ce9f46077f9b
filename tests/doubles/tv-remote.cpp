// Plays the AVerMedia TV application for end-to-end tests: finds a window by
// its exact title and posts it a remote's message.
//
//   tv-remote TITLE MESSAGE WPARAM LPARAM
//
// Waits up to five seconds for the window. Exit status: 0 posted; 1 no such
// window, or the post failed; 2 bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: tv-remote TITLE MESSAGE WPARAM LPARAM\n");
        return 2;
    }
    const UINT message = static_cast<UINT>(std::strtoul(argv[2], nullptr, 10));
    const WPARAM wParam = static_cast<WPARAM>(std::strtol(argv[3], nullptr, 10));
    const LPARAM lParam = static_cast<LPARAM>(std::strtol(argv[4], nullptr, 10));
    HWND window = nullptr;
    for (int tries = 0; tries < 50 && !window; ++tries) {
        window = FindWindowA(nullptr, argv[1]);
        if (!window) Sleep(100);
    }
    if (!window) {
        std::fprintf(stderr, "no window titled \"%s\"\n", argv[1]);
        return 1;
    }
    if (!PostMessageA(window, message, wParam, lParam)) {
        std::fprintf(stderr, "PostMessage failed: %lu\n", GetLastError());
        return 1;
    }
    return 0;
}
