// How promptly a window answers, for the flood scripts:
//
//   window-probe TITLE STOPFILE MAXSECONDS
//
// Finds the top-level window titled TITLE (waiting up to 60 s for it), waits
// for its first answer (a program that is still starting has a window before
// it pumps messages), then every 50 ms sends it WM_NULL with
// SendMessageTimeout and times the answer, until the file STOPFILE exists or
// MAXSECONDS have passed. A window that does not answer within 60 s counts
// 60000 ms. Prints "probing" once the window has answered, and at the end one
// line ("first" is how long the first answer took from finding the window):
//   "samples N worst MS median MS over200 N first MS"
// Exit status: 0 done; 1 no window; 2 bad usage.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: window-probe TITLE STOPFILE MAXSECONDS\n", stderr);
        return 2;
    }
    const double end = NowMs() + std::atof(argv[3]) * 1000.0;
    HWND window = nullptr;
    for (int i = 0; i < 600 && !window; ++i) {
        window = FindWindowA(nullptr, argv[1]);
        if (!window) Sleep(100);
    }
    if (!window) {
        std::fprintf(stderr, "window-probe: no window \"%s\"\n", argv[1]);
        return 1;
    }
    const UINT kLimitMs = 60000;
    const double found = NowMs();
    DWORD_PTR ignored = 0;
    const double first = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kLimitMs, &ignored) != 0
                             ? NowMs() - found
                             : kLimitMs;
    std::puts("probing");
    std::fflush(stdout);
    std::vector<double> answers;
    while (NowMs() < end && !Exists(argv[2]) && IsWindow(window)) {
        const double start = NowMs();
        DWORD_PTR result = 0;
        const bool answered =
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kLimitMs, &result) != 0;
        answers.push_back(answered ? NowMs() - start : kLimitMs);
        // When the slow answers came, to tell which stage of a run kept the window busy.
        if (answers.back() > 200) std::printf("slow %.1f ms at %.0f ms\n", answers.back(), start - found);
        const double spent = NowMs() - start;
        if (spent < 50) Sleep(static_cast<DWORD>(50 - spent));
    }
    if (answers.empty()) answers.push_back(0);
    std::vector<double> sorted = answers;
    std::sort(sorted.begin(), sorted.end());
    const auto over = std::count_if(sorted.begin(), sorted.end(), [](double ms) { return ms > 200; });
    std::printf("samples %u worst %.1f median %.1f over200 %d first %.1f\n", static_cast<unsigned>(sorted.size()),
                sorted.back(), sorted[sorted.size() / 2], static_cast<int>(over), first);
    return 0;
}
