// A program for the executor's tests to start: writes the command line it was
// given to the file named by its first argument, waits a moment so that a
// waiting starter can be seen waiting, and ends. While a file named like the
// output with ".hold" added exists, it keeps running (a minute at most), so
// that a test decides when it ends.
//
//   started-program OUTPUT-FILE [ANY MORE ARGUMENTS]
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    Sleep(500);
    const std::string path = argv[1];
    const std::string hold = path + ".hold";
    for (int waited = 0; waited < 600 && GetFileAttributesA(hold.c_str()) != INVALID_FILE_ATTRIBUTES; ++waited)
        Sleep(100);
    const std::string partial = path + ".part";
    FILE* out = std::fopen(partial.c_str(), "wb");
    if (!out) return 1;
    std::fputs(GetCommandLineA(), out);
    std::fclose(out);
    // Appears whole, so that a reader never sees half a line.
    return MoveFileA(partial.c_str(), path.c_str()) ? 0 : 1;
}
